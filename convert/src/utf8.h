// Reading input as UTF-8: byte-order marks, invalid bytes, and counting characters.
#pragma once

#include "line_reader.h"
#include "output.h"

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

// The length of the longest start of `text` that is valid UTF-8 and ends with a whole character.
std::size_t validUtf8Prefix(std::string_view text);

// The number of characters of valid UTF-8 text (the number of bytes that start one).
std::size_t countCharacters(std::string_view text);

// Writes a file name into a page title, given without its folder: & < > escaped; with `utf8` as
// UTF-8 repaired; otherwise, when the name is valid UTF-8 (as names are on Linux), every character
// beyond ASCII as a numeric character reference, which a Windows-1252 page shows as that
// character; a name that is not valid UTF-8 keeps its bytes.
void putFileNameInTitle(Output& out, std::string_view name, bool utf8);

// Lines for an HTML5 page: valid UTF-8 in which every character no HTML5 page may hold (control
// characters other than tab, line feed, form feed and carriage return; noncharacters) is U+FFFD.
// Control bytes at the end of a line stay, as every converter trims them. Returns the line itself
// when nothing is replaced, else a copy in `work`.
std::string_view cleanForHtml5(std::string_view line, std::string& work);

// The length of the longest start of `text` that holds nothing cleanForHtml5 would replace, read as
// UTF-8 (where it stops at the first byte that is not), or, read as Windows-1252, that holds
// nothing but ASCII, which is UTF-8 as it stands.
std::size_t html5CleanPrefix(std::string_view text, bool utf8);

// Windows-1252 bytes as UTF-8 for an HTML5 page, in `work` when anything changes. The five bytes
// Windows-1252 leaves undefined, and control characters as cleanForHtml5 says, become U+FFFD; with
// `dotsForEllipsis` the ellipsis byte becomes three full stops, as the text converter writes it in
// a classic page.
std::string_view windows1252ToUtf8(std::string_view line, std::string& work, bool dotsForEllipsis);

// How an InputDecoder reads for an HTML5 page: not at all (a classic page), or to clean UTF-8 from
// the input's encoding, with the ellipsis of Windows-1252 text as three full stops.
enum class Html5Input { Off, On, OnWithDotsForEllipsis };

// The lines of one input as a converter sees them: as they are, or, for UTF-8 input, repaired and
// without the byte-order mark that may start the first line.
//
// Given the reader the lines come from, it checks the reader's whole block ahead at once and then
// only looks at where each line lies, which is cheaper than checking line by line.
class InputDecoder
{
public:
    explicit InputDecoder(bool utf8, const LineReader* reader = nullptr, Html5Input html5 = Html5Input::Off)
        : m_utf8(utf8), m_html5(html5), m_reader(reader)
    {
    }
    std::string_view operator()(std::string_view line)
    {
        if (m_html5 == Html5Input::Off)
            return m_utf8 ? decodeUtf8(line) : line;
        if (knownClean(line))
            return m_utf8 ? decodeUtf8(line) : line;
        if (!m_utf8)
            return windows1252ToUtf8(line, m_work, m_html5 == Html5Input::OnWithDotsForEllipsis);
        return cleanForHtml5(decodeUtf8(line), m_clean);
    }
    // True for the one line of an input that holds nothing but a byte-order mark (UTF-8 only): such
    // an input converts as an empty file does.
    bool onlyByteOrderMark(std::string_view piece) const
    {
        return m_utf8 && m_first && m_reader && !m_reader->lineEnded() && piece == kByteOrderMark;
    }
    // The next line is the first of the input again.
    void restart() { m_first = true; }

private:
    // True when the line, as read, holds nothing an HTML5 page may not hold: the reader's block is
    // checked ahead at once, as for UTF-8.
    bool knownClean(std::string_view line)
    {
        if (!m_reader)
            return false;
        const char* begin = line.data();
        if (m_reader->generation() != m_cleanGeneration || begin < m_cleanFrom ||
            begin + line.size() > m_cleanTo) {
            m_cleanGeneration = m_reader->generation();
            m_cleanFrom = begin;
            m_cleanTo = begin + html5CleanPrefix(m_reader->bufferedFrom(begin), m_utf8);
        }
        return begin + line.size() <= m_cleanTo;
    }

    std::string_view decodeUtf8(std::string_view line)
    {
        if (m_first) {
            m_first = false;
            if (line.substr(0, kByteOrderMark.size()) == kByteOrderMark)
                line.remove_prefix(kByteOrderMark.size());
        }
        if (m_reader) {
            const char* begin = line.data();
            if (m_reader->generation() != m_generation || begin < m_validFrom || begin + line.size() > m_validTo) {
                const std::string_view ahead = m_reader->bufferedFrom(begin);
                m_generation = m_reader->generation();
                m_validFrom = begin;
                m_validTo = begin + validUtf8Prefix(ahead);
            }
            if (begin + line.size() <= m_validTo)
                return line;
        }
        return repairUtf8(line, m_work);
    }

    bool m_utf8;
    Html5Input m_html5;
    bool m_first = true;
    const LineReader* m_reader;
    std::size_t m_generation = 0;
    const char* m_validFrom = nullptr;
    const char* m_validTo = nullptr;
    std::string m_work;
    std::size_t m_cleanGeneration = 0;
    const char* m_cleanFrom = nullptr;
    const char* m_cleanTo = nullptr;
    std::string m_clean;
};

} // namespace vellum
