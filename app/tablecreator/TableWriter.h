// The Table Creator's HTML: the table of the model as a fragment, optionally centred and
// wrapped in a minimal page, with the presentational attributes and font tags of HTML 3.2.
// Lines end in CR LF; texts are written in Windows-1252, a character it lacks as "&#NNNN;".
#ifndef PAGEWRIGHT_TABLEWRITER_H
#define PAGEWRIGHT_TABLEWRITER_H

#include "rules/ResultCaptions.h"
#include "rules/TableProperties.h"
#include "tablecreator/TableFile.h"
#include "tablecreator/TableModel.h"

#include <QByteArray>
#include <QString>

namespace pagewright
{

struct TableHtmlOptions {
    bool wrapper = false;        // <html>, <head> with a title, <body>
    bool center = false;         // <center> around the table
    bool useTableColors = false; // the table's colours go into the page
    int32_t tableTextColor = 0;
    int32_t tableBackColor = 0xFFFFFF;
    TableProperties properties = kDefaultTableProperties;
};

// The options a table file holds.
TableHtmlOptions HtmlOptionsOf(const TableDocument& document);

// The page up to and including the table's start tag.
QByteArray TableHtmlStart(const TableModel& table, const TableHtmlOptions& options);
// The rows and everything after them.
QByteArray TableHtmlRows(const TableModel& table, const TableHtmlOptions& options);

// Writes the page into the file, whole or not at all (an existing file stays as it was when
// writing fails, and no temporary file is left), and returns the result line: "HTML for table written." on
// success, "Failure: Error #" with the step reached (2 opening, 3 the page start, 4 the rows and closing)
// when the file then exists and is not empty, else "Failure: Nothing written".
RunResult WriteTableHtml(const QString& path, const TableModel& table, const TableHtmlOptions& options);

} // namespace pagewright

#endif
