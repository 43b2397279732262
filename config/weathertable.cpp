#include "weathertable.h"

#include <algorithm>
#include <string>

namespace weather {

namespace {

// The words are marked for the window's translations (context "Words"); the file core itself
// always uses them in English.
constexpr std::array<const char*, SeasonValueCount> ValueCaptions = {
    QT_TRANSLATE_NOOP("Words", "Start Day"), QT_TRANSLATE_NOOP("Words", "Calm"),
    QT_TRANSLATE_NOOP("Words", "Breezy"),    QT_TRANSLATE_NOOP("Words", "Gusty"),
    QT_TRANSLATE_NOOP("Words", "Strong"),    QT_TRANSLATE_NOOP("Words", "Gale"),
    QT_TRANSLATE_NOOP("Words", "Dry"),       QT_TRANSLATE_NOOP("Words", "Wet"),
    QT_TRANSLATE_NOOP("Words", "Drizzle"),   QT_TRANSLATE_NOOP("Words", "Shower"),
    QT_TRANSLATE_NOOP("Words", "Downpour"),  QT_TRANSLATE_NOOP("Words", "Freezing"),
    QT_TRANSLATE_NOOP("Words", "Cold"),      QT_TRANSLATE_NOOP("Words", "Mild"),
    QT_TRANSLATE_NOOP("Words", "Fine"),      QT_TRANSLATE_NOOP("Words", "Warm"),
    QT_TRANSLATE_NOOP("Words", "Hot"),       QT_TRANSLATE_NOOP("Words", "Very Hot")};

constexpr std::array<const char*, SeasonCount> SeasonCaptions = {
    QT_TRANSLATE_NOOP("Words", "Spring"), QT_TRANSLATE_NOOP("Words", "Summer"),
    QT_TRANSLATE_NOOP("Words", "Autumn"), QT_TRANSLATE_NOOP("Words", "Winter")};

[[noreturn]] void badPosition(int position) {
    throw std::out_of_range("season value position " + std::to_string(position) +
                            " is out of range 0 to 17");
}

[[noreturn]] void badSeason(int season) {
    throw std::out_of_range("season index " + std::to_string(season) + " is out of range 0 to 3");
}

// What every slot that was never written reads as.
const WeatherConfig& emptyConfig() {
    static const WeatherConfig empty{};
    return empty;
}

} // namespace

qint16& SeasonWeather::at(int position) {
    if (position == 0)
        return StartDay;
    if (position >= 1 && position <= WindCount)
        return Wind[position - 1];
    if (position > WindCount && position <= WindCount + PrecipitationCount)
        return Precipitation[position - 1 - WindCount];
    if (position > WindCount + PrecipitationCount && position < SeasonValueCount)
        return Warmth[position - 1 - WindCount - PrecipitationCount];
    badPosition(position);
}

qint16 SeasonWeather::at(int position) const {
    return const_cast<SeasonWeather*>(this)->at(position);
}

SeasonWeather& WeatherConfig::season(int index) {
    switch (index) {
    case Season::Spring:
        return this->Spring;
    case Season::Summer:
        return this->Summer;
    case Season::Autumn:
        return this->Autumn;
    case Season::Winter:
        return this->Winter;
    default:
        badSeason(index);
    }
}

const SeasonWeather& WeatherConfig::season(int index) const {
    return const_cast<WeatherConfig*>(this)->season(index);
}

IndexOutOfRange::IndexOutOfRange(int index)
    : std::out_of_range("index out of range: slot " + std::to_string(index) + " is outside 0 to " +
                        std::to_string(ConfigTable::LastSlot)),
      index_(index) {}

WeatherConfig& ConfigTable::Configs(int index) {
    if (index < 0 || index > LastSlot)
        throw IndexOutOfRange(index);
    const auto slot = static_cast<std::size_t>(index);
    if (slot >= slots_.size()) {
        slots_.reserve(SlotCount);
        slots_.resize(slot + 1);
    }
    return slots_[slot];
}

const WeatherConfig& ConfigTable::Configs(int index) const {
    if (index < 0 || index > LastSlot)
        throw IndexOutOfRange(index);
    const auto slot = static_cast<std::size_t>(index);
    return slot < slots_.size() ? slots_[slot] : emptyConfig();
}

ConfigTable::ConfigTable(const ConfigTable& other)
    : ConfigCount(other.ConfigCount), HeaderLine(other.HeaderLine),
      TrailingText(other.TrailingText) {
    *this = other;
}

ConfigTable& ConfigTable::operator=(const ConfigTable& other) {
    if (this == &other)
        return *this;
    ConfigCount = other.ConfigCount;
    HeaderLine = other.HeaderLine;
    TrailingText = other.TrailingText;
    // A vector's copy takes only the room its elements need; with room for every slot
    // reserved first, the assignment fills that room and nothing moves afterwards.
    if (!other.slots_.empty())
        slots_.reserve(SlotCount);
    slots_ = other.slots_;
    return *this;
}

void ConfigTable::swap(ConfigTable& other) noexcept {
    slots_.swap(other.slots_);
    std::swap(ConfigCount, other.ConfigCount);
    HeaderLine.swap(other.HeaderLine);
    TrailingText.swap(other.TrailingText);
}

bool ConfigTable::operator==(const ConfigTable& other) const {
    if (ConfigCount != other.ConfigCount || HeaderLine != other.HeaderLine ||
        TrailingText != other.TrailingText)
        return false;
    const int used = static_cast<int>(std::max(slots_.size(), other.slots_.size()));
    for (int i = 0; i < used; ++i) {
        if (!(Configs(i) == other.Configs(i)))
            return false;
    }
    return true;
}

const char* valueCaption(int position) {
    if (position < 0 || position >= SeasonValueCount)
        badPosition(position);
    return ValueCaptions.at(static_cast<std::size_t>(position));
}

const char* seasonCaption(int season) {
    if (season < 0 || season >= SeasonCount)
        badSeason(season);
    return SeasonCaptions.at(static_cast<std::size_t>(season));
}

QString valueName(int season, int position) {
    return QLatin1String(seasonCaption(season)) + QLatin1Char(' ') +
           QLatin1String(valueCaption(position));
}

} // namespace weather
