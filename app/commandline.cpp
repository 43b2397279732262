#include "commandline.h"

#include "csvcommand.h"
#include "streampath.h"

#include <QCoreApplication>
#include <QDir>

#include <array>

namespace {

// The options that QGuiApplication, its X11 platform (xcb) and QApplication document and take
// for themselves, written with one dash ("-style Fusion", "-style=Fusion") or two. `value`
// names what an option takes; a switch takes nothing.
struct QtOption {
    const char* name;
    const char* value;
    const char* description;
};
constexpr std::array<QtOption, 22> QtOptions = {{
    {"platform", "name[:options]",
     QT_TRANSLATE_NOOP("CommandLine", "The platform plugin to use, such as xcb, wayland or "
                                      "offscreen.")},
    {"platformpluginpath", "path",
     QT_TRANSLATE_NOOP("CommandLine", "The folder to load platform plugins from.")},
    {"platformtheme", "theme", QT_TRANSLATE_NOOP("CommandLine", "The platform theme to use.")},
    {"plugin", "plugin",
     QT_TRANSLATE_NOOP("CommandLine", "An additional plugin to load; may be given more than "
                                      "once.")},
    {"qmljsdebugger", "port:N[,block]",
     QT_TRANSLATE_NOOP("CommandLine", "Starts the QML/JS debugger on the given port.")},
    {"qwindowgeometry", "geometry",
     QT_TRANSLATE_NOOP("CommandLine", "The size and place of the window, written as X11 "
                                      "writes it: 800x600+50+50.")},
    {"qwindowicon", "icon", QT_TRANSLATE_NOOP("CommandLine", "The window's icon.")},
    {"qwindowtitle", "title", QT_TRANSLATE_NOOP("CommandLine", "The window's title.")},
    {"reverse", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Lays the window out from right to left.")},
    {"session", "session",
     QT_TRANSLATE_NOOP("CommandLine", "Restores the program from an earlier session.")},
    {"display", "host:screen",
     QT_TRANSLATE_NOOP("CommandLine", "X11: the display to use instead of $DISPLAY.")},
    {"geometry", "geometry",
     QT_TRANSLATE_NOOP("CommandLine", "X11: the same as -qwindowgeometry.")},
    {"title", "title", QT_TRANSLATE_NOOP("CommandLine", "X11: the same as -qwindowtitle.")},
    {"icon", "icon", QT_TRANSLATE_NOOP("CommandLine", "X11: the same as -qwindowicon.")},
    {"name", "name",
     QT_TRANSLATE_NOOP("CommandLine", "X11: the program's name for the window system.")},
    {"visual", "id", QT_TRANSLATE_NOOP("CommandLine", "X11: the visual to use, by its id.")},
    {"sync", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "X11: talks to the X server synchronously, for "
                                      "debugging.")},
    {"nograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Never grabs the mouse or the keyboard.")},
    {"dograb", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Grabs the mouse and the keyboard even under a "
                                      "debugger.")},
    {"style", "style", QT_TRANSLATE_NOOP("CommandLine", "The widget style, such as Fusion.")},
    {"stylesheet", "file", QT_TRANSLATE_NOOP("CommandLine", "A style sheet file for the window.")},
    {"widgetcount", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Reports at the end how many widgets were left and the "
                                      "most that existed at once.")},
}};

// Every option of the program; Qt's own are shown in the help only when `showQt` is set.
void addOptions(QCommandLineParser& parser, const QCommandLineOption& check,
                const QCommandLineOption& diff, bool showQt) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Edits the weather configurations file (weather.cfg) of Pitchmaster 00-01."));
    // Qt's options have one dash and long names.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(check);
    parser.addOption(diff);
    addCsvOptions(parser);
    for (const QtOption& qt : QtOptions) {
        QCommandLineOption option(QLatin1String(qt.name),
                                  QCoreApplication::translate("CommandLine", qt.description));
        if (qt.value)
            option.setValueName(QLatin1String(qt.value));
        if (!showQt)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("CommandLine", "The configuration file to open (with --check: "
                                                   "one or more files to check; with --diff: "
                                                   "OLD and NEW)."),
        QStringLiteral("[FILE...]"));
}

} // namespace

CommandLine::CommandLine()
    : check_(QStringLiteral("check"),
             QCoreApplication::translate(
                 "CommandLine",
                 "Load each FILE without opening a window and report its configuration "
                 "count or its first error. Exits 0 when every file loads, else 1. A "
                 "FILE of - is standard input.")),
      diff_(QStringLiteral("diff"),
            QCoreApplication::translate(
                "CommandLine",
                "Compare the configurations of two FILEs, OLD and NEW, without opening a "
                "window, and print one line per difference and a summary. Exits 0 when they "
                "are equal, 1 when they differ, 2 when a file fails to load. One FILE may be - "
                "(standard input).")) {
    addOptions(parser_, check_, diff_, false);
}

QString CommandLine::helpText() const {
    if (!parser_.isSet(QStringLiteral("help-all")))
        return parser_.helpText();
    QCommandLineParser all;
    addOptions(all, check_, diff_, true);
    return all.helpText();
}

QString CommandLine::versionText() {
    return QCoreApplication::applicationName() + QLatin1Char(' ') +
           QCoreApplication::applicationVersion() + QLatin1Char('\n');
}

CommandLine::Mode CommandLine::parse(const QStringList& arguments) {
    error_.clear();
    if (!parser_.parse(arguments)) {
        error_ = parser_.errorText();
        return Mode::UsageError;
    }
    if (parser_.isSet(QStringLiteral("version")))
        return Mode::Version;
    if (parser_.isSet(QStringLiteral("help")) || parser_.isSet(QStringLiteral("help-all")))
        return Mode::Help;
    if (isCsvCommand(parser_))
        return Mode::Csv; // which checks its own options and arguments
    if (parser_.isSet(diff_)) {
        if (parser_.isSet(check_)) {
            error_ = QCoreApplication::translate("CommandLine",
                                                 "Give either --check or --diff, not both.");
            return Mode::UsageError;
        }
        if (files().size() != 2) {
            error_ =
                QCoreApplication::translate("CommandLine", "--diff needs two FILEs, OLD and NEW.");
            return Mode::UsageError;
        }
        if (files().count(QStringLiteral("-")) > 1) {
            error_ = QCoreApplication::translate(
                "CommandLine", "Only one of the two FILEs can be standard input (-).");
            return Mode::UsageError;
        }
        // A pipe or a FIFO is read once: the second read would wait for ever or find nothing.
        if (weather::isOneStream(files().at(0), files().at(1))) {
            error_ = QCoreApplication::translate(
                         "CommandLine",
                         "%1 and %2 are one stream, which can be read only once; compare two "
                         "files.")
                         .arg(QDir::toNativeSeparators(files().at(0)),
                              QDir::toNativeSeparators(files().at(1)));
            return Mode::UsageError;
        }
        return Mode::Diff;
    }
    if (parser_.isSet(check_)) {
        if (files().isEmpty()) {
            error_ = QCoreApplication::translate("CommandLine", "--check needs at least one FILE.");
            return Mode::UsageError;
        }
        return Mode::Check;
    }
    if (files().size() > 1) {
        error_ = QCoreApplication::translate("CommandLine", "The editor opens one FILE at a time.");
        return Mode::UsageError;
    }
    // Save writes back where the file came from, and standard input has no such place.
    if (files().value(0) == QLatin1String("-")) {
        error_ = QCoreApplication::translate(
            "CommandLine", "The editor cannot open standard input (-); give it a FILE.");
        return Mode::UsageError;
    }
    return Mode::Window;
}
