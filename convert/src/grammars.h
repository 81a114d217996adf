// The languages the library colours: each one's tree-sitter grammar and the text of its highlight
// query, both built into the library (the table is generated from third_party/grammars).
#pragma once

#include <tree_sitter/api.h>

#include <span>
#include <string_view>

namespace vellum::grammars
{

struct Grammar
{
    std::string_view name;        // "c", "cpp", "python", ...
    const TSLanguage* (*language)();
    std::string_view highlights;  // every highlight query file of the language, in order
};

// Every language, in a fixed order.
std::span<const Grammar> all();

// The language of that name, or nullptr.
const Grammar* find(std::string_view name);

} // namespace vellum::grammars
