// The checks of a blank list's number of items and start number on the Data to List tab.
#ifndef PAGEWRIGHT_BLANKLIST_H
#define PAGEWRIGHT_BLANKLIST_H

#include <QString>

#include <cstdint>
#include <optional>

namespace pagewright
{

struct BlankListCheck {
    QString message;                          // empty: the numbers are good
    std::optional<QString> numberOfItemsText; // new text of the number-of-items box, if it changes
    std::optional<QString> startNumberText;   // new text of the start-number box, if it changes
    int32_t itemCount = 0;                    // when good
    int32_t startNumber = 0;                  // when good
};

// The count is the number its text starts with, rounded half to even, and must lie in 1-999; a
// count too large for any integer is "1000 or more". An empty start box becomes "1"; the start
// number itself must lie in 1-999 before it is rounded. The first failure gives the message and
// the box correction (count emptied, start set to "1").
BlankListCheck CheckBlankList(const QString& numberOfItems, const QString& startNumber);

} // namespace pagewright

#endif
