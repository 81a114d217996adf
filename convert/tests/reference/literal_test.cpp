// The step-by-step converters checked against worked examples of the conversions.
#include "literal_convert.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using vellum::literal::c2h;
using vellum::literal::txt2h;

const std::string text_head = "\n<html>\n<head>\n<title>page.htm</title>"
                              "\n<meta name=\"DESCRIPTION\" content=\"\">\n<meta name=\"KEYWORDS\" content=\"\">"
                              "\n</head>\n\n<body bgcolor=\"#E0FFFF\" text=\"#000000\" link=\"#0000FF\" "
                              "alink=\"#FF00FF\" vlink=\"#800080\" background=\"\">\n<blockquote>\n\n";
const std::string text_foot = "\n</blockquote>\n</body>\n</html>\n\n";

// What txt2h writes between the standard head and footer.
std::string body(const std::string& input)
{
    auto page = txt2h(input, "/some/folder/page.htm", "", "");
    EXPECT_EQ(page.code, 0);
    const std::string& html = page.html;
    if (html.size() < text_head.size() + text_foot.size() || html.compare(0, text_head.size(), text_head) != 0 ||
        html.compare(html.size() - text_foot.size(), text_foot.size(), text_foot) != 0) {
        ADD_FAILURE() << "not a standard page: " << html;
        return {};
    }
    return html.substr(text_head.size(), html.size() - text_head.size() - text_foot.size());
}

struct Example {
    std::string input;
    std::string expected;
};

void check_bodies(const std::vector<Example>& examples)
{
    for (const auto& [input, expected] : examples)
        EXPECT_EQ(body(input), expected) << "input: " << input;
}

TEST(LiteralText, PageFrameTitleAndColours)
{
    EXPECT_EQ(txt2h("", "/x/page.htm", "", "").html, text_head + text_foot);
    auto page = txt2h("", "/a/b/50%s.htm", "%d", "#102030");
    EXPECT_EQ(page.html.rfind("\n<html>\n<head>\n<title>50%s.htm</title>\n", 0), 0u);
    EXPECT_NE(page.html.find("<body bgcolor=\"#102030\" text=\"%d\" link="), std::string::npos);
}

TEST(LiteralText, LineReadingInPieces)
{
    EXPECT_EQ(body("one\r\ntwo\r\n"), body("one\ntwo\n"));
    EXPECT_EQ(body("one\ntwo"), "one\ntwo\n");
    EXPECT_EQ(body(std::string("a\0b\x01\r", 5)), std::string("a\0b\n", 4));
    EXPECT_EQ(body("a\rb\r\n"), "a\rb\n");

    std::string full(4095, 'x');
    EXPECT_EQ(body(full + "\nnext\n"), full + "\n\n<p>next\n");
    EXPECT_EQ(body(full + "y\n"), full + "\ny\n");
    EXPECT_EQ(body(full), full + "\n");
}

TEST(LiteralText, ParagraphsQuotesAndSpacing)
{
    check_bodies({
        {"one\n\n  \n\t\ntwo\n", "one\n\n<p>two\n"},
        {"\n> quoted\n", "\n<p>&gt; quoted\n"},
        {"text\n> quoted\n", "text\n<br>&gt; quoted\n"},
        {"a    b  c\n", "a b c\n"},
        {"sum =\n", "sum \n"},
        {"\xA0\xA0\xA0x\n", "\n<p>&nbsp;&nbsp;&nbsp;x\n"},
        {"a<br>b<P>c<Br>d<HR>\n", "a<br>b<p>c&lt;Br&gt;d<hr>\n"},
    });
}

TEST(LiteralText, DashesLetterBindingAndBrokenWords)
{
    check_bodies({
        {"word--word\n", "word &#151; word\n"},
        {"a - b\n", "a &#151; b\n"},
        {"a---b\n", "a---b\n"},
        {"--ab\n", "--ab\n"},
        {"say I think A dog\n", "say I&nbsp;think A&nbsp;dog\n"},
        {"I x I I x\n", "I x I&nbsp;I x\n"},
        {"exam-\nple\n", "example\n"},
        {"a--\nb-\nc\n", "a--\nbc\n"},
    });
}

