#include "yearstrip.h"

#include "contrast.h"
#include "uitext.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace weather {

namespace {

// The short name on a season's mark: "Sp", "Su", "Au", "Wi".
QString markText(int season) {
    return seasonText(season).left(2);
}

} // namespace

QStringList startDayRemarks(const StartDays& starts) {
    QStringList remarks;
    std::optional<int> previous; // the season before, with a number
    int previousSeason = -1;
    for (int s = 0; s < int(starts.size()); ++s) {
        const std::optional<int>& day = starts.at(s);
        if (!day)
            continue;
        if (*day < 1 || *day > DaysInYear)
            remarks << QCoreApplication::translate("YearStrip",
                                                   "%1 starts on day %2, outside 1 to %3")
                           .arg(seasonText(s))
                           .arg(*day)
                           .arg(DaysInYear);
        if (previous && *day == *previous)
            remarks << QCoreApplication::translate("YearStrip", "%1 and %2 start on day %3")
                           .arg(seasonText(previousSeason), seasonText(s))
                           .arg(*day);
        else if (previous && *day < *previous)
            remarks << QCoreApplication::translate("YearStrip", "%1 starts before %2")
                           .arg(seasonText(s), seasonText(previousSeason));
        previous = day;
        previousSeason = s;
    }
    return remarks;
}

int dayPosition(int day, int width) {
    if (width <= 1)
        return 0;
    const int clamped = std::clamp(day, 1, DaysInYear);
    return int((qint64(clamped - 1) * (width - 1) + (DaysInYear - 1) / 2) / (DaysInYear - 1));
}

YearStrip::YearStrip(int season, QWidget* parent) : QWidget(parent), season_(season) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void YearStrip::setStarts(const StartDays& starts) {
    if (starts == starts_)
        return;
    starts_ = starts;
    update();
}

QSize YearStrip::sizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("Sp")) * 12,
            fontMetrics().height() + 10};
}

QSize YearStrip::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("Sp")) * 6, sizeHint().height()};
}

// The line of the year along the bottom, a tick at each start day with the season's short name
// above it; the tab's own season filled in the bar colour.
void YearStrip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QColor line = palette().color(group, QPalette::WindowText);
    const QColor own = barColour(palette(), group);
    const int half = fontMetrics().horizontalAdvance(QStringLiteral("Sp")) / 2 + 2;
    const int left = half;
    const int width = std::max(this->width() - 2 * half, 2);
    const int baseline = height() - 3;
    painter.fillRect(left, baseline, width, 1, line);
    painter.fillRect(left, baseline - 2, 1, 5, line); // the year's first and last day
    painter.fillRect(left + width - 1, baseline - 2, 1, 5, line);
    const int textTop = 0;
    const int textHeight = fontMetrics().height();
    for (int s = 0; s < int(starts_.size()); ++s) {
        if (!starts_.at(s))
            continue;
        const int x = left + dayPosition(*starts_.at(s), width);
        const QColor colour = s == season_ ? own : line;
        painter.fillRect(x - (s == season_ ? 1 : 0), textHeight, s == season_ ? 3 : 1,
                         baseline - textHeight, colour);
        QFont font = painter.font();
        font.setBold(s == season_);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QRect(x - half, textTop, 2 * half, textHeight), Qt::AlignCenter,
                         markText(s));
    }
}

} // namespace weather
