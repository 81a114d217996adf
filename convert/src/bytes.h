// Looking at eight bytes at a time: which of them equal a given byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vellum {

inline constexpr uint64_t kLow7Bits = 0x7F7F7F7F7F7F7F7FULL;
inline constexpr uint64_t kEveryByteOne = 0x0101010101010101ULL;
inline constexpr uint64_t kHighBits = 0x8080808080808080ULL;

inline uint64_t loadEight(const char* bytes)
{
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// The high bit of every byte of `word` that equals `byte`, and no other bit.
constexpr uint64_t bytesEqual(uint64_t word, unsigned char byte)
{
    const uint64_t v = word ^ (kEveryByteOne * byte);
    return ~(((v & kLow7Bits) + kLow7Bits) | v | kLow7Bits);
}

// The index (0 to 7) of the lowest byte marked in a mask made by bytesEqual.
inline unsigned lowestMarkedByte(uint64_t mask)
{
    return static_cast<unsigned>(__builtin_ctzll(mask)) / 8;
}

// True when the bytes a, b, c stand one after another somewhere in [data, data + size). Looks at
// eight bytes at a time; the loads overlap by two bytes, so no three bytes in a row are missed.
inline bool holdsThreeInARow(const char* data, std::size_t size, unsigned char a, unsigned char b,
                             unsigned char c)
{
    std::size_t i = 0;
    for (; i + 8 <= size; i += 6) {
        const uint64_t word = loadEight(data + i);
        if ((bytesEqual(word, a) & (bytesEqual(word, b) >> 8) & (bytesEqual(word, c) >> 16)) != 0)
            return true;
    }
    for (; i + 3 <= size; ++i)
        if (static_cast<unsigned char>(data[i]) == a && static_cast<unsigned char>(data[i + 1]) == b &&
            static_cast<unsigned char>(data[i + 2]) == c)
            return true;
    return false;
}

} // namespace vellum