TEST(LiteralText, RulesAndUnderlines)
{
    std::string thirty(30, '-');
    check_bodies({
        {thirty + "\n", "<p><hr>\n"},
        {"\n" + thirty + "\n", "\n<p><hr>\n"},
        {"----------50%\n", "<p><hr width=50%>\n"},
        {"---------- 75%\n", "<p><hr width=75%>\n"},
        {"----------\r5%\n", "<p><hr width=5%>\n"},
        {"----------5%\n", "<br>\n----------5%<br>\n"},
        {"---------\n", "<br>\n---------<br>\n"},
        {"==== Title\n", "<br>\n==== Title<br>\n"},
    });
}

TEST(LiteralText, PreformattedBlocks)
{
    check_bodies({
        {"<pre>\n  a  b\n----------\nx -- y\n\n</pre>\nc  d\n",
         "<pre>\n  a  b\n----------\nx -- y\n\n<p></pre>\nc d\n"},
        {"</pre> alone\n", "&lt;/pre&gt; alone\n"},
        {"<PRE>x</pre>\ny  z\n", "<pre>x</pre>\ny z\n"},
        {"<PRE>x  y\nu  v</PRE>\nw  z\n", "<pre>x  y\nu v</pre>\nw z\n"},
    });
}

TEST(LiteralText, MailHeaderLines)
{
    check_bodies({
        {"From: Joe\nX-Mailer: foo\nReceived: x\n", "\n<br>From: JoeReceived: x\n"},
        {"\nSubject: a <b>\n", "\n<p>\nSubject: a &lt;b&gt;"},
        {"From ???@??? Mon\nNote: x\n", "Note: x\n"},
        {"<pre>\nTo: x\nContent-Type: y\n", "<pre>\nTo: x\n"},
    });
}

TEST(LiteralText, HtmlMarkerStopsTheConversion)
{
    auto page = txt2h("one\nsome <html> here\nthree\n", "/x/page.htm", "", "");
    EXPECT_EQ(page.code, -6);
    EXPECT_EQ(page.html, text_head + "one\n");
    page = txt2h("one\n<X-Html>\n", "/x/page.htm", "", "");
    EXPECT_EQ(page.code, -7);
    EXPECT_EQ(page.html, text_head + "one\n");
}

TEST(LiteralText, EntitiesAndHeadings)
{
    check_bodies({
        {"\xA8\n", "\xA8\n"},
        {"a\xAA" "b & c\n", "a&amp;b &amp; c\n"},
        {"\xD0\xEF\xC0\xFF\x85\n", "&ETH'&Agrave;&yuml;...\n"},
        {"\xB1\xB9\xB5\n", "<br><hr>&#151;\n"},
        {"\\H2   Title\n", "<h2 align=center>Title</h2>\n"},
        {"\\H7 x\n", "\\H7 x\n"},
        {" \\H2 x\n", " \\H2 x\n"},
        {"\\H1 x@y.com\n", "<h1 align=center><a href=\"mailto:x@y.com\">x@y.com</a></h1>\n"},
    });
}

TEST(LiteralText, WebAddresses)
{
    std::string long_address = "http://" + std::string(154, 'a');
    std::string longest_linked = "http://" + std::string(153, 'a');
    check_bodies({
        {"see www.x.com now\n", "see <a href=\"http://www.x.com\">www.x.com</a> now\n"},
        {"go to http://x.com.\n", "go to <a href=\"http://x.com\">http://x.com</a>.\n"},
        {"(http://x.com)\n", "(<a href=\"http://x.com\">http://x.com</a>)\n"},
        {"http://x.com, then\n", "<a href=\"http://x.com\">http://x.com</a>, then\n"},
        {"http://a.com/?a=1&b=2\n", "<a href=\"http://a.com/?a=1&b=2\">http://a.com/?a=1&amp;b=2</a>\n"},
        {"www.a.com/?a&b\n", "<a href=\"http://www.a.com/?a&amp;b\">www.a.com/?a&amp;amp;b</a>\n"},
        {"ftp://f.org http://h.org\n", "ftp://f.org <a href=\"http://h.org\">http://h.org</a>\n"},
        {long_address + " www.b.com\n", long_address + " www.b.com\n"},
        {longest_linked + "\n", "<a href=\"" + longest_linked + "\">" + longest_linked + "</a>\n"},
        // A long address left as text keeps its final hyphen and its own line.
        {long_address + "-\nx\n", long_address + "-\nx\n"},
    });
}

