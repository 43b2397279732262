#include "configfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif
#include <type_traits>

using namespace weather;
using namespace testfiles;

namespace {

// The twelve lines of the documented one-record example, exactly as the game writes them.
const QByteArray DocumentedExample =
    "# Number of weather configurations in file\r\n"
    "1\r\n"
    "\r\n"
    "# Start Day,\r\n"
    "# Wind (Calm, Breezy, Gusty, Strong, Gale)\r\n"
    "# Precipitation (Dry, Wet, Drizzle, Shower, Down Pour)\r\n"
    "# Warmth (Freezing, Cold, Mild, Fine, Warm, Hot, Very Hot)\r\n"
    "0 Sample Coast\r\n"
    "Spring: 1, W20, W30, W25, W15, W10, P30, P25, P20, P15, P10, H5, H20, H30, H25,  H15, H5, "
    "H0\r\n"
    "SUMMER: 92, W35, W30, W20, W10, W5, P50, P20, P15, P10, P5, H0, H0, H10, H30,  H35, H20, "
    "H5\r\n"
    "AUTUMN: 183, W15, W25, W30, W20, W10, P20, P30, P25, P15, P10, H5, H25, H35, H20,  H10, H5, "
    "H0\r\n"
    "WINTER: 274, W10, W20, W30, W25, W15, P15, P25, P30, P20, P10, H30, H35, H20, H10,  H5, H0, "
    "H0\r\n";

ConfigTable parsed(const QByteArray& data) {
    ConfigTable table;
    const auto error = parseConfig(data, table);
    if (error)
        qWarning("unexpected error: %s", qPrintable(error->toString()));
    return table;
}

} // namespace

class TestConfigFile : public QObject {
    Q_OBJECT
private slots:
    void documentedExample() {
        ConfigTable table;
        QVERIFY(!parseConfig(DocumentedExample, table));
        QCOMPARE(table.ConfigCount, 1);
        const WeatherConfig& c = table.Configs(1);
        QCOMPARE(c.Number, 0);
        QCOMPARE(c.Name, QByteArray("Sample Coast"));
        QCOMPARE(c.Summer.StartDay, qint16(92));
        QCOMPARE(c.Summer.Wind[0], qint16(35));
        QCOMPARE(c.Summer.Precipitation[0], qint16(50));
        QCOMPARE(c.Summer.Warmth[4], qint16(35)); // the value behind the doubled blank
        QCOMPARE(c.Winter.Warmth[6], qint16(0));
        QCOMPARE(table.Configs(0), WeatherConfig());
        QCOMPARE(table.Configs(2), WeatherConfig());
        QCOMPARE(formatConfig(table), DocumentedExample);
    }

    void exampleRoundTrips() {
        const QByteArray original = readAll(examplePath());
        QVERIFY(!original.isEmpty());
        QCOMPARE(formatConfig(parsed(original)), original);
    }

    // Files written by hand in the exact layout come back byte for byte.
    void roundTrip_data() {
        QTest::addColumn<QByteArray>("data");
        const auto one = [](const QByteArray& nameLine) {
            return join(fileLines("1", recordLines(nameLine)));
        };
        QTest::newRow("count 0") << join(fileLines("0"));
        QTest::newRow("number 1000") << one("1000 Long");
        QTest::newRow("number 12345") << one("12345 Name");
        QTest::newRow("negative number") << one("-5 Cold");
        QTest::newRow("int32 max") << one("2147483647 Max");
        QTest::newRow("int32 min") << one("-2147483648 Min");
        QTest::newRow("digit after one-digit number") << one("7 4-4-2");
        QTest::newRow("blanks around name") << one("3   Windy  ");
        QTest::newRow("empty name") << one("4 ");
        QTest::newRow("high bytes") << one("5 Caf\xe9 \x80\x9f\xa0\xff");
        QTest::newRow("NUL in name") << one(QByteArray("6 a\0b", 5));
        QTest::newRow("extremes") << join(fileLines(
            "1", recordLines("0 Extremes").mid(0, 6) + QList<QByteArray>{
                                                           seasonLine(0, QList<int>(18, -32768)),
                                                           seasonLine(1, QList<int>(18, 32767)),
                                                           seasonLine(2, QList<int>(18, 0)),
                                                           seasonLine(3, sampleValues(9)),
                                                       }));
        QList<QByteArray> three;
        for (int k = 0; k < 3; ++k)
            three += recordLines("1" + QByteArray::number(k) + " Record", k);
        QTest::newRow("three records") << join(fileLines("3", three));
    }
    void roundTrip() {
        QFETCH(QByteArray, data);
        ConfigTable table;
        const auto error = parseConfig(data, table);
        QVERIFY2(!error, error ? qPrintable(error->toString()) : "");
        QCOMPARE(formatConfig(table), data);
    }

