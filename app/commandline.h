// The program's command line: its own options and files, and Qt's standard options, which are
// recognised here (and listed by --help-all) and left to QApplication.
#pragma once

#include <QCommandLineParser>
#include <QStringList>

class CommandLine {
public:
    enum class Mode { Window, Check, Diff, Csv, Help, Version, UsageError };

    CommandLine();

    // Reads `arguments`, the program's name first. Needs no application object, so that the
    // mode is known before one is made; may be called again with the same words as Qt decodes
    // them once one exists.
    Mode parse(const QStringList& arguments);

    // The FILE arguments of the last parse (with --diff: OLD and NEW).
    [[nodiscard]] QStringList files() const { return parser_.positionalArguments(); }
    // The parsed command line, for the CSV commands.
    [[nodiscard]] const QCommandLineParser& parser() const { return parser_; }
    // What was wrong with the command line, for a UsageError.
    [[nodiscard]] const QString& errorText() const { return error_; }

    // The help: the program's options, and with --help-all Qt's own too.
    [[nodiscard]] QString helpText() const;

    // The help (--help or --help-all) and the version line, as printed; need an application
    // object.
    [[nodiscard]] static QString versionText();

private:
    QCommandLineParser parser_;
    QCommandLineOption check_;
    QCommandLineOption diff_;
    QString error_;
};
