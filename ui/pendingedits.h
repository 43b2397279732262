// Season edits that are typed but not updated: which seasons have them, and how the window
// speaks of them.
#pragma once

#include "weathertable.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace weather {

// Whether the texts of a season's eighteen boxes (start day first) differ from the stored
// season: a box that does not read as its stored value, or as no number at all, is an edit.
// "007" for a stored 7 is no edit: Update would store the same.
[[nodiscard]] bool seasonDiffers(const SeasonWeather& stored, const QStringList& texts);

// A season tab's caption: "Summer", or "Summer *" while it has edits not updated.
[[nodiscard]] QString seasonTabText(int season, bool pending);

// "Spring", "Spring and Summer", "Spring, Summer and Winter".
[[nodiscard]] QString seasonListText(const QList<int>& seasons);

// "Spring and Summer of Alpine Valley have changes that are not updated."
[[nodiscard]] QString pendingQuestion(const QList<int>& seasons, const QString& name);

} // namespace weather
