// Writes the benchmark corpora of a given size in MiB into a folder: saved e-mail and prose,
// tab-indented C-like code, a 10-column comma-separated file and a list of "* item" lines.
// The same seed always gives the same bytes.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

std::mt19937 rng(842);

int pick(int n)
{
    return static_cast<int>(rng() % static_cast<unsigned>(n));
}

const char* const kWords[] = {"the",   "of",     "and",   "page",  "letter", "about", "we",     "write",
                              "table", "simple", "words", "other", "while",  "there", "people", "which",
                              "A",     "I",      "hand",  "text",  "number", "first", "could",  "caf\xE9"};

std::string word()
{
    return kWords[pick(sizeof kWords / sizeof *kWords)];
}

std::string mailParagraph()
{
    std::string p;
    int lines = 2 + pick(6);
    for (int l = 0; l < lines; ++l) {
        std::string line = pick(8) == 0 ? "> " : "";
        int words = 6 + pick(8);
        for (int w = 0; w < words; ++w) {
            switch (pick(40)) {
            case 0: line += "http://www.example.com/page" + std::to_string(pick(1000)) + ".htm"; break;
            case 1: line += "www.site" + std::to_string(pick(100)) + ".org"; break;
            case 2: line += "someone" + std::to_string(pick(100)) + "@mail.com"; break;
            case 3: line += "--"; break;
            case 4: line += "\x93quoted\x94"; break;
            case 5: line += "\x85"; break;
            case 6: line += "R&D"; break;
            default: line += word();
            }
            line += ' ';
        }
        line.back() = pick(10) == 0 ? '-' : '.';
        p += line + "\r\n";
    }
    return p;
}

std::string mail()
{
    std::string m = "From: Someone <someone@mail.com>\r\nDate: Mon, 1 Jan 2001\r\nSubject: Re: the page\r\n"
                    "Message-ID: <123@mail.com>\r\nX-Mailer: Mailer 1.0\r\nContent-Type: text/plain\r\n\r\n";
    int paragraphs = 2 + pick(5);
    for (int i = 0; i < paragraphs; ++i)
        m += mailParagraph() + "\r\n";
    if (pick(3) == 0)
        m += "------------------------------\r\n\r\n";
    return m;
}

std::string codeLine()
{
    static const char* const kLines[] = {
        "if (a < b && c > \"d\") {",   "return x & 0xFF;",           "printf(\"%d <%s>\\n\", n, s);",
        "for (i = 0; i < n; i++)",      "while (p && *p != '\"')",    "}",
        "/* a comment about <tags> */", "x = y >> 2 | z << 3;",       "s = \"text & more\";",
        "",                             "int value = compute(a, b);", "#include <stdio.h>"};
    return std::string(static_cast<std::size_t>(pick(4)), '\t') + kLines[pick(12)] + "\n";
}

std::string tableLine()
{
    std::string line;
    for (int c = 0; c < 10; ++c) {
        if (c)
            line += ',';
        if (c % 3 == 0)
            line += std::to_string(pick(100000));
        else if (c % 3 == 1)
            line += word() + " " + word();
        else
            line += "-" + std::to_string(pick(1000)) + "." + std::to_string(pick(100));
    }
    return line + "\n";
}

std::string listLine()
{
    std::string line = "* ";
    int words = 3 + pick(8);
    for (int w = 0; w < words; ++w)
        line += word() + (w + 1 < words ? " " : "");
    return line + "\n";
}

void writeCorpus(const std::string& path, std::size_t bytes, std::string (*chunk)())
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::size_t written = 0;
    while (written < bytes) {
        std::string piece = chunk();
        std::fwrite(piece.data(), 1, piece.size(), f);
        written += piece.size();
    }
    std::fclose(f);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_corpora FOLDER MIB\n");
        return 2;
    }
    const std::string dir = argv[1];
    const std::size_t bytes = std::strtoull(argv[2], nullptr, 10) << 20;
    writeCorpus(dir + "/mail.txt", bytes, mail);
    writeCorpus(dir + "/code.c", bytes, codeLine);
    writeCorpus(dir + "/table.csv", bytes, tableLine);
    writeCorpus(dir + "/list.txt", bytes, listLine);
    return 0;
}
