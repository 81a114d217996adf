#include "line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace vellum
{

long MemorySource::read(char* buffer, std::size_t size)
{
    std::size_t count = std::min(size, m_bytes.size() - m_position);
    std::memcpy(buffer, m_bytes.data() + m_position, count);
    m_position += count;
    return static_cast<long>(count);
}

long FileDescriptorSource::read(char* buffer, std::size_t size)
{
    for (;;) {
        ssize_t count = ::read(m_fd, buffer, size);
        if (count >= 0)
            return static_cast<long>(count);
        if (errno != EINTR)
            return -1;
    }
}

bool FileDescriptorSource::rewind()
{
    return ::lseek(m_fd, 0, SEEK_SET) == 0;
}

LineReader::LineReader(ByteSource& source, std::size_t blockSize)
    : m_source(source), m_blockSize(std::max<std::size_t>(blockSize, 2)), m_block(new char[m_blockSize])
{
}

LineReader::~LineReader() = default;

// Reads more bytes behind those not yet returned: moves them to the front of the block first,
// and doubles the block when they fill it (one line longer than the block).
bool LineReader::fill()
{
    if (m_atEnd)
        return false;
    ++m_generation;
    if (m_start > 0) {
        std::memmove(m_block.get(), m_block.get() + m_start, m_end - m_start);
        m_end -= m_start;
        m_start = 0;
    }
    if (m_end == m_blockSize) {
        std::unique_ptr<char[]> larger(new char[2 * m_blockSize]);
        std::memcpy(larger.get(), m_block.get(), m_end);
        m_block = std::move(larger);
        m_blockSize *= 2;
    }
    long count = m_source.read(m_block.get() + m_end, m_blockSize - m_end);
    if (count <= 0) {
        // The end of the input and a failed read both end the line loop.
        m_atEnd = true;
        return false;
    }
    m_end += static_cast<std::size_t>(count);
    return true;
}

bool LineReader::next(std::string_view& line)
{
    std::size_t scanned = 0; // bytes of this line already known to hold no "\n"
    for (;;) {
        const char* begin = m_block.get() + m_start;
        const std::size_t available = m_end - m_start;
        const char* newline =
            static_cast<const char*>(std::memchr(begin + scanned, '\n', available - scanned));
        if (newline) {
            const std::size_t lineEnd = static_cast<std::size_t>(newline - begin);
            std::size_t length = lineEnd;
            if (length > 0 && begin[length - 1] == '\r')
                --length;
            line = std::string_view(begin, length);
            m_start += lineEnd + 1;
            m_lineEnded = true;
            return true;
        }
        scanned = available;
        if (!fill()) {
            if (m_end == m_start)
                return false;
            line = std::string_view(m_block.get() + m_start, m_end - m_start);
            m_start = m_end;
            m_lineEnded = false;
            return true;
        }
    }
}

bool LineReader::rewind()
{
    if (!m_source.rewind())
        return false;
    m_start = m_end = 0;
    m_atEnd = false;
    ++m_generation;
    return true;
}

} // namespace vellum
