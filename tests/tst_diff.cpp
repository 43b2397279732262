// The comparison of two tables and the --diff command around it.
#include "configdiff.h"
#include "configfile.h"
#include "diffcommand.h"
#include "testfiles.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace testfiles;
using weather::ConfigTable;

Q_DECLARE_METATYPE(weather::ConfigTable)

namespace {

ConfigTable example() {
    ConfigTable table;
    if (const auto error = weather::loadConfigFile(examplePath(), table))
        qFatal("%s", qPrintable(error->toString()));
    return table;
}

// The example, changed by `edit`.
ConfigTable edited(const std::function<void(ConfigTable&)>& edit) {
    ConfigTable table = example();
    edit(table);
    return table;
}

// Slot 4 holds "3 Continental Plains", whose Winter Very Hot is 9.
void warmerWinter(ConfigTable& t) {
    t.Configs(4).Winter.Warmth[6] = 11;
}

void appendCopy(ConfigTable& t) {
    t.Configs(9) = t.Configs(7);
    t.Configs(9).Number = 9;
    t.Configs(9).Name = "Alpine Valley (copy)";
    t.ConfigCount = 9;
}

} // namespace

class TestDiff : public QObject {
    Q_OBJECT
private slots:
    // The lines for OLD.cfg against NEW.cfg, the summary last.
    void lines_data() {
        QTest::addColumn<ConfigTable>("oldTable");
        QTest::addColumn<ConfigTable>("newTable");
        QTest::addColumn<QStringList>("expected");
        const ConfigTable ex = example();
        QTest::newRow("equal") << ex << ex << QStringList{"8 configurations, no differences"};
        QTest::newRow("a value") << ex << edited(warmerWinter)
                                 << QStringList{"3 Continental Plains: Winter Very Hot 9 -> 11",
                                                "1 configuration differs"};
        QTest::newRow("number, name and value, in file order, and one only in NEW")
            << ex << edited([](ConfigTable& t) {
                   warmerWinter(t);
                   t.Configs(4).Name = "Continental Steppe";
                   t.Configs(4).Number = 30;
                   t.Configs(1).Spring.StartDay = 61;
                   appendCopy(t);
               })
            << QStringList{"0 Temperate Coast: Spring Start Day 60 -> 61",
                           "3 Continental Plains: number 3 -> 30",
                           QStringLiteral("3 Continental Plains: name \"Continental Plains\" -> "
                                          "\"Continental Steppe\""),
                           "3 Continental Plains: Winter Very Hot 9 -> 11",
                           "9 Alpine Valley (copy): only in NEW.cfg",
                           "2 configurations differ, 1 only in NEW.cfg"};
        QTest::newRow("only in OLD") << edited(appendCopy) << ex
                                     << QStringList{"9 Alpine Valley (copy): only in OLD.cfg",
                                                    "1 configuration only in OLD.cfg"};
        // Windows-1252 decoded; quotes and backslashes escaped, invisible characters (0x81 is
        // undefined in the code page) named as every message names them, in the first field too.
        QTest::newRow("odd names")
            << edited([](ConfigTable& t) { t.Configs(2).Name = "Hi\rlands"; })
            << edited(
                   [](ConfigTable& t) { t.Configs(2).Name = "Z\xfcrich \"\\\t\x81\x80\xa0\xad"; })
            << QStringList{"1 Hi<U+000D>lands: name \"Hi<U+000D>lands\" -> "
                           "\"Zürich \\\"\\\\<U+0009><U+0081>€<U+00A0><U+00AD>\"",
                           "1 configuration differs"};
        // The lines the game does not read: a change is listed, never silent.
        QTest::newRow("file text")
            << ex << edited([](ConfigTable& t) {
                   t.HeaderLine = "# My tuned weather, v3";
                   t.Configs(3).Comments = "\n# Start Day, tuned\n#\n#\n#";
                   t.TrailingText = "\r\nmore\r\n";
               })
            << QStringList{QStringLiteral("header line \"# Number of weather configurations in "
                                          "file\" -> \"# My tuned weather, v3\""),
                           QStringLiteral("2 Mediterranean: comment line 1 \"# Start Day,\" -> "
                                          "\"# Start Day, tuned\""),
                           QStringLiteral("2 Mediterranean: comment line 2 \"# Wind (Calm, "
                                          "Breezy, Gusty, Strong, Gale)\" -> \"#\""),
                           QStringLiteral("2 Mediterranean: comment line 3 \"# Precipitation "
                                          "(Dry, Wet, Drizzle, Shower, Down Pour)\" -> \"#\""),
                           QStringLiteral("2 Mediterranean: comment line 4 \"# Warmth "
                                          "(Freezing, Cold, Mild, Fine, Warm, Hot, Very Hot)\" "
                                          "-> \"#\""),
                           "text after the last configuration: 0 lines -> 2 lines",
                           QStringLiteral("1 configuration differs; the header line differs; "
                                          "the text after the last configuration differs")};
        QTest::newRow("no records in either")
            << ConfigTable() << ConfigTable() << QStringList{"0 configurations, no differences"};
    }
    void lines() {
        QFETCH(ConfigTable, oldTable);
        QFETCH(ConfigTable, newTable);
        QFETCH(QStringList, expected);
        const weather::TableDiff diff(oldTable, newTable, "OLD.cfg", "NEW.cfg");
        QByteArray text;
        diff.writeLines([&text](QByteArrayView lines) { text += lines; });
        QStringList lines = QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines + QStringList{diff.summary()}, expected);
        QCOMPARE(diff.counts().equal(), expected.size() == 1 && oldTable == newTable);
        // The window's table has the same parts, one row per line.
        QCOMPARE(qsizetype(diff.differences().size()), lines.size());
        for (std::size_t i = 0; i < diff.differences().size(); ++i)
            QCOMPARE(diff.line(diff.differences()[i]), lines[qsizetype(i)]);
    }

    // Exit codes as diff(1) has them; a file that fails is reported on the error stream only.
    void command_data() {
        QTest::addColumn<QString>("oldFile");
        QTest::addColumn<QString>("newFile");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("equal, other line ends")
            << "ex.cfg"
            << "lf.cfg" << 0 << "8 configurations, no differences\n"
            << "";
        QTest::newRow("differ") << "ex.cfg"
                                << "warm.cfg" << 1
                                << "3 Continental Plains: Winter Very Hot 9 -> 11\n"
                                   "1 configuration differs\n"
                                << "";
        QTest::newRow("a file fails") << "bad.cfg"
                                      << "ex.cfg" << 2 << ""
                                      << "bad.cfg:20: Summer Gusty is not a whole number: \"2S\"\n";
        QTest::newRow("both fail") << "bad.cfg"
                                   << "none.cfg" << 2 << ""
                                   << "bad.cfg:20: Summer Gusty is not a whole number: \"2S\"\n"
                                      "none.cfg: the file does not exist\n";
    }
    void command() {
        QFETCH(QString, oldFile);
        QFETCH(QString, newFile);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        QByteArray ex = readAll(examplePath());
        QByteArray lf = ex;
        lf.replace("\r\n", "\n");
        QByteArray bad = ex;
        bad.replace("SUMMER: 151, W20, W27, W25", "SUMMER: 151, W20, W27, W2S");
        QVERIFY(writeAll("ex.cfg", ex) && writeAll("lf.cfg", lf) && writeAll("bad.cfg", bad) &&
                writeAll("warm.cfg", weather::formatConfig(edited(warmerWinter))));
        QBuffer printed;
        printed.open(QIODevice::WriteOnly);
        QString reported;
        QTextStream errStream(&reported);
        QCOMPARE(runDiff(oldFile, newFile, printed, errStream), status);
        QCOMPARE(QString::fromUtf8(printed.data()), out);
        QCOMPARE(reported, err);
    }
};

QTEST_APPLESS_MAIN(TestDiff)
#include "tst_diff.moc"
