#include "configdiff.h"

#include "codepage.h"

#include <QDir>
#include <QLatin1StringView>

#include <array>
#include <charconv>

namespace weather {

namespace {

constexpr int ValueCount = SeasonCount * SeasonValueCount;

// "Spring Start Day ", ..., "Winter Very Hot ": the start of each value's line after the label.
const std::array<QString, ValueCount>& valueLabels() {
    static const std::array<QString, ValueCount> labels = [] {
        std::array<QString, ValueCount> made;
        for (int s = 0; s < SeasonCount; ++s) {
            for (int p = 0; p < SeasonValueCount; ++p)
                made.at(static_cast<std::size_t>(s * SeasonValueCount + p)) =
                    valueName(s, p) + QLatin1Char(' ');
        }
        return made;
    }();
    return labels;
}

void appendNumber(QString& out, qint64 n) {
    std::array<char, 24> digits{};
    const char* const end =
        std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    out += QLatin1StringView(digits.data(), end);
}

bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// A name as the window decodes it, control characters as \xNN; with `inQuotes` also in
// quotes, with \" for a quote and \\ for a backslash.
void appendName(QString& out, const QByteArray& name, bool inQuotes) {
    const QString text = fromWindows1252(name);
    if (inQuotes)
        out += QLatin1Char('"');
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (isControl(u)) {
            constexpr std::array<char, 17> Hex = {"0123456789abcdef"};
            out += QLatin1StringView("\\x");
            out += QLatin1Char(Hex.at(u >> 4));
            out += QLatin1Char(Hex.at(u & 0xF));
        } else if (inQuotes && (u == u'"' || u == u'\\')) {
            out += QLatin1Char('\\');
            out += c;
        } else {
            out += c;
        }
    }
    if (inQuotes)
        out += QLatin1Char('"');
}

// "3 Continental Plains: "
QString labelOf(const WeatherConfig& config) {
    QString label;
    appendNumber(label, config.Number);
    label += QLatin1Char(' ');
    appendName(label, config.Name, false);
    label += QLatin1StringView(": ");
    return label;
}

QString shown(const QString& file) {
    return QDir::toNativeSeparators(file);
}

QString configurations(int n) {
    return QString::number(n) + QLatin1StringView(n == 1 ? " configuration" : " configurations");
}

// Passes the lines of one configuration that is in both tables; returns whether any.
bool compareConfigs(const WeatherConfig& a, const WeatherConfig& b, QString& line,
                    const DiffLineSink& sink) {
    if (a == b)
        return false;
    const QString label = labelOf(a);
    const auto start = [&line, &label] {
        line.clear();
        line += label;
    };
    const auto number = [&line](qint64 from, qint64 to) {
        appendNumber(line, from);
        line += QLatin1StringView(" -> ");
        appendNumber(line, to);
    };
    if (a.Number != b.Number) {
        start();
        line += QLatin1StringView("number ");
        number(a.Number, b.Number);
        sink(line);
    }
    if (a.Name != b.Name) {
        start();
        line += QLatin1StringView("name ");
        appendName(line, a.Name, true);
        line += QLatin1StringView(" -> ");
        appendName(line, b.Name, true);
        sink(line);
    }
    const auto& labels = valueLabels();
    for (int s = 0; s < SeasonCount; ++s) {
        const SeasonWeather& from = a.season(s);
        const SeasonWeather& to = b.season(s);
        if (from == to)
            continue;
        const SeasonValues fromValues = flatten(from);
        const SeasonValues toValues = flatten(to);
        for (std::size_t p = 0; p < fromValues.size(); ++p) {
            if (fromValues.at(p) == toValues.at(p))
                continue;
            start();
            line += labels.at(static_cast<std::size_t>(s) * SeasonValueCount + p);
            number(fromValues.at(p), toValues.at(p));
            sink(line);
        }
    }
    return true;
}

} // namespace

DiffCounts compareTables(const ConfigTable& oldTable, const ConfigTable& newTable,
                         const QString& oldName, const QString& newName, const DiffLineSink& sink) {
    DiffCounts counts;
    const int oldCount = oldTable.recordCount();
    const int newCount = newTable.recordCount();
    counts.compared = std::min(oldCount, newCount);
    QString line;
    for (int slot = 1; slot <= counts.compared; ++slot) {
        if (compareConfigs(oldTable.Configs(slot), newTable.Configs(slot), line, sink))
            ++counts.differing;
    }
    const bool oldLonger = oldCount > newCount;
    const ConfigTable& longer = oldLonger ? oldTable : newTable;
    const QString onlyIn = QLatin1StringView("only in ") + shown(oldLonger ? oldName : newName);
    for (int slot = counts.compared + 1; slot <= longer.recordCount(); ++slot) {
        line = labelOf(longer.Configs(slot)) + onlyIn;
        sink(line);
    }
    (oldLonger ? counts.onlyInOld : counts.onlyInNew) = longer.recordCount() - counts.compared;
    return counts;
}

QString diffSummary(const DiffCounts& counts, const QString& oldName, const QString& newName) {
    if (counts.equal())
        return configurations(counts.compared) + QLatin1StringView(", no differences");
    const int only = counts.onlyInOld + counts.onlyInNew;
    const QString onlyIn =
        QLatin1StringView(" only in ") + shown(counts.onlyInOld > 0 ? oldName : newName);
    if (counts.differing == 0)
        return configurations(only) + onlyIn;
    QString summary = configurations(counts.differing) +
                      QLatin1StringView(counts.differing == 1 ? " differs" : " differ");
    if (only > 0)
        summary += QLatin1StringView(", ") + QString::number(only) + onlyIn;
    return summary;
}

QString TableDiff::text() const {
    QString out;
    for (const QString& line : lines)
        out += line + QLatin1Char('\n');
    return out + summary + QLatin1Char('\n');
}

TableDiff compareTables(const ConfigTable& oldTable, const ConfigTable& newTable,
                        const QString& oldName, const QString& newName) {
    TableDiff diff;
    diff.counts = compareTables(oldTable, newTable, oldName, newName,
                                [&diff](QStringView line) { diff.lines << line.toString(); });
    diff.summary = diffSummary(diff.counts, oldName, newName);
    return diff;
}

} // namespace weather
