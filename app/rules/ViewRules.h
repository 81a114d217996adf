// Texts and limits of the file viewer and of opening files with their associated program.
#ifndef PAGEWRIGHT_VIEWRULES_H
#define PAGEWRIGHT_VIEWRULES_H

#include <QString>

namespace pagewright
{

// The viewer's start-up limit in KB (of 1024 bytes).
constexpr int kDefaultViewLimitKB = 40;

// 1 when a file of length bytes fits the limit, 0 when it does not.
int FitsViewLimit(qint64 length, int limitKB);
// " " + whole KB, truncated: the size as the too-large messages write it.
QString SizeInKBText(qint64 length);
// Message for an input file too large for the viewer that no associated program opened.
QString InputTooLargeMessage(const QString& name, qint64 length);
// Message for an output file too large for the viewer (program text items 1, 8, 9, 10).
QString OutputTooLargeMessage(const QString& name, qint64 length);
// Message for a file or address that no associated program opened.
QString OpenDocumentFailureMessage(const QString& path);
QString LaunchBrowserFailureMessage();
// Message for a failed read in the viewer: "Error 5.  Permission denied".
QString ReadErrorMessage(int number, const QString& description);

} // namespace pagewright

#endif
