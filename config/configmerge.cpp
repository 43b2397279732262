#include "configmerge.h"

#include "configfile.h"

#include <limits>

namespace weather {

namespace {

// `record` with line `item` of the five in front of its name line taken from `from`.
void takeBlockLine(WeatherConfig& record, const WeatherConfig& from, int item) {
    auto lines = blockLines(record);
    lines.at(static_cast<std::size_t>(item)) = blockLines(from).at(static_cast<std::size_t>(item));
    const auto standard = blockLines(WeatherConfig{});
    if (lines == standard) {
        record.Comments.clear();
        return;
    }
    QByteArray joined;
    for (std::size_t i = 0; i < lines.size(); ++i)
        joined += (i > 0 ? "\n" : "") + lines.at(i);
    record.Comments = joined;
}

void take(WeatherConfig& record, const WeatherConfig& from, const Difference& d) {
    switch (d.kind) {
    case Difference::Number:
        record.Number = from.Number;
        break;
    case Difference::Name:
        record.Name = from.Name;
        break;
    case Difference::BlockLine:
        takeBlockLine(record, from, d.item);
        break;
    case Difference::Value: {
        const int season = d.item / SeasonValueCount;
        const int position = d.item % SeasonValueCount;
        record.season(season).at(position) = from.season(season).at(position);
        break;
    }
    default:
        break;
    }
}

} // namespace

bool takeable(const Difference& d) {
    switch (d.kind) {
    case Difference::Number:
    case Difference::Name:
    case Difference::BlockLine:
    case Difference::Value:
    case Difference::OnlyInOld:
        return true;
    default:
        return false;
    }
}

Merge mergeTicked(const ConfigTable& table, const ConfigTable& other,
                  const std::vector<Difference>& differences, const std::vector<bool>& ticked) {
    Merge merge;
    const int records = table.recordCount();
    std::vector<int> onlyInOther;
    for (std::size_t i = 0; i < differences.size() && i < ticked.size(); ++i) {
        const Difference& d = differences[i];
        if (!ticked[i] || !takeable(d) || d.slot < 1 || d.slot > other.recordCount())
            continue;
        if (d.kind == Difference::OnlyInOld) {
            onlyInOther.push_back(d.slot);
        } else if (d.slot <= records) {
            if (merge.changed.empty() || merge.changed.back().first != d.slot)
                merge.changed.emplace_back(d.slot, table.Configs(d.slot));
            take(merge.changed.back().second, other.Configs(d.slot), d);
        }
    }
    // A record that ends as it was (its ticked differences were taken before) does not change.
    std::erase_if(merge.changed, [&table](const auto& record) {
        return table.Configs(record.first) == record.second;
    });
    // Numbered on from the last record's number as the merge leaves it.
    qint64 number = 0;
    if (!merge.changed.empty() && merge.changed.back().first == records)
        number = merge.changed.back().second.Number;
    else if (records > 0)
        number = table.Configs(records).Number;
    for (const int slot : onlyInOther) {
        const qint64 total = records + static_cast<qint64>(merge.appended.size());
        if (total >= ConfigTable::MaxRecords || number >= std::numeric_limits<qint32>::max()) {
            ++merge.leftOut;
            continue;
        }
        merge.appended.push_back(other.Configs(slot));
        merge.appended.back().Number = static_cast<qint32>(++number);
    }
    return merge;
}

} // namespace weather
