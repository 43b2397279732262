#include "valuebars.h"

#include "contrast.h"
#include "seasontext.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace weather {

GroupValues groupValues(const QStringList& texts) {
    GroupValues values;
    values.reserve(texts.size());
    for (const QString& text : texts) {
        const BoxValue value = readBoxValue(text);
        values << (value.ok() ? std::optional<int>(value.value) : std::nullopt);
    }
    return values;
}

GroupBars groupBars(const GroupValues& values, int width) {
    GroupBars out;
    out.bars.reserve(values.size());
    width = std::max(width, 0);
    qint64 below = 0; // the most negative value's magnitude
    qint64 above = 0; // the largest value
    for (const auto& value : values) {
        if (value) {
            below = std::max<qint64>(below, -qint64(*value));
            above = std::max<qint64>(above, *value);
        }
    }
    const qint64 range = below + above;
    out.zero = range == 0 ? 0 : int((below * width + range / 2) / range);
    for (const auto& value : values) {
        if (!value) {
            out.bars << std::nullopt;
            continue;
        }
        const qint64 magnitude = *value < 0 ? -qint64(*value) : qint64(*value);
        int length = range == 0 ? 0 : int((magnitude * width + range / 2) / range);
        if (magnitude > 0 && width > 0)
            length = std::max(length, 1);
        if (*value < 0) {
            const int from = std::max(out.zero - length, 0);
            out.bars << BarSpan{from, from + length};
        } else {
            const int to = std::min(out.zero + length, width);
            out.bars << BarSpan{to - length, to};
        }
    }
    return out;
}

std::optional<int> groupShare(const GroupValues& values, int index) {
    qint64 total = 0;
    for (const auto& value : values) {
        if (!value || *value < 0)
            return std::nullopt;
        total += *value;
    }
    if (total <= 0 || index < 0 || index >= values.size())
        return std::nullopt;
    return int((100 * qint64(*values.at(index)) + total / 2) / total);
}

QString barText(const QString& caption, const QString& group, const GroupValues& values,
                int index) {
    const std::optional<int> value = values.value(index);
    //: A value beside its bar, as in "Calm 25", or "Calm ?" for a box without a number.
    QString plain = QCoreApplication::translate("ValueBars", "%1 %2")
                        .arg(caption, value ? QString::number(*value) : QStringLiteral("?"));
    const std::optional<int> share = groupShare(values, index);
    if (!share)
        return plain;
    //: A value and its share of its group, as in "Calm 25, 25% of Wind".
    return QCoreApplication::translate("ValueBars", "%1, %2% of %3")
        .arg(plain, QString::number(*share), group);
}

ValueBar::ValueBar(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ValueBar::setValues(const GroupValues& values, int index) {
    if (values == values_ && index == index_)
        return;
    values_ = values;
    index_ = index;
    update();
}

QSize ValueBar::sizeHint() const {
    return {fontMetrics().horizontalAdvance(QLatin1Char('0')) * 16, fontMetrics().height()};
}

QSize ValueBar::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8, fontMetrics().height() / 2};
}

void ValueBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    // A margin either side keeps the zero line clear of the box and of the next column.
    const int margin = std::max(2, height() / 8);
    const int width = this->width() - 2 * margin;
    const GroupBars bars = groupBars(values_, width - 1); // the zero line's own pixel
    const int barHeight = std::max(2, std::min(height() - 2 * margin, fontMetrics().height()));
    const int top = (height() - barHeight) / 2;
    if (const auto& bar = bars.bars.value(index_)) {
        // Right of the zero line, positive bars start one pixel on, past the line itself.
        const int shift = bar->from >= bars.zero ? 1 : 0;
        painter.fillRect(margin + bar->from + shift, top, bar->to - bar->from, barHeight,
                         barColour(palette(), group));
    }
    painter.fillRect(margin + bars.zero, top - margin / 2, 1, barHeight + margin,
                     palette().color(group, QPalette::WindowText));
}

} // namespace weather
