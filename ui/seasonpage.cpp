#include "seasonpage.h"

#include "columntotals.h"
#include "contrast.h"
#include "seasontext.h"
#include "uitext.h"
#include "valuebars.h"
#include "windowlayout.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace weather {

using layout::Columns;
using layout::rowsOf;
using layout::ValueRows;

namespace {

QString indexedName(const char* group, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(group)).arg(index);
}

template <typename W> W* named(W* widget, const QString& name, const QString& accessibleName = {}) {
    widget->setObjectName(name);
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
    return widget;
}

// A season box's width: enough to show the widest value, "-32768", whole (QLineEdit keeps a
// 2-pixel margin inside its frame) and no wider, so that the bars take what is left.
int widthForAnyValue(const QLineEdit* box) {
    constexpr int InnerMargin = 2;
    constexpr int Cursor = 1;
    constexpr int Air = 4;
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    return box->fontMetrics().horizontalAdvance(QStringLiteral("-32768")) +
           2 * (frame + InnerMargin) + Cursor + Air;
}

// The group headings: bold and a size larger than the text (9.75 against 8.25 points).
QFont headingFont(QFont font) {
    constexpr double Larger = 9.75 / 8.25;
    if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * Larger));
    else
        font.setPointSizeF(font.pointSizeF() * Larger);
    font.setBold(true);
    return font;
}

constexpr int ColumnsPerGroup = 3; // caption, box, bar

} // namespace

SeasonPage::SeasonPage(int season, QWidget* parent) : QWidget(parent), season_(season) {
    const int s = season;
    auto* pageLayout = new QVBoxLayout(this);
    pageLayout->setContentsMargins(4, 4, 4, 4);
    fraDetails_ = named(new QGroupBox(tr("Details"), this), indexedName("fraDetails", s));
    pageLayout->addWidget(fraDetails_);
    auto* grid = new QGridLayout(fraDetails_);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const int allColumns = int(Columns.size()) * ColumnsPerGroup;

    // The start day, and the year strip with a remark when the start days are out of order.
    auto* lblStart = named(new QLabel(valueText(0), fraDetails_), indexedName("lblStart", s));
    txtStart_ = named(new QLineEdit(fraDetails_), indexedName("txtStart", s), valueNameText(s, 0));
    lblStart->setBuddy(txtStart_);
    yearStrip_ = named(new YearStrip(s, fraDetails_), indexedName("yrsStart", s), yearStripName(s));
    lblYearNote_ = named(new QLabel(fraDetails_), indexedName("lblYearNote", s));
    grid->addWidget(lblStart, 0, 0);
    grid->addWidget(txtStart_, 0, 1);
    grid->addWidget(yearStrip_, 0, 2, 1, allColumns - 2);
    grid->addWidget(lblYearNote_, 1, 2, 1, allColumns - 2);

    constexpr int HeadingRow = 2;
    constexpr int FirstValueRow = 3;
    static constexpr std::array<const char*, 3> headingNames = {"lblWind", "lblPrec", "lblWarmth"};
    for (std::size_t c = 0; c < Columns.size(); ++c) {
        auto* heading =
            named(new QLabel(columnText(int(c)), fraDetails_), indexedName(headingNames.at(c), s));
        headings_.at(c) = heading;
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(heading, HeadingRow, int(c) * ColumnsPerGroup, 1, ColumnsPerGroup);
        grid->setColumnStretch(int(c) * ColumnsPerGroup + 2, 1);
    }
    int lastRow = FirstValueRow;
    for (int k = 0; k < SeasonValueCount - 1; ++k) {
        const layout::ValueRow& row = ValueRows.at(std::size_t(k));
        const int n = s * (SeasonValueCount - 1) + k;
        const int gridRow = FirstValueRow + row.row;
        const int gridColumn = row.column * ColumnsPerGroup;
        auto* caption =
            named(new QLabel(valueText(row.position), fraDetails_), indexedName("lblDesc", n));
        QLineEdit* valueBox = txtVal_.at(std::size_t(k)) = named(
            new QLineEdit(fraDetails_), indexedName("txtVal", n), valueNameText(s, row.position));
        caption->setBuddy(valueBox);
        ValueBar* bar = bars_.at(std::size_t(k)) =
            named(new ValueBar(fraDetails_), indexedName("barVal", n),
                  valueBarName(s, row.column, row.position));
        // Aligned, so that the rows may share extra height while the boxes keep theirs.
        grid->addWidget(caption, gridRow, gridColumn, Qt::AlignVCenter);
        grid->addWidget(valueBox, gridRow, gridColumn + 1, Qt::AlignVCenter);
        grid->addWidget(bar, gridRow, gridColumn + 2);
        lastRow = std::max(lastRow, gridRow);
    }
    for (int r = FirstValueRow; r <= lastRow; ++r)
        grid->setRowStretch(r, 1);

    const int totalRow = lastRow + 1;
    for (std::size_t c = 0; c < Columns.size(); ++c) {
        const auto n = int(layout::totalIndex(s, c));
        QLabel* total = lblTotal_.at(c) =
            named(new QLabel(fraDetails_), indexedName("lblTotal", n), columnTotalName(s, int(c)));
        total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(total, totalRow, int(c) * ColumnsPerGroup, 1, 2);
    }
    cmdUpdate_ = named(new QPushButton(updateText(s), fraDetails_), indexedName("cmdUpdate", s),
                       updateText(s));
    grid->addWidget(cmdUpdate_, totalRow + 1, allColumns - 2, 1, 2, Qt::AlignRight);
    // Extra height goes mostly below the values, so that their rows stay together.
    grid->setRowStretch(totalRow + 2, 3);
    fitToFont();
}