TEST(LiteralText, AmpersandsAroundTheFirstAddress)
{
    // The escaped double quote lengthens the address over the ampersand, which still becomes "&amp;";
    // an input byte 0xAA in that place stays as it is.
    check_bodies({
        {"http://a.com\"&b\n", "<a href=\"http://a.com&quot;&amp;b\">http://a.com&amp;quot;&amp;amp;b</a>\n"},
        {"http://a.com\"\xAA" "b\n", "<a href=\"http://a.com&quot;\xAA" "b\">http://a.com&amp;quot;\xAA" "b</a>\n"},
    });
}

TEST(LiteralText, EmailAddresses)
{
    check_bodies({
        {"mail joe@x.com.\n", "mail <a href=\"mailto:joe@x.com\">joe@x.com</a>.\n"},
        {"joe@a.b.com\n", "joe@a.b.com\n"},
        {"a@x.com b@y.com\n", "<a href=\"mailto:a@x.com\">a@x.com</a> b@y.com\n"},
        {"Name <john@x.com>\n", "Name &lt;<a href=\"mailto:john@x.com\">john@x.com</a>&gt;\n"},
        {"@x.com\n", "@x.com\n"},
        // The sentence's full stop is no part of the address, so the last full stop stands right
        // after the "@" and there is no address.
        {"x@.com.\n", "x@.com.\n"},
        {"x@.com\n", "x@.com\n"},
    });
}

const std::string code_head = "<html>\n<head>\n<title>in.c converted to out.htm</title>"
                              "\n<meta name=\"ROBOTS\" content=\"NOINDEX\">\n</head>"
                              "\n<body bgcolor=\"#FFFFFF\" text=\"#000000\">\n<pre>";
const std::string code_foot = "</pre>\n</body>\n</html>\n";

std::string code_body(const std::string& input, int margin, int tab)
{
    std::string html = c2h(input, "/src/in.c", "/web/out.htm", margin, tab);
    EXPECT_EQ(html.substr(0, code_head.size()), code_head);
    EXPECT_EQ(html.substr(html.size() - code_foot.size()), code_foot);
    return html.substr(code_head.size(), html.size() - code_head.size() - code_foot.size());
}

TEST(LiteralCode, PageLinesTabsAndMargins)
{
    EXPECT_EQ(c2h("", "/src/in.c", "/web/out.htm", 0, 4), code_head + code_foot);
    EXPECT_EQ(code_body("\tx\n", 0, 0), "x\n");
    EXPECT_EQ(code_body("\tx\ty\n", 2, 4), "      x    y\n");
    EXPECT_EQ(code_body("x  \ny\t \n\n", 1, 4), " x\n y\n \n");
    EXPECT_EQ(code_body("\tx\n", -3, -1), "x\n");
    EXPECT_EQ(code_body("a<b && c \"\xAA\"\n", 0, 4), "a&lt;b &amp;&amp; c &quot;&amp;&quot;\n");
    EXPECT_EQ(code_body("a\x01" "b\x01\r\n", 0, 4), "a\x01" "b\n");
}

TEST(LiteralCode, LengthLimitStopsReplacements)
{
    // 1300 ampersands: 955 become "&amp;" (1300 + 4 * 955 = 5120), the rest stay "&".
    std::string amps = code_body(std::string(1300, '&') + "\n", 0, 4);
    std::string expected;
    for (int i = 0; i < 955; ++i)
        expected += "&amp;";
    EXPECT_EQ(amps, expected + std::string(345, '&') + "\n");

    // 1000 tabs of eight spaces: 588 fit (1000 + 7 * 588 = 5116), the rest stay tabs.
    std::string tabs = code_body(std::string(1000, '\t') + "x\n", 0, 8);
    EXPECT_EQ(tabs, std::string(588 * 8, ' ') + std::string(412, '\t') + "x\n");

    // A line that already fills the limit keeps its raw byte 0xAA.
    std::string filled = std::string(1023, '\t') + "abcd\xAA";
    EXPECT_EQ(code_body(filled + "\n", 0, 5), std::string(5115, ' ') + "abcd\xAA\n");
}

} // namespace
