#include "rules/BlankList.h"

#include "rules/NumberText.h"

namespace pagewright
{

BlankListCheck CheckBlankList(const QString& numberOfItems, const QString& startNumber)
{
    BlankListCheck check;
    // Compared before any conversion to an integer, so a huge count cannot wrap around.
    const double count = RoundHalfEven(LeadingNumber(numberOfItems));
    if (count < 1) {
        check.message = QStringLiteral("Invalid number of items!");
        check.numberOfItemsText = QString();
        return check;
    }
    if (count >= 1000) {
        check.message = QStringLiteral("Number of items must be less than 1000.");
        check.numberOfItemsText = QString();
        return check;
    }
    QString start = startNumber;
    if (start.trimmed().isEmpty()) {
        start = QStringLiteral("1");
        check.startNumberText = start;
    }
    const double first = LeadingNumber(start);
    if (first < 1 || first > 999) {
        check.message = first < 1 ? QStringLiteral("Invalid start number!")
                                  : QStringLiteral("Start number must be less than 1000.");
        check.startNumberText = QStringLiteral("1");
        return check;
    }
    check.itemCount = static_cast<int32_t>(count);
    check.startNumber = static_cast<int32_t>(RoundHalfEven(first));
    return check;
}

} // namespace pagewright
