#include "checkcommand.h"

#include "configfile.h"

#include <QDir>

int runCheck(const QStringList& files, QTextStream& out) {
    int status = 0;
    for (const QString& file : files) {
        weather::ConfigTable table;
        if (const auto error = weather::loadConfigFile(file, table)) {
            out << error->toString() << '\n';
            status = 1;
            continue;
        }
        const int n = table.recordCount();
        out << QDir::toNativeSeparators(file) << ": " << n
            << (n == 1 ? " configuration" : " configurations") << '\n';
    }
    out.flush();
    return status;
}
