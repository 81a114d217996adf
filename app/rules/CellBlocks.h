// Blocks of cells for the Table Creator's paste, copy and import: read from what the clipboard
// offers (an HTML table or tab-separated text) or from a delimited file, fitted into the grid at a
// focus cell, and written back as tab-separated text and as an HTML table for a spreadsheet.
#ifndef PAGEWRIGHT_CELLBLOCKS_H
#define PAGEWRIGHT_CELLBLOCKS_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace pagewright
{

// The most rows and columns a table of the Table Creator has.
inline constexpr int kMaxBlockRows = 20;
inline constexpr int kMaxBlockColumns = 20;

// A block read from the clipboard or a file. `cells` holds plain texts (line breaks as "\n"), every
// row as wide as the widest, at most kMaxBlockRows by kMaxBlockColumns of them, since no more can
// ever fit; `rows` and `columns` give the whole size of what was read, kept cells or not.
struct CellBlock {
    QList<QStringList> cells;
    int rows = 0;
    int columns = 0;
};

// The cells of the first table of an HTML text as a browser shows them: tags dropped, entities
// decoded, white space collapsed, <br> as a line break. A cell spanning rows or columns gives its
// text to its first cell and leaves the others of its area empty. No table gives an empty block.
CellBlock ReadHtmlTable(const QString& html);

// Tab-separated text as spreadsheets write it: a row per line (CR LF or LF), a cell per tab, fields
// in double quotes holding tabs, line ends and doubled quotes; a final line end starts no row.
CellBlock ReadTabSeparated(const QString& text);

// What a paste takes when the clipboard offers both: the HTML when it holds a table, else the text.
CellBlock ReadClipboardBlock(const QString& html, const QString& text);

// The block as tab-separated text (rows ending in CR LF, fields quoted where a spreadsheet needs it)
// and as an HTML table, for the clipboard.
QString WriteTabSeparated(const QList<QStringList>& cells);
QString WriteHtmlTable(const QList<QStringList>& cells);

// A cell's content (which may hold HTML) for a plain text read from the clipboard or a file, so
// that the page shows the text as it was: '&', '<' and '>' as references, line breaks as <br>,
// tabs and other control characters as blanks, blanks around it dropped.
QString CellContentFromText(const QString& text);
// The text a browser shows for a cell's content, for copying to a spreadsheet.
QString CellTextFromContent(const QString& content);

// A block of blockRows x blockColumns placed with its first cell at the focus cell (1-based) of a
// table of tableRows x tableColumns: the table's size afterwards, grown to hold the block as far as
// the largest table allows, and how many of the block's rows and columns fell beyond it.
struct BlockFit {
    int rows = 0;
    int columns = 0;
    int rowsLeftOut = 0;
    int columnsLeftOut = 0;
};
BlockFit FitBlock(int blockRows, int blockColumns, int focusRow, int focusColumn, int tableRows,
                  int tableColumns);

// The result line for a fit, such as "3 rows and 2 columns did not fit."; empty when all fitted.
QString FitResultText(const BlockFit& fit);

// The separator a data file's name calls for: a comma for ".csv", a tab for ".tsv"; nothing for
// other names, which are read by the separator chosen on Data to Table.
std::optional<QChar> SeparatorForDataName(const QString& path);
// The character that separator byte stands for in a data file read as UTF-8 (else Windows-1252).
QChar SeparatorCharacter(int code, bool utf8Data);

// A delimited data file read as the Data to Table tab reads it: fields separated by
// SeparatorForDataName's character or else by `separator`; fields in double quotes; UTF-8 when the
// file is UTF-8 text beyond ASCII, else Windows-1252; lines empty once trimmed skipped, blanks
// around fields dropped, and that tab's marks ("\TH", "\!" and a separator after "\") honoured.
// Nothing, with the reason in *problem, when the file cannot be read or holds NUL bytes (binary).
std::optional<CellBlock> ImportDelimitedFile(const QString& path, QChar separator,
                                             QString* problem = nullptr);

} // namespace pagewright

#endif
