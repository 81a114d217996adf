#include "clean_output.h"

#include "utf8.h"

#include <algorithm>

namespace vellum
{
namespace
{

std::size_t sequenceLength(unsigned char lead)
{
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
}

// The length of `text` less a character at its end that still lacks bytes.
std::size_t wholeCharacters(std::string_view text)
{
    const std::size_t n = text.size();
    for (std::size_t back = 1; back <= 3 && back <= n; ++back) {
        const auto c = static_cast<unsigned char>(text[n - back]);
        if (c < 0x80)
            return n;
        if (c >= 0xC0)
            return sequenceLength(c) > back ? n - back : n;
    }
    return n;
}

} // namespace

// Blocks as large as the page's reach its sink as they are, not copied, when nothing in them changes.
CleanOutput::CleanOutput(Output& page, From from)
    : m_page(page), m_from(from), m_out(write, this, page.capacity())
{
}

void CleanOutput::finish()
{
    m_out.flush();
    convert({}, true);
}

bool CleanOutput::write(void* self, const char* data, std::size_t size)
{
    auto* clean = static_cast<CleanOutput*>(self);
    clean->convert(std::string_view(data, size), false);
    return !clean->m_page.failed();
}

void CleanOutput::convert(std::string_view data, bool last)
{
    if (!m_held.empty()) {
        const std::size_t length = sequenceLength(static_cast<unsigned char>(m_held[0]));
        const std::size_t take = std::min(length - m_held.size(), data.size());
        m_held.append(data.substr(0, take));
        data.remove_prefix(take);
        if (m_held.size() < length && !last)
            return;
        putClean(m_held);
        m_held.clear();
    }
    // A character that a block's end cuts waits for the rest of its bytes (Windows-1252 has none).
    const std::size_t whole = m_from == From::Windows1252 || last ? data.size() : wholeCharacters(data);
    putClean(data.substr(0, whole));
    m_held.assign(data.substr(whole));
}

void CleanOutput::putClean(std::string_view bytes)
{
    // The line readings leave the control bytes at a line's end for the converters to trim; those at
    // the end of a block are the body's own, and made clean here.
    std::size_t end = bytes.size();
    while (end > 0 && static_cast<unsigned char>(bytes[end - 1]) < 0x20)
        --end;
    std::string_view text = bytes.substr(0, end);
    if (m_from == From::Windows1252) {
        text = windows1252ToUtf8(text, m_work, false);
    } else {
        if (m_from == From::CutUtf8)
            text = repairUtf8(text, m_work);
        text = cleanForHtml5(text, m_clean);
    }
    m_page.put(text);
    for (const char c : bytes.substr(end))
        m_page.put(c == '\t' || c == '\n' || c == '\f' || c == '\r' ? std::string_view(&c, 1) : kReplacementCharacter);
}

} // namespace vellum
