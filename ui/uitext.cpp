#include "uitext.h"

#include "weathertable.h"

#include <QCoreApplication>

#include <array>

namespace weather {

namespace {

constexpr const char* Context = "Words";

// The same words as the file core's, marked for translation.
constexpr std::array<const char*, SeasonCount> Seasons = {
    QT_TRANSLATE_NOOP("Words", "Spring"), QT_TRANSLATE_NOOP("Words", "Summer"),
    QT_TRANSLATE_NOOP("Words", "Autumn"), QT_TRANSLATE_NOOP("Words", "Winter")};
constexpr std::array<const char*, SeasonValueCount> Values = {
    QT_TRANSLATE_NOOP("Words", "Start Day"), QT_TRANSLATE_NOOP("Words", "Calm"),
    QT_TRANSLATE_NOOP("Words", "Breezy"),    QT_TRANSLATE_NOOP("Words", "Gusty"),
    QT_TRANSLATE_NOOP("Words", "Strong"),    QT_TRANSLATE_NOOP("Words", "Gale"),
    QT_TRANSLATE_NOOP("Words", "Dry"),       QT_TRANSLATE_NOOP("Words", "Wet"),
    QT_TRANSLATE_NOOP("Words", "Drizzle"),   QT_TRANSLATE_NOOP("Words", "Shower"),
    QT_TRANSLATE_NOOP("Words", "Downpour"),  QT_TRANSLATE_NOOP("Words", "Freezing"),
    QT_TRANSLATE_NOOP("Words", "Cold"),      QT_TRANSLATE_NOOP("Words", "Mild"),
    QT_TRANSLATE_NOOP("Words", "Fine"),      QT_TRANSLATE_NOOP("Words", "Warm"),
    QT_TRANSLATE_NOOP("Words", "Hot"),       QT_TRANSLATE_NOOP("Words", "Very Hot")};
constexpr std::array<const char*, 3> Columns = {QT_TRANSLATE_NOOP("Words", "Wind"),
                                                QT_TRANSLATE_NOOP("Words", "Precipitation"),
                                                QT_TRANSLATE_NOOP("Words", "Warmth")};

QString word(const char* text) {
    return QCoreApplication::translate(Context, text);
}

} // namespace

QString seasonText(int season) {
    (void)seasonCaption(season); // the same range check as the core's
    return word(Seasons.at(static_cast<std::size_t>(season)));
}

QString valueText(int position) {
    (void)valueCaption(position);
    return word(Values.at(static_cast<std::size_t>(position)));
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

QString columnTotalName(int season, int column) {
    //: The sum under a column of a season, as in "Summer Wind Total".
    return QCoreApplication::translate("Words", "%1 %2 Total")
        .arg(seasonText(season), columnText(column));
}

} // namespace weather
