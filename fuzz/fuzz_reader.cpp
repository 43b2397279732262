// libFuzzer target for the reader: any bytes either fail with an error on a line of the input,
// or load into a table that the writer writes and the reader reads back to the same table.
#include "configfile.h"
#include "fuzzcheck.h"

#include <QByteArrayView>

#include <cstdint>
#include <cstring>

using namespace weather;

namespace {

// Lines as the reader counts them: every LF ends one, and bytes after the last LF make one more.
qsizetype lineCount(QByteArrayView data) {
    const qsizetype feeds = data.count('\n');
    return feeds + (data.isEmpty() || data.endsWith('\n') ? 0 : 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    const QString path = QStringLiteral("fuzz/weather.cfg");
    // `table` lives across inputs and keeps the last file that loaded, so that a failed load is
    // checked against a table that is not empty.
    static ConfigTable table;
    static ConfigTable back;
    static QByteArray before = formatConfig(table);

    if (const auto error = parseConfig(data, table, path)) {
        // The error names the line where the problem is, or the line that was expected after
        // the last one, and says what is wrong in words.
        FUZZ_CHECK(error->line >= 1 && error->line <= lineCount(data) + 1, error->toString());
        FUZZ_CHECK(!error->message.isEmpty(), error->toString());
        FUZZ_CHECK(error->path == path, error->toString());
        FUZZ_CHECK(formatConfig(table) == before, error->toString()); // all or nothing
        return 0;
    }

    FUZZ_CHECK(table.ConfigCount <= ConfigTable::MaxRecords, QString::number(table.ConfigCount));
    FUZZ_CHECK(table.Configs(0) == WeatherConfig(), QString());
    if (table.recordCount() < ConfigTable::LastSlot)
        FUZZ_CHECK(table.Configs(table.recordCount() + 1) == WeatherConfig(), QString());

    // Round trip: what the writer makes of the table reads back to the same table, and writing
    // that again gives the same bytes.
    before = formatConfig(table);
    const auto error = parseConfig(before, back, path);
    FUZZ_CHECK(!error, error ? error->toString() : QString());
    FUZZ_CHECK(back == table, QString());
    FUZZ_CHECK(formatConfig(back) == before, QString());
    return 0;
}
