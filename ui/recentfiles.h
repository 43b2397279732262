// The files opened or saved last, newest first, kept in the user's settings between runs.
#pragma once

#include <QStringList>

namespace weather {

class RecentFiles {
public:
    static constexpr int MaxFiles = 8;

    // The files, newest first.
    [[nodiscard]] static QStringList list();
    // Puts `path` first (once), keeping at most MaxFiles.
    static void add(const QString& path);
    static void remove(const QString& path);
    static void clear();
};

} // namespace weather
