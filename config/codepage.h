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

// Encodes text as Windows-1252, the exact reverse of fromWindows1252: every byte comes back from
// the character it decodes to. Nothing when a character has no byte; then `badIndex`, when
// given, receives that character's index in `text`.
[[nodiscard]] std::optional<QByteArray> toWindows1252(QStringView text,
                                                      qsizetype* badIndex = nullptr);

} // namespace weather
