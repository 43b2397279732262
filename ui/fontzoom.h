// Lets a pane's text grow with the room it gets: when the area that shows the pane is larger
// than the pane needs at its normal font, the font grows in proportion (up to twice its size),
// so that a maximised window shows a larger, readable layout instead of empty space.
#pragma once

#include <QFont>
#include <QObject>
#include <QSize>

class QWidget;

namespace weather {

// The font size for `room` when `normal` is what the pane needs at `base`: `base` scaled by the
// smaller of the two ratios, no smaller than `base` and at most twice it, in whole pixels (or
// half points for a font sized in points).
[[nodiscard]] QFont zoomedFont(const QFont& base, QSize normal, QSize room);

class FontZoom : public QObject {
    Q_OBJECT

public:
    // Follows the size of `area` and sets the font of `pane`, which needs `normal` at `base`.
    FontZoom(QWidget* area, QWidget* pane, QSize normal, const QFont& base);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* area_;
    QWidget* pane_;
    QSize normal_;
    QFont base_;
};

} // namespace weather
