// libFuzzer target for the CSV import: any bytes either fail with an error on a line of the input
// that leaves the table as it was, or import into a table whose export with each separator, in
// UTF-8 and in UTF-16, imports back to the same table and exports to the same bytes. Text that is
// valid UTF-8 imports from its UTF-16 form exactly as from itself, error for error, and text
// that is not imports as its Windows-1252 reading in UTF-8 does.
#include "codepage.h"
#include "configfile.h"
#include "csvfile.h"
#include "fuzzcheck.h"
#include "tableedit.h"

#include <QByteArrayView>
#include <QStringDecoder>

#include <array>
#include <cstdint>
#include <optional>

using namespace weather;

namespace {

constexpr std::array<CsvSeparator, 3> Separators = {CsvSeparator::Comma, CsvSeparator::Semicolon,
                                                    CsvSeparator::Tab};

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

// The UTF-16 form of UTF-8 bytes (one leading byte-order mark dropped), with its byte-order
// mark; nothing when the bytes are not UTF-8.
std::optional<QByteArray> toUtf16(QByteArrayView utf8, bool bigEndian) {
    if (utf8.startsWith("\xEF\xBB\xBF"))
        utf8 = utf8.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder(utf8);
    if (decoder.hasError())
        return std::nullopt;
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    out.reserve(2 + 2 * text.size());
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        out.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return out;
}

QString outcome(const std::optional<FileError>& error) {
    return error ? error->toString() : QStringLiteral("imported");
}

// The table's export with `separator` imports back to it, and exports to the same bytes; so do
// its UTF-16 forms.
void checkRoundTrip(const ConfigTable& table, CsvSeparator separator, const QString& path) {
    static ConfigTable back;
    const QByteArray csv = formatCsv(table, separator);
    auto error = parseCsv(csv, back, path);
    FUZZ_CHECK(!error, outcome(error));
    FUZZ_CHECK(back == table, QString());
    FUZZ_CHECK(formatCsv(back, separator) == csv, QString());
    for (const bool bigEndian : {false, true}) {
        error = parseCsv(*toUtf16(csv, bigEndian), back, path);
        FUZZ_CHECK(!error, outcome(error));
        FUZZ_CHECK(back == table, QString());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    const QString path = QStringLiteral("fuzz/weather.csv");
    // `table` lives across inputs and keeps the last CSV that imported, so that a failed import
    // is checked against a table that is not empty.
    static ConfigTable table;
    static ConfigTable fromUtf16;
    static QByteArray before = formatCsv(table);

    const auto error = parseCsv(data, table, path);

    // The same text in UTF-16 gives the same table or the same message on the same line.
    if (const auto utf16 = toUtf16(data, size % 2 != 0)) {
        const auto error16 = parseCsv(*utf16, fromUtf16, path);
        FUZZ_CHECK(outcome(error16) == outcome(error), outcome(error16) + " / " + outcome(error));
        FUZZ_CHECK(error || fromUtf16 == table, QString());
    }

    // Bytes without a byte-order mark that are not UTF-8 read as their Windows-1252 characters
    // would in UTF-8.
    if (!data.startsWith("\xEF\xBB\xBF") && !data.startsWith("\xFF\xFE") &&
        !data.startsWith("\xFE\xFF") && !data.isValidUtf8()) {
        static ConfigTable fromAnsi;
        const auto errorAnsi = parseCsv(fromWindows1252(data).toUtf8(), fromAnsi, path);
        FUZZ_CHECK(outcome(errorAnsi) == outcome(error),
                   outcome(errorAnsi) + " / " + outcome(error));
        FUZZ_CHECK(error || fromAnsi == table, QString());
    }

    if (error) {
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

    for (const CsvSeparator separator : Separators)
        checkRoundTrip(table, separator, path);
    before = formatCsv(table);
    return 0;
}
