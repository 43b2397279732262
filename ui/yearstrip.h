// The year strip beside a season's start day: the four seasons' start days marked on one line
// of the year, so that a start day out of order, or two seasons starting on one day, shows at a
// glance. It only shows; any start day may be stored.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

namespace weather {

inline constexpr int DaysInYear = 365;

// The four start days as the boxes stand, Spring first: nothing for a box without a number.
using StartDays = QList<std::optional<int>>;

// What the start days say together, one remark per problem, in season order: a season that
// starts before the one before it, two seasons on one day, a day outside 1 to 365. Empty when
// they run in order through the year.
[[nodiscard]] QStringList startDayRemarks(const StartDays& starts);

// Where `day` stands across `width` pixels: day 1 at 0, day 365 at width - 1, days outside the
// year at the nearer end.
[[nodiscard]] int dayPosition(int day, int width);

class YearStrip : public QWidget {
    Q_OBJECT

public:
    // The strip of season `season`'s tab: that season's mark is drawn filled, the others open.
    explicit YearStrip(int season, QWidget* parent = nullptr);

    void setStarts(const StartDays& starts);
    [[nodiscard]] const StartDays& starts() const { return starts_; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int season_;
    StartDays starts_;
};

} // namespace weather
