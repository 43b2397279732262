// The files opened or saved last, newest first, kept in the user's settings between runs.
#pragma once

#include <QString>
#include <QStringList>

namespace weather {

class RecentFiles {
public:
    static constexpr int MaxFiles = 8;

    // What a path names, for the window, which opens regular files only: a pipe, a FIFO or a
    // device would block it until something writes (the command line reads them all).
    enum class Kind {
        Regular,    // a file on disk, or a link to one
        Missing,    // nothing there
        NotRegular, // a folder, a pipe, a FIFO, a socket or a device
        Relative,   // not a full path: an entry written by hand or by an old version
    };
    [[nodiscard]] static Kind kindOf(const QString& path);

    // The files, newest first.
    [[nodiscard]] static QStringList list();
    // Puts the regular file `path` first, as its canonical path, once however it was spelled,
    // keeping at most MaxFiles; false, and nothing stored, when it is no regular file.
    static bool add(const QString& path);
    // Removes the entry `entry` exactly as list() gave it.
    static void remove(const QString& entry);
    static void clear();
};

} // namespace weather
