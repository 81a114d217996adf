// Buffered output of a conversion: bytes are gathered in a large block and handed to a sink
// function in few, big writes. The converters never see files, only an Output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vellum
{

class Output
{
public:
    // Receives a block of bytes; returns false when the bytes could not be written.
    using SinkFn = bool (*)(void* context, const char* data, std::size_t size);

    static constexpr std::size_t kDefaultCapacity = 256 * 1024;

    Output(SinkFn sink, void* context, std::size_t capacity = kDefaultCapacity);
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void put(std::string_view text)
    {
        if (text.size() <= m_capacity - m_used) {
            std::char_traits<char>::copy(m_buffer.get() + m_used, text.data(), text.size());
            m_used += text.size();
        } else {
            putLarge(text);
        }
    }
    void put(char c)
    {
        if (m_used == m_capacity)
            flush();
        m_buffer[m_used++] = c;
    }
    void putInt(int64_t value);

    // Room for up to `size` bytes written directly into the buffer; `commit` then says how many
    // were written.
    char* reserve(std::size_t size)
    {
        if (size > m_capacity - m_used) {
            flush();
            if (size > m_capacity)
                grow(size);
        }
        return m_buffer.get() + m_used;
    }
    void commit(std::size_t written) { m_used += written; }
    std::size_t capacity() const { return m_capacity; }

    // Hands everything gathered so far to the sink.
    void flush();
    // True once any write to the sink has failed; later output is dropped.
    bool failed() const { return m_failed; }

private:
    void putLarge(std::string_view text);
    void grow(std::size_t capacity);

    SinkFn m_sink;
    void* m_context;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity;
    std::size_t m_used = 0;
    bool m_failed = false;
};

} // namespace vellum
