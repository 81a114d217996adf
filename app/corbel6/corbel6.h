// corbel6: the program text table of Pagewright.
//
// The table holds numbered user-interface texts (items 1 to 32767, one language) read from a
// UTF-8 text file; docs/program-text.md describes the file format. The table lives for the whole
// process and is replaced by each successful load.
#ifndef CORBEL6_H
#define CORBEL6_H

#include <cstdint>

namespace corbel6
{

// Longest text of one item, in bytes.
constexpr int32_t kMaxItemBytes = 1024;

// Failure codes of LoadTextTable. A positive result is the number of items read.
constexpr int32_t kNoText = 0;
constexpr int32_t kCannotOpen = -1;
constexpr int32_t kItemAllocation = -2;
constexpr int32_t kTooMuchText = -3;
constexpr int32_t kTextNotRecovered = -4; // not produced here: the program checks the file is UTF-8
constexpr int32_t kFileEmpty = -6;
constexpr int32_t kReadError = -7;
constexpr int32_t kGeneralAllocation = -8;
// Line-numbered failures: base - line.
constexpr int32_t kMissingStringBase = -500;
constexpr int32_t kStringTooLongBase = -1000;
constexpr int32_t kDuplicateBase = -1500;

// Most items and most bytes of text a table may hold.
constexpr int32_t kMaxItems = 4096;
constexpr int64_t kMaxTotalBytes = 1 << 20;

// Loads the table from the file at path (the file system's bytes). reserved is not read.
// Returns the number of items (> 0) or one of the failure codes above; on failure the
// previous table is kept.
int32_t LoadTextTable(const char* path, int32_t reserved);

// Copies the text of item (language 0 only) into buffer, at most size bytes, without a
// terminating NUL, and returns its length in bytes; 0 when there is no such item.
// mainWindowLoaded is accepted for compatibility with callers and not read.
int32_t GetTextItem(int32_t item, int32_t language, char* buffer, int32_t size, int32_t mainWindowLoaded);

} // namespace corbel6

#endif
