// Every built-in grammar against the tree-sitter runtime the library links: it loads, parses a
// typical snippet cleanly, and its highlight query compiles and colours that snippet; the snippets
// reach into each query file a language joins, so a file left out shows.
#include "grammars.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace
{

struct Case
{
    const char* language;
    const char* source;
    // (text, capture): some capture of exactly that text is named so, or is a refinement of it
    // ("string" matches "string.special.key").
    std::vector<std::pair<std::string, std::string>> expected;
};

const Case cases[] = {
    {"c", "#include <stdio.h>\nint main(void) { puts(\"hi\"); return 0; }\n",
     {{"return", "keyword"}, {"\"hi\"", "string"}}},
    // "return" is coloured by C's patterns, "class" by C++'s own.
    {"cpp", "class A { public: int f() { return 0; } };\n", {{"return", "keyword"}, {"class", "keyword"}}},
    {"python", "def f(x):\n    return \"hi\"\n", {{"def", "keyword"}, {"\"hi\"", "string"}}},
    // JSX tags and parameters come from the two extra query files.
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

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.language;
}

struct TreeDeleter
{
    void operator()(TSTree* t) const { ts_tree_delete(t); }
};
struct ParserDeleter
{
    void operator()(TSParser* p) const { ts_parser_delete(p); }
};
struct QueryDeleter
{
    void operator()(TSQuery* q) const { ts_query_delete(q); }
};
struct CursorDeleter
{
    void operator()(TSQueryCursor* c) const { ts_query_cursor_delete(c); }
};

class Grammar : public testing::TestWithParam<Case>
{
};

TEST_P(Grammar, LoadsParsesCleanlyAndItsHighlightQueryColoursTheSnippet)
{
    const Case& c = GetParam();
    const vellum::grammars::Grammar* grammar = vellum::grammars::find(c.language);
    ASSERT_NE(grammar, nullptr);
    const TSLanguage* language = grammar->language();

    const uint32_t abi = ts_language_version(language);
    EXPECT_GE(abi, uint32_t{TREE_SITTER_MIN_COMPATIBLE_LANGUAGE_VERSION});
    EXPECT_LE(abi, uint32_t{TREE_SITTER_LANGUAGE_VERSION});

    std::unique_ptr<TSParser, ParserDeleter> parser(ts_parser_new());
    ASSERT_TRUE(ts_parser_set_language(parser.get(), language));
    const std::string source = c.source;
    std::unique_ptr<TSTree, TreeDeleter> tree(
        ts_parser_parse_string(parser.get(), nullptr, source.data(), static_cast<uint32_t>(source.size())));
    ASSERT_TRUE(tree);
    const TSNode root = ts_tree_root_node(tree.get());
    EXPECT_FALSE(ts_node_has_error(root)) << ts_node_string(root);

    uint32_t errorOffset = 0;
    TSQueryError error = TSQueryErrorNone;
    std::unique_ptr<TSQuery, QueryDeleter> query(
        ts_query_new(language, grammar->highlights.data(), static_cast<uint32_t>(grammar->highlights.size()),
                     &errorOffset, &error));
    ASSERT_EQ(error, TSQueryErrorNone) << "at " << grammar->highlights.substr(errorOffset, 60);
    ASSERT_TRUE(query);

    std::set<std::pair<std::string, std::string>> captured;
    std::unique_ptr<TSQueryCursor, CursorDeleter> cursor(ts_query_cursor_new());
    ts_query_cursor_exec(cursor.get(), query.get(), root);
    TSQueryMatch match;
    uint32_t index = 0;
    while (ts_query_cursor_next_capture(cursor.get(), &match, &index)) {
        const TSQueryCapture& capture = match.captures[index];
        uint32_t length = 0;
        const char* name = ts_query_capture_name_for_id(query.get(), capture.index, &length);
        const uint32_t start = ts_node_start_byte(capture.node);
        const uint32_t end = ts_node_end_byte(capture.node);
        captured.emplace(source.substr(start, end - start), std::string(name, length));
    }
    for (const auto& [text, expectedName] : c.expected) {
        bool found = false;
        for (const auto& [capturedText, name] : captured)
            found = found || (capturedText == text && (name == expectedName || name.starts_with(expectedName + ".")));
        EXPECT_TRUE(found) << "no @" << expectedName << " capture of " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Grammar, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.language); });

TEST(Grammars, EachLanguageHasOneRowAndAnUnknownNameNone)
{
    std::set<std::string_view> names;
    for (const auto& g : vellum::grammars::all())
        names.insert(g.name);
    EXPECT_EQ(names.size(), std::size(cases));
    EXPECT_EQ(names.size(), vellum::grammars::all().size());
    EXPECT_EQ(vellum::grammars::find("cobol"), nullptr);
    EXPECT_EQ(vellum::grammars::find(""), nullptr);
}

} // namespace
