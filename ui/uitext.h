// The window's words for the seasons, their values and the value columns, in the user's
// language. The file core keeps its own English words for the reader's messages and the CSV
// header, which scripts and spreadsheets read.
#pragma once

#include <QString>

namespace weather {

// "Spring", "Summer", "Autumn", "Winter".
[[nodiscard]] QString seasonText(int season);
// "Start Day", "Calm", ..., "Very Hot": the caption of season position 0..17.
[[nodiscard]] QString valueText(int position);
// "Summer Gusty": one value of one season, as box names and messages say it.
[[nodiscard]] QString valueNameText(int season, int position);
// "Update Summer": a season's Update button, and the undo step it makes.
[[nodiscard]] QString updateText(int season);
// "Wind", "Precipitation", "Warmth".
[[nodiscard]] QString columnText(int column);
// "Summer Wind Calm": the name of the bar beside a value box.
[[nodiscard]] QString valueBarName(int season, int column, int position);
// "Summer Start Days": the name of the year strip on a season's tab.
[[nodiscard]] QString yearStripName(int season);
// "Summer Wind Total": the name of the total under a column of a season.
[[nodiscard]] QString columnTotalName(int season, int column);

} // namespace weather
