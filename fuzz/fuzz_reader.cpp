// libFuzzer target for the reader: any bytes either fail with an error on a line of the input,
// or load into a table that the writer writes and the reader reads back to the same table, and
// that keeps the input's own text where the game reads no data: the header line, each record's
// five lines before its name line, and the bytes after the last record.
#include "configfile.h"
#include "fuzzcheck.h"

#include <QByteArrayView>
#include <QList>

#include <cstdint>
#include <cstring>

using namespace weather;

namespace {

// Lines as the reader counts them: every LF ends one, and bytes after the last LF make one more.
qsizetype lineCount(QByteArrayView data) {
    const qsizetype feeds = data.count('\n');
    return feeds + (data.isEmpty() || data.endsWith('\n') ? 0 : 1);
}

// The lines as the reader splits them: on LF, one CR before it (or at the very end) dropped.
QList<QByteArrayView> linesOf(QByteArrayView data) {
    QList<QByteArrayView> lines;
    while (!data.isEmpty()) {
        const qsizetype feed = data.indexOf('\n');
        QByteArrayView line = feed < 0 ? data : data.first(feed);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        data = feed < 0 ? QByteArrayView() : data.sliced(feed + 1);
    }
    return lines;
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

    // The text the game does not read is the input's own, and the writer puts it back.
    const QList<QByteArrayView> lines = linesOf(data);
    FUZZ_CHECK(lines.value(0) == headerLine(table), QString());
    for (int k = 1; k <= table.recordCount(); ++k) {
        const auto kept = blockLines(table.Configs(k));
        for (int i = 0; i < BlockLineCount; ++i)
            FUZZ_CHECK(lines.value(2 + 10 * (k - 1) + i) == kept.at(std::size_t(i)),
                       QString::number(k));
    }
    const QByteArray& trailing = table.TrailingText;
    const qsizetype trailingAt = data.size() - trailing.size();
    FUZZ_CHECK(data.endsWith(trailing) && (trailing.isEmpty() || data[trailingAt - 1] == '\n'),
               QString());

    // Round trip: what the writer makes of the table reads back to the same table, and writing
    // that again gives the same bytes.
    before = formatConfig(table);
    const auto error = parseConfig(before, back, path);
    FUZZ_CHECK(!error, error ? error->toString() : QString());
    FUZZ_CHECK(back == table, QString());
    FUZZ_CHECK(formatConfig(back) == before, QString());
    FUZZ_CHECK(before.endsWith(trailing), QString());
    return 0;
}
