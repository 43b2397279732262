#include "screenfit.h"

#include <algorithm>

namespace weather {

namespace {

qint64 area(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

} // namespace

QRect fitOnScreens(const QRect& frame, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return frame;
    // The first wins a tie, and also when the frame overlaps no screen at all.
    const QRect screen =
        *std::max_element(screens.begin(), screens.end(), [&frame](const QRect& a, const QRect& b) {
            return area(a.intersected(frame)) < area(b.intersected(frame));
        });
    const int width = std::min(frame.width(), screen.width());
    const int height = std::min(frame.height(), screen.height());
    const int left =
        std::clamp(frame.left(), screen.left(), screen.left() + screen.width() - width);
    const int top = std::clamp(frame.top(), screen.top(), screen.top() + screen.height() - height);
    return {left, top, width, height};
}

} // namespace weather
