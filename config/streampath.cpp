#include "streampath.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace weather {

#ifdef Q_OS_UNIX

namespace {

// The descriptor a path names by its spelling alone, before any link is followed.
std::optional<int> descriptorSpelled(const QString& path) {
    static const QRegularExpression fdPath(
        QStringLiteral("^/(?:dev/fd|proc/(?:self|thread-self|(\\d+))/fd)/(\\d+)$"));
    if (path == QLatin1String("/dev/stdin"))
        return 0;
    if (path == QLatin1String("/dev/stdout"))
        return 1;
    if (path == QLatin1String("/dev/stderr"))
        return 2;
    const QRegularExpressionMatch match = fdPath.match(path);
    if (!match.hasMatch())
        return std::nullopt;
    if (match.hasCaptured(1) && match.captured(1).toLongLong() != qint64(::getpid()))
        return std::nullopt; // another process's descriptor: a file like any other
    bool ok = false;
    const int fd = match.captured(2).toInt(&ok);
    return ok ? std::optional<int>(fd) : std::nullopt;
}

// The identity of what `path` ("-": standard input) leads to, when it is a stream.
std::optional<std::pair<dev_t, ino_t>> streamIdentity(const QString& path) {
    struct stat info {};
    const int status = path == QLatin1String("-")
                           ? ::fstat(STDIN_FILENO, &info)
                           : ::stat(QFile::encodeName(path).constData(), &info);
    if (status != 0 || S_ISREG(info.st_mode) || S_ISDIR(info.st_mode))
        return std::nullopt;
    return std::pair(info.st_dev, info.st_ino);
}

} // namespace

std::optional<int> namedDescriptor(const QString& path) {
    QString current = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    for (int depth = 0; depth < 40; ++depth) { // as many links as the kernel follows
        if (const auto fd = descriptorSpelled(current))
            return fd;
        const QString target = QFile::symLinkTarget(current);
        if (target.isEmpty())
            return std::nullopt;
        current = QDir::cleanPath(target);
    }
    return std::nullopt;
}

std::optional<FileError> writeToDescriptor(int fd, QByteArrayView data, const QString& path) {
    for (qsizetype done = 0; done < data.size();) {
        const ssize_t n = ::write(fd, data.data() + done, std::size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return FileError{path, 0,
                             QStringLiteral("cannot write the file: ") +
                                 qt_error_string(n < 0 ? errno : ENOSPC)};
        done += n;
    }
    return std::nullopt;
}

bool isOneStream(const QString& first, const QString& second) {
    const auto a = streamIdentity(first);
    return a && a == streamIdentity(second);
}

#else

std::optional<int> namedDescriptor(const QString&) {
    return std::nullopt;
}

std::optional<FileError> writeToDescriptor(int, QByteArrayView, const QString& path) {
    return FileError{path, 0, QStringLiteral("cannot write the file: no such descriptor")};
}

bool isOneStream(const QString& first, const QString& second) {
    return first == QLatin1String("-") && second == QLatin1String("-");
}

#endif

} // namespace weather
