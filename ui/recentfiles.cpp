#include "recentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace weather {

namespace {

const QString Key = QStringLiteral("recentFiles");

void store(const QStringList& files) {
    QSettings().setValue(Key, files);
}

} // namespace

RecentFiles::Kind RecentFiles::kindOf(const QString& path) {
    if (QDir::isRelativePath(path))
        return Kind::Relative;
    const QFileInfo info(path);
    if (!info.exists())
        return Kind::Missing;
    // isFile() follows links and is true for regular files only.
    return info.isFile() ? Kind::Regular : Kind::NotRegular;
}

QStringList RecentFiles::list() {
    return QSettings().value(Key).toStringList().mid(0, MaxFiles);
}

bool RecentFiles::add(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.isFile() ? info.canonicalFilePath() : QString();
    if (canonical.isEmpty())
        return false;
    QStringList files = list();
    files.removeIf([&canonical](const QString& entry) {
        return entry == canonical || QFileInfo(entry).canonicalFilePath() == canonical;
    });
    files.prepend(canonical);
    store(files.mid(0, MaxFiles));
    return true;
}

void RecentFiles::remove(const QString& entry) {
    QStringList files = list();
    files.removeAll(entry);
    store(files);
}

void RecentFiles::clear() {
    store({});
}

} // namespace weather
