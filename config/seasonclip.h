// One season as text, for the clipboard: Copy Season writes it, Paste Season reads it back or
// reads what a spreadsheet puts there for a row or a column of cells.
#pragma once

#include "weathertable.h"

#include <QString>
#include <QStringView>

namespace weather {

// The season's 18 values in window order (start day, five wind, five precipitation, seven
// warmth), separated by tabs, without a line end: a spreadsheet pastes it as one row of cells.
[[nodiscard]] QString seasonRowText(const SeasonWeather& season);

// What pasted text holds for a season.
struct SeasonPaste {
    enum Outcome {
        Values,     // 18 numbers, or 17: the values without the start day
        WrongCount, // whole numbers from -32768 to 32767, but `count` of them
        NotANumber, // `token` is not a whole number from -32768 to 32767
    };
    Outcome outcome = WrongCount;
    // Values: the numbers in window order, numbered as SeasonWeather::at() numbers them. Without
    // the start day, values[0] is 0 and the start day is to be left as it is.
    SeasonValues values{};
    bool withStartDay = false;
    // WrongCount: how many numbers the text holds (0 for empty text).
    qsizetype count = 0;
    // NotANumber: the first cell that is not such a number, for a message: invisible characters
    // named ("<U+200B>"), cut after 24 characters. Empty for an empty cell between two
    // separators ("1,,2").
    QString token;
};

// Reads pasted text as a season: 18 or 17 whole numbers separated by tabs, commas, semicolons,
// blanks or line ends (CRLF, LF or CR), as a spreadsheet row or column or seasonRowText() gives
// them. White space at either end is ignored, and blanks around a separator; two tabs, commas,
// semicolons or line ends with only blanks between them hold an empty cell, which is not a
// number (so that an empty cell never shifts the values after it).
[[nodiscard]] SeasonPaste parseSeasonText(QStringView text);

} // namespace weather
