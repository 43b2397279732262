// Start-up: the command line, then either the file check or the editor window.
#include "checkcommand.h"
#include "csvcommand.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int UsageError = 2;

} // namespace

int runWindow(const QString& file); // the editor window, in main_window.cpp

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("weather-editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WEATHER_EDITOR_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Edits the weather configurations file (weather.cfg) of Pitchmaster 00-01."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Load each FILE without opening a window and report its configuration "
                       "count or its first error. Exits 0 when every file loads, else 1."));
    parser.addOption(check);
    addCsvOptions(parser);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The configuration file to open (with --check: "
                                                "one or more files to check)."),
                                 QStringLiteral("[FILE...]"));

    // The command line is read before any application object exists, so that --check, --help,
    // --version and usage errors work without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream err(stderr);
    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\nTry 'weather-editor --help'.\n";
        return UsageError;
    }
    const QStringList files = parser.positionalArguments();
    if (isCsvCommand(parser) && !parser.isSet(QStringLiteral("help")) &&
        !parser.isSet(QStringLiteral("help-all")) && !parser.isSet(QStringLiteral("version"))) {
        const QCoreApplication app(argc, argv);
        return runCsvCommand(parser, err);
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
        parser.isSet(QStringLiteral("version")) || parser.isSet(check)) {
        const QCoreApplication app(argc, argv);
        if (parser.isSet(QStringLiteral("version")))
            parser.showVersion();
        if (!parser.isSet(check))
            parser.showHelp(0);
        if (files.isEmpty()) {
            err << "--check needs at least one FILE.\nTry 'weather-editor --help'.\n";
            return UsageError;
        }
        QTextStream out(stdout);
        return runCheck(files, out);
    }
    if (files.size() > 1) {
        err << "The editor opens one FILE at a time.\nTry 'weather-editor --help'.\n";
        return UsageError;
    }
    const QApplication app(argc, argv);
    return runWindow(files.value(0));
}
