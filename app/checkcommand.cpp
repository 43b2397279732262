#include "checkcommand.h"

#include "configfile.h"

#include <QDir>

int runCheck(const QStringList& files, QTextStream& out) {
    int status = 0;
    for (const QString& file : files) {
        weather::ConfigTable table;
        weather::FileWarnings warnings;
        if (const auto error = weather::loadConfigFile(file, table, nullptr, &warnings)) {
            out << error->toString() << '\n';
            status = 1;
            continue;
        }
        const int n = table.recordCount();
        out << QDir::toNativeSeparators(file) << ": " << n
            << (n == 1 ? " configuration" : " configurations") << '\n';
        // Warnings leave the status alone: the file loads, as the game reads it.
        for (weather::FileWarning& warning : warnings) {
            warning.message.prepend(QStringLiteral("warning: "));
            out << warning.toString() << '\n';
        }
    }
    out.flush();
    return status;
}
