// Changing the table beyond single values: names in the file's code page, appending a copy of a
// record and removing the last one. Records are only added or removed at the end, so the game's
// numbering of the records before them never breaks.
#pragma once

#include "weathertable.h"

#include <QByteArray>
#include <QStringView>

namespace weather {

// The longest name the editor stores, in bytes of the file's code page.
inline constexpr int MaxNameBytes = 255;

// A name in the file's code page, or why it cannot be stored.
struct EncodedName {
    enum Problem { None, LineBreak, NotInCodePage, TooLong };
    QByteArray bytes; // the name's bytes; meaningful only without a problem
    Problem problem = None;
    char32_t character = 0; // the character at fault (LineBreak, NotInCodePage)

    [[nodiscard]] bool ok() const { return problem == None; }
};

// Encodes a name typed by the user. A line break would split the record's name line, a
// character outside Windows-1252 cannot be written, and more than MaxNameBytes is refused.
[[nodiscard]] EncodedName encodeName(QStringView name);

// "<name> (copy)", the name cut so that the whole fits in MaxNameBytes.
[[nodiscard]] QByteArray copyName(const QByteArray& name);

enum class AppendProblem {
    None,
    TableFull,     // the table holds MaxRecords records already
    NumberOverflow // the last record's number is the largest a number can be
};
[[nodiscard]] AppendProblem appendProblem(const ConfigTable& table);

// The copy of record `slot` that Duplicate appends: numbered one above the last record and named
// copyName(). Call only when appendProblem() is None.
[[nodiscard]] WeatherConfig copyOf(const ConfigTable& table, int slot);

// Appends `config` as the last record; throws IndexOutOfRange when the table is full.
void appendRecord(ConfigTable& table, const WeatherConfig& config);

// Removes the last record and returns it; its slot reads as empty again. Throws
// std::out_of_range when the table holds no record.
WeatherConfig removeLastRecord(ConfigTable& table);

} // namespace weather
