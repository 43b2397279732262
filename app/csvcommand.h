// `weather-editor --export-csv FILE.cfg [-o OUT.csv] [--separator comma|semicolon|tab]` and
// `--import-csv FILE.csv -o OUT.cfg`: the configurations to and from a spreadsheet, without a
// window.
#pragma once

class QCommandLineParser;
class QIODevice;
class QTextStream;

// Adds --export-csv, --import-csv, -o and --separator to `parser`.
void addCsvOptions(QCommandLineParser& parser);

// Whether the parsed command line asks for an export or an import (or names an output or a
// separator).
[[nodiscard]] bool isCsvCommand(const QCommandLineParser& parser);

// Runs the export or the import. -o replaces a regular file in one step and writes straight into
// a pipe, a FIFO or a device. Without -o (or with "-o -") the output goes to `out`; messages
// go to `err`. Returns 0 on success, 1 when a file could not be read or written, 2 when the
// command line is wrong.
int runCsvCommand(const QCommandLineParser& parser, QIODevice& out, QTextStream& err);

// The same, writing to standard output.
int runCsvCommand(const QCommandLineParser& parser, QTextStream& err);
