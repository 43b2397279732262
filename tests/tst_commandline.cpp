#include "commandline.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using Mode = CommandLine::Mode;

namespace {

// The options that Qt 6's QGuiApplication, its xcb platform and QApplication document: those
// that take a value, and the switches.
const QStringList QtValueOptions = {"platform",      "platformpluginpath",
                                    "platformtheme", "plugin",
                                    "qmljsdebugger", "qwindowgeometry",
                                    "qwindowicon",   "qwindowtitle",
                                    "session",       "display",
                                    "geometry",      "title",
                                    "icon",          "name",
                                    "visual",        "style",
                                    "stylesheet"};
const QStringList QtSwitches = {"reverse", "sync", "nograb", "dograb", "widgetcount"};

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    // Qt's own options reach the window; ours and the files are read around them.
    void modes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("-platform NAME FILE") << QStringList{"-platform", "offscreen", "a.cfg"}
                                             << Mode::Window << QStringList{"a.cfg"};
        QTest::newRow("-style=NAME, -reverse") << QStringList{"-style=Fusion", "-reverse", "a.cfg"}
                                               << Mode::Window << QStringList{"a.cfg"};
        QTest::newRow("-qwindowtitle TITLE, no file")
            << QStringList{"-qwindowtitle", "x.cfg"} << Mode::Window << QStringList{};
        QTest::newRow("--check with Qt's options")
            << QStringList{"-platform", "offscreen", "--check", "-", "b.cfg"} << Mode::Check
            << QStringList{"-", "b.cfg"};
        QTest::newRow("--diff OLD -")
            << QStringList{"--diff", "a.cfg", "-"} << Mode::Diff << QStringList{"a.cfg", "-"};
        QTest::newRow("--diff with one file")
            << QStringList{"--diff", "a.cfg"} << Mode::UsageError << QStringList{"a.cfg"};
        QTest::newRow("--diff - -")
            << QStringList{"--diff", "-", "-"} << Mode::UsageError << QStringList{"-", "-"};
        QTest::newRow("--diff and --check") << QStringList{"--diff", "--check", "a.cfg", "b.cfg"}
                                            << Mode::UsageError << QStringList{"a.cfg", "b.cfg"};
        QTest::newRow("-h") << QStringList{"-h"} << Mode::Help << QStringList{};
        QTest::newRow("-v") << QStringList{"-v"} << Mode::Version << QStringList{};
        QTest::newRow("unknown option")
            << QStringList{"-platfrom", "x"} << Mode::UsageError << QStringList{"x"};
        QTest::newRow("two files for the window")
            << QStringList{"a.cfg", "b.cfg"} << Mode::UsageError << QStringList{"a.cfg", "b.cfg"};
        QTest::newRow("standard input for the window")
            << QStringList{"-"} << Mode::UsageError << QStringList{"-"};
        QTest::newRow("--check without a file")
            << QStringList{"-style", "Fusion", "--check"} << Mode::UsageError << QStringList{};
        // Each of Qt's options takes its value, or none, and leaves the file to the window.
        for (const QString& option : QtValueOptions)
            QTest::addRow("-%s VALUE FILE", qPrintable(option))
                << QStringList{"-" + option, "v", "a.cfg"} << Mode::Window << QStringList{"a.cfg"};
        for (const QString& option : QtSwitches)
            QTest::addRow("-%s FILE", qPrintable(option))
                << QStringList{"-" + option, "a.cfg"} << Mode::Window << QStringList{"a.cfg"};
        QTest::newRow("-qmljsdebugger=VALUE") << QStringList{"-qmljsdebugger=port:1234", "a.cfg"}
                                              << Mode::Window << QStringList{"a.cfg"};
        // Arguments of -platform windows, not options.
        QTest::newRow("-dialogs") << QStringList{"-dialogs", "xp"} << Mode::UsageError
                                  << QStringList{"xp"};
        QTest::newRow("-fontengine") << QStringList{"-fontengine", "freetype"} << Mode::UsageError
                                     << QStringList{"freetype"};
    }
    void modes() {
        QFETCH(QStringList, arguments);
        QFETCH(Mode, mode);
        QFETCH(QStringList, files);
        CommandLine commandLine;
        QCOMPARE(commandLine.parse(QStringList{"weather-editor"} + arguments), mode);
        QCOMPARE(commandLine.errorText().isEmpty(), mode != Mode::UsageError);
        if (mode != Mode::UsageError || !files.isEmpty())
            QCOMPARE(commandLine.files(), files);
    }

    // --help keeps Qt's options out of sight; --help-all lists each, and so does the manual
    // page, which sends its readers there.
    void helpListsQtOptions_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("listed");
        QTest::newRow("--help") << "--help" << false;
        QTest::newRow("--help-all") << "--help-all" << true;
    }
    void helpListsQtOptions() {
        QFETCH(QString, option);
        QFETCH(bool, listed);
        CommandLine commandLine;
        QCOMPARE(commandLine.parse({"weather-editor", option}), Mode::Help);
        const QString help = commandLine.helpText();
        QVERIFY(help.contains("--export-csv <FILE.cfg>"));
        QFile manual(QStringLiteral(WEATHER_MANUAL_PAGE));
        QVERIFY(manual.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(manual.readAll());
        for (const QString& qt : QtValueOptions + QtSwitches) {
            const QRegularExpression shown("^ *--" + qt + "( <[^>]+>)? {2,}\\S",
                                           QRegularExpression::MultilineOption);
            QVERIFY2(help.contains(shown) == listed, qPrintable(qt));
            QVERIFY2(page.contains(QRegularExpression("\\\\-" + qt + "\\b")), qPrintable(qt));
        }
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
