#include "seasontext.h"

#include <QCoreApplication>

#include <limits>

namespace weather {

BoxValue readBoxValue(QStringView text) {
    text = text.trimmed();
    const bool negative = text.startsWith(u'-');
    if (negative)
        text = text.mid(1);
    if (text.isEmpty())
        return {0, BoxValue::NotANumber};

    // Magnitudes above 32768 are out of range whatever follows; keep reading to tell a long
    // number from text that is no number at all.
    constexpr qint32 Limit = -qint32(std::numeric_limits<qint16>::min());
    qint32 magnitude = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return {0, BoxValue::NotANumber};
        if (magnitude <= Limit)
            magnitude = magnitude * 10 + (c.unicode() - u'0');
    }
    const qint32 value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return {0, BoxValue::OutOfRange};
    return {static_cast<qint16>(value), BoxValue::None};
}

QString boxProblemReason(QStringView text, BoxValue::Problem problem) {
    switch (problem) {
    case BoxValue::NotANumber:
        return text.trimmed().isEmpty()
                   ? QCoreApplication::translate("SeasonText",
                                                 "the box is empty; it needs a whole number")
                   : QCoreApplication::translate("SeasonText", "\"%1\" is not a whole number")
                         .arg(text);
    case BoxValue::OutOfRange:
        return text.trimmed().startsWith(u'-')
                   ? QCoreApplication::translate("SeasonText", "%1 is below -32768")
                         .arg(text.trimmed().toString())
                   : QCoreApplication::translate("SeasonText", "%1 is above 32767")
                         .arg(text.trimmed().toString());
    case BoxValue::None:
        break;
    }
    return {};
}

QString boxProblemMessage(const QString& boxName, QStringView text, BoxValue::Problem problem) {
    if (problem == BoxValue::None)
        return {};
    //: A box and what is wrong with its text, as in "Summer Hot: 32768 is above 32767."
    return QCoreApplication::translate("SeasonText", "%1: %2.")
        .arg(boxName, boxProblemReason(text, problem));
}

void filterSeasonKey(int& KeyAscii) {
    const bool control = KeyAscii < 32 || KeyAscii == 127;
    const bool digit = KeyAscii >= '0' && KeyAscii <= '9';
    if (!control && !digit && KeyAscii != '-')
        KeyAscii = 0;
}

} // namespace weather
