#include "selectionedit.h"

#include <QTest>

#include <numeric>

using namespace weather;

namespace {

// Three records; Summer's wind of each as given, every other value its position.
ConfigTable threeRecords() {
    ConfigTable table;
    const std::array<std::array<qint16, WindCount>, 3> winds = {
        {{10, 20, 30, 40, 0}, {0, 0, 0, 0, 0}, {5, -1, 5, 5, 5}}};
    for (int slot = 1; slot <= 3; ++slot) {
        WeatherConfig& record = table.Configs(slot);
        record.Number = slot - 1;
        for (int s = 0; s < SeasonCount; ++s)
            for (int p = 0; p < SeasonValueCount; ++p)
                record.season(s).at(p) = qint16(p);
        record.Summer.Wind = winds[std::size_t(slot - 1)];
    }
    table.ConfigCount = 3;
    return table;
}

// "2:1 2 3 4 5" per changed record (the target's values), then "alone 2", or the refusal.
QString describe(const ChangeOutcome& outcome, const ValueTarget& target) {
    if (outcome.problem == ChangeOutcome::NegativeTotal)
        return QStringLiteral("negative total");
    if (outcome.problem == ChangeOutcome::OutOfRange)
        return QStringLiteral("refused %1 at %2: %3")
            .arg(outcome.slot)
            .arg(outcome.position)
            .arg(outcome.result);
    QStringList parts;
    for (const auto& [slot, record] : outcome.changed) {
        QStringList values;
        for (const int p : target.positions())
            values << QString::number(record.season(target.season).at(p));
        parts << QString::number(slot) + QLatin1Char(':') + values.join(u' ');
    }
    for (const int slot : outcome.leftAlone)
        parts << QStringLiteral("alone %1").arg(slot);
    return parts.join(QStringLiteral("; "));
}

} // namespace

class TestSelectionEdit : public QObject {
    Q_OBJECT
private slots:
    void scaling_data();
    void scaling();
    void changes_data();
    void changes();
};

void TestSelectionEdit::scaling_data() {
    QTest::addColumn<QList<qint64>>("weights");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QList<qint64>>("shares");
    QTest::newRow("exact quotas") << QList<qint64>{1, 1, 2} << qint64(100)
                                  << QList<qint64>{25, 25, 50};
    QTest::newRow("equal remainders: earlier first")
        << QList<qint64>{1, 1, 1} << qint64(100) << QList<qint64>{34, 33, 33};
    QTest::newRow("largest remainder, not the largest value")
        << QList<qint64>{2, 3, 5} << qint64(7) << QList<qint64>{1, 2, 4};
    QTest::newRow("two left over, largest remainders")
        << QList<qint64>{1, 1, 1, 1, 1, 1, 1} << qint64(100)
        << QList<qint64>{15, 15, 14, 14, 14, 14, 14};
    QTest::newRow("zeros stay zero")
        << QList<qint64>{0, 3, 0, 1, 0} << qint64(10) << QList<qint64>{0, 8, 0, 2, 0};
    QTest::newRow("to zero") << QList<qint64>{4, 5} << qint64(0) << QList<qint64>{0, 0};
    QTest::newRow("shrinking") << QList<qint64>{300, 200, 100, 50, 50} << qint64(7)
                               << QList<qint64>{3, 2, 1, 1, 0};
    QTest::newRow("smallest value gets the one left over")
        << QList<qint64>{32767, 32767, 1} << qint64(32767) << QList<qint64>{16383, 16383, 1};
}

void TestSelectionEdit::scaling() {
    QFETCH(QList<qint64>, weights);
    QFETCH(qint64, total);
    QFETCH(QList<qint64>, shares);
    const QList<qint64> result = scaleToTotal(weights, total);
    QCOMPARE(result, shares);
    QCOMPARE(std::accumulate(result.begin(), result.end(), qint64(0)), total);
}

