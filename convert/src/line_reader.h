// Reads a text file as the converters see it: one whole line at a time, whatever its length.
//
// "\r\n" ends a line like "\n"; a lone "\r" is an ordinary byte. Text after the last "\n" is a
// last line of its own. The reader keeps one block of bytes that starts at 256 KiB and grows only
// when a single line does not fit in it, so memory grows with the longest line and not with the
// file.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace vellum
{

// Where the bytes come from: a file descriptor, or memory in tests.
class ByteSource
{
public:
    virtual ~ByteSource() = default;
    // Fills up to `size` bytes; returns the count, 0 at the end, or -1 on a read failure.
    virtual long read(char* buffer, std::size_t size) = 0;
    // Goes back to the first byte; false when the source cannot.
    virtual bool rewind() = 0;
};

class MemorySource final : public ByteSource
{
public:
    explicit MemorySource(std::string_view bytes) : m_bytes(bytes) {}
    long read(char* buffer, std::size_t size) override;
    bool rewind() override
    {
        m_position = 0;
        return true;
    }

private:
    std::string_view m_bytes;
    std::size_t m_position = 0;
};

class FileDescriptorSource final : public ByteSource
{
public:
    explicit FileDescriptorSource(int fd) : m_fd(fd) {}
    long read(char* buffer, std::size_t size) override;
    bool rewind() override;

private:
    int m_fd;
};

inline constexpr std::size_t kDefaultBlockSize = 256 * 1024;
// The piece size of earlier versions, which read long lines in pieces. Lines are now read whole;
// callers that still pass this value get a first block of this size, which grows as needed.
inline constexpr std::size_t kDataPieceSize = 5119;

class LineReader
{
public:
    // `blockSize` is the size of the first block (at least 2 bytes); it only affects speed.
    explicit LineReader(ByteSource& source, std::size_t blockSize = kDefaultBlockSize);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line without its line end, valid until the next call; false at the end of the
    // input or after a failed read.
    bool next(std::string_view& line);
    // True when the line just returned was followed by "\n" (false only for a last line
    // without a line end).
    bool lineEnded() const { return m_lineEnded; }
    // Starts again at the first byte; false when the source cannot go back.
    bool rewind();

    // The bytes read ahead, from `position` (in the line just returned) on, valid until the next
    // call of next(). A new generation starts whenever the bytes move.
    std::string_view bufferedFrom(const char* position) const
    {
        return std::string_view(position, static_cast<std::size_t>(m_block.get() + m_end - position));
    }
    std::size_t generation() const { return m_generation; }

private:
    bool fill();

    ByteSource& m_source;
    std::size_t m_blockSize;
    std::unique_ptr<char[]> m_block;
    std::size_t m_start = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    bool m_lineEnded = false;
    std::size_t m_generation = 1;
};

} // namespace vellum
