// The header row of a CSV file: which field holds which column of the layout, for each
// separator the import reads, found in one pass over the row's bytes.
#pragma once

#include "csvfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>

namespace weather {

// The layout's column names in their order: "Number", "Name", then the 72 values.
[[nodiscard]] const std::array<QByteArray, CsvColumnCount>& csvColumnNames();

// The header row as one separator splits it.
struct CsvHeader {
    char separator = ',';
    int known = 0;        // how many of the layout's columns it names; -1 when it cannot be read
    qsizetype fields = 0; // how many fields it has
    // The field of each column of the layout (as csvColumnNames() orders them), or -1.
    std::array<qsizetype, CsvColumnCount> columns{};
    int repeated = -1; // the first column of the layout that it names twice, or -1
    qsizetype end = 0; // where the row after it starts
    int lineEnds = 0;  // the line ends up to `end`, those inside quoted fields included
    QString problem;   // why the row cannot be read
};

// Reads the row at the start of `text` (UTF-8, not empty) as each of `separators` splits it,
// all at once in one pass over its bytes, and returns the split that names the most columns of
// the layout; on a tie the first of `separators`. Fields are trimmed of blanks and compared
// without regard to case; quoted fields are read as RFC 4180 has them. Its time is linear in the
// row's length, and its memory does not grow with it.
[[nodiscard]] CsvHeader readCsvHeader(QByteArrayView text, QByteArrayView separators);

} // namespace weather
