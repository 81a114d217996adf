// Which tab takes a file that comes from outside the tabs' own file dialogs: named on the command
// line, or dropped on the window.
#ifndef PAGEWRIGHT_OPENING_H
#define PAGEWRIGHT_OPENING_H

#include "rules/FileRules.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace pagewright
{

// The source file extensions (lower case, without the dot) the conversion library colours,
// whose files the Code to HTML tab takes.
const QStringList& CodeExtensions();

// The slot of the tab that takes the file, by the extension of its last part (any letter case;
// a "." at the start of that part begins no extension): "tbl" the Table Creator, "csv" and
// "tsv" Data to Table, a CodeExtensions() one Code to HTML, anything else Text to HTML.
Slot SlotForFile(const QString& name);

// The file a drop brings: the full name of the first local file among the addresses that is not
// a folder; "" when there is none.
QString DroppedFile(const QList<QUrl>& urls);

} // namespace pagewright

#endif
