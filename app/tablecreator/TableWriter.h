// The Table Creator's HTML: the table of the model as a fragment, optionally centred and
// wrapped in a minimal page. The classic page has the presentational attributes and font tags of
// HTML 3.2; its lines end in CR LF and its texts are written in Windows-1252, a character it lacks
// as "&#NNNN;". The HTML5 page (options.html5) is UTF-8 with LF line ends and has no
// presentational markup: the table is <table class="pw-table"> ("pw-center" added to centre it),
// its options are values of the shared stylesheet (convert/common/page_style: in the page's
// stylesheet with the wrapper, in the table's style attribute without it), and each cell's looks
// are CSS in its style attribute. Rows and columns in which no cell begins, which an HTML5 table
// may not have, are left out and the spans across them shortened, which shows the same table.
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
    bool html5 = false;     // an HTML5 page instead of the classic one
    QByteArray lang = "en"; // the HTML5 page's language
};

// The options a table file holds (the page style is the window's, not the file's: classic).
TableHtmlOptions HtmlOptionsOf(const TableDocument& document);

// The page up to and including the table's start tag (and its line end).
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
