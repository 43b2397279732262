// Reading and writing weather.cfg in the game's exact layout.
#pragma once

#include "filestamp.h"
#include "weathertable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace weather {

// The largest file the reader accepts. The biggest file the format allows is about 9 MiB.
inline constexpr qint64 MaxFileSize = 64LL * 1024 * 1024;

// A failure to read or write a file, in words a user can act on.
struct FileError {
    QString path;    // the file, as given by the caller
    int line = 0;    // 1-based line of the problem; 0 when it concerns the file as a whole
    QString message; // plain words, no path and no line number

    // "PATH:LINE: message" (or "PATH: message"), the path in native separators.
    [[nodiscard]] QString toString() const;
};

// Something in a file that loaded which the user should know of, in the same parts as an error:
// text that the game does not read, or reads otherwise than it looks.
using FileWarning = FileError;
using FileWarnings = QList<FileWarning>;

// Parses a whole file's bytes into a fresh table. On failure `out` is left untouched and the
// error names the line; on success `out` is replaced and `warnings`, when given, receives the
// warnings in line order. `path` is only used in the error and the warnings.
[[nodiscard]] std::optional<FileError> parseConfig(QByteArrayView data, ConfigTable& out,
                                                   const QString& path = {},
                                                   FileWarnings* warnings = nullptr);

// What the messages of readInputFile() call the file.
enum class InputKind { WeatherConfig, Csv };

// Reads the whole input at `path` into `out`: a regular file, a pipe, a FIFO, /dev/stdin or a
// process substitution, to its end; "-" is standard input, and errors then name it "-". More
// than MaxFileSize bytes are refused. `out` is only written on success.
[[nodiscard]] std::optional<FileError> readInputFile(const QString& path, QByteArray& out,
                                                     InputKind kind = InputKind::WeatherConfig);

// Reads the file at `path` (through readInputFile) into `out`, all or nothing. On success
// `stamp`, when given, receives the stamp of the bytes that were read, and `warnings` the
// warnings of parseConfig().
[[nodiscard]] std::optional<FileError> loadConfigFile(const QString& path, ConfigTable& out,
                                                      FileStamp* stamp = nullptr,
                                                      FileWarnings* warnings = nullptr);

// The file's bytes for a table: CRLF after every line, numbers in plain decimal. The header
// line and each record's first five lines are the table's own where it keeps them, the standard
// ones otherwise; the table's trailing text follows the last record as it is.
[[nodiscard]] QByteArray formatConfig(const ConfigTable& table);

// The lines a save writes for what the game does not read, without their line ends: the header
// line, and the five lines in front of a record's name line (an empty line and four comments).
inline constexpr int BlockLineCount = 5;
[[nodiscard]] QByteArray headerLine(const ConfigTable& table);
[[nodiscard]] std::array<QByteArray, BlockLineCount> blockLines(const WeatherConfig& config);

// Appends one season line ("SUMMER: 92, W35, ...") without its line end.
void appendSeasonLine(QByteArray& out, int season, const SeasonWeather& values);

// Replaces the file at `path` atomically with `data`: it is written to a hidden file beside the
// target, flushed and renamed over it, so a failure or a crash leaves the previous file exactly
// as it was. Hidden files that an interrupted save left behind are removed by the next one.
// A path that names a pipe, a FIFO or a device is refused: a regular file would take its place.
[[nodiscard]] std::optional<FileError> writeFileAtomically(const QString& path,
                                                           const QByteArray& data);

// Whether `path` names something other than a regular file or a folder: a FIFO, a pipe (such as
// /dev/stdout or a process substitution's /dev/fd/63), a terminal or another device.
[[nodiscard]] bool isStreamPath(const QString& path);

// Writes `data` to `path` as a shell's redirection would, for a command's output: a path that
// names an open descriptor (/dev/stdout, /dev/fd/N) is written through it, at its offset; a
// regular file, or a path where nothing is yet, is replaced through writeFileAtomically; a
// pipe, a FIFO or a device is written straight into and stays what it is.
[[nodiscard]] std::optional<FileError> writeOutputFile(const QString& path, const QByteArray& data);

// Writes the table to `path` through writeFileAtomically.
[[nodiscard]] std::optional<FileError> saveConfigFile(const QString& path,
                                                      const ConfigTable& table);

} // namespace weather
