// The style of the pages the window writes, one choice for the whole window: the classic page or
// an HTML5 page with CSS. It is kept across runs in a file of its own beside the settings file
// (vellum.usr, whose bytes stay the design's), and an HTML5 page takes its language from the
// program's locale.
#ifndef PAGEWRIGHT_PAGESTYLE_H
#define PAGEWRIGHT_PAGESTYLE_H

#include <QByteArray>
#include <QLocale>
#include <QString>

namespace pagewright
{

enum class PageStyle { Classic, Html5 };

// "pagewright.conf" in the folder of the settings file.
QString PageStyleFilePath(const QString& settingsFile);
// The style the file keeps under the key "pageStyle" ("classic" or "html5"); classic when the
// file, the key or a known value is missing.
PageStyle ReadPageStyle(const QString& path);
// Keeps the style in the file (its other keys stay), which is replaced whole; false when it could
// not be written.
bool WritePageStyle(const QString& path, PageStyle style);

// The language of an HTML5 page: the locale's BCP 47 name, "en" for the C locale or none.
QByteArray PageLanguage(const QLocale& locale = QLocale());

} // namespace pagewright

#endif
