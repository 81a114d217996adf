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
    std::size_t memoryBytes;   // address space the colouring may add, beyond what the caller has
};

// colour() run in a child process within `limits`: the spans of each line, or nothing when the
// child failed in any way (parse timeout, tree too deep, crash, limit reached, bad answer).
std::optional<std::vector<std::vector<Span>>> colourApart(const Query& query, std::string_view text,
                                                          const ApartLimits& limits);

} // namespace vellum::highlight
