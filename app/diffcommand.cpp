#include "diffcommand.h"

#include "configdiff.h"
#include "configfile.h"

#include <QFile>
#include <QIODevice>
#include <QTextStream>

#include <array>
#include <cstdio>
#include <utility>

namespace {

constexpr int Differ = 1;
constexpr int Trouble = 2;

int trouble(QTextStream& err, const QString& message) {
    err << message << '\n';
    err.flush();
    return Trouble;
}

} // namespace

int runDiff(const QString& oldFile, const QString& newFile, QIODevice& out, QTextStream& err) {
    std::array<weather::ConfigTable, 2> tables;
    const std::array<QString, 2> files = {oldFile, newFile};
    QString errors;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (const auto error = weather::loadConfigFile(files.at(i), tables.at(i)))
            errors += error->toString() + QLatin1Char('\n');
    }
    if (!errors.isEmpty())
        return trouble(err, errors.chopped(1));

    bool written = true;
    const auto write = [&out, &written](QByteArrayView bytes) {
        written = written && out.write(bytes.data(), bytes.size()) == bytes.size();
    };
    const weather::TableDiff diff(std::move(tables[0]), std::move(tables[1]), oldFile, newFile);
    diff.writeLines(write);
    write(diff.summary().toUtf8() + '\n');
    if (!written)
        return trouble(err,
                       QStringLiteral("-: cannot write standard output: ") + out.errorString());
    return diff.counts().equal() ? 0 : Differ;
}

int runDiff(const QString& oldFile, const QString& newFile, QTextStream& err) {
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return trouble(err,
                       QStringLiteral("-: cannot write standard output: ") + out.errorString());
    const int status = runDiff(oldFile, newFile, out, err);
    if (!out.flush() && status != Trouble)
        return trouble(err,
                       QStringLiteral("-: cannot write standard output: ") + out.errorString());
    return status;
}
