// The lasting part of the window's status bar: how many configurations the file holds and how
// many of them differ from the file as last loaded or saved.
#pragma once

#include "weathertable.h"

#include <QString>

namespace weather {

// The configurations of `now` that differ from those of `file` in the same place, or that only
// one of the two holds.
[[nodiscard]] int changedConfigurations(const ConfigTable& now, const ConfigTable& file);

// "8 configurations", "8 configurations, 2 changed".
[[nodiscard]] QString countsText(int count, int changed);

} // namespace weather
