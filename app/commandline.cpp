#include "commandline.h"

#include "csvcommand.h"

#include <QCoreApplication>

#include <array>

namespace {

// The options that QGuiApplication and QApplication take for themselves, and whether each takes
// a value. They are written with one dash, "-style Fusion" or "-style=Fusion".
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr std::array<QtOption, 17> QtOptions = {{
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"session", true},
    {"display", true},
    {"geometry", true},
    {"style", true},
    {"stylesheet", true},
    {"qmljsdebugger", true},
    {"dialogs", true},
    {"fontengine", true},
    {"reverse", false},
    {"widgetcount", false},
}};

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
    parser_.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Edits the weather configurations file (weather.cfg) of Pitchmaster 00-01."));
    // Qt's options have one dash and long names.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addHelpOption();
    parser_.addVersionOption();
    parser_.addOption(check_);
    parser_.addOption(diff_);
    addCsvOptions(parser_);
    for (const QtOption& qt : QtOptions) {
        QCommandLineOption option(QLatin1String(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(option);
    }
    parser_.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("CommandLine", "The configuration file to open (with --check: "
                                                   "one or more files to check; with --diff: "
                                                   "OLD and NEW)."),
        QStringLiteral("[FILE...]"));
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
