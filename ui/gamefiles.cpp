// Where the game keeps its file and what Windows does to it: the Open dialog's first folder, the
// game's VirtualStore copy, and a save that Windows refuses.
#include "configfile.h"
#include "frmweather.h"
#include "windowsfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace weather {

namespace {

QString environment(const char* name) {
    return qEnvironmentVariable(name);
}

// The folders Windows redirects into the VirtualStore for a program without a manifest.
QStringList virtualisedFolders() {
    return {environment("ProgramFiles(x86)"), environment("ProgramFiles"),
            environment("ProgramData"), environment("SystemRoot")};
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QString frmWeather::gameDataFolder() {
    // The classic place as the fallback, where a 64-bit Windows would keep a 64-bit game.
    return firstExistingFolder(
        gameDataFolders(environment("ProgramFiles(x86)"), environment("ProgramFiles")),
        [](const QString& folder) { return QFileInfo(folder).isDir(); },
        QStringLiteral("C:\\Program Files\\Pitchmaster 00-01\\data\\"));
}

bool frmWeather::offerGameCopy(const QString& path) {
    const QString copy = virtualStorePath(QFileInfo(path).absoluteFilePath(), virtualisedFolders(),
                                          environment("LOCALAPPDATA"));
    if (copy.isEmpty() || !QFileInfo(copy).isFile() || contents(copy) == contents(path))
        return false;
    const QString question =
        tr("The game reads %1, which differs from this file: Windows keeps that copy for the "
           "game since it once saved into %2 without the right to write there. Edits to this "
           "file do not reach the game.\n\nOpen the game's copy instead?")
            .arg(copy, QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    return desktop_->askToOpenCopy(this, title(), question) && openFile(copy);
}

bool frmWeather::retryAfterFailedSave(const FileError& error) {
    const QString file = QDir::toNativeSeparators(QFileInfo(loadedPath_).absoluteFilePath());
    switch (classifyWriteError(probeWriteError(loadedPath_))) {
    case WriteFault::SharingViolation:
        return desktop_->askToRetry(
            this, title(),
            tr("The file was not saved: %1 is in use by another program, most likely the game "
               "Pitchmaster 00-01. Close the game, then press Retry. The configurations stay in "
               "this window.")
                .arg(file));
    case WriteFault::AccessDenied:
        showFailure(tr("The file was not saved: Windows does not let you change files in %1.\n"
                       "Run the editor as administrator (right-click it, Run as administrator), "
                       "or copy the file to a folder of your own, open it there and save. The "
                       "configurations stay in this window.")
                        .arg(QDir::toNativeSeparators(QFileInfo(file).absolutePath())));
        return false;
    case WriteFault::Other:
        break;
    }
    showFailure(tr("The file was not saved.\n%1").arg(error.toString()));
    return false;
}

} // namespace weather
