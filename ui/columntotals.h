// The totals under the three columns of a season tab: the sum of the column's boxes as they
// stand. They are information only; the editor gives the values no meaning.
#pragma once

#include <QString>
#include <QStringList>

namespace weather {

// "Total 100" for boxes that all hold numbers, "Total ?" when any does not.
[[nodiscard]] QString columnTotalText(const QStringList& texts);

} // namespace weather
