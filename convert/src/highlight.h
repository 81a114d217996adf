// Syntax colouring: a file's text parsed with a language's tree-sitter grammar and its highlight
// query run over the tree, giving for each line the coloured byte ranges and their capture names
// ("keyword", "string.special", ...).
#pragma once

#include <tree_sitter/api.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace vellum::highlight
{

// A byte range of one line (offsets from the line's start, end exclusive) and its capture name.
struct Span
{
    uint32_t start;
    uint32_t end;
    std::string_view capture;

    bool operator==(const Span&) const = default;
};

// A compiled highlight query with its predicates prepared. Immutable once built, so one query
// serves any number of threads at once.
class Query
{
public:
    // nullptr, with the reason in *error, when the query does not compile for the language.
    static std::unique_ptr<const Query> build(const TSLanguage* language, std::string_view source,
                                              std::string* error = nullptr);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    const TSLanguage* language() const { return language_; }
    // Every capture's name by its index ("" for captures that colour nothing); a span's capture
    // is one of these views.
    const std::vector<std::string_view>& captureNames() const { return names_; }

    // One text predicate of a pattern. Predicates the colouring has no use for (#set!, #is-not?)
    // are not kept and so never reject a match.
    struct Predicate
    {
        enum class Kind { Eq, Match, AnyOf } kind;
        bool negated;
        uint32_t capture;
        std::vector<std::string> values;  // Eq with a string, AnyOf
        int64_t otherCapture = -1;        // Eq against a second capture
        std::shared_ptr<const std::regex> regex;  // Match; null when the pattern is no valid regex
    };

private:
    Query(const TSLanguage* language, TSQuery* query);
    friend std::vector<std::vector<Span>> colour(const Query&, std::string_view, uint64_t, bool*);

    const TSLanguage* language_;
    TSQuery* query_;
    std::vector<std::vector<Predicate>> predicates_;  // by pattern
    std::vector<std::string_view> names_;            // by capture; empty for "_" captures
};

// The built-in query of a language ("c", "cpp", "python", ... as in grammars.h), built on first
// use and kept; nullptr for a language without one.
const Query* queryFor(std::string_view language);
// Held while queryFor builds a query; a process that forks holds it across the fork, so that the
// child never inherits a query half built.
std::mutex& queryBuildMutex();

// The language of a file, by its name's extension (".py" -> "python") and, for a name that gives
// none, a first line "#!" that runs sh or bash; empty when neither tells.
std::string_view languageOfFile(std::string_view fileName, std::string_view firstLine);

// The language a caller names: a language's own name ("python") or an extension it is known by
// ("py"); empty for any other.
std::string_view languageNamed(std::string_view name);

// The spans of each line of text (lines end at LF; a CR before it belongs to no span), in order
// and never overlapping. Where captures overlap, the one of the later pattern wins; a capture that
// crosses line ends is cut at each. Each call has its own parser and query cursor.
// A parse that takes longer than timeoutMicros (0: no limit), or a tree nested deeper than the
// query can walk in reasonable time, gives no spans and *parsed false.
std::vector<std::vector<Span>> colour(const Query& query, std::string_view text, uint64_t timeoutMicros = 0,
                                      bool* parsed = nullptr);

} // namespace vellum::highlight
