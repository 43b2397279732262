// Rows in the export's own layout take a quicker way through the import than other rows; both
// ways must read the same values and find the same faults.
#include "configfile.h"
#include "csvfile.h"
#include "testfiles.h"

#include <QTest>

using namespace weather;

namespace {

// The export of a dozen configurations, row 1's field of `column` set to `text`, with `eol` as
// every line end; with `notes`, each line gets one more column, which takes the import off the
// export's own layout.
QByteArray csvWith(const QByteArray& column, const QByteArray& text, const QByteArray& eol,
                   bool notes) {
    const QByteArray bom = "\xEF\xBB\xBF";
    QByteArrayList lines = formatCsv(testfiles::makeTable(12)).sliced(bom.size()).split('\n');
    lines.removeLast(); // after the last line end
    const qsizetype index = lines[0].chopped(1).split(',').indexOf(column);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArrayList fields = lines[i].chopped(1).split(','); // without the CR
        if (i == 1)
            fields[index] = text;
        if (notes)
            fields << (i == 0 ? "Notes" : "note");
        lines[i] = fields.join(',') + eol;
    }
    return bom + lines.join();
}

QString outcome(const QByteArray& csv, ConfigTable& table) {
    const auto error = parseCsv(csv, table, QStringLiteral("in.csv"));
    return error ? error->toString() : QStringLiteral("read");
}

} // namespace

class TestCsvLayout : public QObject {
    Q_OBJECT
private slots:
    void bothWaysAgree_data() {
        QTest::addColumn<QByteArray>("column");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("eol");
        const struct {
            const char* column;
            QByteArray text;
            const char* eol = "\r\n";
        } cases[] = {
            {"Spring Start Day", "-32768"},
            {"Spring Start Day", "32767"},
            {"Summer Gusty", "-0"},
            {"Summer Gusty", "00000"},
            {"Summer Gusty", "000017"},
            {"Summer Gusty", "32768"},
            {"Summer Gusty", "-32769"},
            {"Summer Gusty", "99999"},
            {"Summer Gusty", "123456789"},
            {"Summer Gusty", ""},
            {"Summer Gusty", "-"},
            {"Summer Gusty", "--1"},
            {"Summer Gusty", "1-"},
            {"Summer Gusty", " 5"},
            {"Summer Gusty", "2S"},
            {"Summer Gusty", "\"7\""},
            {"Winter Very Hot", "-32768"},
            {"Winter Very Hot", "40000"},
            {"Winter Very Hot", "7", "\n"},
            {"Winter Very Hot", "7", "\r"},
            {"Winter Very Hot", "1234567"},
            {"Winter Very Hot", "5 "},
            {"Number", "-2147483648"},
            {"Number", "2147483648"},
            {"Name", "'=x"},
            {"Name", "a\"b"},
            {"Name", "Caf\xC3\xA9"},
            {"Name", "Caf\xE9"},
            {"Name", QByteArray(255, 'x')},
            {"Name", QByteArray(256, 'x')},
        };
        for (const auto& c : cases) {
            const QByteArray eol = c.eol;
            QTest::addRow("%s %s%s", c.column, c.text.left(12).constData(),
                          eol == "\r\n" ? ""
                          : eol == "\n" ? " LF"
                                        : " CR")
                << QByteArray(c.column) << c.text << eol;
        }
    }
    void bothWaysAgree() {
        QFETCH(QByteArray, column);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, eol);
        ConfigTable quick;
        ConfigTable careful;
        QCOMPARE(outcome(csvWith(column, text, eol, false), quick),
                 outcome(csvWith(column, text, eol, true), careful));
        QCOMPARE(quick, careful);
    }
};

QTEST_APPLESS_MAIN(TestCsvLayout)
#include "tst_csvlayout.moc"
