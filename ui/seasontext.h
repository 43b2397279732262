// The text of a season box: converting it to a value, and which typed characters it accepts.
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace weather {

// The outcome of converting one box.
struct BoxValue {
    enum Problem { None, NotANumber, OutOfRange };
    qint16 value = 0;
    Problem problem = None;

    [[nodiscard]] bool ok() const { return problem == None; }
};

// An optional minus sign and decimal digits, leading zeros allowed, blanks around ignored.
// Anything else, empty text and a lone minus sign are not numbers; the value must lie within
// -32768 to 32767.
[[nodiscard]] BoxValue readBoxValue(QStringView text);

// What is wrong with a box's text: "32768 is above 32767", ""12a" is not a whole number", ...;
// empty for a number.
[[nodiscard]] QString boxProblemReason(QStringView text, BoxValue::Problem problem);

// "Summer Gusty: "12a" is not a whole number." and the like; `boxName` names the box in words.
[[nodiscard]] QString boxProblemMessage(const QString& boxName, QStringView text,
                                        BoxValue::Problem problem);

// The key filter of the season boxes for one typed character: printable characters other than
// the digits and "-" become 0 (dropped). Control characters (backspace, enter, tab, escape, the
// Ctrl combinations) pass unchanged, so editing keys keep their usual effect.
void filterSeasonKey(int& KeyAscii);

} // namespace weather
