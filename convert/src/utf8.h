// Reading input as UTF-8: byte-order marks, invalid bytes, and counting characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vellum
{

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD"; // U+FFFD

// The line itself when it is valid UTF-8; otherwise a copy in `work` in which every maximal run of
// bytes that does not form a character (as a web browser decodes it) is one U+FFFD.
std::string_view repairUtf8(std::string_view line, std::string& work);

// The number of characters of valid UTF-8 text (the number of bytes that start one).
std::size_t countCharacters(std::string_view text);

// The lines of one input as a converter sees them: as they are, or, for UTF-8 input, repaired and
// without the byte-order mark that may start the first line.
class InputDecoder
{
public:
    explicit InputDecoder(bool utf8) : m_utf8(utf8) {}
    std::string_view operator()(std::string_view line)
    {
        if (!m_utf8)
            return line;
        if (m_first) {
            m_first = false;
            if (line.substr(0, kByteOrderMark.size()) == kByteOrderMark)
                line.remove_prefix(kByteOrderMark.size());
        }
        return repairUtf8(line, m_work);
    }
    // The next line is the first of the input again.
    void restart() { m_first = true; }

private:
    bool m_utf8;
    bool m_first = true;
    std::string m_work;
};

} // namespace vellum
