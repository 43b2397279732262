// Text as a message shows it, so that what the user cannot see is named.
#pragma once

#include <QString>
#include <QStringView>

namespace weather {

// Whether a character prints as nothing or as a blank that is not the plain space: control and
// format characters (U+200B, U+FEFF), separators other than U+0020, unassigned and private-use
// code points and lone surrogates.
[[nodiscard]] bool isInvisible(char32_t character);

// One character as a message names it: itself, or "U+200B" when it is invisible.
[[nodiscard]] QString visibleCharacter(char32_t character);

// `text` for a message: invisible characters as "<U+200B>", cut after `maxCharacters` characters
// with "..." added. Without quotes; the caller adds them.
[[nodiscard]] QString visibleText(QStringView text, qsizetype maxCharacters = 24);

} // namespace weather
