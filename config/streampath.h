// Paths that name a stream the program already holds rather than a file to replace.
#pragma once

#include "configfile.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace weather {

// The descriptor that `path` names when it is one of the program's own open descriptors:
// /dev/stdin, /dev/stdout, /dev/stderr, /dev/fd/N or /proc/self/fd/N (directly or through
// symbolic links that lead there). Nothing for any other path, and on systems without them.
[[nodiscard]] std::optional<int> namedDescriptor(const QString& path);

// Writes `data` through the open descriptor `fd` as a shell's `>` would: at the descriptor's
// current offset (at the end when it was opened to append), leaving the file it leads to in
// place. Errors name `path`.
[[nodiscard]] std::optional<FileError> writeToDescriptor(int fd, QByteArrayView data,
                                                         const QString& path);

// Whether `first` and `second` ("-" being standard input) name one pipe, FIFO or device, which
// can be read only once. Two names of one regular file are not one stream.
[[nodiscard]] bool isOneStream(const QString& first, const QString& second);

} // namespace weather