    void generatedTablesRoundTrip() {
        // Nine records from 2147483639 end exactly at the largest number.
        for (int first : {0, 1, 5, -7, 999, 1000, 2147483639}) {
            ConfigTable table = makeTable(9, first);
            table.Configs(3).Name = "  padded  ";
            table.Configs(4).Name.clear();
            ConfigTable back;
            QVERIFY(!parseConfig(formatConfig(table), back));
            QCOMPARE(back, table);
        }
    }

    void longestSeasonLine() {
        SeasonWeather w;
        for (int p = 0; p < SeasonValueCount; ++p)
            w.at(p) = -32768;
        QByteArray line;
        appendSeasonLine(line, Winter, w);
        QCOMPARE(line.size(), 168);
        QVERIFY(line.startsWith("WINTER: -32768, W-32768"));
        QVERIFY(line.contains(",  H-32768"));
    }

    // Number: the whole integer before the first blank; Name: every byte after it.
    void nameLine_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("0 Default") << QByteArray("0 Default") << 0 << QByteArray("Default");
        QTest::newRow("12 Sunny") << QByteArray("12 Sunny") << 12 << QByteArray("Sunny");
        QTest::newRow("123 X") << QByteArray("123 X") << 123 << QByteArray("X");
        QTest::newRow("1234 Long") << QByteArray("1234 Long") << 1234 << QByteArray("Long");
        QTest::newRow("12345 Name") << QByteArray("12345 Name") << 12345 << QByteArray("Name");
        QTest::newRow("-5 Cold") << QByteArray("-5 Cold") << -5 << QByteArray("Cold");
        QTest::newRow("7 4-4-2") << QByteArray("7 4-4-2") << 7 << QByteArray("4-4-2");
        QTest::newRow("5 blank") << QByteArray("5 ") << 5 << QByteArray();
        QTest::newRow("5 alone") << QByteArray("5") << 5 << QByteArray();
        QTest::newRow("blanks kept") << QByteArray("8  two  ") << 8 << QByteArray(" two  ");
        QTest::newRow("007") << QByteArray("007 Bond") << 7 << QByteArray("Bond");
    }
    void nameLine() {
        QFETCH(QByteArray, line);
        QFETCH(int, number);
        QFETCH(QByteArray, name);
        ConfigTable table;
        const auto error = parseConfig(join(fileLines("1", recordLines(line))), table);
        QVERIFY2(!error, error ? qPrintable(error->toString()) : "");
        QCOMPARE(table.Configs(1).Number, number);
        QCOMPARE(table.Configs(1).Name, name);
    }

    // Every class of error, with the line it names and words from its message.
    void errors_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("words");
        const QList<QByteArray> good = recordLines("0 Good");
        const auto withLine = [&](int index, const QByteArray& replacement) {
            QList<QByteArray> lines = fileLines("2", good + recordLines("1 Second", 1));
            lines[index] = replacement;
            return join(lines);
        };
        const auto seasonWith = [](int season, int position, const QByteArray& text) {
            QByteArray line = seasonLine(season, sampleValues(1));
            QList<QByteArray> fields = line.mid(8).split(',');
            fields[position] = position == 0 ? text : " " + text;
            return line.left(8) + fields.join(',');
        };
        QTest::newRow("empty file") << QByteArray() << 1 << "the file is empty";
        QTest::newRow("header only") << QByteArray("# header\r\n") << 2 << "ends after line 1";
        QTest::newRow("count not a number") << join(fileLines("three")) << 2 << "\"three\"";
        QTest::newRow("count with a no-break space")
            << join(fileLines("8\xa0")) << 2 << "but it holds \"8<U+00A0>\"";
        QTest::newRow("count empty") << join(fileLines("")) << 2 << "it is empty";
        QTest::newRow("count 10001") << join(fileLines("10001")) << 2 << "more than the 10000";
        QTest::newRow("count 2147483648")
            << join(fileLines("2147483648")) << 2
            << "the number of configurations is \"2147483648\", more than the 10000 the editor "
               "can hold";
        for (const char* count : {"-0", "-1", "-2147483648", "-2147483649"})
            QTest::newRow(count) << join(fileLines(count, good)) << 2
                                 << QStringLiteral("the number of configurations is \"%1\", "
                                                   "below 0")
                                        .arg(QLatin1String(count));
        QTest::newRow("count above records") << join(fileLines("3", good + recordLines("1 B")))
                                             << 23 << "the file ends after 2 of 3 configurations";
        QTest::newRow("ends inside record")
            << join(fileLines("1", good.mid(0, 6))) << 9
            << "ends inside configuration 1 of 1, where its Spring line was expected";
        QTest::newRow("ends in comments")
            << join(fileLines("1", good.mid(0, 2))) << 5 << "where its comment line was expected";
        QTest::newRow("name without number")
            << withLine(7, "Sunny Days") << 8 << "must start with the configuration number";
        QTest::newRow("name starts with blank")
            << withLine(7, " 5 Days") << 8 << "must start with the configuration number";
        QTest::newRow("number too large")
            << withLine(17, "2147483648 Big") << 18 << "outside -2147483648 to 2147483647";
        QTest::newRow("17 values") << withLine(9, seasonLine(1, sampleValues(1).mid(0, 17))) << 10
                                   << "the Summer line holds 17 values; it must hold 18";
        QTest::newRow("19 values") << withLine(8, seasonLine(0, sampleValues(1) << 5)) << 9
                                   << "the Spring line holds 19 values";
        QTest::newRow("label only")
            << withLine(11, "WINTER: ") << 12 << "the Winter line holds 0 values";
        QTest::newRow("line too short")
            << withLine(9, "SUMMER") << 10 << "the Summer line is too short";
        QTest::newRow("empty field")
            << withLine(9, seasonWith(1, 3, "")) << 10 << "Summer Gusty is empty";
        QTest::newRow("not a number") << withLine(10, seasonWith(2, 0, "x1")) << 11
                                      << "Autumn Start Day is not a whole number: \"x1\"";
        QTest::newRow("fraction") << withLine(20, seasonWith(2, 7, "P2.5")) << 21
                                  << "Autumn Wet is not a whole number";
        QTest::newRow("too large") << withLine(11, seasonWith(3, 17, "H32768")) << 12
                                   << "Winter Very Hot is 32768, outside -32768 to 32767";
        QTest::newRow("too small")
            << withLine(18, seasonWith(0, 10, "P-32769")) << 19 << "Spring Downpour is -32769";
        QTest::newRow("six digits") << withLine(9, seasonWith(1, 2, "W100007")) << 10
                                    << "Summer Breezy is 100007, outside -32768 to 32767";
        QTest::newRow("UTF-16") << QByteArray("\xff\xfe#\0 \0", 6) << 1
                                << "the file is UTF-16 text (it starts with a byte-order mark); "
                                   "weather.cfg must be plain single-byte text";
        QTest::newRow("CR line ends")
            << join(fileLines("1", good), "\r") << 1
            << "the file has carriage returns but no line feeds as line ends; save it with CRLF "
               "or LF line ends";
    }
    void errors() {
        QFETCH(QByteArray, data);
        QFETCH(int, line);
        QFETCH(QString, words);
        ConfigTable table = makeTable(4, 10);
        const ConfigTable before = table;
        // A "%1" in the path must come out as it is, not filled with the line or message.
        const QString path = QStringLiteral("dir%2/weather%1.cfg");
        const auto error = parseConfig(data, table, path);
        QVERIFY(error.has_value());
        QVERIFY2(error->message.contains(words), qPrintable(error->message));
        QCOMPARE(error->line, line);
        QCOMPARE(error->toString(), QDir::toNativeSeparators(path) + ':' + QString::number(line) +
                                        ": " + error->message);
        QVERIFY(table == before); // all or nothing
    }

    // The text the reader passes over (header, comments, labels, lines after the counted
    // records) reads as no data, and a save gives it back as it was, with a warning where the
    // game reads less or otherwise than it looks: the line it names and words from it.
    void passedOverText_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("plain"); // the same values in the standard text
        // Labels are not kept: a save writes the standard ones, with what the game read.
        QTest::addColumn<bool>("labelChanged");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("words");
        const QList<QByteArray> lines = fileLines("2", recordLines("0 A") + recordLines("1 B", 1));
        const QByteArray standard = join(lines);
        const auto with = [&lines](int index, const QByteArray& replacement) {
            QList<QByteArray> changed = lines;
            changed[index] = replacement;
            return join(changed);
        };
        QTest::newRow("header") << with(0, "# My tuned weather, v3") << standard << false << 0
                                << QString();
        QTest::newRow("empty header") << with(0, "") << standard << false << 0 << QString();
        QTest::newRow("comment") << with(13, "# Start Day, -- tuned for hot summers") << standard
                                 << false << 0 << QString();
        QTest::newRow("empty line with text")
            << with(2, "0 Looks Like A Record") << standard << false << 0 << QString();
        QTest::newRow("CR in a comment")
            << with(6, "# Warmth\r") << standard << false << 0 << QString();
        QTest::newRow("label of another season")
            << with(8, "summer: " + lines[8].mid(8)) << standard << true << 0 << QString();
        const auto values = [&lines](int index) {
            return lines[index].mid(lines[index].indexOf(','));
        };
        QTest::newRow("label takes a digit")
            << with(8, "Spring:60" + values(8)) << with(8, "Spring: 0" + values(8)) << true << 9
            << "the Spring line's label \"Spring:6\" takes the first character of the start day, "
               "which the game then reads as 0";
        QTest::newRow("label takes a minus")
            << with(21, "WINTER:-5" + values(21)) << with(21, "WINTER: 5" + values(21)) << true
            << 22 << "Winter line's label \"WINTER:-\"";
        QTest::newRow("records beyond the count")
            << join(fileLines("1", recordLines("0 A") + recordLines("1 B", 1) +
                                       recordLines("2 C", 2) + QList<QByteArray>{"x"}))
            << join(fileLines("1", recordLines("0 A"))) << false << 13
            << "2 more configurations and 1 more line follow the 1 that line 2 counts; the game "
               "reads only those, and Save keeps the rest as it is";
        QTest::newRow("lines after the last")
            << join(lines + QList<QByteArray>{"", "99 Not read"}) << standard << false << 23
            << "2 more lines follow the last configuration; the game does not read them";
        QTest::newRow("text without a line end") << standard + "tail" << standard << false << 23
                                                 << "1 more line follows the last configuration";
        QTest::newRow("after a count of 0")
            << join(fileLines("0", recordLines("0 A"))) << join(fileLines("0")) << false << 3
            << "1 more configuration follows the 0 that line 2 counts";
    }
    void passedOverText() {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, plain);
        QFETCH(bool, labelChanged);
        QFETCH(int, line);
        QFETCH(QString, words);
        ConfigTable table;
        FileWarnings warnings;
        const auto error = parseConfig(data, table, QString(), &warnings);
        QVERIFY2(!error, error ? qPrintable(error->toString()) : "");
        QCOMPARE(formatConfig(table), labelChanged ? plain : data);
        QCOMPARE(warnings.size(), line > 0 ? 1 : 0);
        if (line > 0) {
            QCOMPARE(warnings[0].line, line);
            QVERIFY2(warnings[0].message.contains(words), qPrintable(warnings[0].message));
        }
        for (int k = 1; k <= table.ConfigCount; ++k)
            table.Configs(k).Comments.clear();
        table.HeaderLine.reset();
        table.TrailingText.clear();
        QCOMPARE(table, parsed(plain));
    }

    // A record made in the editor has the standard lines; a copy keeps its record's own.
    void newRecordsGetStandardLines() {
        QList<QByteArray> lines = fileLines("1", recordLines("0 A"));
        lines[3] = "# Start Day, tuned";
        ConfigTable table = parsed(join(lines));
        WeatherConfig added = table.Configs(1);
        added.Comments.clear();
        table.Configs(2) = added;
        table.Configs(3) = table.Configs(1);
        table.ConfigCount = 3;
        const QList<QByteArray> saved = formatConfig(table).split('\n');
        QCOMPARE(saved[13], QByteArray("# Start Day,\r"));
        QCOMPARE(saved[23], QByteArray("# Start Day, tuned\r"));
    }

    void countBelowRecords() {
        const QByteArray data = join(fileLines("1", recordLines("0 A") + recordLines("1 B", 1)));
        const ConfigTable table = parsed(data);
        QCOMPARE(table.ConfigCount, 1);
        QCOMPARE(table.Configs(2), WeatherConfig());
    }

    void lineEnds_data() {
        QTest::addColumn<QByteArray>("data");
        const QList<QByteArray> lines = fileLines("2", recordLines("0 A") + recordLines("1 B", 2));
        QTest::newRow("LF") << join(lines, "\n");
        QTest::newRow("no final line end") << join(lines).chopped(2);
        QTest::newRow("cut after the last CR") << join(lines).chopped(1);
        QTest::newRow("mixed") << join(lines.mid(0, 7), "\n") + join(lines.mid(7));
    }
    void lineEnds() {
        QFETCH(QByteArray, data);
        const QByteArray crlf =
            join(fileLines("2", recordLines("0 A") + recordLines("1 B", 2)), "\r\n");
        ConfigTable table;
        QVERIFY(!parseConfig(data, table));
        QCOMPARE(formatConfig(table), crlf);
    }

    // Markers are optional and blanks around a field do not matter.
    void lenientFields() {
        QList<QByteArray> lines = fileLines("1", recordLines("0 A"));
        const ConfigTable expected = parsed(join(lines));
        QList<QByteArray> plain;
        for (int v : sampleValues(2))
            plain << QByteArray::number(v);
        lines[9] = "SUMMER: " + plain.join(",") + "  ";
        lines[10] = "AUTUMN:  " + plain.join(" ,\t");
        ConfigTable table;
        QVERIFY(!parseConfig(join(lines), table));
        QCOMPARE(table.Configs(1).Spring, expected.Configs(1).Spring);
        QCOMPARE(table.Configs(1).Summer.at(17), qint16(sampleValues(2)[17]));
        QCOMPARE(table.Configs(1).Summer, table.Configs(1).Autumn);
    }

    // Values as people type them by hand, whichever way the reader takes through the line.
    void unusualValues_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("value");
        QTest::newRow("lowest") << QByteArray("W-32768") << -32768;
        QTest::newRow("highest") << QByteArray("32767") << 32767;
        QTest::newRow("minus zero") << QByteArray("P-0") << 0;
        QTest::newRow("five digits") << QByteArray("H00012") << 12;
        QTest::newRow("many leading zeros") << QByteArray("W000000012") << 12;
        QTest::newRow("lowest, zero-padded") << QByteArray("-0000032768") << -32768;
        QTest::newRow("highest, zero-padded") << QByteArray("H0000032767") << 32767;
        QTest::newRow("very long line") << QByteArray(300, ' ') + "H7" + QByteArray(300, '\t') << 7;
    }
    void unusualValues() {
        QFETCH(QByteArray, field);
        QFETCH(int, value);
        for (int position : {0, 9, 17}) {
            QList<QByteArray> lines = fileLines("1", recordLines("0 A"));
            const ConfigTable plain = parsed(join(lines));
            QList<QByteArray> fields = lines[9].mid(8).split(',');
            fields[position] = field;
            lines[9] = lines[9].left(8) + fields.join(',');
            ConfigTable table;
            QVERIFY(!parseConfig(join(lines), table));
            SeasonWeather expected = plain.Configs(1).Summer;
            expected.at(position) = static_cast<qint16>(value);
            QCOMPARE(table.Configs(1).Summer, expected);
        }
    }

    void loadFileFailures() {
        QTemporaryDir dir;
        ConfigTable table = makeTable(2);
        const ConfigTable before = table;

        auto error = loadConfigFile(dir.filePath("missing.cfg"), table);
        QVERIFY(error && error->message.contains("does not exist"));
        QCOMPARE(error->line, 0);

        error = loadConfigFile(dir.path(), table);
        QVERIFY(error.has_value());
        QCOMPARE(error->toString(), QDir::toNativeSeparators(dir.path()) +
                                        ": this is a folder, not a configuration file");

        const QString huge = dir.filePath("huge.cfg");
        QFile f(huge);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(MaxFileSize + 1)); // sparse: nothing is written
        f.close();
        error = loadConfigFile(huge, table);
        QVERIFY(error && error->message.contains("too large"));
        QCOMPARE(table, before);
    }

    void saveWritesLayout() {
        QTemporaryDir dir;
        const QString path = dir.filePath("weather.cfg");
        const ConfigTable table = makeTable(3, 5);
        QVERIFY(!saveConfigFile(path, table));
        const QByteArray first = readAll(path);
        QCOMPARE(first, formatConfig(table));
        QVERIFY(!saveConfigFile(path, table));
        QCOMPARE(readAll(path), first);
        ConfigTable back;
        QVERIFY(!loadConfigFile(path, back));
        QCOMPARE(back, table);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"weather.cfg"});
    }

    void saveFailureNamesPathAndReason() {
        QTemporaryDir dir;
        const QString path = dir.filePath("no such folder/weather.cfg");
        const auto error = saveConfigFile(path, makeTable(1));
        QVERIFY(error.has_value());
        QCOMPARE(error->path, path);
        QVERIFY2(error->toString().startsWith(QDir::toNativeSeparators(path) + ": cannot"),
                 qPrintable(error->toString()));
#ifdef Q_OS_WIN
        // Windows names the missing folder in its own words (ERROR_PATH_NOT_FOUND).
        constexpr int PathNotFound = 3;
        const QString reason = qt_error_string(PathNotFound);
#else
        const QString reason = QString::fromLocal8Bit(std::strerror(ENOENT));
#endif
        QVERIFY2(error->message.contains(reason), qPrintable(error->message));
    }

    // A write that fails part-way (file size limit) leaves the old file byte for byte and the
    // table as it was, and the caller learns the system's reason.
    void failedSaveKeepsOldFile() {
#ifndef Q_OS_UNIX
        QSKIP("needs a file size limit (RLIMIT_FSIZE) to make the write fail");
#else
        QTemporaryDir dir;
        const QString path = dir.filePath("weather.cfg");
        const QByteArray old = join(fileLines("1", recordLines("0 Old")));
        QVERIFY(writeAll(path, old));
        // The table cannot change: the writer only ever sees it through a const reference.
        static_assert(
            std::is_same_v<decltype(&saveConfigFile),
                           std::optional<FileError> (*)(const QString&, const ConfigTable&)>);
        const ConfigTable table = makeTable(50);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const auto error = saveConfigFile(path, table);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(error.has_value());
        QCOMPARE(error->toString(), QDir::toNativeSeparators(path) +
                                        QStringLiteral(": cannot write the file: ") +
                                        QString::fromLocal8Bit(std::strerror(EFBIG)));
        QCOMPARE(readAll(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"weather.cfg"});
#endif
    }
};

QTEST_APPLESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
