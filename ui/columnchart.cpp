#include "columnchart.h"

#include "seasontext.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <optional>
#include <utility>

namespace weather {

namespace {

// The box's value, or nothing when it holds no number.
std::optional<int> valueOf(const QString& text) {
    const BoxValue value = readBoxValue(text);
    if (!value.ok())
        return std::nullopt;
    return value.value;
}

// The sum of the column, or nothing when a box holds no number.
std::optional<int> totalOf(const QStringList& texts) {
    int sum = 0;
    for (const QString& text : texts) {
        const std::optional<int> value = valueOf(text);
        if (!value)
            return std::nullopt;
        sum += *value;
    }
    return sum;
}

QString captioned(const QString& caption, const std::optional<int>& value) {
    //: A value of a column chart, as in "Breezy 40", or "Breezy ?" for a box without a number.
    return QCoreApplication::translate("ColumnChart", "%1 %2")
        .arg(caption, value ? QString::number(*value) : QStringLiteral("?"));
}

// The slot of box `index` of `count` across `width`.
std::pair<int, int> slotOf(int index, int count, int width) {
    const int left = int(qint64(index) * width / count);
    const int right = int(qint64(index + 1) * width / count);
    return {left, right};
}

} // namespace

QList<ChartBar> chartBars(const QStringList& texts, QSize band) {
    const auto count = int(texts.size());
    QList<ChartBar> bars(count);
    if (count == 0 || band.isEmpty())
        return bars;
    QList<std::optional<int>> values;
    values.reserve(count);
    int largest = 0;
    for (const QString& text : texts) {
        values << valueOf(text);
        largest = std::max(largest, values.last().value_or(0));
    }
    const int height = band.height();
    const int markHeight = std::min(ChartMarkHeight, height);
    for (int i = 0; i < count; ++i) {
        if (!values.at(i))
            continue;
        const auto [left, right] = slotOf(i, count, band.width());
        const int slot = right - left;
        const int gap = slot >= 4 ? slot / 4 : std::min(slot - 1, 1);
        const int value = *values.at(i);
        ChartBar& bar = bars[i];
        if (value > 0) {
            const auto scaled = int((qint64(value) * height + largest / 2) / largest);
            const int barHeight = std::max(1, scaled);
            bar = {ChartBar::Bar, QRect(left + gap / 2, height - barHeight, slot - gap, barHeight)};
        } else {
            bar = {ChartBar::Mark,
                   QRect(left + gap / 2, height - markHeight, slot - gap, markHeight)};
        }
    }
    return bars;
}

QString chartToolTip(const QStringList& captions, const QStringList& texts, int index) {
    const QString caption = captions.value(index);
    const std::optional<int> value = valueOf(texts.value(index));
    const std::optional<int> total = totalOf(texts);
    if (!value || !total || *total <= 0)
        return captioned(caption, value);
    const int percent = qRound(100.0 * *value / *total);
    //: A bar's tooltip: caption, value, its share of the column's total, the total.
    return QCoreApplication::translate("ColumnChart", "%1 %2 (%3% of %4)")
        .arg(caption, QString::number(*value), QString::number(percent), QString::number(*total));
}

QString chartDescription(const QStringList& captions, const QStringList& texts) {
    QStringList parts;
    parts.reserve(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        parts << captioned(captions.value(i), valueOf(texts.at(i)));
    return parts.join(QStringLiteral(", "));
}

ColumnChart::ColumnChart(QWidget* parent) : QWidget(parent) {}

void ColumnChart::setCaptions(const QStringList& captions) {
    if (captions == captions_)
        return;
    captions_ = captions;
    describe();
}

void ColumnChart::setTexts(const QStringList& texts) {
    if (texts == texts_)
        return;
    texts_ = texts;
    describe();
    update();
}

QSize ColumnChart::sizeHint() const {
    return {130, 40};
}

void ColumnChart::describe() {
    setAccessibleDescription(chartDescription(captions_, texts_));
}

bool ColumnChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const auto count = int(texts_.size());
    const int x = help->pos().x();
    if (count == 0 || x < 0 || x >= width()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const int index = int(qint64(x) * count / width());
    const auto [left, right] = slotOf(index, count, width());
    QToolTip::showText(help->globalPos(), chartToolTip(captions_, texts_, index), this,
                       QRect(left, 0, right - left, height()));
    return true;
}

void ColumnChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QPalette& colours = palette();
    painter.fillRect(0, height() - 1, width(), 1, colours.color(group, QPalette::Mid));
    const QColor bar = colours.color(group, QPalette::Highlight);
    const QColor mark = colours.color(group, QPalette::Text);
    for (const ChartBar& b : chartBars(texts_, size())) {
        if (b.kind != ChartBar::None)
            painter.fillRect(b.rect, b.kind == ChartBar::Bar ? bar : mark);
    }
}

} // namespace weather
