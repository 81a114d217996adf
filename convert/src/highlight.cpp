#include "highlight.h"

#include "grammars.h"
#include "messages.h"

#include <algorithm>
#include <limits>
#include <mutex>
#include <string>
#include <utility>

namespace vellum::highlight
{

namespace
{

struct ParserDeleter
{
    void operator()(TSParser* p) const { ts_parser_delete(p); }
};
struct TreeDeleter
{
    void operator()(TSTree* t) const { ts_tree_delete(t); }
};
struct CursorDeleter
{
    void operator()(TSQueryCursor* c) const { ts_query_cursor_delete(c); }
};

std::string_view stringValue(const TSQuery* query, uint32_t id)
{
    uint32_t length = 0;
    const char* s = ts_query_string_value_for_id(query, id, &length);
    return {s, length};
}

// The predicates of one pattern that decide whether a match counts.
std::vector<Query::Predicate> predicatesOf(const TSQuery* query, uint32_t pattern)
{
    using Kind = Query::Predicate::Kind;
    std::vector<Query::Predicate> result;
    uint32_t count = 0;
    const TSQueryPredicateStep* steps = ts_query_predicates_for_pattern(query, pattern, &count);
    for (uint32_t i = 0; i < count;) {
        uint32_t end = i;
        while (end < count && steps[end].type != TSQueryPredicateStepTypeDone)
            ++end;
        const TSQueryPredicateStep* args = steps + i + 1;
        const uint32_t argc = end - i - 1;
        std::string_view op = steps[i].type == TSQueryPredicateStepTypeString ? stringValue(query, steps[i].value_id)
                                                                              : std::string_view();
        i = end + 1;

        const bool negated = op.starts_with("not-");
        if (negated)
            op.remove_prefix(4);
        Query::Predicate p{Kind::Eq, negated, 0, {}, -1, nullptr};
        if (op == "eq?")
            p.kind = Kind::Eq;
        else if (op == "match?")
            p.kind = Kind::Match;
        else if (op == "any-of?")
            p.kind = Kind::AnyOf;
        else
            continue;
        if (argc < 2 || args[0].type != TSQueryPredicateStepTypeCapture)
            continue;
        p.capture = args[0].value_id;
        if (p.kind == Kind::Eq && args[1].type == TSQueryPredicateStepTypeCapture) {
            p.otherCapture = args[1].value_id;
        } else {
            for (uint32_t a = 1; a < argc; ++a)
                if (args[a].type == TSQueryPredicateStepTypeString)
                    p.values.emplace_back(stringValue(query, args[a].value_id));
            if (p.values.empty())
                continue;
        }
        if (p.kind == Kind::Match) {
            try {
                p.regex = std::make_shared<const std::regex>(p.values.front(), std::regex::ECMAScript);
            } catch (const std::regex_error&) {
                // Kept without a regex: the predicate then holds for no node, so the pattern
                // colours nothing rather than everything.
            }
        }
        result.push_back(std::move(p));
    }
    return result;
}

std::string_view nodeText(std::string_view text, TSNode node)
{
    const uint32_t start = ts_node_start_byte(node);
    const uint32_t end = std::max(start, ts_node_end_byte(node));
    return text.substr(start, end - start);
}

// Whether every node the predicate's capture took in this match satisfies it (a capture that
// took no node satisfies it).
bool holds(const Query::Predicate& p, const TSQueryMatch& match, std::string_view text)
{
    using Kind = Query::Predicate::Kind;
    std::string_view other;
    if (p.otherCapture >= 0) {
        const auto* it = std::find_if(match.captures, match.captures + match.capture_count,
                                      [&](const TSQueryCapture& c) { return c.index == p.otherCapture; });
        if (it == match.captures + match.capture_count)
            return true;
        other = nodeText(text, it->node);
    }
    for (uint16_t i = 0; i < match.capture_count; ++i) {
        if (match.captures[i].index != p.capture)
            continue;
        const std::string_view s = nodeText(text, match.captures[i].node);
        bool ok = false;
        switch (p.kind) {
        case Kind::Eq:
            ok = p.otherCapture >= 0 ? s == other : s == p.values.front();
            break;
        case Kind::Match:
            if (!p.regex)
                return false;
            ok = std::regex_search(s.begin(), s.end(), *p.regex);
            break;
        case Kind::AnyOf:
            ok = std::find(p.values.begin(), p.values.end(), s) != p.values.end();
            break;
        }
        if (ok == p.negated)
            return false;
    }
    return true;
}

// One capture's piece of one line, in line offsets.
struct Piece
{
    uint32_t start;
    uint32_t end;
    uint32_t pattern;
    uint32_t capture;
};

} // namespace

Query::Query(const TSLanguage* language, TSQuery* query) : language_(language), query_(query)
{
    const uint32_t patterns = ts_query_pattern_count(query);
    predicates_.reserve(patterns);
    for (uint32_t i = 0; i < patterns; ++i)
        predicates_.push_back(predicatesOf(query, i));
    const uint32_t captures = ts_query_capture_count(query);
    for (uint32_t i = 0; i < captures; ++i) {
        uint32_t length = 0;
        const char* name = ts_query_capture_name_for_id(query, i, &length);
        // Captures named with a leading underscore only feed predicates; they colour nothing.
        names_.push_back(length == 0 || name[0] == '_' ? std::string_view() : std::string_view(name, length));
    }
}

Query::~Query()
{
    ts_query_delete(query_);
}

std::unique_ptr<const Query> Query::build(const TSLanguage* language, std::string_view source, std::string* error)
{
    uint32_t offset = 0;
    TSQueryError type = TSQueryErrorNone;
    TSQuery* query = ts_query_new(language, source.data(), static_cast<uint32_t>(source.size()), &offset, &type);
    if (!query) {
        if (error)
            *error = "query error " + std::to_string(type) + " at byte " + std::to_string(offset);
        return nullptr;
    }
    return std::unique_ptr<const Query>(new Query(language, query));
}

std::mutex& queryBuildMutex()
{
    static std::mutex mutex;
    return mutex;
}

const Query* queryFor(std::string_view language)
{
    struct Slot
    {
        std::once_flag once;
        std::unique_ptr<const Query> query;
    };
    static const auto grammars = grammars::all();
    static const std::unique_ptr<Slot[]> slots(new Slot[grammars.size()]);
    for (size_t i = 0; i < grammars.size(); ++i) {
        if (grammars[i].name != language)
            continue;
        Slot& slot = slots[i];
        std::call_once(slot.once, [&] {
            const std::lock_guard building(queryBuildMutex());
            slot.query = Query::build(grammars[i].language(), grammars[i].highlights);
        });
        return slot.query.get();
    }
    return nullptr;
}

namespace
{

// Real code nests a few hundred levels at most (C++ headers full of templates); the query's time
// grows with the depth, so a tree this deep is not coloured.
constexpr int kDeepestTree = 1024;

// Whether the tree is deeper than `most` along the path that always goes into the widest child,
// where nesting goes (the rest of an else-if chain, the left operand of a long sum, the inside
// of brackets). A deep path elsewhere only costs time, which the caller bounds; walking every
// node would cost as much as the query itself.
bool deeperThan(TSNode root, int most)
{
    TSTreeCursor cursor = ts_tree_cursor_new(root);
    int depth = 0;
    while (depth <= most && ts_tree_cursor_goto_first_child(&cursor)) {
        ++depth;
        uint32_t widest = 0, index = 0, widestIndex = 0;
        do {
            const TSNode node = ts_tree_cursor_current_node(&cursor);
            const uint32_t width = ts_node_end_byte(node) - ts_node_start_byte(node);
            if (width > widest) {
                widest = width;
                widestIndex = index;
            }
            ++index;
        } while (ts_tree_cursor_goto_next_sibling(&cursor));
        ts_tree_cursor_goto_parent(&cursor);
        ts_tree_cursor_goto_first_child(&cursor);
        for (uint32_t i = 0; i < widestIndex; ++i)
            ts_tree_cursor_goto_next_sibling(&cursor);
    }
    ts_tree_cursor_delete(&cursor);
    return depth > most;
}

std::string_view lastPart(std::string_view path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}
} // namespace

std::string_view languageNamed(std::string_view name)
{
    if (const grammars::Grammar* g = grammars::find(name))
        return g->name;
    for (const auto& [extension, language] : pagewright::codeExtensions())
        if (extension == name)
            return language;
    return {};
}

std::string_view languageOfFile(std::string_view fileName, std::string_view firstLine)
{
    const std::string_view base = lastPart(fileName);
    const size_t dot = base.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) {
        std::string extension(base.substr(dot + 1));
        for (char& c : extension)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        for (const auto& [known, language] : pagewright::codeExtensions())
            if (known == extension)
                return language;
    }
    // "#!/bin/sh", "#!/usr/bin/env bash", "#!/usr/bin/env -S bash -e"
    if (!firstLine.starts_with("#!"))
        return {};
    firstLine.remove_prefix(2);
    bool afterEnv = false;
    while (!firstLine.empty()) {
        const size_t start = firstLine.find_first_not_of(" \t");
        if (start == std::string_view::npos)
            break;
        firstLine.remove_prefix(start);
        const size_t end = std::min(firstLine.find_first_of(" \t"), firstLine.size());
        const std::string_view word = lastPart(firstLine.substr(0, end));
        firstLine.remove_prefix(end);
        if (afterEnv && word.starts_with('-'))
            continue;
        if (word == "env" && !afterEnv) {
            afterEnv = true;
            continue;
        }
        return word == "sh" || word == "bash" ? std::string_view("bash") : std::string_view();
    }
    return {};
}

