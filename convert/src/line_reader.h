// Reads a text file as the converters see it: one line at a time, in pieces of at most a fixed
// number of bytes.
//
// "\r\n" ends a line like "\n"; a lone "\r" is an ordinary byte. A line longer than the piece size
// arrives as several pieces, and a line that ends with "\n" after a positive multiple of the piece
// size arrives followed by an extra empty piece (a fixed-size line buffer filled to the brim leaves
// the line end for the next read). Text after the last "\n" is a last line of its own. Memory use is
// bounded by the block size, whatever the length of a line or of the file.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace vellum {

// Where the bytes come from: a file descriptor, or memory in tests.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills up to `size` bytes; returns the count, 0 at the end, or -1 on a read failure.
    virtual long read(char* buffer, std::size_t size) = 0;
    // Goes back to the first byte; false when the source cannot.
    virtual bool rewind() = 0;
};

class MemorySource final : public ByteSource {
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

class FileDescriptorSource final : public ByteSource {
public:
    explicit FileDescriptorSource(int fd) : m_fd(fd) {}
    long read(char* buffer, std::size_t size) override;
    bool rewind() override;

private:
    int m_fd;
};

// Piece sizes: the text and code converters read at most 4095 bytes of a line at a time, the list
// and table converters and the copying of header and footer files at most 5119.
inline constexpr std::size_t kTextPieceSize = 4095;
inline constexpr std::size_t kDataPieceSize = 5119;

class LineReader {
public:
    LineReader(ByteSource& source, std::size_t pieceSize, std::size_t blockSize = 256 * 1024);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next piece without its line end, valid until the next call; false at the end of the
    // input or after a failed read.
    bool next(std::string_view& piece);
    // True when the piece just returned ended its line (it was followed by "\n").
    bool pieceEndedLine() const { return m_pieceEndedLine; }
    // Starts again at the first byte; false when the source cannot go back.
    bool rewind();

private:
    bool fill();

    ByteSource& m_source;
    std::size_t m_pieceSize;
    std::size_t m_blockSize;
    std::unique_ptr<char[]> m_block;
    std::size_t m_start = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    bool m_emptyPieceDue = false;
    bool m_pieceEndedLine = false;
};

} // namespace vellum
