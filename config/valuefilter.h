// A condition on one value of every configuration, as the table's value filter builds it from
// three controls: the value, a comparison and a number ("Summer Gale > 50").
#pragma once

#include "weathertable.h"

namespace weather {

enum class Comparison { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };
inline constexpr int ComparisonCount = 6;

// Whether `value` stands in `comparison` to `number`.
[[nodiscard]] bool compareValue(qint16 value, Comparison comparison, qint16 number);

struct ValueFilter {
    int season = -1; // none: every configuration passes
    int position = 0;
    Comparison comparison = Comparison::Greater;
    qint16 number = 0;

    [[nodiscard]] bool active() const { return season >= 0; }
    [[nodiscard]] bool accepts(const WeatherConfig& record) const {
        return !active() || compareValue(record.season(season).at(position), comparison, number);
    }
};

} // namespace weather
