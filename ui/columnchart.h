// The small bar chart over a column of a season tab: one bar per box, as the boxes stand.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QWidget>

namespace weather {

// One box's place in the chart.
struct ChartBar {
    enum Kind {
        None, // the box holds no number: nothing is drawn
        Bar,  // a positive value: a bar up from the baseline
        Mark, // zero or a negative value: a flat mark on the baseline
    };
    Kind kind = None;
    QRect rect; // within the band; empty for None

    bool operator==(const ChartBar&) const = default;
};

// The height of a flat mark, in logical pixels.
inline constexpr int ChartMarkHeight = 2;

// Where each box's bar goes in a band of `band` size, in box order: equal slots side by side
// across the band's width with a gap between bars; a bar's height in proportion to its value,
// the largest value filling the band's height (at least one pixel for any positive value); a
// mark ChartMarkHeight high at the bottom. A box "holds a number" as readBoxValue reads it.
[[nodiscard]] QList<ChartBar> chartBars(const QStringList& texts, QSize band);

// The tooltip of box `index`: "Breezy 40 (40% of 100)", the percentage of the column's total
// rounded to a whole number; "Breezy 40" alone when the total is not positive or some box of the
// column holds no number (so there is no total); "Breezy ?" for a box that holds no number.
[[nodiscard]] QString chartToolTip(const QStringList& captions, const QStringList& texts,
                                   int index);

// The accessible description: "Calm 24, Breezy 40, Gusty ?, ...", "?" for a box without a number.
[[nodiscard]] QString chartDescription(const QStringList& captions, const QStringList& texts);

// The chart widget. It draws no text; its colours come from the palette (bars in Highlight,
// marks in Text, a baseline in Mid), so it reads under a dark palette too. The window sets its
// accessible name ("Summer Wind Chart").
class ColumnChart : public QWidget {
    Q_OBJECT

public:
    explicit ColumnChart(QWidget* parent = nullptr);

    // The boxes' captions in box order ("Calm", "Breezy", ...), for tooltips and the
    // accessible description.
    void setCaptions(const QStringList& captions);
    // The boxes' texts as they stand; cheap enough to call on every keystroke.
    void setTexts(const QStringList& texts);

    [[nodiscard]] const QStringList& texts() const { return texts_; }
    [[nodiscard]] QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();

    QStringList captions_;
    QStringList texts_;
};

} // namespace weather
