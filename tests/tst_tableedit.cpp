// The code page, names typed by the user, and appending and removing records at the end.
#include "codepage.h"
#include "tableedit.h"

#include <QTest>

#include <limits>
#include <numeric>

using weather::ConfigTable;
using weather::EncodedName;

Q_DECLARE_METATYPE(weather::EncodedName::Problem)
Q_DECLARE_METATYPE(weather::AppendProblem)

namespace {

// A table of records numbered `numbers`, record k named "Climate k" with Summer start day k.
ConfigTable tableOf(const QList<int>& numbers) {
    ConfigTable table;
    for (int k = 1; k <= numbers.size(); ++k) {
        weather::WeatherConfig& config = table.Configs(k);
        config.Number = numbers[k - 1];
        config.Name = "Climate " + QByteArray::number(k);
        config.Summer.StartDay = qint16(k);
    }
    table.ConfigCount = qint32(numbers.size());
    return table;
}

} // namespace

class TestTableEdit : public QObject {
    Q_OBJECT

private slots:
    void everyByteRoundTrips();
    void encodeName_data();
    void encodeName();
    void copyName_data();
    void copyName();
    void appendThenRemove_data();
    void appendThenRemove();
    void appendRefused_data();
    void appendRefused();
};

void TestTableEdit::everyByteRoundTrips() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const auto back = weather::toWindows1252(weather::fromWindows1252(all));
    QVERIFY(back);
    QCOMPARE(*back, all);
}

void TestTableEdit::encodeName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<EncodedName::Problem>("problem");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<uint>("character");
    const auto ok = [](const char* row, const QString& name, const QByteArray& bytes) {
        QTest::newRow(row) << name << EncodedName::None << bytes << 0U;
    };
    const auto bad = [](const char* row, const QString& name, EncodedName::Problem problem,
                        uint character) {
        QTest::newRow(row) << name << problem << QByteArray() << character;
    };
    ok("plain", "Alpine Valley", "Alpine Valley");
    ok("blanks kept", "  Coast ", "  Coast ");
    ok("empty", "", "");
    ok("euro and accents", QString::fromUtf8("Café € ‰"), "Caf\xE9 \x80 \x89");
    ok("undefined byte 0x9D", QString(QChar(0x9D)), "\x9D");
    ok("255 accented", QString(255, QChar(0xE9)), QByteArray(255, '\xE9'));
    bad("256 bytes", QString(256, 'a'), EncodedName::TooLong, 0);
    bad("line feed", "North\nSouth", EncodedName::LineBreak, '\n');
    bad("carriage return", "North\r", EncodedName::LineBreak, '\r');
    bad("snowman", QString::fromUtf8("Snow ☃ Land"), EncodedName::NotInCodePage, 0x2603);
    bad("outside the basic plane", QString::fromUtf8("Sun 🌞"), EncodedName::NotInCodePage, 0x1F31E);
    bad("Latin-1 control beside the code page", QString(QChar(0x85)), EncodedName::NotInCodePage,
        0x85);
}

void TestTableEdit::encodeName() {
    QFETCH(QString, name);
    QFETCH(EncodedName::Problem, problem);
    QFETCH(QByteArray, bytes);
    QFETCH(uint, character);
    const EncodedName encoded = weather::encodeName(name);
    QCOMPARE(encoded.problem, problem);
    if (problem == EncodedName::None)
        QCOMPARE(encoded.bytes, bytes);
    else
        QCOMPARE(uint(encoded.character), character);
}

void TestTableEdit::copyName_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("copy");
    QTest::newRow("short") << QByteArray("Coast") << QByteArray("Coast (copy)");
    QTest::newRow("fits exactly") << QByteArray(248, 'x') << QByteArray(248, 'x') + " (copy)";
    QTest::newRow("cut") << QByteArray(255, 'x') << QByteArray(248, 'x') + " (copy)";
}

void TestTableEdit::copyName() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, copy);
    QCOMPARE(weather::copyName(name), copy);
    QVERIFY(weather::copyName(name).size() <= weather::MaxNameBytes);
}

void TestTableEdit::appendThenRemove_data() {
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("copyNumber");
    QTest::newRow("0, 1, 2: copy of the first") << QList<int>{0, 1, 2} << 1 << 3;
    QTest::newRow("5, 6, 7: copy of the last") << QList<int>{5, 6, 7} << 3 << 8;
    QTest::newRow("numbers out of order") << QList<int>{9, -4} << 1 << -3;
}

// The copy goes after the last record, numbered one above it; removing it gives back the table
// as it was, slot for slot.
void TestTableEdit::appendThenRemove() {
    QFETCH(QList<int>, numbers);
    QFETCH(int, slot);
    QFETCH(int, copyNumber);
    ConfigTable table = tableOf(numbers);
    const ConfigTable before = table;
    QCOMPARE(weather::appendProblem(table), weather::AppendProblem::None);
    const weather::WeatherConfig copy = weather::copyOf(table, slot);
    weather::appendRecord(table, copy);

    const int last = int(numbers.size()) + 1;
    QCOMPARE(table.ConfigCount, last);
    QCOMPARE(table.Configs(last).Number, copyNumber);
    QCOMPARE(table.Configs(last).Name, "Climate " + QByteArray::number(slot) + " (copy)");
    QCOMPARE(table.Configs(last).Summer, before.Configs(slot).Summer);

    QCOMPARE(weather::removeLastRecord(table), copy);
    QVERIFY(table == before);
}

void TestTableEdit::appendRefused_data() {
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<weather::AppendProblem>("problem");
    QList<int> full(ConfigTable::MaxRecords);
    std::iota(full.begin(), full.end(), 0);
    QTest::newRow("10000 records") << full << weather::AppendProblem::TableFull;
    QTest::newRow("9999 records") << full.mid(1) << weather::AppendProblem::None;
    QTest::newRow("last number at the top") << QList<int>{0, std::numeric_limits<qint32>::max()}
                                            << weather::AppendProblem::NumberOverflow;
}

void TestTableEdit::appendRefused() {
    QFETCH(QList<int>, numbers);
    QFETCH(weather::AppendProblem, problem);
    QCOMPARE(weather::appendProblem(tableOf(numbers)), problem);
}

QTEST_APPLESS_MAIN(TestTableEdit)
#include "tst_tableedit.moc"
