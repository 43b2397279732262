// The game's code page: configuration names are Windows-1252 bytes.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace weather {

// Decodes Windows-1252 bytes. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters of the same value, as Windows itself decodes them,
// so every byte maps to exactly one character.
[[nodiscard]] QString fromWindows1252(QByteArrayView bytes);

// Encodes text in Windows-1252, the exact inverse of fromWindows1252: every byte decoded by it
// encodes back to itself. Returns nothing when the code page lacks a character of `text`;
// `unencodable`, when given, then receives the index of the first such character.
[[nodiscard]] std::optional<QByteArray> toWindows1252(QStringView text,
                                                      qsizetype* unencodable = nullptr);

} // namespace weather
