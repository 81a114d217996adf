// Colouring in a process of its own. The parser library and the grammars are C code that hostile
// input can drive into an abort, memory corruption, minutes of work or gigabytes of memory; run
// apart, any of that costs only the colouring, and the page is written plain.
#pragma once

#include "highlight.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vellum::highlight
{

struct ApartLimits
{
    uint64_t parseMicros;      // the parse's own time limit
    int wallMillis;            // the whole colouring, parse and query, from start to end
    std::size_t memoryBytes;   // address space the colouring process may add to what it starts with
};

// colour() with the built-in query of `language`, run in a colouring process within `limits`:
// the spans of each line, or nothing when the colouring failed in any way (parse timeout, tree
// too deep, crash, limit reached, bad answer, unknown language). Colouring processes serve one
// call at a time and are kept for the next call, so a caller that colours many files forks
// rarely; one that failed is killed.
std::optional<std::vector<std::vector<Span>>> colourApart(std::string_view language, std::string_view text,
                                                          const ApartLimits& limits);

} // namespace vellum::highlight
