// The body of an HTML5 page written from its input as a classic page reads it.
#pragma once

#include "output.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vellum
{

// An Output whose bytes reach the page as clean UTF-8. A converter writes into it what it would
// write into a classic page: the input's Windows-1252 bytes, or its UTF-8, in which a separator
// above ASCII may have cut characters. The page gets what a browser shows for those bytes, in
// characters an HTML5 page may hold (see cleanForHtml5). The markup written with them is ASCII,
// which passes unchanged. Converting the body at once, in large blocks, costs less than converting
// its input line by line.
class CleanOutput
{
public:
    enum class From { Windows1252, Utf8, CutUtf8 };

    CleanOutput(Output& page, From from);
    CleanOutput(const CleanOutput&) = delete;
    CleanOutput& operator=(const CleanOutput&) = delete;

    Output& out() { return m_out; }
    // Writes everything left to the page; call once the body is written.
    void finish();

private:
    static bool write(void* self, const char* data, std::size_t size);
    void convert(std::string_view data, bool last);
    void putClean(std::string_view bytes);

    Output& m_page;
    const From m_from;
    std::string m_held; // the start of a character that a block's end cut off
    std::string m_work, m_clean;
    Output m_out;
};

} // namespace vellum
