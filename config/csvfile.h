// The configurations as a spreadsheet: one CSV row per configuration, one column per value.
//
// Layout: a header row, then one row per configuration in table order. Columns "Number", "Name",
// then the 72 values named "Spring Start Day", ..., "Winter Very Hot" (valueName()). Comma
// separated as RFC 4180 has it, CRLF line ends, UTF-8 with a byte-order mark.
//
// Names: decoded from the game's code page (codepage.h) and encoded back on import, so every byte
// comes back, but for a carriage return, which the import refuses as a line break inside a name.
// A name that a spreadsheet would run as a formula (one that starts with = + - @, a tab or a
// carriage return) is written with one apostrophe in front, and so is a name that starts with an
// apostrophe; the import drops one leading apostrophe from every name.
#pragma once

#include "configfile.h"
#include "tableedit.h" // MaxNameBytes, the longest name the import takes
#include "weathertable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace weather {

// Columns of the layout: Number, Name and the 72 values.
inline constexpr int CsvColumnCount = 2 + SeasonCount * SeasonValueCount;

// The CSV bytes of a table: the header and rows 1..recordCount().
[[nodiscard]] QByteArray formatCsv(const ConfigTable& table);

// Reads CSV bytes into a fresh table, one configuration per row, the count being the number of
// rows. Columns are found by their header names in any order; other columns are ignored, and
// empty rows at the end too. On failure `out` is left untouched and the error names the line on
// which the faulty row starts; `path` is only used in the error.
[[nodiscard]] std::optional<FileError> parseCsv(QByteArrayView data, ConfigTable& out,
                                                const QString& path);

// Reads the CSV file at `path` ("-": standard input) into `out`, all or nothing.
[[nodiscard]] std::optional<FileError> loadCsvFile(const QString& path, ConfigTable& out);

// Writes the table's CSV to `path` atomically, as a save does.
[[nodiscard]] std::optional<FileError> saveCsvFile(const QString& path, const ConfigTable& table);

} // namespace weather
