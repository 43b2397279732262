// Start-up: the command line, then the file check, the comparison, the CSV commands or the
// editor window.
#include "checkcommand.h"
#include "commandline.h"
#include "console.h"
#include "csvcommand.h"
#include "diffcommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int UsageError = 2;

// A standard output that took nothing (a full disk, /dev/full) lost what was printed: said on
// standard error, with exit status 1.
int reportLostOutput() {
    QTextStream(stderr) << QCoreApplication::translate("main", "-: cannot write standard output")
                        << '\n';
    return 1;
}

} // namespace

int runWindow(const QString& file); // the editor window, in main_window.cpp

int main(int argc, char** argv) {
    weather::prepareStandardStreams();
    QCoreApplication::setApplicationName(QStringLiteral("weather-editor"));
    // Where the settings live: ~/.config/weather-editor/ on Linux, the registry's
    // HKEY_CURRENT_USER\Software\weather-editor on Windows.
    QCoreApplication::setOrganizationName(QStringLiteral("weather-editor"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("weather.example"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WEATHER_EDITOR_VERSION));
#ifdef Q_OS_WIN
    // Settings go to HKEY_CURRENT_USER\Software\ORGANISATION\APPLICATION. (Linux keeps
    // ~/.config/weather-editor.conf, without an organisation folder, as it always has.)
    QCoreApplication::setOrganizationName(QStringLiteral("Weather Configurations Editor"));
#endif

    // The command line is read before any application object exists, so that --check, --diff,
    // --help, --version and usage errors work without a display. File names are taken again
    // below, as Qt decodes them (on Windows from the wide-character command line, where any
    // name survives).
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    CommandLine commandLine;
    const CommandLine::Mode mode = commandLine.parse(rawArguments);
    if (mode == CommandLine::Mode::UsageError) {
        QTextStream(stderr) << commandLine.errorText() << '\n'
                            << QCoreApplication::translate("main", "Try 'weather-editor --help'.")
                            << '\n';
        return UsageError;
    }
    if (mode == CommandLine::Mode::Window) {
        weather::releaseOwnConsole();
        const QApplication app(argc, argv); // takes Qt's own options from the command line
        (void)commandLine.parse(QCoreApplication::arguments());
        return runWindow(commandLine.files().value(0));
    }
    const QCoreApplication app(argc, argv);
    (void)commandLine.parse(QCoreApplication::arguments());
    if (mode == CommandLine::Mode::Version || mode == CommandLine::Mode::Help) {
        QTextStream out(stdout);
        out << (mode == CommandLine::Mode::Help ? commandLine.helpText()
                                                : CommandLine::versionText());
        out.flush();
        return out.status() == QTextStream::Ok ? 0 : reportLostOutput();
    }
    if (mode == CommandLine::Mode::Csv) {
        QTextStream err(stderr);
        return runCsvCommand(commandLine.parser(), err);
    }
    if (mode == CommandLine::Mode::Diff) {
        QTextStream err(stderr);
        return runDiff(commandLine.files().at(0), commandLine.files().at(1), err);
    }
    QTextStream out(stdout);
    const int status = runCheck(commandLine.files(), out);
    // A standard output that took nothing (a full disk, /dev/full) would lose the report.
    if (out.status() != QTextStream::Ok)
        return std::max(status, reportLostOutput());
    return status;
}
