// libFuzzer target for the CSV import: any bytes either fail with an error on a line of the input
// that leaves the table as it was, or import into a table whose exported CSV imports back to the
// same table and exports to the same bytes.
#include "configfile.h"
#include "csvfile.h"
#include "fuzzcheck.h"
#include "tableedit.h"

#include <QByteArrayView>

#include <cstdint>

using namespace weather;

namespace {

// Lines as the import counts them: CRLF, LF and a lone CR each end one, and bytes after the last
// line end make one more.
qsizetype lineCount(QByteArrayView data) {
    qsizetype lines = 0;
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (data[i] == '\n' || (data[i] == '\r' && (i + 1 == data.size() || data[i + 1] != '\n')))
            ++lines;
    }
    const bool open = !data.isEmpty() && data.back() != '\n' && data.back() != '\r';
    return lines + (open ? 1 : 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    const QString path = QStringLiteral("fuzz/weather.csv");
    // `table` lives across inputs and keeps the last CSV that imported, so that a failed import
    // is checked against a table that is not empty.
    static ConfigTable table;
    static ConfigTable back;
    static QByteArray before = formatCsv(table);

    if (const auto error = parseCsv(data, table, path)) {
        FUZZ_CHECK(error->line >= 1 && error->line <= lineCount(data) + 1, error->toString());
        FUZZ_CHECK(!error->message.isEmpty(), error->toString());
        FUZZ_CHECK(error->path == path, error->toString());
        FUZZ_CHECK(formatCsv(table) == before, error->toString()); // all or nothing
        return 0;
    }

    FUZZ_CHECK(table.ConfigCount >= 0 && table.ConfigCount <= ConfigTable::MaxRecords,
               QString::number(table.ConfigCount));
    for (int k = 1; k <= table.recordCount(); ++k)
        FUZZ_CHECK(table.Configs(k).Name.size() <= MaxNameBytes, QString::number(k));

    // Round trip: the export of the table imports back to the same table, and exporting that
    // again gives the same bytes.
    before = formatCsv(table);
    const auto error = parseCsv(before, back, path);
    FUZZ_CHECK(!error, error ? error->toString() : QString());
    FUZZ_CHECK(back == table, QString());
    FUZZ_CHECK(formatCsv(back) == before, QString());
    return 0;
}
