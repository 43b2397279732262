#include "windowsfiles.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace weather {

namespace {

const QString GameFolder = QStringLiteral("Pitchmaster 00-01\\data");

// `path` with backslashes and without a trailing one (a drive's root keeps none either).
QString normalised(const QString& path) {
    QString p = QDir::toNativeSeparators(path);
    p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (p.endsWith(QLatin1Char('\\')))
        p.chop(1);
    return p;
}

// The part of `path` after its drive ("C:") or UNC share ("\\server\share"), starting with a
// backslash; empty when it has neither.
QString afterDrive(const QString& path) {
    if (path.size() >= 3 && path.at(1) == QLatin1Char(':') && path.at(2) == QLatin1Char('\\'))
        return path.mid(2);
    if (path.startsWith(QStringLiteral("\\\\"))) {
        const qsizetype server = path.indexOf(QLatin1Char('\\'), 2);
        const qsizetype share = server < 0 ? -1 : path.indexOf(QLatin1Char('\\'), server + 1);
        if (share > 0)
            return path.mid(share);
    }
    return {};
}

} // namespace

QStringList gameDataFolders(const QString& programFilesX86, const QString& programFiles) {
    QStringList folders;
    for (const QString& root : {programFilesX86, programFiles}) {
        const QString folder = normalised(root);
        if (!folder.isEmpty())
            folders << folder + QLatin1Char('\\') + GameFolder + QLatin1Char('\\');
    }
    folders.removeDuplicates();
    return folders;
}

QString firstExistingFolder(const QStringList& candidates,
                            const std::function<bool(const QString&)>& isFolder,
                            const QString& fallback) {
    for (const QString& candidate : candidates) {
        if (isFolder(candidate))
            return candidate;
    }
    return fallback;
}

QString virtualStorePath(const QString& file, const QStringList& virtualisedFolders,
                         const QString& localAppData) {
    const QString path = normalised(file);
    const QString store = normalised(localAppData);
    if (store.isEmpty())
        return {};
    for (const QString& folder : virtualisedFolders) {
        const QString root = normalised(folder);
        if (afterDrive(root).isEmpty())
            continue;
        if (path.size() > root.size() + 1 && path.startsWith(root, Qt::CaseInsensitive) &&
            path.at(root.size()) == QLatin1Char('\\'))
            return store + QStringLiteral("\\VirtualStore") + afterDrive(path);
    }
    return {};
}

WriteFault classifyWriteError(quint32 windowsErrorCode) {
    // winerror.h: ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION and
    // ERROR_USER_MAPPED_FILE (the file is mapped into another program's memory).
    constexpr quint32 AccessDenied = 5;
    constexpr quint32 SharingViolation = 32;
    constexpr quint32 LockViolation = 33;
    constexpr quint32 UserMappedFile = 1224;
    switch (windowsErrorCode) {
    case AccessDenied:
        return WriteFault::AccessDenied;
    case SharingViolation:
    case LockViolation:
    case UserMappedFile:
        return WriteFault::SharingViolation;
    default:
        return WriteFault::Other;
    }
}

quint32 probeWriteError(const QString& file) {
#ifdef Q_OS_WIN
    const QFileInfo info(file);
    // Replacing the file deletes its old entry: that needs DELETE access, which a program
    // holding the file open without sharing deletion denies with a sharing violation.
    if (info.exists()) {
        const std::wstring name = QDir::toNativeSeparators(info.absoluteFilePath()).toStdWString();
        const HANDLE handle = CreateFileW(name.c_str(), DELETE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return GetLastError();
        CloseHandle(handle);
    }
    // The new file is written beside it first.
    const std::wstring probe =
        QDir::toNativeSeparators(
            info.absoluteDir().filePath(QStringLiteral(".weather-editor.probe")))
            .toStdWString();
    const HANDLE handle = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS ? 0 : error;
    }
    CloseHandle(handle);
    return 0;
#else
    (void)file;
    return 0;
#endif
}

} // namespace weather
