#include "seasonclip.h"

#include "visibletext.h"

#include <QStringList>

#include <limits>

namespace weather {

namespace {

constexpr qsizetype ShownCharacters = 24;

bool isCellSeparator(QChar c) {
    return c == u'\t' || c == u',' || c == u';' || c == u'\r' || c == u'\n';
}

// A whole number from -32768 to 32767: an optional minus sign and ASCII digits.
bool readValue(QStringView cell, qint16& value) {
    const bool negative = cell.startsWith(u'-');
    const QStringView digits = cell.sliced(negative ? 1 : 0);
    if (digits.isEmpty())
        return false;
    const int limit = negative ? -int{std::numeric_limits<qint16>::min()}
                               : int{std::numeric_limits<qint16>::max()};
    int magnitude = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > limit)
            return false;
    }
    value = static_cast<qint16>(negative ? -magnitude : magnitude);
    return true;
}

// Where the cell that starts at `i` ends: at a blank, a separator or the end of the text.
qsizetype cellEnd(QStringView text, qsizetype i) {
    while (i < text.size() && text[i] != u' ' && !isCellSeparator(text[i]))
        ++i;
    return i;
}

// Past the blanks at `i`, at most one separator (CRLF being one) and the blanks after it.
qsizetype nextCell(QStringView text, qsizetype i) {
    const auto skipBlanks = [&text, &i] {
        while (i < text.size() && text[i] == u' ')
            ++i;
    };
    skipBlanks();
    if (i < text.size() && isCellSeparator(text[i])) {
        i += text.sliced(i).startsWith(u"\r\n") ? 2 : 1;
        skipBlanks();
    }
    return i;
}

} // namespace

QString seasonRowText(const SeasonWeather& season) {
    QStringList cells;
    for (const qint16 value : flatten(season))
        cells << QString::number(value);
    return cells.join(u'\t');
}

SeasonPaste parseSeasonText(QStringView text) {
    SeasonPaste paste;
    text = text.trimmed();
    if (text.isEmpty())
        return paste;
    for (qsizetype i = 0;;) {
        const qsizetype start = i;
        i = cellEnd(text, i);
        const QStringView cell = text.sliced(start, i - start);
        qint16 value = 0;
        if (!readValue(cell, value)) {
            paste.outcome = SeasonPaste::NotANumber;
            paste.token = visibleText(cell, ShownCharacters);
            return paste;
        }
        if (paste.count < SeasonValueCount)
            paste.values.at(std::size_t(paste.count)) = value;
        ++paste.count;
        if (i == text.size())
            break;
        i = nextCell(text, i);
    }
    if (paste.count != SeasonValueCount && paste.count != SeasonValueCount - 1)
        return paste;
    paste.outcome = SeasonPaste::Values;
    paste.withStartDay = paste.count == SeasonValueCount;
    if (!paste.withStartDay) { // the values move up one place, behind the start day
        std::copy_backward(paste.values.begin(), paste.values.end() - 1, paste.values.end());
        paste.values[0] = 0;
    }
    return paste;
}

} // namespace weather
