#include "tableedit.h"

#include "codepage.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

namespace weather {

namespace {

const QByteArray CopySuffix = QByteArrayLiteral(" (copy)");

// The character starting at `index`, a surrogate pair taken whole.
char32_t characterAt(QStringView text, qsizetype index) {
    const QChar c = text[index];
    if (c.isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(c, text[index + 1]);
    return c.unicode();
}

} // namespace

EncodedName encodeName(QStringView name) {
    EncodedName result;
    const auto* lineBreak =
        std::find_if(name.begin(), name.end(), [](QChar c) { return c == u'\n' || c == u'\r'; });
    if (lineBreak != name.end()) {
        result.problem = EncodedName::LineBreak;
        result.character = lineBreak->unicode();
        return result;
    }
    qsizetype unencodable = -1;
    auto bytes = toWindows1252(name, &unencodable);
    if (!bytes) {
        result.problem = EncodedName::NotInCodePage;
        result.character = characterAt(name, unencodable);
        return result;
    }
    if (bytes->size() > MaxNameBytes) {
        result.problem = EncodedName::TooLong;
        return result;
    }
    result.bytes = std::move(*bytes);
    return result;
}

QByteArray copyName(const QByteArray& name) {
    return name.left(MaxNameBytes - CopySuffix.size()) + CopySuffix;
}

AppendProblem appendProblem(const ConfigTable& table) {
    const int count = table.recordCount();
    if (count >= ConfigTable::MaxRecords)
        return AppendProblem::TableFull;
    if (count > 0 && table.Configs(count).Number == std::numeric_limits<qint32>::max())
        return AppendProblem::NumberOverflow;
    return AppendProblem::None;
}

WeatherConfig copyOf(const ConfigTable& table, int slot) {
    WeatherConfig copy = table.Configs(slot);
    copy.Name = copyName(copy.Name);
    copy.Number = table.Configs(table.recordCount()).Number + 1;
    return copy;
}

void appendRecord(ConfigTable& table, const WeatherConfig& config) {
    const int slot = table.recordCount() + 1;
    table.Configs(slot) = config;
    table.ConfigCount = slot;
}

WeatherConfig removeLastRecord(ConfigTable& table) {
    const int slot = table.recordCount();
    if (slot == 0)
        throw std::out_of_range("there is no record to remove");
    WeatherConfig removed = std::exchange(table.Configs(slot), WeatherConfig{});
    table.ConfigCount = slot - 1;
    return removed;
}

} // namespace weather
