// Colouring: which capture wins where captures overlap, how predicates filter matches, how
// captures are cut at line ends, and the built-in queries shared between threads.
#include "colour_apart.h"
#include "grammars.h"
#include "highlight.h"
#include "page_style.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace vellum::highlight
{

void PrintTo(const Span& s, std::ostream* os)
{
    *os << "[" << s.start << "," << s.end << ") " << s.capture;
}

namespace
{

using Lines = std::vector<std::vector<Span>>;

const TSLanguage* c()
{
    return grammars::find("c")->language();
}

struct Case
{
    const char* what;
    const char* query;
    const char* text;
    Lines expected;
};

// All in C, with queries small enough to tell each rule apart.
const Case cases[] = {
    {"later pattern wins over an earlier overlapping one",
     "(identifier) @variable\n((identifier) @constant (#match? @constant \"^[A-Z]\"))", "int X = y;",
     {{{4, 5, "constant"}, {8, 9, "variable"}}}},
    {"earlier pattern loses whichever order the captures come in",
     "((identifier) @constant (#match? @constant \"^[A-Z]\"))\n(identifier) @variable", "int X = y;",
     {{{4, 5, "variable"}, {8, 9, "variable"}}}},
    {"an inner capture of a later pattern splits the outer one",
     "(call_expression) @call\n(argument_list) @args", "f(x);", {{{0, 1, "call"}, {1, 4, "args"}}}},
    {"eq with a string", "((identifier) @k (#eq? @k \"y\"))", "int y = yy;", {{{4, 5, "k"}}}},
    {"not-eq with a string", "((identifier) @k (#not-eq? @k \"y\"))", "int y = yy;", {{{8, 10, "k"}}}},
    {"eq between two captures",
     "(init_declarator declarator: (identifier) @a value: (identifier) @b (#eq? @a @b))",
     "int a = a, b = c;", {{{4, 5, "a"}, {8, 9, "b"}}}},
    {"match is a search, anchored only by ^ and $", "((identifier) @k (#match? @k \"b\"))", "int abc = b1;",
     {{{4, 7, "k"}, {10, 12, "k"}}}},
    {"not-match", "((identifier) @k (#not-match? @k \"^[a-z]+$\"))", "int abc = b1;", {{{10, 12, "k"}}}},
    {"regex escapes as the query string gives them",
     "((identifier) @k (#match? @k \"^[A-Z][A-Z\\\\d_]+$\"))", "int A1 = B_c;", {{{4, 6, "k"}}}},
    {"any-of", "((identifier) @k (#any-of? @k \"x\" \"z\"))", "int x = y + z;",
     {{{4, 5, "k"}, {12, 13, "k"}}}},
    {"not-any-of", "((identifier) @k (#not-any-of? @k \"x\" \"z\"))", "int x = y + z;", {{{8, 9, "k"}}}},
    {"a predicate it does not know rejects nothing", "((identifier) @k (#is-not? local))", "int x;",
     {{{4, 5, "k"}}}},
    {"an invalid regex colours nothing", "((identifier) @k (#match? @k \"(\"))", "int x;", {{}}},
    {"captures starting with an underscore colour nothing",
     "(call_expression function: (identifier) @_f (#eq? @_f \"f\")) @call", "f(); g();", {{{0, 3, "call"}}}},
    {"adjacent pieces of one capture join", "(identifier) @v\n(pointer_declarator) @v", "int *p;",
     {{{4, 6, "v"}}}},
    {"a capture across lines is cut at each line end, CR included",
     "(comment) @comment", "/* a\r\n\r\n  b */ int x;\n", {{{0, 4, "comment"}}, {}, {{0, 6, "comment"}}}},
    {"lines end at LF and the last needs none; an empty text has none", "(identifier) @v", "\nint x;\nx", {
         {}, {{4, 5, "v"}}, {{0, 1, "v"}}}},
    {"empty text", "(identifier) @v", "", {}},
};

void PrintTo(const Case& tc, std::ostream* os)
{
    *os << tc.what;
}

class Colouring : public testing::TestWithParam<Case>
{
};

TEST_P(Colouring, SpansOfEachLine)
{
    const Case& tc = GetParam();
    std::string error;
    const auto query = Query::build(c(), tc.query, &error);
    ASSERT_TRUE(query) << error;
    EXPECT_EQ(colour(*query, tc.text), tc.expected) << tc.what;
}

INSTANTIATE_TEST_SUITE_P(Rules, Colouring, testing::ValuesIn(cases), [](const testing::TestParamInfo<Case>& info) {
    return "case" + std::to_string(info.index);
});

TEST(Query, ThatDoesNotCompileIsRefusedWithItsPlace)
{
    std::string error;
    EXPECT_FALSE(Query::build(c(), "(identifier) @v\n(no_such_node) @x", &error));
    EXPECT_NE(error.find("at byte 17"), std::string::npos) << error;
}

TEST(BuiltInQueries, AreBuiltOnceAndSharedBetweenThreads)
{
    EXPECT_EQ(queryFor("no-such-language"), nullptr);
    const std::string text = "int main(void)\n{\n    return \"x\"[0]; /* done */\n}\n";
    std::vector<Lines> results(4);
    std::vector<const Query*> queries(results.size());
    std::vector<std::thread> threads;
    for (size_t i = 0; i < results.size(); ++i)
        threads.emplace_back([&, i] {
            queries[i] = queryFor("c");
            if (queries[i])
                results[i] = colour(*queries[i], text);
        });
    for (auto& t : threads)
        t.join();
    ASSERT_NE(queries[0], nullptr);
    ASSERT_EQ(results[0].size(), 4u);
    for (size_t i = 1; i < results.size(); ++i) {
        EXPECT_EQ(queries[i], queries[0]);
        EXPECT_EQ(results[i], results[0]);
    }
}

// Every built-in grammar, against the tree-sitter runtime the library links, colours a typical
// snippet through its query. The snippets reach into each query file a language joins (C's
// patterns for C++, the JSX and parameter files for JavaScript), so a file left out shows. A
// capture matches its name or a refinement of it ("string" matches "string.special.key").
TEST(BuiltInQueries, ColourASnippetOfEachLanguage)
{
    const struct {
        const char* language;
        const char* source;
        std::vector<std::pair<std::string, std::string>> expected; // (text, capture)
    } snippets[] = {
        {"c", "#include <stdio.h>\nint main(void) { puts(\"hi\"); return 0; /* c */ }\n",
         {{"return", "keyword"}, {"\"hi\"", "string"}, {"/* c */", "comment"}}},
        {"cpp", "class A { public: int f() { return 0; } };\n", {{"return", "keyword"}, {"class", "keyword"}}},
        {"python", "def f(x):\n    return \"hi\"\n", {{"def", "keyword"}, {"\"hi\"", "string"}}},
        {"javascript", "const a = <div>{\"x\"}</div>;\nfunction f(p) { return p; }\n",
         {{"const", "keyword"}, {"div", "tag"}, {"p", "variable.parameter"}}},
        {"bash", "if [ -n \"$x\" ]; then echo 'hi'; fi\n", {{"if", "keyword"}, {"'hi'", "string"}}},
        {"java", "class A { String f() { return \"hi\"; } }\n", {{"return", "keyword"}, {"\"hi\"", "string"}}},
        {"go", "package main\n\nfunc main() { println(\"hi\") }\n", {{"func", "keyword"}, {"\"hi\"", "string"}}},
        {"rust", "fn main() { let s = \"hi\"; }\n", {{"fn", "keyword"}, {"\"hi\"", "string"}}},
        {"json", "{\"a\": [1, \"b\"]}\n", {{"\"b\"", "string"}, {"\"a\"", "string"}}},
        {"css", "@media screen { a { color: red; } }\n", {{"@media", "keyword"}}},
        {"html", "<!DOCTYPE html>\n<p class=\"x\">hi</p>\n", {{"x", "string"}}},
    };
    EXPECT_EQ(std::size(snippets), grammars::all().size());
    EXPECT_EQ(grammars::find(""), nullptr);
    for (const auto& [language, source, expected] : snippets) {
        SCOPED_TRACE(language);
        const Query* query = queryFor(language);
        ASSERT_NE(query, nullptr);
        bool parsed = false;
        const Lines lines = colour(*query, source, 0, &parsed);
        ASSERT_TRUE(parsed);
        std::vector<std::pair<std::string, std::string>> captured; // (text, capture)
        std::string_view rest = source;
        for (const auto& spans : lines) {
            const std::string_view line = rest.substr(0, rest.find('\n'));
            for (const Span& s : spans)
                captured.emplace_back(line.substr(s.start, s.end - s.start), s.capture);
            rest.remove_prefix(std::min(rest.size(), line.size() + 1));
        }
        for (const auto& [text, name] : expected) {
            const bool found = std::any_of(captured.begin(), captured.end(), [&](const auto& c) {
                return c.first == text && (c.second == name || c.second.starts_with(name + "."));
            });
            EXPECT_TRUE(found) << "no " << name << " capture of " << text;
        }
    }
}

TEST(BuiltInQueries, EveryCaptureTheyColourHasARuleInThePageStylesheet)
{
    const std::string_view sheet = pagewright::html5Stylesheet();
    for (const grammars::Grammar& g : grammars::all()) {
        const Query* query = queryFor(g.name);
        ASSERT_NE(query, nullptr) << g.name;
        for (std::string_view name : query->captureNames()) {
            if (name.empty())
                continue;
            std::string rule = ".pw-code ." + std::string(name);
            std::replace(rule.begin() + 10, rule.end(), '.', '-');
            const std::size_t at = sheet.find(rule + ' '), list = sheet.find(rule + ',');
            EXPECT_TRUE(at != std::string_view::npos || list != std::string_view::npos) << g.name << ": " << rule;
        }
    }
}

// What a colouring in its own process gives: the spans colour() gives, or nothing when the child
// fails, whatever the failure, with the caller unharmed.
TEST(ColourApart, GivesTheSpansOfColourOrNothingWhenTheColouringFails)
{
    const Query& c = *queryFor("c");
    const std::string text = "int main(void)\n{\n    return \"x\"[0]; /* a\r\n b */\n}\n\n";
    const ApartLimits roomy{2'000'000, 20'000, 512u << 20};
    const auto apart = colourApart("c", text, roomy);
    ASSERT_TRUE(apart);
    EXPECT_EQ(*apart, colour(c, text));
    const auto empty = colourApart("c", "", roomy);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());

    // A tree deeper than the query can walk in time.
    std::string deep = "void f() { if (a) x;\n";
    for (int i = 0; i < 2000; ++i)
        deep += "else if (a) x;\n";
    EXPECT_FALSE(colourApart("c", deep + "}\n", roomy));

    // Out of time: the child is stopped.
    std::string large;
    while (large.size() < (1u << 20))
        large += text;
    EXPECT_FALSE(colourApart("c", large, {2'000'000, 1, 512u << 20}));
    // Out of memory: the child fails to allocate.
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_FALSE(colourApart("c", large, {2'000'000, 20'000, 1u << 20}));
#endif
    // Unclosed brackets beyond the parser library's depth make it abort.
    EXPECT_FALSE(colourApart("c", std::string(70000, '(') + "\n", roomy));
    // Each failed process was replaced; kept ones serve language after language.
    EXPECT_EQ(*colourApart("c", text, roomy), *apart);
    EXPECT_EQ(*colourApart("python", "x = 1\n", roomy), colour(*queryFor("python"), "x = 1\n"));
    EXPECT_EQ(*colourApart("c", text, roomy), *apart);
    EXPECT_FALSE(colourApart("cobol", text, roomy));

    // Threads colouring at once each get a process of their own and their own answer. (Not under
    // the address sanitizer: its allocator is not made safe for a fork while other threads
    // allocate, as the C library's is, so a child can hang on a lock and time out.)
#if !defined(__SANITIZE_ADDRESS__)
    std::vector<std::optional<Lines>> answers(6);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < answers.size(); ++i)
        threads.emplace_back([&, i] { answers[i] = colourApart(i % 2 ? "c" : "python", text, roomy); });
    for (auto& t : threads)
        t.join();
    for (size_t i = 0; i < answers.size(); ++i) {
        ASSERT_TRUE(answers[i]) << i;
        EXPECT_EQ(*answers[i], i % 2 ? *apart : colour(*queryFor("python"), text)) << i;
    }
#endif
}

} // namespace
} // namespace vellum::highlight
