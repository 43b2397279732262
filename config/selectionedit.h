// Changes to several configurations at once: set, add to or multiply one value or every value of
// a group, or scale a group to a total. A change is computed whole before anything is stored: a
// result that a value cannot hold refuses all of it.
#pragma once

#include "weathertable.h"

#include <QList>

#include <utility>

namespace weather {

// The values of a season a change reaches: one position (0 start day, 1..17), or a group.
struct ValueTarget {
    enum Group { Single, Wind, Precipitation, Warmth };
    int season = 0;
    Group group = Single;
    int position = 1; // for Single

    // The positions reached, in file order.
    [[nodiscard]] QList<int> positions() const;
};

struct ValueChange {
    enum Kind { Set, Add, Multiply, ScaleToTotal };
    Kind kind = Set;
    ValueTarget target;
    qint64 amount = 0;   // Set, Add, ScaleToTotal (at least 0)
    double factor = 1.0; // Multiply; results rounded half away from zero
};

struct ChangeOutcome {
    enum Problem { None, OutOfRange, NegativeTotal };
    Problem problem = None;
    // OutOfRange: the first configuration (in the order given) and value at fault, and what the
    // value would have become.
    int slot = 0;
    int position = 0;
    double result = 0;
    // The records that change (slot, new contents); empty when refused.
    QList<std::pair<int, WeatherConfig>> changed;
    // ScaleToTotal: the configurations whose group was all zeros or held a negative value, left
    // alone.
    QList<int> leftAlone;

    [[nodiscard]] bool ok() const { return problem == None; }
};

// Applies `change` to the records in `chosen` of `table`, without touching the table.
[[nodiscard]] ChangeOutcome computeChange(const ConfigTable& table, const QList<int>& chosen,
                                          const ValueChange& change);

// Splits `total` over `weights` (none negative, at least one above zero) in proportion: each
// share is the exact quota rounded down, and what is left goes one by one to the largest
// remainders (the earlier value first on a tie), so that the shares add up to `total` exactly.
[[nodiscard]] QList<qint64> scaleToTotal(const QList<qint64>& weights, qint64 total);

} // namespace weather
