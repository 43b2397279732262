#include "codepage.h"
#include "configfile.h"
#include "csvcommand.h"
#include "csvfile.h"
#include "testfiles.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace testfiles;

class TestCsvCommand : public QObject {
    Q_OBJECT
private slots:
    // "D/" in the arguments is the test's folder, which holds ex.cfg (the example), ex.csv (its
    // CSV), ex-semicolon.csv and ex-tab.csv (the same with those separators), bad.csv (a fault
    // on line 3) and ansi.csv (ansi.cfg, a name with a "ü", in Windows-1252). `written` is the file
    // (or "-", standard output) that must then hold the bytes of `expected`; a failed command
    // writes nothing.
    void commands_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QStringList& arguments, int status,
                            const QString& written = {}, const QString& expected = {},
                            const QString& message = {}) {
            QTest::newRow(name) << arguments << status << written << expected << message;
        };
        row("export to a file", {"--export-csv", "D/ex.cfg", "-o", "D/out.csv"}, 0, "out.csv",
            "ex.csv");
        row("export to standard output", {"--export-csv", "D/ex.cfg"}, 0, "-", "ex.csv");
        row("import", {"--import-csv", "D/ex.csv", "-o", "D/out.cfg"}, 0, "out.cfg", "ex.cfg");
        row("export with semicolons",
            {"--export-csv", "D/ex.cfg", "--separator", "semicolon", "-o", "D/out.csv"}, 0,
            "out.csv", "ex-semicolon.csv");
        row("export with tabs", {"--export-csv", "D/ex.cfg", "--separator=tab"}, 0, "-",
            "ex-tab.csv");
        row("export with commas", {"--export-csv", "D/ex.cfg", "--separator", "comma"}, 0, "-",
            "ex.csv");
        row("import of Windows-1252", {"--import-csv", "D/ansi.csv", "-o", "D/out.cfg"}, 0,
            "out.cfg", "ansi.cfg", "ansi.csv: not UTF-8 text, read as Windows-1252");
        row("import with tabs", {"--import-csv", "D/ex-tab.csv", "-o", "D/out.cfg"}, 0, "out.cfg",
            "ex.cfg");
        row("unknown separator", {"--export-csv", "D/ex.cfg", "--separator", ";"}, 2, {}, {},
            "--separator takes comma, semicolon or tab, not \";\".");
        row("separator on import",
            {"--import-csv", "D/ex.csv", "-o", "D/out.cfg", "--separator", "tab"}, 2);
        row("separator alone", {"--separator", "tab"}, 2);
        row("two separators",
            {"--export-csv", "D/ex.cfg", "--separator", "tab", "--separator", "tab"}, 2);
        row("faulty CSV", {"--import-csv", "D/bad.csv", "-o", "D/out.cfg"}, 1, {}, {},
            "bad.csv:3: Summer Gusty is not a whole number: \"2S\"");
        row("missing file", {"--export-csv", "D/none.cfg", "-o", "D/out.csv"}, 1, {}, {},
            "none.cfg: the file does not exist");
        row("import without -o", {"--import-csv", "D/ex.csv"}, 2, {}, {}, "needs -o");
        row("-o alone", {"-o", "D/out.cfg"}, 2);
        row("both", {"--export-csv", "D/ex.cfg", "--import-csv", "D/ex.csv", "-o", "D/out.cfg"}, 2);
        row("extra file", {"--export-csv", "D/ex.cfg", "D/ex.csv"}, 2);
        row("with --check", {"--check", "--export-csv", "D/ex.cfg"}, 2);
        row("two outputs", {"--export-csv", "D/ex.cfg", "-o", "D/out.csv", "-o", "D/out.cfg"}, 2);
    }
    void commands() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, written);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString d = dir.path() + QLatin1Char('/');
        weather::ConfigTable table;
        QVERIFY(!weather::loadConfigFile(examplePath(), table));
        QByteArray bad = weather::formatCsv(table);
        bad.replace(",151,20,27,25,", ",151,20,27,2S,"); // configuration 1's Summer Gusty
        QVERIFY(writeAll(d + "ex.cfg", readAll(examplePath())) &&
                writeAll(d + "ex.csv", weather::formatCsv(table)) &&
                writeAll(d + "ex-semicolon.csv",
                         weather::formatCsv(table, weather::CsvSeparator::Semicolon)) &&
                writeAll(d + "ex-tab.csv", weather::formatCsv(table, weather::CsvSeparator::Tab)) &&
                writeAll(d + "bad.csv", bad));
        // A German spreadsheet's CSV: semicolons, the Windows code page, no byte-order mark.
        table.Configs(2).Name = *weather::toWindows1252(QStringLiteral("Mittelmeer S\u00FCd"));
        const QByteArray semicolon = weather::formatCsv(table, weather::CsvSeparator::Semicolon);
        QVERIFY(writeAll(d + "ansi.cfg", weather::formatConfig(table)) &&
                writeAll(d + "ansi.csv",
                         *weather::toWindows1252(QString::fromUtf8(semicolon.sliced(3)))));

        QCommandLineParser parser;
        parser.addOption({QStringLiteral("check"), QString()});
        parser.addOption({QStringLiteral("diff"), QString()});
        addCsvOptions(parser);
        QVERIFY(parser.parse(QStringList{"weather-editor"} + arguments.replaceInStrings("D/", d)));
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QString errors;
        QTextStream err(&errors);
        QCOMPARE(runCsvCommand(parser, out, err), status);
        QVERIFY2(errors.contains(message), qPrintable(errors));
        if (written == QLatin1String("-"))
            QCOMPARE(out.data(), readAll(d + expected));
        else if (!written.isEmpty())
            QCOMPARE(readAll(d + written), readAll(d + expected));
        if (status != 0)
            QVERIFY(out.data().isEmpty() && !QFile::exists(d + "out.cfg") &&
                    !QFile::exists(d + "out.csv"));
    }
};

QTEST_APPLESS_MAIN(TestCsvCommand)
#include "tst_csvcommand.moc"
