#include "commandline.h"

#include <QTest>

using Mode = CommandLine::Mode;

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
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
