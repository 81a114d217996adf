// The table file (".tbl"): the Table Creator's options, table properties, table colours, every
// cell of the table and the output file name, as lines of numbers and quoted texts ending in
// CR LF. Texts are Windows-1252 with the character 253 standing for a double quote; the output
// file name is kept as the file system's bytes.
#ifndef PAGEWRIGHT_TABLEFILE_H
#define PAGEWRIGHT_TABLEFILE_H

#include "rules/TableProperties.h"
#include "tablecreator/TableModel.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace pagewright
{

// Everything a table file holds.
struct TableDocument {
    bool wrapper = false; // "Add HTML wrapper"
    bool center = false;  // "Center table"
    bool placeMarkers = false;
    TableProperties properties = kDefaultTableProperties;
    bool useTableColors = false;
    int32_t textColor = 0;
    int32_t backColor = 0xFFFFFF;
    TableModel table;
    QString outputFile;
    friend bool operator==(const TableDocument&, const TableDocument&) = default;
};

// The name Save writes a table under: ".tbl" added to a name without any extension (see
// HasNoExtension); a name with an extension, another one too, stays as typed.
QString TableFileName(const QString& name);

QByteArray TableFileBytes(const TableDocument& document);
// Writes the file whole or not at all: when writing fails the old file stays as it was and
// no temporary file is left. error receives the reason.
bool SaveTable(const QString& path, const TableDocument& document, QString* error = nullptr);

// The document of a whole table file, or nothing when any part of it does not fit the layout:
// a missing line, text where a number belongs, counts outside 1-20, flags other than 0 or 1,
// alignments outside 0-3, colours outside 24 bits, or areas and owners that contradict each
// other or reach beyond the table. Numbers may be separated by blanks or commas and lines end
// in CR LF or LF; the last line, the output file name, is taken whole.
std::optional<TableDocument> ParseTableFile(const QByteArray& bytes);
std::optional<TableDocument> LoadTable(const QString& path);

} // namespace pagewright

#endif
