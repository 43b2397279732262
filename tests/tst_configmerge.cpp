// Taking ticked differences from another file: which fields change, what is appended and with
// which numbers, and what is passed over.
#include "configfile.h"
#include "configmerge.h"
#include "testfiles.h"

#include <QTest>

#include <algorithm>
#include <limits>

using weather::ConfigTable;
using weather::Difference;

namespace {

// What a row changes in the other file's first configuration.
enum Edit { Value = 1, Name = 2, Number = 4, Comment = 8, StandardComment = 16 };
constexpr int v = Difference::Value;
constexpr int n = Difference::Name;

} // namespace

class TestConfigMerge : public QObject {
    Q_OBJECT

private slots:
    void mergeTicked_data();
    void mergeTicked();
};

void TestConfigMerge::mergeTicked_data() {
    QTest::addColumn<int>("windowCount");   // records in the window when compared
    QTest::addColumn<int>("otherCount");    // records in the other file
    QTest::addColumn<int>("edits");         // Edit flags on the other file's first record
    QTest::addColumn<QList<int>>("ticks");  // the kinds of difference ticked
    QTest::addColumn<int>("nowCount");      // records in the window when applied
    QTest::addColumn<qint32>("lastNumber"); // the last record's number then
    QTest::addColumn<QList<int>>("changedSlots");
    QTest::addColumn<QList<int>>("appendedNumbers");
    QTest::addColumn<int>("leftOut");

    using L = QList<int>;
    QTest::newRow("a value") << 3 << 3 << int(Value) << L{v} << 3 << 3 << L{1} << L{} << 0;
    QTest::newRow("the name, not the value")
        << 3 << 3 << (Value | Name) << L{n} << 3 << 3 << L{1} << L{} << 0;
    QTest::newRow("nothing ticked") << 3 << 3 << (Value | Name) << L{} << 3 << 3 << L{} << L{} << 0;
    QTest::newRow("number and a comment line")
        << 2 << 2 << (Number | Comment) << L{Difference::Number, Difference::BlockLine} << 2 << 2
        << L{1} << L{} << 0;
    QTest::newRow("comment lines back to the standard")
        << 2 << 2 << int(StandardComment) << L{Difference::BlockLine} << 2 << 2 << L{1} << L{} << 0;
    QTest::newRow("only in the window: nothing to take")
        << 4 << 2 << 0 << L{Difference::OnlyInNew} << 4 << 4 << L{} << L{} << 0;
    QTest::newRow("appended, numbered on from the last")
        << 2 << 5 << int(Value) << L{Difference::OnlyInOld} << 2 << 40 << L{} << L{41, 42, 43} << 0;
    QTest::newRow("numbered on from the last number as taken")
        << 1 << 3 << int(Number) << L{Difference::Number, Difference::OnlyInOld} << 1 << 1 << L{1}
        << L{78, 79} << 0;
    QTest::newRow("a value and appended")
        << 2 << 3 << int(Value) << L{v, Difference::OnlyInOld} << 2 << 2 << L{1} << L{3} << 0;
    QTest::newRow("table filled since: what fits")
        << 2 << 5 << 0 << L{Difference::OnlyInOld} << 9999 << 9999 << L{} << L{10000} << 2;
    QTest::newRow("no number above the last")
        << 2 << 4 << 0 << L{Difference::OnlyInOld} << 2 << std::numeric_limits<qint32>::max() << L{}
        << L{} << 2;
    QTest::newRow("one below the largest number")
        << 2 << 4 << 0 << L{Difference::OnlyInOld} << 2 << std::numeric_limits<qint32>::max() - 1
        << L{} << L{std::numeric_limits<qint32>::max()} << 1;
    QTest::newRow("record gone since: passed over")
        << 3 << 3 << (Value | Name) << L{v, n} << 0 << 0 << L{} << L{} << 0;
}

