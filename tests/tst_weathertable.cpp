#include "weathertable.h"

#include <QTest>

using namespace weather;

class TestWeatherTable : public QObject {
    Q_OBJECT
private slots:
    void startsEmpty() {
        const ConfigTable table;
        QCOMPARE(table.ConfigCount, 0);
        for (int slot : {0, 1, 5000, 10000}) {
            const WeatherConfig& c = table.Configs(slot);
            QCOMPARE(c.Number, 0);
            QVERIFY(c.Name.isEmpty());
            for (int s = 0; s < SeasonCount; ++s)
                for (int p = 0; p < SeasonValueCount; ++p)
                    QCOMPARE(c.season(s).at(p), qint16(0));
        }
    }

    void slotBounds_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("valid");
        QTest::newRow("0") << 0 << true;
        QTest::newRow("10000") << 10000 << true;
        QTest::newRow("10001") << 10001 << false;
        QTest::newRow("-1") << -1 << false;
        QTest::newRow("int min") << std::numeric_limits<int>::min() << false;
    }
    void slotBounds() {
        QFETCH(int, index);
        QFETCH(bool, valid);
        ConfigTable table;
        if (valid) {
            table.Configs(index).Number = 42;
            QCOMPARE(std::as_const(table).Configs(index).Number, 42);
            return;
        }
        try {
            table.Configs(index).Number = 42;
            QFAIL("access outside 0..10000 did not fail");
        } catch (const IndexOutOfRange& e) {
            QCOMPARE(e.index(), index);
            QVERIFY(QByteArray(e.what()).contains("index out of range"));
        }
        QVERIFY_THROWS_EXCEPTION(IndexOutOfRange, (void)std::as_const(table).Configs(index));
        QCOMPARE(table, ConfigTable()); // nothing was touched
    }

    // A copy keeps the table's promise: references to its slots survive writes to other slots.
    void copiesKeepSlotsInPlace_data() {
        QTest::addColumn<bool>("assigned");
        QTest::newRow("copy-constructed") << false;
        QTest::newRow("assigned to a fresh table") << true;
    }
    void copiesKeepSlotsInPlace() {
        QFETCH(bool, assigned);
        ConfigTable original;
        original.Configs(2).Name = "Two";
        ConfigTable target;
        ConfigTable copy(original);
        if (assigned) {
            target = original;
            copy.swap(target);
        }
        const WeatherConfig& kept = copy.Configs(1);
        const WeatherConfig* const where = &kept;
        copy.Configs(2).Number = 2;
        copy.Configs(ConfigTable::LastSlot).Name = "Last";
        QCOMPARE(&copy.Configs(1), where);
        QCOMPARE(kept, WeatherConfig());
        QCOMPARE(copy.Configs(2).Name, QByteArray("Two"));
        QCOMPARE(original.Configs(2).Number, 0); // the original is a table of its own
    }

    // Positions reach the named fields in file order.
    void positions() {
        SeasonWeather w;
        for (int p = 0; p < SeasonValueCount; ++p)
            w.at(p) = static_cast<qint16>(p + 100);
        QCOMPARE(w.StartDay, qint16(100));
        QCOMPARE(w.Wind[0], qint16(101));
        QCOMPARE(w.Wind[4], qint16(105));
        QCOMPARE(w.Precipitation[0], qint16(106));
        QCOMPARE(w.Precipitation[4], qint16(110));
        QCOMPARE(w.Warmth[0], qint16(111));
        QCOMPARE(w.Warmth[6], qint16(117));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)w.at(18));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)w.at(-1));
    }

    void seasonsByIndex() {
        WeatherConfig c;
        c.season(Summer).StartDay = 7;
        c.season(Winter).StartDay = 9;
        QCOMPARE(c.Summer.StartDay, qint16(7));
        QCOMPARE(c.Winter.StartDay, qint16(9));
        QCOMPARE(c.Spring.StartDay, qint16(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)c.season(4));
    }

    void valueNames_data() {
        QTest::addColumn<int>("season");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::newRow("start") << 0 << 0 << "Spring Start Day";
        QTest::newRow("gusty") << 1 << 3 << "Summer Gusty";
        QTest::newRow("downpour") << 2 << 10 << "Autumn Downpour";
        QTest::newRow("very hot") << 3 << 17 << "Winter Very Hot";
    }
    void valueNames() {
        QFETCH(int, season);
        QFETCH(int, position);
        QFETCH(QString, name);
        QCOMPARE(valueName(season, position), name);
    }
};

QTEST_APPLESS_MAIN(TestWeatherTable)
#include "tst_weathertable.moc"