std::vector<std::vector<Span>> colour(const Query& query, std::string_view text, uint64_t timeoutMicros,
                                      bool* parsed)
{
    if (parsed)
        *parsed = false;
    // Line starts and ends (the end before LF, and before a CR that precedes it).
    std::vector<uint32_t> starts, ends;
    if (text.size() > std::numeric_limits<uint32_t>::max())
        text = text.substr(0, std::numeric_limits<uint32_t>::max());
    for (size_t pos = 0; pos < text.size();) {
        const size_t lf = std::min(text.find('\n', pos), text.size());
        size_t end = lf;
        if (end > pos && lf < text.size() && text[end - 1] == '\r')
            --end;
        starts.push_back(static_cast<uint32_t>(pos));
        ends.push_back(static_cast<uint32_t>(end));
        pos = lf + 1;
    }
    std::vector<std::vector<Span>> result(starts.size());
    if (starts.empty()) {
        if (parsed)
            *parsed = true;
        return result;
    }

    std::unique_ptr<TSParser, ParserDeleter> parser(ts_parser_new());
    if (!parser || !ts_parser_set_language(parser.get(), query.language_))
        return result;
    ts_parser_set_timeout_micros(parser.get(), timeoutMicros);
    std::unique_ptr<TSTree, TreeDeleter> tree(
        ts_parser_parse_string(parser.get(), nullptr, text.data(), static_cast<uint32_t>(text.size())));
    std::unique_ptr<TSQueryCursor, CursorDeleter> cursor(ts_query_cursor_new());
    if (!tree || !cursor || deeperThan(ts_tree_root_node(tree.get()), kDeepestTree))
        return result;
    if (parsed)
        *parsed = true;
    ts_query_cursor_exec(cursor.get(), query.query_, ts_tree_root_node(tree.get()));

    std::vector<std::vector<Piece>> pieces(starts.size());
    TSQueryMatch match;
    while (ts_query_cursor_next_match(cursor.get(), &match)) {
        const auto& predicates = query.predicates_[match.pattern_index];
        if (!std::all_of(predicates.begin(), predicates.end(),
                         [&](const Query::Predicate& p) { return holds(p, match, text); }))
            continue;
        for (uint16_t i = 0; i < match.capture_count; ++i) {
            const TSQueryCapture& c = match.captures[i];
            if (query.names_[c.index].empty())
                continue;
            const uint32_t start = ts_node_start_byte(c.node);
            const uint32_t end = std::min<uint32_t>(ts_node_end_byte(c.node), static_cast<uint32_t>(text.size()));
            size_t line = std::upper_bound(starts.begin(), starts.end(), start) - starts.begin() - 1;
            for (; line < starts.size() && starts[line] < end; ++line) {
                const uint32_t from = std::max(start, starts[line]);
                const uint32_t to = std::min(end, ends[line]);
                if (from < to)
                    pieces[line].push_back({from - starts[line], to - starts[line], match.pattern_index, c.index});
            }
        }
    }

    // Each line's bytes take the piece of the latest pattern over them; runs of one capture
    // become spans.
    std::vector<int32_t> owner;
    for (size_t line = 0; line < starts.size(); ++line) {
        const auto& ps = pieces[line];
        if (ps.empty())
            continue;
        owner.assign(ends[line] - starts[line], -1);
        for (size_t k = 0; k < ps.size(); ++k)
            for (uint32_t b = ps[k].start; b < ps[k].end; ++b)
                if (owner[b] < 0 || ps[owner[b]].pattern <= ps[k].pattern)
                    owner[b] = static_cast<int32_t>(k);
        auto& spans = result[line];
        for (uint32_t b = 0; b < owner.size(); ++b) {
            if (owner[b] < 0)
                continue;
            const std::string_view name = query.names_[ps[owner[b]].capture];
            if (!spans.empty() && spans.back().end == b && spans.back().capture.data() == name.data())
                spans.back().end = b + 1;
            else
                spans.push_back({b, b + 1, name});
        }
    }
    return result;
}

} // namespace vellum::highlight