void TestSelectionEdit::changes_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("position");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<QString>("outcome");
    const QList<int> all{1, 2, 3};
    const int single = ValueTarget::Single;
    const int wind = ValueTarget::Wind;
    QTest::newRow("set one value; unchanged records left out")
        << int(ValueChange::Set) << single << 1 << qint64(10) << 1.0 << all << "2:10; 3:10";
    QTest::newRow("set a group") << int(ValueChange::Set) << wind << 0 << qint64(7) << 1.0
                                 << QList<int>{2} << "2:7 7 7 7 7";
    QTest::newRow("set the start day") << int(ValueChange::Set) << single << 0 << qint64(-32768)
                                       << 1.0 << QList<int>{3} << "3:-32768";
    QTest::newRow("add negative") << int(ValueChange::Add) << single << 2 << qint64(-21) << 1.0
                                  << all << "1:-1; 2:-21; 3:-22";
    // Slots 2 and 3 are computed before slot 1 fails, and still not reported.
    QTest::newRow("add past the top refuses at the first fault")
        << int(ValueChange::Add) << wind << 0 << qint64(32760) << 1.0 << QList<int>{2, 3, 1}
        << "refused 1 at 1: 32770";
    QTest::newRow("set past the bottom") << int(ValueChange::Set) << single << 5 << qint64(-32769)
                                         << 1.0 << QList<int>{3} << "refused 3 at 5: -32769";
    QTest::newRow("huge amount refuses, not wraps")
        << int(ValueChange::Add) << single << 1 << std::numeric_limits<qint64>::max() << 1.0
        << QList<int>{1} << QStringLiteral("refused 1 at 1: %1").arg(double(qint64(1) << 40) + 10);
    QTest::newRow("multiply rounds half away from zero")
        << int(ValueChange::Multiply) << wind << 0 << qint64(0) << 0.25 << QList<int>{1, 3}
        << "1:3 5 8 10 0; 3:1 0 1 1 1";
    QTest::newRow("multiply negative half") << int(ValueChange::Multiply) << wind << 0 << qint64(0)
                                            << 1.1 << QList<int>{3} << "3:6 -1 6 6 6";
    QTest::newRow("multiply into range limit")
        << int(ValueChange::Multiply) << single << 4 << qint64(0) << 819.175 << QList<int>{1}
        << "1:32767";
    QTest::newRow("multiply out of range") << int(ValueChange::Multiply) << single << 4 << qint64(0)
                                           << 819.2 << QList<int>{1} << "refused 1 at 4: 32768";
    QTest::newRow("multiply by nothing a number")
        << int(ValueChange::Multiply) << single << 5 << qint64(0) << qInf() << QList<int>{1}
        << "refused 1 at 5: nan";
    QTest::newRow("scale leaves zeros and negatives alone")
        << int(ValueChange::ScaleToTotal) << wind << 0 << qint64(7) << 1.0 << all
        << "1:1 1 2 3 0; alone 2; alone 3";
    QTest::newRow("scale to what it is changes nothing")
        << int(ValueChange::ScaleToTotal) << wind << 0 << qint64(100) << 1.0 << all
        << "alone 2; alone 3";
    QTest::newRow("scale beyond a value's range")
        << int(ValueChange::ScaleToTotal) << wind << 0 << qint64(100000) << 1.0 << all
        << "refused 1 at 4: 40000";
    QTest::newRow("negative total") << int(ValueChange::ScaleToTotal) << wind << 0 << qint64(-1)
                                    << 1.0 << all << "negative total";
}

void TestSelectionEdit::changes() {
    QFETCH(int, kind);
    QFETCH(int, group);
    QFETCH(int, position);
    QFETCH(qint64, amount);
    QFETCH(double, factor);
    QFETCH(QList<int>, chosen);
    QFETCH(QString, outcome);
    ValueChange change;
    change.kind = ValueChange::Kind(kind);
    change.target = {Summer, ValueTarget::Group(group), position};
    change.amount = amount;
    change.factor = factor;
    const ChangeOutcome result = computeChange(threeRecords(), chosen, change);
    QCOMPARE(describe(result, change.target), outcome);
    // A refused change reports no records, even those before the fault that it had computed.
    QCOMPARE(result.ok(), result.changed.size() + result.leftAlone.size() > 0);
}

QTEST_APPLESS_MAIN(TestSelectionEdit)
#include "tst_selectionedit.moc"
