// The configurations as a spreadsheet: one CSV row per configuration, one column per value.
//
// Layout: a header row, then one row per configuration in table order. Columns "Number", "Name",
// then the 72 values named "Spring Start Day", ..., "Winter Very Hot" (valueName()). Written as
// RFC 4180 has it, with commas, semicolons (what spreadsheets write where the decimal point is a
// comma) or tabs between the fields; CRLF line ends, UTF-8 with a byte-order mark.
//
// The import reads any of the three separators, found from the header row (or named by a first
// line "sep=;" as Excel writes it), in UTF-8 with or without its byte-order mark, in UTF-16
// with one (Excel's "Unicode Text") or, without one, in Windows-1252 (a spreadsheet's "CSV" in
// the Windows code page).
//
// Names: decoded from the game's code page (codepage.h) and encoded back on import, so every byte
// comes back, but for a carriage return, which the import refuses as a line break inside a name.
// A name that a spreadsheet would run as a formula (one that starts with = + - @, a tab or a
// carriage return) or read as a number, date, time, percentage or amount ("007", "1/2", "50%")
// is written with one apostrophe in front, and so is a name that starts with an apostrophe; the
// import drops one leading apostrophe from every name.
#pragma once

#include "configfile.h"
#include "tableedit.h" // MaxNameBytes, the longest name the import takes
#include "weathertable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLocale>
#include <QString>

#include <optional>

namespace weather {

// Columns of the layout: Number, Name and the 72 values.
inline constexpr int CsvColumnCount = 2 + SeasonCount * SeasonValueCount;

// What stands between the fields of a row.
enum class CsvSeparator { Comma, Semicolon, Tab };

// The separator a spreadsheet in `locale` expects: semicolons where the decimal point is a comma
// (German, French, ...), commas elsewhere.
[[nodiscard]] CsvSeparator csvSeparatorFor(const QLocale& locale);

// The CSV bytes of a table: the header and rows 1..recordCount().
[[nodiscard]] QByteArray formatCsv(const ConfigTable& table,
                                   CsvSeparator separator = CsvSeparator::Comma);

// The encoding a CSV file was read in.
enum class CsvEncoding {
    Utf8,        // with or without a byte-order mark
    Utf16,       // either byte order, told by its byte-order mark
    Windows1252, // no byte-order mark and not UTF-8: a spreadsheet's "ANSI" text
};

// Reads CSV bytes into a fresh table, one configuration per row, the count being the number of
// rows. The encoding is told by the byte-order mark; without one, bytes that are not UTF-8 are
// read as Windows-1252. The separator is told by the header row, unless a first line "sep=X"
// names it. Columns are found by their header names in any order; other columns are ignored,
// and empty rows at the end too. On failure `out` is left untouched and the error names the line
// on which the faulty row starts; `path` is only used in the error. On success `encoding`, when
// given, receives the encoding the bytes were read in.
[[nodiscard]] std::optional<FileError> parseCsv(QByteArrayView data, ConfigTable& out,
                                                const QString& path,
                                                CsvEncoding* encoding = nullptr);

// Reads the CSV file at `path` ("-": standard input) into `out`, all or nothing.
[[nodiscard]] std::optional<FileError> loadCsvFile(const QString& path, ConfigTable& out,
                                                   CsvEncoding* encoding = nullptr);

// Whether `start`, the first bytes of a file, opens with a header row of this layout (in any
// encoding and with any separator the import reads, after a "sep=" line or not): a CSV file to
// import rather than a weather configuration file to open.
[[nodiscard]] bool startsWithCsvHeader(QByteArrayView start);

// Writes the table's CSV to `path` atomically, as a save does.
[[nodiscard]] std::optional<FileError> saveCsvFile(const QString& path, const ConfigTable& table,
                                                   CsvSeparator separator = CsvSeparator::Comma);

} // namespace weather
