#include "visibletext.h"

#include <QChar>

namespace weather {

bool isInvisible(char32_t character) {
    if (character == U' ')
        return false;
    switch (QChar::category(character)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

QString visibleCharacter(char32_t character) {
    if (isInvisible(character))
        return QStringLiteral("U+%1").arg(uint(character), 4, 16, QLatin1Char('0')).toUpper();
    return QString::fromUcs4(&character, 1);
}

QString visibleText(QStringView text, qsizetype maxCharacters) {
    QString out;
    qsizetype shown = 0;
    for (qsizetype i = 0; i < text.size(); ++shown) {
        if (shown == maxCharacters)
            return out + QStringLiteral("...");
        char32_t c = text[i].unicode();
        qsizetype units = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            units = 2;
        }
        if (isInvisible(c))
            out += QLatin1Char('<') + visibleCharacter(c) + QLatin1Char('>');
        else
            out += text.sliced(i, units);
        i += units;
    }
    return out;
}

} // namespace weather
