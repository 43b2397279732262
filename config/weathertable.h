// The weather configuration record and the table that holds a whole file in memory.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <vector>

namespace weather {

// Number of values on a season line: the start day and seventeen weather values.
inline constexpr int SeasonValueCount = 18;
inline constexpr int WindCount = 5;
inline constexpr int PrecipitationCount = 5;
inline constexpr int WarmthCount = 7;
inline constexpr int SeasonCount = 4;

// Season index: the same number for the record's season, its tab, its boxes and its file line.
enum Season : int { Spring = 0, Summer = 1, Autumn = 2, Winter = 3 };

// One season's weather, eighteen signed 16-bit values in file order.
struct SeasonWeather {
    qint16 StartDay = 0;
    std::array<qint16, WindCount> Wind{};                   // Calm, Breezy, Gusty, Strong, Gale
    std::array<qint16, PrecipitationCount> Precipitation{}; // Dry, Wet, Drizzle, Shower, Downpour
    std::array<qint16, WarmthCount> Warmth{}; // Freezing, Cold, Mild, Fine, Warm, Hot, Very Hot

    // Position 0 is the start day, 1..5 wind, 6..10 precipitation, 11..17 warmth.
    // Throws std::out_of_range for any other position.
    [[nodiscard]] qint16& at(int position);
    [[nodiscard]] qint16 at(int position) const;

    bool operator==(const SeasonWeather&) const = default;
};

// The season's values in file order, and back; SeasonWeather::at() is the checked way for one
// value, these are for a whole season at once.
using SeasonValues = std::array<qint16, SeasonValueCount>;

inline SeasonValues flatten(const SeasonWeather& season) {
    SeasonValues values;
    qint16* next = values.data();
    *next++ = season.StartDay;
    next = std::copy(season.Wind.begin(), season.Wind.end(), next);
    next = std::copy(season.Precipitation.begin(), season.Precipitation.end(), next);
    std::copy(season.Warmth.begin(), season.Warmth.end(), next);
    return values;
}

inline void unflatten(const SeasonValues& values, SeasonWeather& season) {
    const qint16* next = values.data();
    season.StartDay = *next++;
    std::copy_n(next, WindCount, season.Wind.begin());
    next += WindCount;
    std::copy_n(next, PrecipitationCount, season.Precipitation.begin());
    next += PrecipitationCount;
    std::copy_n(next, WarmthCount, season.Warmth.begin());
}

// One weather configuration.
struct WeatherConfig {
    qint32 Number = 0;
    QByteArray Name; // the file's bytes, exactly as read
    SeasonWeather Spring;
    SeasonWeather Summer;
    SeasonWeather Autumn;
    SeasonWeather Winter;
    // The record's first five lines, which the game does not read (an empty line and four
    // comments), as the file held them: each line's bytes without its line end, joined by "\n".
    // Empty for the standard lines, which a new record gets and a save writes.
    QByteArray Comments;

    // Season by index 0..3 (Spring, Summer, Autumn, Winter); throws std::out_of_range otherwise.
    [[nodiscard]] SeasonWeather& season(int index);
    [[nodiscard]] const SeasonWeather& season(int index) const;

    bool operator==(const WeatherConfig&) const = default;
};

// Thrown for a slot index outside 0..10000.
class IndexOutOfRange : public std::out_of_range {
public:
    explicit IndexOutOfRange(int index);
    [[nodiscard]] int index() const { return index_; }

private:
    int index_;
};

// The whole file in memory: slots 0..10000, records in slots 1..ConfigCount in file order.
// Slot 0 and the slots above ConfigCount stay empty after a load. Every slot exists and reads as
// an empty record until written; storage is only taken for slots up to the highest one written,
// so a fresh table costs next to nothing and a small file loads quickly.
class ConfigTable {
public:
    static constexpr int LastSlot = 10000;
    static constexpr int SlotCount = LastSlot + 1;
    static constexpr int MaxRecords = LastSlot; // records live in slots 1..10000

    ConfigTable() = default;
    // A copy reserves room for every slot as the original does, so that writing to the copy
    // never moves its slots either.
    ConfigTable(const ConfigTable& other);
    ConfigTable& operator=(const ConfigTable& other);
    ConfigTable(ConfigTable&&) noexcept = default;
    ConfigTable& operator=(ConfigTable&&) noexcept = default;
    ~ConfigTable() = default;

    // Checked access by slot index; throws IndexOutOfRange outside 0..10000.
    [[nodiscard]] WeatherConfig& Configs(int index);
    [[nodiscard]] const WeatherConfig& Configs(int index) const;

    // The count from the file's count line: 0 to 10000.
    qint32 ConfigCount = 0;

    // The file's own text where the game reads no data, kept so that a save gives it back: line
    // 1 without its line end (none: the standard header line), and the bytes after the last
    // record (the records beyond the count, or anything else).
    std::optional<QByteArray> HeaderLine;
    QByteArray TrailingText;

    // Number of records actually held: ConfigCount, or 0 when it is below 1.
    [[nodiscard]] int recordCount() const { return ConfigCount > 0 ? ConfigCount : 0; }

    void swap(ConfigTable& other) noexcept;
    // Tables are equal when every slot and the count are.
    bool operator==(const ConfigTable& other) const;

private:
    // Slots 0..slots_.size() - 1; the rest are empty. Room for every slot is reserved at the
    // first write (untouched memory costs nothing), so adding slots never moves the others and
    // references to slots stay valid.
    std::vector<WeatherConfig> slots_;
};

// "Start Day", "Calm", ..., "Very Hot": the caption of each position of a season.
[[nodiscard]] const char* valueCaption(int position);
// "Spring", "Summer", "Autumn", "Winter".
[[nodiscard]] const char* seasonCaption(int season);
// "Summer Gusty": how messages and accessible names refer to one value.
[[nodiscard]] QString valueName(int season, int position);

} // namespace weather
