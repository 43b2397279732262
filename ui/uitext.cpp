#include "uitext.h"

#include "weathertable.h"

#include <QCoreApplication>

#include <array>

namespace weather {

namespace {

constexpr const char* Context = "Words";

constexpr std::array<const char*, 3> Columns = {QT_TRANSLATE_NOOP("Words", "Wind"),
                                                QT_TRANSLATE_NOOP("Words", "Precipitation"),
                                                QT_TRANSLATE_NOOP("Words", "Warmth")};

QString word(const char* text) {
    return QCoreApplication::translate(Context, text);
}

} // namespace

// The file core's English words, translated.
QString seasonText(int season) {
    return word(seasonCaption(season));
}

QString valueText(int position) {
    return word(valueCaption(position));
}

QString valueNameText(int season, int position) {
    //: A value of a season, as in "Summer Gusty".
    return QCoreApplication::translate("Words", "%1 %2")
        .arg(seasonText(season), valueText(position));
}

QString updateText(int season) {
    return QCoreApplication::translate("Words", "Update %1").arg(seasonText(season));
}

QString columnText(int column) {
    return word(Columns.at(static_cast<std::size_t>(column)));
}

QString valueBarName(int season, int column, int position) {
    //: The bar beside a value box, as in "Summer Wind Calm".
    return QCoreApplication::translate("Words", "%1 %2 %3")
        .arg(seasonText(season), columnText(column), valueText(position));
}

QString yearStripName(int season) {
    //: The strip of the year that marks the seasons' start days, on a season's tab.
    return QCoreApplication::translate("Words", "%1 Start Days").arg(seasonText(season));
}

QString columnTotalName(int season, int column) {
    //: The sum under a column of a season, as in "Summer Wind Total".
    return QCoreApplication::translate("Words", "%1 %2 Total")
        .arg(seasonText(season), columnText(column));
}

} // namespace weather
