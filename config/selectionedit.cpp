#include "selectionedit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace weather {

namespace {

constexpr double Lowest = std::numeric_limits<qint16>::min();
constexpr double Highest = std::numeric_limits<qint16>::max();

// The new values of `values` (the target's positions), not yet checked for range.
QList<double> changedValues(const QList<qint64>& values, const ValueChange& change) {
    QList<double> result;
    for (const qint64 v : values) {
        switch (change.kind) {
        case ValueChange::Set:
            result << double(change.amount);
            break;
        case ValueChange::Add:
            result << double(v + change.amount);
            break;
        case ValueChange::Multiply:
            result << std::round(double(v) * change.factor); // half away from zero
            break;
        case ValueChange::ScaleToTotal:
            break;
        }
    }
    return result;
}

} // namespace

QList<int> ValueTarget::positions() const {
    QList<int> result;
    const auto run = [&result](int first, int count) {
        for (int p = first; p < first + count; ++p)
            result << p;
    };
    switch (group) {
    case Single:
        result << position;
        break;
    case Wind:
        run(1, WindCount);
        break;
    case Precipitation:
        run(1 + WindCount, PrecipitationCount);
        break;
    case Warmth:
        run(1 + WindCount + PrecipitationCount, WarmthCount);
        break;
    }
    return result;
}

QList<qint64> scaleToTotal(const QList<qint64>& weights, qint64 total) {
    const qint64 sum = std::accumulate(weights.begin(), weights.end(), qint64(0));
    QList<qint64> shares;
    QList<qint64> remainders;
    for (const qint64 w : weights) {
        shares << w * total / sum;
        remainders << w * total % sum;
    }
    qint64 left = total - std::accumulate(shares.begin(), shares.end(), qint64(0));
    QList<qsizetype> order(weights.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&remainders](qsizetype a, qsizetype b) {
        return remainders[a] > remainders[b];
    });
    for (const qsizetype i : order) {
        if (left-- <= 0)
            break;
        ++shares[i];
    }
    return shares;
}

ChangeOutcome computeChange(const ConfigTable& table, const QList<int>& chosen,
                            const ValueChange& change) {
    ChangeOutcome outcome;
    // Beyond this every result leaves the range anyway, and sums and products stay exact.
    constexpr qint64 Bound = qint64(1) << 40;
    ValueChange bounded = change;
    bounded.amount = std::clamp(change.amount, -Bound, Bound);
    if (change.kind == ValueChange::ScaleToTotal && change.amount < 0) {
        outcome.problem = ChangeOutcome::NegativeTotal;
        return outcome;
    }
    const QList<int> positions = change.target.positions();
    for (const int slot : chosen) {
        WeatherConfig record = table.Configs(slot);
        SeasonWeather& season = record.season(change.target.season);
        QList<qint64> values;
        for (const int p : positions)
            values << season.at(p);
        QList<double> results;
        if (change.kind == ValueChange::ScaleToTotal) {
            const bool negative =
                std::any_of(values.begin(), values.end(), [](qint64 v) { return v < 0; });
            const bool zeros =
                std::all_of(values.begin(), values.end(), [](qint64 v) { return v == 0; });
            if (negative || zeros) {
                outcome.leftAlone << slot;
                continue;
            }
            for (const qint64 share : scaleToTotal(values, bounded.amount))
                results << double(share);
        } else {
            results = changedValues(values, bounded);
        }
        for (qsizetype i = 0; i < positions.size(); ++i) {
            if (results[i] < Lowest || results[i] > Highest || std::isnan(results[i])) {
                outcome = {};
                outcome.problem = ChangeOutcome::OutOfRange;
                outcome.slot = slot;
                outcome.position = positions[i];
                outcome.result = results[i];
                return outcome;
            }
            season.at(positions[i]) = qint16(results[i]);
        }
        if (record != table.Configs(slot))
            outcome.changed.append({slot, record});
    }
    return outcome;
}

} // namespace weather
