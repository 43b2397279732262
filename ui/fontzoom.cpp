#include "fontzoom.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace weather {

namespace {

// The share of the room the grown pane may fill: widgets do not grow quite in step with their
// text, and a little air keeps scroll bars away.
constexpr double Fill = 0.92;
constexpr double MostZoom = 2.0;

} // namespace

QFont zoomedFont(const QFont& base, QSize normal, QSize room) {
    if (normal.isEmpty())
        return base;
    const double ratio = Fill * std::min(double(room.width()) / normal.width(),
                                         double(room.height()) / normal.height());
    const double zoom = std::clamp(ratio, 1.0, MostZoom);
    QFont font = base;
    if (base.pixelSize() > 0)
        font.setPixelSize(int(std::floor(base.pixelSize() * zoom)));
    else
        font.setPointSizeF(std::floor(base.pointSizeF() * zoom * 2) / 2);
    return font;
}

FontZoom::FontZoom(QWidget* area, QWidget* pane, QSize normal, const QFont& base)
    : QObject(area), area_(area), pane_(pane), normal_(normal), base_(base) {
    area->installEventFilter(this);
}

bool FontZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_ && event->type() == QEvent::Resize) {
        const QFont font = zoomedFont(base_, normal_, area_->size());
        if (font != pane_->font())
            pane_->setFont(font);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace weather
