// The game's code page: configuration names are Windows-1252 bytes.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace weather {

// Decodes Windows-1252 bytes. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters of the same value, as Windows itself decodes them,
// so every byte maps to exactly one character.
[[nodiscard]] QString fromWindows1252(QByteArrayView bytes);

} // namespace weather