// The page takes the window's font when it joins the window, and again when that changes.
void SeasonPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToFont();
}

void SeasonPage::fitToFont() {
    for (int p = 0; p < SeasonValueCount; ++p)
        box(p)->setFixedWidth(widthForAnyValue(box(p)));
    for (QLabel* heading : headings_)
        heading->setFont(headingFont(font()));
    // The remark's line stays reserved, so that the rows do not move when one appears.
    lblYearNote_->setMinimumHeight(fontMetrics().height());
}

QLineEdit* SeasonPage::box(int position) const {
    return position == 0 ? txtStart_ : txtVal_.at(std::size_t(position - 1));
}

void SeasonPage::follow(const SeasonWeather* stored) {
    QStringList texts;
    texts.reserve(SeasonValueCount);
    for (int p = 0; p < SeasonValueCount; ++p) {
        markBox(box(p), stored, p);
        texts << box(p)->text();
    }
    for (std::size_t c = 0; c < Columns.size(); ++c) {
        const QStringList column = texts.mid(Columns.at(c).firstPosition, rowsOf(c));
        lblTotal_.at(c)->setText(columnTotalText(column));
        const GroupValues values = groupValues(column);
        for (int i = 0; i < int(column.size()); ++i) {
            const int position = Columns.at(c).firstPosition + i;
            ValueBar* bar = bars_.at(std::size_t(position - 1));
            bar->setValues(values, i);
            const QString text = barText(valueText(position), columnText(int(c)), values, i);
            bar->setToolTip(text);
            //: A bar's accessible description: season, group and what the bar says, as in
            //: "Summer Wind Calm 25, 25% of Wind".
            bar->setAccessibleDescription(
                tr("%1 %2 %3").arg(seasonText(season_), columnText(int(c)), text));
        }
    }
}

void SeasonPage::markBox(QLineEdit* field, const SeasonWeather* stored, int position) {
    const QString text = field->text();
    const BoxValue value = readBoxValue(text);
    const bool invalid = stored != nullptr && !value.ok();
    const bool edited = stored != nullptr && (invalid || value.value != stored->at(position));
    QString tip;
    if (invalid)
        tip = boxProblemReason(text, value.problem);
    else if (edited)
        tip = tr("Stored: %1; Update stores what the box holds").arg(stored->at(position));
    if (field->property(InvalidProperty).toBool() == invalid &&
        field->property(EditedProperty).toBool() == edited && field->toolTip() == tip)
        return;
    field->setProperty(InvalidProperty, invalid);
    field->setProperty(EditedProperty, edited);
    field->setToolTip(tip);
    field->setAccessibleDescription(tip);
    if (!invalid && !edited) {
        field->setPalette(QPalette()); // the window's own colours again
        return;
    }
    QPalette colours = field->parentWidget()->palette();
    const QColor base = markedBase(colours, invalid ? BoxMark::Invalid : BoxMark::Edited);
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        colours.setColor(group, QPalette::Base, base);
    field->setPalette(colours);
}

void SeasonPage::showStartDays(const StartDays& starts) {
    yearStrip_->setStarts(starts);
    QStringList days;
    for (int s = 0; s < int(starts.size()); ++s) {
        //: A season's start day on the year strip, as in "Summer day 172" or "Summer ?".
        days << tr("%1 %2").arg(seasonText(s), starts.at(s) ? tr("day %1").arg(*starts.at(s))
                                                            : QStringLiteral("?"));
    }
    const QStringList remarks = startDayRemarks(starts);
    // One remark on the line under the strip; all of them in its tooltip.
    QString note = remarks.value(0);
    if (remarks.size() > 1)
        note = tr("%1 (and %n more)", nullptr, int(remarks.size() - 1)).arg(note);
    lblYearNote_->setText(note);
    lblYearNote_->setToolTip(remarks.join(QLatin1Char('\n')));
    yearStrip_->setAccessibleDescription((days + remarks).join(QStringLiteral(", ")));
    yearStrip_->setToolTip((days + remarks).join(QLatin1Char('\n')));
}

} // namespace weather
