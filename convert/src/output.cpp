#include "output.h"

#include <charconv>

namespace vellum
{

Output::Output(SinkFn sink, void* context, std::size_t capacity)
    : m_sink(sink), m_context(context), m_buffer(new char[capacity]), m_capacity(capacity)
{
}

Output::~Output() = default;

void Output::flush()
{
    if (m_used == 0)
        return;
    if (!m_failed && !m_sink(m_context, m_buffer.get(), m_used))
        m_failed = true;
    m_used = 0;
}

void Output::putLarge(std::string_view text)
{
    flush();
    if (text.size() < m_capacity) {
        std::char_traits<char>::copy(m_buffer.get(), text.data(), text.size());
        m_used = text.size();
    } else if (!m_failed && !m_sink(m_context, text.data(), text.size())) {
        m_failed = true;
    }
}

void Output::grow(std::size_t capacity)
{
    m_buffer.reset(new char[capacity]);
    m_capacity = capacity;
}

void Output::putInt(int64_t value)
{
    char digits[24];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    put(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

} // namespace vellum
