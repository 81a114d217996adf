#include "corbel6.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <new>
#include <string>

namespace corbel6
{
namespace
{

using Table = std::map<int32_t, std::string>;

Table& CurrentTable()
{
    static Table table;
    return table;
}

// Replaces the escapes \n, \t and \\ of the file format by the characters they stand for.
std::string Unescape(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char n = s[i + 1];
            if (n == 'n' || n == 't' || n == '\\') {
                out += n == 'n' ? '\n' : n == 't' ? '\t' : '\\';
                ++i;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

// The missing-string and too-long codes leave room for 500 lines each; a later line is
// reported as line 500. Duplicates have no such bound.
int32_t LineCode(int32_t base, int64_t line)
{
    const int64_t shown =
        base == kDuplicateBase ? std::min<int64_t>(line, 1000000) : std::min<int64_t>(line, 500);
    return static_cast<int32_t>(base - shown);
}

int32_t Parse(std::ifstream& in, Table& table)
{
    std::string line;
    int64_t lineNo = 0;
    int64_t totalBytes = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        size_t pos = 0;
        int64_t item = 0;
        while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9' && item <= 32767)
            item = item * 10 + (line[pos++] - '0');
        if (pos == 0 || item < 1 || item > 32767 || pos >= line.size() || line[pos] != '\t' ||
            pos + 1 >= line.size())
            return LineCode(kMissingStringBase, lineNo);
        const std::string raw = line.substr(pos + 1);
        std::string text = Unescape(raw);
        if (text.size() > static_cast<size_t>(kMaxItemBytes))
            return LineCode(kStringTooLongBase, lineNo);
        if (table.count(static_cast<int32_t>(item)) != 0)
            return LineCode(kDuplicateBase, lineNo);
        totalBytes += static_cast<int64_t>(text.size());
        if (static_cast<int32_t>(table.size()) >= kMaxItems || totalBytes > kMaxTotalBytes)
            return kTooMuchText;
        try {
            table.emplace(static_cast<int32_t>(item), std::move(text));
        } catch (const std::bad_alloc&) {
            return kItemAllocation;
        }
    }
    if (in.bad() || (!in.eof() && in.fail()))
        return kReadError;
    if (lineNo == 0)
        return kFileEmpty;
    return static_cast<int32_t>(table.size());
}

} // namespace

int32_t LoadTextTable(const char* path, int32_t /*reserved*/)
{
    if (path == nullptr)
        return kCannotOpen;
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in.is_open())
            return kCannotOpen;
        if (in.peek() == std::ifstream::traits_type::eof()) {
            // An empty file and a folder (whose read fails) both end here; tell them apart.
            return in.bad() || !in.eof() ? kReadError : kFileEmpty;
        }
        Table table;
        const int32_t n = Parse(in, table);
        if (n > 0)
            CurrentTable().swap(table);
        return n;
    } catch (const std::bad_alloc&) {
        return kGeneralAllocation;
    } catch (...) {
        return kReadError;
    }
}

int32_t GetTextItem(int32_t item, int32_t language, char* buffer, int32_t size, int32_t /*mainWindowLoaded*/)
{
    if (language != 0 || buffer == nullptr || size <= 0)
        return 0;
    const Table& table = CurrentTable();
    const auto it = table.find(item);
    if (it == table.end())
        return 0;
    const auto n = static_cast<int32_t>(std::min<size_t>(it->second.size(), static_cast<size_t>(size)));
    std::memcpy(buffer, it->second.data(), static_cast<size_t>(n));
    return n;
}

} // namespace corbel6
