#include "diffcommand.h"

#include "configdiff.h"
#include "configfile.h"

#include <array>

namespace {

constexpr int Differ = 1;
constexpr int Trouble = 2;

} // namespace

int runDiff(const QString& oldFile, const QString& newFile, QTextStream& out, QTextStream& err) {
    std::array<weather::ConfigTable, 2> tables;
    const std::array<QString, 2> files = {oldFile, newFile};
    bool failed = false;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (const auto error = weather::loadConfigFile(files.at(i), tables.at(i))) {
            err << error->toString() << '\n';
            failed = true;
        }
    }
    if (failed) {
        err.flush();
        return Trouble;
    }
    const weather::DiffCounts counts =
        weather::compareTables(tables[0], tables[1], oldFile, newFile,
                               [&out](QStringView line) { out << line << '\n'; });
    out << weather::diffSummary(counts, oldFile, newFile) << '\n';
    out.flush();
    if (out.status() != QTextStream::Ok) {
        err << "-: cannot write standard output\n";
        err.flush();
        return Trouble;
    }
    return counts.equal() ? 0 : Differ;
}
