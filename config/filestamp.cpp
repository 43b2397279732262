#include "filestamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace weather {

FileStamp FileStamp::of(QByteArrayView bytes) {
    return {bytes.size(), QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

DiskState diskState(const QString& path, const FileStamp& stamp) {
    const QFileInfo info(path);
    if (!info.exists())
        return DiskState::Missing;
    if (!info.isFile() && !info.isDir())
        return DiskState::Stream;
    if (info.size() != stamp.size)
        return DiskState::Changed;
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return DiskState::Changed;
    return hash.result() == stamp.sha256 ? DiskState::Unchanged : DiskState::Changed;
}

} // namespace weather
