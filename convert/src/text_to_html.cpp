// Text to an HTML page: the page frame and the line loop of the text converter.
#include "converters.h"

#include "bytes.h"
#include "entities.h"
#include "line_reader.h"
#include "mail_headers.h"
#include "markup.h"
#include "output.h"
#include "text_utils.h"
#include "utf8.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace vellum
{
namespace
{

constexpr std::string_view kFooter = "\n</blockquote>\n</body>\n</html>\n\n";

void writeStandardHead(const TextPageOptions& options, Output& out)
{
    out.put("\n<html>\n<head>\n");
    if (options.declareCharset) {
        out.put(charsetMeta(options.utf8));
        out.put('\n');
    }
    out.put("<title>");
    if (options.titleIsFileName) {
        putFileNameInTitle(out, options.title, options.utf8);
    } else if (options.utf8) {
        std::string work;
        out.put(repairUtf8(options.title, work));
    } else {
        out.put(options.title);
    }
    out.put("</title>\n<meta name=\"DESCRIPTION\" content=\"\">\n<meta name=\"KEYWORDS\" content=\"\">"
            "\n</head>\n\n<body bgcolor=\"");
    out.put(options.backgroundColor.empty() ? std::string_view("#E0FFFF") : options.backgroundColor);
    out.put("\" text=\"");
    out.put(options.textColor.empty() ? std::string_view("#000000") : options.textColor);
    out.put("\" link=\"#0000FF\" alink=\"#FF00FF\" vlink=\"#800080\" background=\"\">\n<blockquote>\n\n");
}

// Which marker a line holds, compared without regard to letter case: 0 none,
// VELLUM62_INPUT_HOLDS_HTML "<HTML>", VELLUM62_INPUT_HOLDS_X_HTML "<X-HTML>" (only when there is
// no "<HTML>").
int32_t htmlMarker(std::string_view line)
{
    auto matches = [&](std::size_t at, std::string_view upper) {
        if (line.size() - at < upper.size())
            return false;
        for (std::size_t k = 0; k < upper.size(); ++k) {
            char c = line[at + k];
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
            if (c != upper[k])
                return false;
        }
        return true;
    };
    bool xhtml = false;
    if (line.empty())
        return 0;
    const char* p = line.data();
    const char* end = p + line.size();
    while ((p = static_cast<const char*>(std::memchr(p, '<', static_cast<std::size_t>(end - p))))) {
        std::size_t at = static_cast<std::size_t>(p - line.data());
        if (matches(at, "<HTML>"))
            return VELLUM62_INPUT_HOLDS_HTML;
        if (!xhtml && matches(at, "<X-HTML>"))
            xhtml = true;
        ++p;
    }
    return xhtml ? VELLUM62_INPUT_HOLDS_X_HTML : 0;
}

class TextConverter
{
public:
    TextConverter(Output& out, bool utf8, const LineReader& input)
        : m_out(out), m_utf8(utf8), m_decode(utf8, &input)
    {
        m_line.reserve(64 * 1024);
        m_scratch.reserve(64 * 1024);
    }

    // Converts every line; returns VELLUM62_DONE, or VELLUM62_INPUT_HOLDS_HTML or _X_HTML when a
    // line holds an HTML marker, VELLUM62_INPUT_IS_BINARY when it holds a NUL byte.
    int32_t run(LineReader& input)
    {
        std::string_view piece;
        bool blockMayStart = true; // the first line, and a line after a "From " line, may start a mail header
        while (!m_out.failed() && input.next(piece)) {
            if (m_decode.onlyByteOrderMark(piece))
                break;
            if (holdsNul(piece)) {
                releaseHeld();
                return VELLUM62_INPUT_IS_BINARY;
            }
            piece = trim_trailing_controls(m_decode(piece));
            if (int32_t marker = htmlMarker(piece)) {
                releaseHeld();
                return marker;
            }
            // Only a line that may start or go on with a header block is looked at as one.
            const bool inBlock = m_block != Block::None;
            const bool headerShaped = (inBlock || blockMayStart) && !header_name(piece).empty();
            const bool continuation = inBlock && !piece.empty() && isBlank(piece[0]) && !is_blank_line(piece);
            if (inBlock && !headerShaped && !continuation) {
                releaseHeld(); // the block ended without telling it is a mail header
                m_block = Block::None;
            }
            if (m_block == Block::None && blockMayStart && headerShaped)
                m_block = Block::Undecided;
            blockMayStart = piece.starts_with("From ");
            if (m_block == Block::Undecided) {
                if (headerShaped && names_mail_header(header_name(piece))) {
                    m_block = Block::Mail;
                    for (std::string_view line : heldLines())
                        convertLine(line);
                    m_held.clear();
                    m_heldEnds.clear();
                } else if (m_heldEnds.size() < kMostHeldLines && m_held.size() + piece.size() <= kMostHeldBytes) {
                    m_held += piece;
                    m_heldEnds.push_back(m_held.size());
                    continue;
                } else {
                    releaseHeld();
                    m_block = Block::Text; // too long to tell: text to its end
                }
            }
            convertLine(piece);
        }
        releaseHeld();
        return VELLUM62_DONE;
    }

private:
    // A block of header lines (with continuation lines) is held until it is told to be a mail
    // header, by a Date, Subject, From or To line, or text, by its end; at most this much of it.
    static constexpr std::size_t kMostHeldLines = 1000;
    static constexpr std::size_t kMostHeldBytes = 256 * 1024;
    enum class Block { None, Undecided, Mail, Text };

    std::vector<std::string_view> heldLines() const
    {
        std::vector<std::string_view> lines;
        std::size_t start = 0;
        for (std::size_t end : m_heldEnds) {
            lines.push_back(std::string_view(m_held).substr(start, end - start));
            start = end;
        }
        return lines;
    }

    // Converts the held lines as text.
    void releaseHeld()
    {
        if (m_block != Block::Undecided)
            return;
        m_block = Block::Text;
        for (std::string_view line : heldLines())
            convertLine(line);
        m_held.clear();
        m_heldEnds.clear();
    }

    void write(std::string_view text)
    {
        m_out.put(text);
        m_paragraphOpen = false;
    }

    void convertLine(std::string_view piece)
    {
        if (is_blank_line(piece)) {
            m_headerLineOpen = false;
            if (!m_paragraphOpen) {
                m_out.put("\n<p>");
                m_paragraphOpen = true;
            }
            return;
        }
        if (piece.substr(0, 12) == "From ???@???")
            return;

        m_line.assign(piece);
        const int headerClass = classify_header_line(m_line);
        if (headerClass == kDroppedHeader && m_block == Block::Mail)
            return;
        if (headerClass == kWrittenHeader && !m_inPreformatted) {
            substitute_entities(m_line, m_scratch, m_utf8, m_raw);
            m_out.put('\n');
            if (!m_paragraphOpen)
                m_out.put("<br>");
            write(m_line);
            m_headerLineOpen = true;
            return;
        }
        // A written header line has no line end of its own; a continuation line goes on after it.
        if (m_headerLineOpen && !isBlank(m_line[0]))
            m_out.put('\n');
        m_headerLineOpen = false;

        if (m_line[0] == '>' && !m_paragraphOpen)
            write("<br>");
        if (m_line.size() >= 2 && m_line.back() == '=' && m_line[m_line.size() - 2] == ' ')
            m_line.pop_back();

        if (markTags() && !m_paragraphOpen && startsWithThreeNoBreakSpaces())
            write("\n<p>");

        substitute_entities(m_line, m_scratch, m_utf8, m_raw);
        make_heading(m_line, m_scratch, m_raw);
        link_web_addresses(m_line, m_scratch, m_raw, m_utf8);
        link_email_address(m_line, m_scratch, m_utf8);
        writeLine();
    }

    // Three non-breaking spaces and at least one more character.
    bool startsWithThreeNoBreakSpaces() const
    {
        if (m_utf8)
            return m_line.size() > 6 && static_cast<unsigned char>(m_line[0]) == 0xC2 &&
                   std::string_view(m_line).substr(0, 6) == "\xC2\xA0\xC2\xA0\xC2\xA0";
        return m_line.size() > 3 && static_cast<unsigned char>(m_line[0]) == kNoBreakSpace &&
               static_cast<unsigned char>(m_line[1]) == kNoBreakSpace &&
               static_cast<unsigned char>(m_line[2]) == kNoBreakSpace;
    }

    // Turns the tags the text may hold into marks, tracks preformatted blocks and applies
    // the typographic marks outside them. False when the paragraph check of indented lines is to
    // be left out (a line inside a block that does not end it).
    bool markTags()
    {
        bool hasTag = m_line.find('<') != npos;
        if (hasTag)
            replaceStartTags();
        if (!m_inPreformatted) {
            if (m_line.find('-') != npos) {
                mark_double_dashes(m_line, m_scratch);
                mark_spaced_hyphens(m_line, m_scratch);
            }
            bind_single_letter_words(m_line, m_scratch);
            return true;
        }
        if (hasTag) {
            const char endTag[] = {kMark, kPreEndTag};
            if (replace_all(m_line, "</PRE>", std::string_view(endTag, 2), 0) ||
                replace_all(m_line, "</pre>", std::string_view(endTag, 2), 0)) {
                m_inPreformatted = false;
                return true;
            }
        }
        return false;
    }

    // "<BR>", "<br>", "<P>", "<p>", "<HR>", "<hr>", "<PRE>" and "<pre>" become marks. No two
    // of them can overlap, so one pass from the left does what one search per tag would.
    void replaceStartTags()
    {
        struct Tag {
            std::string_view text;
            MarkKind mark;
        };
        static constexpr Tag kTags[] = {
            {"<BR>", kBreakTag}, {"<br>", kBreakTag}, {"<P>", kParagraphTag},  {"<p>", kParagraphTag},
            {"<HR>", kRuleTag},  {"<hr>", kRuleTag},  {"<PRE>", kPreStartTag}, {"<pre>", kPreStartTag},
        };
        m_scratch.clear();
        const std::string_view line = m_line;
        std::size_t copied = 0;
        std::size_t i = line.find('<');
        while (i != npos) {
            std::size_t skip = 1;
            for (const Tag& tag : kTags) {
                if (line.compare(i, tag.text.size(), tag.text) == 0) {
                    m_scratch.append(line, copied, i - copied);
                    appendMark(m_scratch, tag.mark);
                    copied = i + tag.text.size();
                    skip = tag.text.size();
                    if (tag.mark == kPreStartTag)
                        m_inPreformatted = true;
                    break;
                }
            }
            i = line.find('<', i + skip);
        }
        if (copied == 0)
            return;
        m_scratch.append(line, copied, npos);
        m_line.swap(m_scratch);
    }

    void writeLine()
    {
        std::string& line = m_line;
        if (line.empty())
            return;
        if (m_inPreformatted || line.size() == 1) {
            line += '\n';
            write(line);
            return;
        }
        collapseSpaces(line);

        const std::size_t n = line.size();
        if (n >= 2 && line[n - 1] == '-' && line[n - 2] != '-' && !inside_web_address(line, n - 2)) {
            // A word broken across lines: the next line goes on right after it.
            line.pop_back();
            write(line);
            return;
        }

        std::size_t hyphens = 0;
        while (hyphens < n && line[hyphens] == '-')
            ++hyphens;
        if (hyphens >= 10) {
            if (hyphens == n) {
                writeRule("<hr>\n");
                return;
            }
            if ((hyphens + 2 < n && line[hyphens + 2] == '%') ||
                (hyphens + 3 < n && line[hyphens + 3] == '%')) {
                std::string rule = "<hr width=";
                rule += std::to_string(parseLeadingInt(std::string_view(line).substr(hyphens)));
                rule += "%>\n";
                writeRule(rule);
                return;
            }
        }
        if (line.compare(0, 4, "----") == 0 || line.compare(0, 4, "====") == 0) {
            m_out.put("<br>\n");
            m_out.put(line);
            write("<br>\n");
            return;
        }
        line += '\n';
        write(line);
    }

    void writeRule(std::string_view rule)
    {
        if (!m_paragraphOpen)
            m_out.put("<p>");
        write(rule);
    }

    static void collapseSpaces(std::string& line)
    {
        char* data = line.data();
        const std::size_t n = line.size();
        const std::size_t first = find_double_space(line);
        if (first == npos)
            return;
        std::size_t kept = first + 1;
        bool afterSpace = true;
        for (std::size_t i = first + 2; i < n; ++i) {
            const char c = data[i];
            if (c == ' ' && afterSpace)
                continue;
            data[kept++] = c;
            afterSpace = c == ' ';
        }
        line.resize(kept);
    }

    Output& m_out;
    const bool m_utf8;
    InputDecoder m_decode;
    RawSpan m_raw;
    std::string m_line;
    std::string m_scratch;
    bool m_paragraphOpen = false;
    bool m_inPreformatted = false;
    bool m_headerLineOpen = false; // the last line written was a header line, without its line end
    Block m_block = Block::None;   // the block of header lines the line is in
    std::string m_held;            // the lines of an undecided block, one after another
    std::vector<std::size_t> m_heldEnds;
};

} // namespace

int32_t convertTextPage(const TextPageOptions& options, Output& out)
{
    int32_t result = options.frameResult;
    if (options.header) {
        copy_file_lines(*options.header, out);
        out.put('\n');
    } else {
        writeStandardHead(options, out);
    }

    if (!options.input) {
        out.put("\nPage content goes here.\n\n");
    } else {
        TextConverter converter(out, options.utf8, *options.input);
        if (int32_t marker = converter.run(*options.input))
            return marker; // the page stops here, without a footer (a marker or binary input)
    }

    if (options.footer) {
        out.put('\n');
        copy_file_lines(*options.footer, out);
    } else {
        out.put(kFooter);
    }
    return result;
}

} // namespace vellum