void TestConfigMerge::mergeTicked() {
    QFETCH(int, windowCount);
    QFETCH(int, otherCount);
    QFETCH(int, edits);
    QFETCH(QList<int>, ticks);
    QFETCH(int, nowCount);
    QFETCH(qint32, lastNumber);
    QFETCH(QList<int>, changedSlots);
    QFETCH(QList<int>, appendedNumbers);
    QFETCH(int, leftOut);

    const ConfigTable all = testfiles::makeTable(std::max(otherCount, windowCount), 1);
    ConfigTable window = all;
    window.ConfigCount = windowCount;
    ConfigTable other = all;
    other.ConfigCount = otherCount;
    for (int k = otherCount + 1; k <= all.ConfigCount; ++k)
        other.Configs(k) = {};
    for (int k = windowCount + 1; k <= otherCount; ++k)
        other.Configs(k).Name += " (pack)"; // told apart from the window's when appended
    window.Configs(1).Comments = (edits & StandardComment) != 0 ? "\n# a\n# b\n# c\n# d" : "";
    weather::WeatherConfig& first = other.Configs(1);
    if ((edits & Value) != 0)
        first.Summer.Wind[4] = qint16(first.Summer.Wind[4] + 7);
    if ((edits & Name) != 0)
        first.Name = "Other Coast";
    if ((edits & Number) != 0)
        first.Number = 77;
    if ((edits & Comment) != 0)
        first.Comments = "\n# Start Day, tuned\n#\n#\n#";
    other.HeaderLine = QByteArray("# a header of its own");
    const weather::TableDiff diff(other, window, QStringLiteral("pack.cfg"),
                                  QStringLiteral("the window"));
    std::vector<bool> ticked(diff.differences().size());
    std::transform(diff.differences().begin(), diff.differences().end(), ticked.begin(),
                   [&ticks](const Difference& d) { return ticks.contains(d.kind); });

    ConfigTable now = testfiles::makeTable(nowCount, 1);
    for (int k = 1; k <= std::min(nowCount, windowCount); ++k)
        now.Configs(k) = window.Configs(k);
    if (nowCount > 0)
        now.Configs(nowCount).Number = lastNumber;
    const weather::Merge merge = weather::mergeTicked(now, other, diff.differences(), ticked);

    QList<int> changedAt;
    for (const auto& [slot, record] : merge.changed) {
        changedAt << slot;
        // Each ticked field is the other file's, each other one the window's.
        const weather::WeatherConfig& from = other.Configs(slot);
        const weather::WeatherConfig& kept = now.Configs(slot);
        const auto pick = [&ticks](int kind, const auto& theirs, const auto& ours) {
            return ticks.contains(kind) ? theirs : ours;
        };
        QCOMPARE(record.Name, pick(n, from.Name, kept.Name));
        QCOMPARE(record.Number, pick(Difference::Number, from.Number, kept.Number));
        QCOMPARE(record.Summer, pick(v, from.Summer, kept.Summer));
        QCOMPARE(weather::blockLines(record),
                 pick(Difference::BlockLine, weather::blockLines(from), weather::blockLines(kept)));
        if (ticks.contains(Difference::BlockLine) && from.Comments.isEmpty())
            QVERIFY(record.Comments.isEmpty()); // written as the standard lines again
    }
    QCOMPARE(changedAt, changedSlots);
    QList<int> numbers;
    for (std::size_t i = 0; i < merge.appended.size(); ++i) {
        numbers << merge.appended[i].Number;
        QCOMPARE(merge.appended[i].Name, other.Configs(windowCount + 1 + int(i)).Name);
        QCOMPARE(merge.appended[i].Winter, other.Configs(windowCount + 1 + int(i)).Winter);
    }
    QCOMPARE(numbers, appendedNumbers);
    QCOMPARE(merge.leftOut, leftOut);
}

QTEST_APPLESS_MAIN(TestConfigMerge)
#include "tst_configmerge.moc"
