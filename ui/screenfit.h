// Where a window may stand: inside the area of a screen that the desktop leaves to windows.
#pragma once

#include <QList>
#include <QRect>

namespace weather {

// `frame` (a window with its title bar and borders) made to fit one of `screens`, the areas the
// screens leave to windows: the one it overlaps most, else the first. It is made no larger than
// that area and moved, as little as it takes, to lie inside it. No screens: `frame` as it is.
[[nodiscard]] QRect fitOnScreens(const QRect& frame, const QList<QRect>& screens);

} // namespace weather
