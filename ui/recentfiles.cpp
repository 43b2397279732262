#include "recentfiles.h"

#include <QFileInfo>
#include <QSettings>

namespace weather {

namespace {

const QString Key = QStringLiteral("recentFiles");

void store(const QStringList& files) {
    QSettings().setValue(Key, files);
}

} // namespace

QStringList RecentFiles::list() {
    return QSettings().value(Key).toStringList().mid(0, MaxFiles);
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = list();
    files.removeAll(absolute);
    files.prepend(absolute);
    store(files.mid(0, MaxFiles));
}

void RecentFiles::remove(const QString& path) {
    QStringList files = list();
    files.removeAll(QFileInfo(path).absoluteFilePath());
    store(files);
}

void RecentFiles::clear() {
    store({});
}

} // namespace weather
