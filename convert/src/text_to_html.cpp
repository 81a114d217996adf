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
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace vellum
{
namespace
{

constexpr std::string_view kFooter = "\n</blockquote>\n</body>\n</html>\n\n";

// The head of an HTML5 text page: the title as the classic head writes it, but always in UTF-8 (and
// never empty), and the page's colours in its stylesheet.
void writeHtml5Head(const TextPageOptions& options, Output& out)
{
    putHtml5Start(out, options.html5);
    std::string work, clean;
    if (options.titleIsFileName) {
        putFileNameInTitle(out, options.title, true);
    } else {
        const std::string_view title = options.utf8 ? cleanForHtml5(repairUtf8(options.title, work), clean)
                                                    : windows1252ToUtf8(options.title, work, false);
        if (title.find_first_not_of(" \t\r\n\f") == npos)
            putFileNameInTitle(out, options.outputName, true); // a page must have a title
        else
            out.put(title);
    }
    pagewright::StyleValues values;
    const bool text = values.setColor("text", options.textColor);
    const bool background = values.setColor("background", options.backgroundColor);
    if (!text)
        values.set("text", "#000000");
    if (!background)
        values.set("background", "#E0FFFF");
    values.set("link", "#0000FF");
    values.set("active", "#FF00FF");
    values.set("visited", "#800080");
    putHtml5HeadEnd(out, options.html5, values, "pw-text",
                    "<meta name=\"description\" content=\"\">\n<meta name=\"keywords\" content=\"\">\n");
}

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

// The text converter's markup in an HTML5 page. The converter writes its tags as a classic page
// has them; this writes each in its HTML5 form and keeps the page's elements properly nested: a
// paragraph is closed before the next paragraph, rule, heading or preformatted block and at the
// end; a rule or heading met inside a preformatted block closes the block around itself; a
// paragraph start inside such a block is the line end it is there already. Every "<" the converter
// writes starts one of its own tags, as text is escaped, and every tag is written whole by one call.
class Html5Flow
{
public:
    explicit Html5Flow(Output& out) : m_out(out) {}

    void put(std::string_view html)
    {
        for (;;) {
            const std::size_t open = html.find('<');
            const std::size_t close = open == npos ? npos : html.find('>', open);
            if (close == npos) {
                text(html);
                return;
            }
            text(html.substr(0, open));
            tag(html.substr(open, close + 1 - open));
            html.remove_prefix(close + 1);
        }
    }

    // Writes text and inline tags only.
    void text(std::string_view html)
    {
        if (m_pendingParagraph && !is_blank_line(trim_trailing_controls(html)))
            openPendingParagraph();
        m_out.put(html);
    }

    // Closes what is still open at the end of the page.
    void finish()
    {
        if (m_pre)
            m_out.put("</pre>");
        closeParagraph();
        m_pre = false;
    }

private:
    static bool isHeading(std::string_view name)
    {
        return name.size() == 2 && name[0] == 'h' && name[1] >= '0' && name[1] <= '6';
    }

    void closeParagraph()
    {
        if (m_paragraph)
            m_out.put("</p>");
        m_paragraph = false;
        m_pendingParagraph = false;
    }

    // A paragraph starts with its first content, so that one followed by a block is not written.
    void openPendingParagraph()
    {
        if (m_pendingParagraph) {
            m_out.put("<p>");
            m_paragraph = true;
            m_pendingParagraph = false;
        }
    }


    // A block element starts: out of a paragraph, and out of a preformatted block until it ends.
    void startBlock()
    {
        if (m_pre) {
            m_out.put("</pre>");
            m_reopenPre = true;
        }
        closeParagraph();
    }

    void endBlock()
    {
        if (m_reopenPre)
            m_out.put("<pre>");
        m_reopenPre = false;
    }

    void tag(std::string_view tag)
    {
        const bool end = tag.size() > 1 && tag[1] == '/';
        const std::size_t from = end ? 2 : 1;
        const std::size_t nameEnd = std::min(tag.find_first_of(" >", from), tag.size());
        const std::string_view name = tag.substr(from, nameEnd - from);
        if (m_heading && (name == "p" || name == "hr" || name == "pre"))
            return; // a heading holds text only
        if (name == "p") {
            if (!m_pre) {
                closeParagraph();
                m_pendingParagraph = true;
            }
        } else if (name == "hr") {
            startBlock();
            m_out.put(tag);
            endBlock();
        } else if (name == "pre") {
            if (end && m_pre)
                m_out.put("</pre>");
            else if (!end && !m_pre) {
                closeParagraph();
                m_out.put("<pre>");
            }
            m_pre = !end;
        } else if (isHeading(name)) {
            const bool paragraph = name[1] == '0'; // "\H0" is centred text, not a heading
            if (!end) {
                startBlock();
                m_out.put('<');
                m_out.put(paragraph ? std::string_view("p") : name);
                m_out.put(" class=\"pw-center\">");
                m_heading = true;
            } else {
                if (paragraph) {
                    m_out.put("</p>");
                } else {
                    m_out.put("</");
                    m_out.put(name);
                    m_out.put('>');
                }
                m_heading = false;
                endBlock();
            }
        } else {
            openPendingParagraph();
            m_out.put(tag);
        }
    }

    Output& m_out;
    bool m_pendingParagraph = false; // a <p> is to open with the next content
    bool m_paragraph = false;        // a <p> is open
    bool m_pre = false;       // inside a preformatted block
    bool m_reopenPre = false; // a block interrupted the preformatted block
    bool m_heading = false;
};

class TextConverter
{
public:
    // An HTML5 page reads UTF-8 input clean (as every converter does); Windows-1252 input stays as
    // it is read and is written in UTF-8 by the escaping, in one pass.
    TextConverter(Output& out, bool utf8, const LineReader& input, Html5Flow* html5)
        : m_out(out), m_html5(html5), m_utf8(utf8),
          m_decode(utf8, &input, html5 && utf8 ? Html5Input::On : Html5Input::Off)
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

    // Writes to the page, through the HTML5 flow for an HTML5 page.
    void put(std::string_view text)
    {
        if (m_html5)
            m_html5->put(text);
        else
            m_out.put(text);
    }
    void put(char c) { put(std::string_view(&c, 1)); }

    void write(std::string_view text)
    {
        put(text);
        m_paragraphOpen = false;
    }

    void convertLine(std::string_view piece)
    {
        if (is_blank_line(piece)) {
            m_headerLineOpen = false;
            if (!m_paragraphOpen) {
                put("\n<p>");
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
            substitute_entities(m_line, m_scratch, m_utf8, m_raw, m_html5 != nullptr);
            put('\n');
            if (!m_paragraphOpen)
                put("<br>");
            write(m_line);
            m_headerLineOpen = true;
            return;
        }
        // A written header line has no line end of its own; a continuation line goes on after it.
        if (m_headerLineOpen && !isBlank(m_line[0]))
            put('\n');
        m_headerLineOpen = false;

        if (m_line[0] == '>' && !m_paragraphOpen)
            write("<br>");
        if (m_line.size() >= 2 && m_line.back() == '=' && m_line[m_line.size() - 2] == ' ')
            m_line.pop_back();

        if (markTags() && !m_paragraphOpen && startsWithThreeNoBreakSpaces())
            write("\n<p>");

        // Only a line with a block tag or a heading has blocks for the HTML5 flow to look at.
        m_lineHasBlocks = m_html5 && (m_lineHasBlockTags || m_line.starts_with("\\H"));
        substitute_entities(m_line, m_scratch, m_utf8, m_raw, m_html5 != nullptr);
        make_heading(m_line, m_scratch, m_raw);
        // An HTML5 line is UTF-8 once escaped, whatever the input was.
        link_web_addresses(m_line, m_scratch, m_raw, m_utf8 || m_html5, m_html5 != nullptr);
        link_email_address(m_line, m_scratch, m_utf8 || m_html5, m_html5 != nullptr);
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
        m_lineHasBlockTags = false;
        bool hasTag = m_line.find('<') != npos;
        if (hasTag)
            replaceStartTags();
        if (!m_inPreformatted) {
            if (m_line.find('-') != npos) {
                const MarkKind dash = m_html5 ? kHtml5Dash : kDash;
                mark_double_dashes(m_line, m_scratch, dash);
                mark_spaced_hyphens(m_line, m_scratch, dash);
            }
            bind_single_letter_words(m_line, m_scratch);
            return true;
        }
        if (hasTag) {
            const char endTag[] = {kMark, kPreEndTag};
            if (replace_all(m_line, "</PRE>", std::string_view(endTag, 2), 0) ||
                replace_all(m_line, "</pre>", std::string_view(endTag, 2), 0)) {
                m_inPreformatted = false;
                m_lineHasBlockTags = true;
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
                    m_lineHasBlockTags = m_lineHasBlockTags || tag.mark != kBreakTag;
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
            writeConverted(line);
            return;
        }
        collapseSpaces(line);

        const std::size_t n = line.size();
        if (n >= 2 && line[n - 1] == '-' && line[n - 2] != '-' && !inside_web_address(line, n - 2)) {
            // A word broken across lines: the next line goes on right after it.
            line.pop_back();
            writeConverted(line);
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
                const int percent = parseLeadingInt(std::string_view(line).substr(hyphens));
                std::string rule = m_html5 ? "<hr class=\"pw-part\" style=\"width:" : "<hr width=";
                rule += std::to_string(m_html5 ? std::clamp(percent, 0, 100) : percent);
                rule += m_html5 ? "%\">\n" : "%>\n";
                writeRule(rule);
                return;
            }
        }
        if (line.compare(0, 4, "----") == 0 || line.compare(0, 4, "====") == 0) {
            put("<br>\n");
            put(line);
            write("<br>\n");
            return;
        }
        line += '\n';
        writeConverted(line);
    }

    // Writes a converted line: in an HTML5 page, one without blocks goes past the flow's look.
    void writeConverted(std::string_view line)
    {
        if (m_html5 && !m_lineHasBlocks) {
            m_html5->text(line);
            m_paragraphOpen = false;
        } else {
            write(line);
        }
    }


    void writeRule(std::string_view rule)
    {
        if (!m_paragraphOpen)
            put("<p>");
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
    Html5Flow* m_html5;
    const bool m_utf8;
    InputDecoder m_decode;
    RawSpan m_raw;
    std::string m_line;
    std::string m_scratch;
    bool m_paragraphOpen = false;
    bool m_inPreformatted = false;
    bool m_lineHasBlockTags = false; // the line's tags include a paragraph, rule or block tag
    bool m_lineHasBlocks = false;    // ... or it is a heading
    bool m_headerLineOpen = false; // the last line written was a header line, without its line end
    Block m_block = Block::None;   // the block of header lines the line is in
    std::string m_held;            // the lines of an undecided block, one after another
    std::vector<std::size_t> m_heldEnds;
};

} // namespace

int32_t convertTextPage(const TextPageOptions& options, Output& out)
{
    int32_t result = options.frameResult;
    const bool html5 = options.html5.on;
    if (options.header) {
        copy_file_lines(*options.header, out);
        out.put('\n');
    } else if (html5) {
        writeHtml5Head(options, out);
    } else {
        writeStandardHead(options, out);
    }

    if (!options.input) {
        out.put("\nPage content goes here.\n\n");
    } else {
        std::optional<Html5Flow> flow;
        if (html5)
            flow.emplace(out);
        TextConverter converter(out, options.utf8, *options.input, flow ? &*flow : nullptr);
        if (int32_t marker = converter.run(*options.input))
            return marker; // the page stops here, without a footer (a marker or binary input)
        if (flow)
            flow->finish();
    }

    if (options.footer) {
        out.put('\n');
        copy_file_lines(*options.footer, out);
    } else {
        out.put(html5 ? std::string_view("\n</body>\n</html>\n") : kFooter);
    }
    return result;
}

} // namespace vellum
