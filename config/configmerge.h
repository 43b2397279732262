// Taking differences from another file into a table: given the table, the other file's table,
// their comparison and which differences are ticked, the records that change and the records
// appended after the last.
#pragma once

#include "configdiff.h"
#include "weathertable.h"

#include <utility>
#include <vector>

namespace weather {

// What taking the ticked differences does to the table.
struct Merge {
    // The records that change, by slot in file order, with their new contents.
    std::vector<std::pair<int, WeatherConfig>> changed;
    // The configurations only in the other file, as appended after the last record: numbered
    // on from the last record's number.
    std::vector<WeatherConfig> appended;
    // Ticked configurations only in the other file that were not appended: past the table's
    // 10000 records, or past the largest number a record can have.
    int leftOut = 0;

    [[nodiscard]] int configurations() const {
        return static_cast<int>(changed.size() + appended.size());
    }
};

// Whether a difference can be taken from the other file (the comparison's old side): a
// configuration's number, name, one of the five lines in front of its name line or a value,
// and a configuration only in the other file. A configuration only in the table, the file's
// header line and the text after the last configuration stay as the table has them.
[[nodiscard]] bool takeable(const Difference& d);

// The ticked differences taken from `other` into `table`: `differences` compare `other` (the
// old side) with `table` or an earlier state of it, and `ticked` holds one flag for each of
// them (missing flags read as not ticked). A difference whose configuration the table no
// longer holds is passed over; so is one that is not takeable(). Configurations only in the
// other file are appended in file order while the table has room: as many as fit.
[[nodiscard]] Merge mergeTicked(const ConfigTable& table, const ConfigTable& other,
                                const std::vector<Difference>& differences,
                                const std::vector<bool>& ticked);

} // namespace weather
