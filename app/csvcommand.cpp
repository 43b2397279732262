#include "csvcommand.h"

#include "configfile.h"
#include "csvfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <optional>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

const QString ExportOption = QStringLiteral("export-csv");
const QString ImportOption = QStringLiteral("import-csv");
const QString OutputOption = QStringLiteral("o");
const QString SeparatorOption = QStringLiteral("separator");

constexpr int FileFault = 1;
constexpr int UsageError = 2;

int usageError(QTextStream& err, const QString& message) {
    err << message << '\n'
        << QCoreApplication::translate("csvcommand", "Try 'weather-editor --help'.") << '\n';
    err.flush();
    return UsageError;
}

int fileFault(QTextStream& err, const weather::FileError& error) {
    err << error.toString() << '\n';
    err.flush();
    return FileFault;
}

weather::FileError stdoutFault(const QIODevice& out) {
    return {QStringLiteral("-"), 0,
            QStringLiteral("cannot write standard output: ") + out.errorString()};
}

// Writes `data` to `path`, or to `out` for no path or "-": a regular file is replaced in one
// step, a pipe, a FIFO or a device (/dev/stdout, >(...), /dev/null) written into.
int writeOutput(const QString& path, const QByteArray& data, QIODevice& out, QTextStream& err) {
    if (!path.isEmpty() && path != QLatin1String("-")) {
        if (const auto error = weather::writeOutputFile(path, data))
            return fileFault(err, *error);
        return 0;
    }
    if (out.write(data) != data.size())
        return fileFault(err, stdoutFault(out));
    return 0;
}

// The separator named on the command line, or nothing for a name it does not know.
std::optional<weather::CsvSeparator> separatorNamed(const QString& name) {
    if (name == QLatin1String("comma"))
        return weather::CsvSeparator::Comma;
    if (name == QLatin1String("semicolon"))
        return weather::CsvSeparator::Semicolon;
    if (name == QLatin1String("tab"))
        return weather::CsvSeparator::Tab;
    return std::nullopt;
}

} // namespace

void addCsvOptions(QCommandLineParser& parser) {
    parser.addOption(
        {ExportOption,
         QCoreApplication::translate(
             "csvcommand", "Write the configurations of FILE.cfg (\"-\": standard input) as CSV "
                           "for a spreadsheet, to standard output or to the file given by -o."),
         QCoreApplication::translate("csvcommand", "FILE.cfg")});
    parser.addOption(
        {ImportOption,
         QCoreApplication::translate(
             "csvcommand", "Read the configurations from FILE.csv (\"-\": standard input) and "
                           "write them as a weather configuration file to the file given by -o, "
                           "replacing it in one step. Nothing is written when the CSV has a "
                           "fault."),
         QCoreApplication::translate("csvcommand", "FILE.csv")});
    parser.addOption({OutputOption,
                      QCoreApplication::translate(
                          "csvcommand", "The file that --export-csv or --import-csv writes."),
                      QCoreApplication::translate("csvcommand", "OUT")});
    parser.addOption(
        {SeparatorOption,
         QCoreApplication::translate(
             "csvcommand", "What --export-csv writes between the fields: comma (the default), "
                           "semicolon (for spreadsheets where the decimal point is a comma) or "
                           "tab. The import finds the separator itself."),
         QStringLiteral("comma|semicolon|tab")});
}

bool isCsvCommand(const QCommandLineParser& parser) {
    return parser.isSet(ExportOption) || parser.isSet(ImportOption) || parser.isSet(OutputOption) ||
           parser.isSet(SeparatorOption);
}

int runCsvCommand(const QCommandLineParser& parser, QIODevice& out, QTextStream& err) {
    const bool exporting = parser.isSet(ExportOption);
    const bool importing = parser.isSet(ImportOption);
    if (exporting == importing)
        return usageError(
            err, exporting ? QCoreApplication::translate(
                                 "csvcommand", "Give either --export-csv or --import-csv, not "
                                               "both.")
                           : QCoreApplication::translate("csvcommand",
                                                         "-o and --separator go with --export-csv "
                                                         "or --import-csv."));
    if (parser.isSet(QStringLiteral("check")) || parser.isSet(QStringLiteral("diff")) ||
        !parser.positionalArguments().isEmpty())
        return usageError(
            err, QCoreApplication::translate("csvcommand",
                                             "--export-csv and --import-csv take no other files or "
                                             "commands; name the output with -o."));
    const QStringList inputs = parser.values(exporting ? ExportOption : ImportOption);
    const QStringList outputs = parser.values(OutputOption);
    if (inputs.size() > 1 || outputs.size() > 1)
        return usageError(err, QCoreApplication::translate(
                                   "csvcommand", "Give one input file and at most one -o."));
    if (importing && outputs.isEmpty())
        return usageError(
            err, QCoreApplication::translate("csvcommand",
                                             "--import-csv needs -o OUT.cfg, the file to write."));
    const QStringList separators = parser.values(SeparatorOption);
    if (importing && !separators.isEmpty())
        return usageError(err, QCoreApplication::translate(
                                   "csvcommand", "--separator is for --export-csv; the import "
                                                 "finds the separator itself."));
    if (separators.size() > 1)
        return usageError(
            err, QCoreApplication::translate("csvcommand", "Give --separator at most once."));
    const auto separator = separatorNamed(separators.value(0, QStringLiteral("comma")));
    if (!separator)
        return usageError(err, QCoreApplication::translate(
                                   "csvcommand", "--separator takes comma, semicolon or tab, "
                                                 "not \"%1\".")
                                   .arg(separators.first()));

    weather::ConfigTable table;
    if (exporting) {
        if (const auto error = weather::loadConfigFile(inputs.first(), table))
            return fileFault(err, *error);
        return writeOutput(outputs.value(0), weather::formatCsv(table, *separator), out, err);
    }
    auto encoding = weather::CsvEncoding::Utf8;
    if (const auto error = weather::loadCsvFile(inputs.first(), table, &encoding))
        return fileFault(err, *error);
    if (encoding == weather::CsvEncoding::Windows1252) {
        err << QCoreApplication::translate("csvcommand", "%1: not UTF-8 text, read as "
                                                         "Windows-1252")
                   .arg(QDir::toNativeSeparators(inputs.first()))
            << '\n';
        err.flush();
    }
    return writeOutput(outputs.first(), weather::formatConfig(table), out, err);
}

int runCsvCommand(const QCommandLineParser& parser, QTextStream& err) {
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY); // the CSV's CRLF as it is
#endif
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return fileFault(err, stdoutFault(out));
    const int status = runCsvCommand(parser, out, err);
    // What is still buffered is written only now: a full disk shows here.
    if (!out.flush() && status == 0)
        return fileFault(err, stdoutFault(out));
    return status;
}
