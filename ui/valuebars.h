// The bars beside a season's value boxes: one horizontal bar per value, to the right of its box,
// on one scale for the values of a group (wind, precipitation, warmth), so that the bars of a
// group compare directly. A zero line divides negative values (to its left) from positive ones.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

namespace weather {

// The values of a group's boxes as they stand: nothing for a box that holds no number.
using GroupValues = QList<std::optional<int>>;

// Reads the boxes' texts as Update would.
[[nodiscard]] GroupValues groupValues(const QStringList& texts);

// A bar's extent along its row, in pixels from the left: from <= to, `to` excluded.
struct BarSpan {
    int from = 0;
    int to = 0;
    bool operator==(const BarSpan&) const = default;
};

// A group's bars across `width` pixels.
struct GroupBars {
    int zero = 0;                       // where the zero line stands, 0 to width
    QList<std::optional<BarSpan>> bars; // in box order; nothing for a box without a number
    bool operator==(const GroupBars&) const = default;
};

// Lays a group's bars out on one scale that runs from its most negative value (or 0) on the
// left to its largest value (or 0) on the right. A bar runs from the zero line to its value, at
// least one pixel long for any value but 0, which has no extent.
[[nodiscard]] GroupBars groupBars(const GroupValues& values, int width);

// Value `index`'s share of its group's total in whole percent; nothing unless every value of the
// group is a number of at least 0 and the total is above 0.
[[nodiscard]] std::optional<int> groupShare(const GroupValues& values, int index);

// "Calm 25, 25% of Wind", "Calm -5" (no share) or "Calm ?" (no number): what a bar says.
[[nodiscard]] QString barText(const QString& caption, const QString& group,
                              const GroupValues& values, int index);

// One value's bar. Its colour comes from the palette, chosen to stand out against the window
// colour; the zero line is drawn in the window's text colour. The page tells it its group's
// values and sets its tooltip and accessible description.
class ValueBar : public QWidget {
    Q_OBJECT

public:
    explicit ValueBar(QWidget* parent = nullptr);

    void setValues(const GroupValues& values, int index);
    [[nodiscard]] const GroupValues& values() const { return values_; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GroupValues values_;
    int index_ = 0;
};

} // namespace weather
