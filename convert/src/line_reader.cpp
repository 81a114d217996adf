#include "line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace vellum {

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

LineReader::LineReader(ByteSource& source, std::size_t pieceSize, std::size_t blockSize)
    : m_source(source), m_pieceSize(pieceSize),
      // A piece, a CR and a LF must fit in one block to decide where a piece ends.
      m_blockSize(std::max(blockSize, pieceSize + 2)), m_block(new char[m_blockSize])
{
}

LineReader::~LineReader() = default;

bool LineReader::fill()
{
    if (m_atEnd)
        return false;
    if (m_start > 0) {
        std::memmove(m_block.get(), m_block.get() + m_start, m_end - m_start);
        m_end -= m_start;
        m_start = 0;
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

bool LineReader::next(std::string_view& piece)
{
    if (m_emptyPieceDue) {
        m_emptyPieceDue = false;
        m_pieceEndedLine = true;
        piece = std::string_view();
        return true;
    }
    const std::size_t window = m_pieceSize + 2; // a full piece followed by "\r\n"
    for (;;) {
        const char* begin = m_block.get() + m_start;
        std::size_t available = m_end - m_start;
        const char* newline = static_cast<const char*>(std::memchr(begin, '\n', std::min(available, window)));
        if (newline) {
            std::size_t lineEnd = static_cast<std::size_t>(newline - begin);
            std::size_t length = lineEnd;
            if (length > 0 && begin[length - 1] == '\r')
                --length;
            if (length <= m_pieceSize) {
                piece = std::string_view(begin, length);
                m_start += lineEnd + 1;
                m_emptyPieceDue = length == m_pieceSize && length > 0;
                m_pieceEndedLine = !m_emptyPieceDue;
                return true;
            }
            piece = std::string_view(begin, m_pieceSize);
            m_start += m_pieceSize;
            m_pieceEndedLine = false;
            return true;
        }
        if (available >= window) {
            // No line end within reach: the line is longer than a piece.
            piece = std::string_view(begin, m_pieceSize);
            m_start += m_pieceSize;
            m_pieceEndedLine = false;
            return true;
        }
        if (!fill()) {
            begin = m_block.get() + m_start;
            available = m_end - m_start;
            if (available == 0)
                return false;
            std::size_t length = std::min(available, m_pieceSize);
            piece = std::string_view(begin, length);
            m_start += length;
            m_pieceEndedLine = false;
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
    m_emptyPieceDue = false;
    return true;
}

} // namespace vellum
