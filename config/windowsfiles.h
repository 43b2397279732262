// What Windows does to the files of a game that was made before user accounts had limited
// rights: where its data folder is, where Windows keeps the copy that such a game writes instead
// of a file in Program Files (the VirtualStore), and what a failed write's error code means.
// Pure functions of paths and codes, so that they run and are tested on every system.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace weather {

// The game's data folders in the order they are tried: where a 32-bit game installs on 64-bit
// Windows first, then the Program Files folder itself. Empty arguments give no candidate.
[[nodiscard]] QStringList gameDataFolders(const QString& programFilesX86,
                                          const QString& programFiles);

// The first of `candidates` for which `isFolder` holds, or `fallback` when none does.
[[nodiscard]] QString firstExistingFolder(const QStringList& candidates,
                                          const std::function<bool(const QString&)>& isFolder,
                                          const QString& fallback);

// Where Windows keeps its redirected copy of `file` for a program without a manifest, when
// `file` lies in one of `virtualisedFolders` (Program Files, the Windows folder, ...):
// LOCALAPPDATA\VirtualStore\ followed by the path after its drive. Empty when `file` lies in
// none of them. Either separator is accepted, case is ignored as Windows does, and the result
// has backslashes.
[[nodiscard]] QString virtualStorePath(const QString& file, const QStringList& virtualisedFolders,
                                       const QString& localAppData);

// A failed write, by its Windows error code.
enum class WriteFault {
    Other,
    AccessDenied,     // the user has no right to write there (Program Files without elevation)
    SharingViolation, // another program, such as the running game, holds the file open
};
[[nodiscard]] WriteFault classifyWriteError(quint32 windowsErrorCode);

// Why `file` cannot be replaced: the Windows error code met when opening it to be replaced and
// when creating a file in its folder, or 0 when both work (and on other systems).
[[nodiscard]] quint32 probeWriteError(const QString& file);

} // namespace weather
