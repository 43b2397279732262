// What a file held when the editor read or wrote it, to tell at the next save whether another
// program has changed it since.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace weather {

// The size and SHA-256 hash of a file's bytes. No modification time: a program that writes the
// same bytes again changes nothing a save would lose, and a file system with a coarse clock (FAT
// keeps two seconds) can keep the time across a real change, so only the bytes decide.
struct FileStamp {
    qint64 size = -1;
    QByteArray sha256;

    // The stamp of `bytes`, just read from or written to the file.
    [[nodiscard]] static FileStamp of(QByteArrayView bytes);
};

enum class DiskState {
    Unchanged, // the file holds the stamped bytes
    Changed,   // it holds other bytes, or cannot be read to tell
    Missing,   // there is no file at the path
    Stream,    // a pipe, a FIFO or a device: it holds no bytes to compare
};

// Compares the file at `path` with `stamp`: a size that differs settles it without reading,
// otherwise the hash of the whole file does. A pipe or a device is never read here: that would
// take the bytes meant for someone else, or wait for a writer that never comes.
[[nodiscard]] DiskState diskState(const QString& path, const FileStamp& stamp);

} // namespace weather
