#include "configdiff.h"

#include "codepage.h"

#include <QDir>
#include <QLatin1StringView>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

namespace weather {

namespace {

constexpr int ValueCount = SeasonCount * SeasonValueCount;
// The lines go to the sink in blocks of about this many bytes.
constexpr qsizetype BlockSize = qsizetype(256) * 1024;

// "Spring Start Day ", ..., "Winter Very Hot ": the start of each value's line after the label.
const std::array<QByteArray, ValueCount>& valueLabels() {
    static const std::array<QByteArray, ValueCount> labels = [] {
        std::array<QByteArray, ValueCount> made;
        auto* next = made.begin();
        for (int s = 0; s < SeasonCount; ++s) {
            for (int p = 0; p < SeasonValueCount; ++p)
                *next++ = valueName(s, p).toLatin1() + ' ';
        }
        return made;
    }();
    return labels;
}

// The widest number written, a qint64 in decimal with its sign.
constexpr qsizetype MaxNumberWidth = 20;

char* putNumber(char* at, qint64 n) {
    return std::to_chars(at, at + MaxNumberWidth, n).ptr;
}

char* put(char* at, QByteArrayView bytes) {
    std::memcpy(at, bytes.data(), static_cast<std::size_t>(bytes.size()));
    return at + bytes.size();
}

void appendNumber(QByteArray& out, qint64 n) {
    std::array<char, MaxNumberWidth> digits{};
    out.append(digits.data(), putNumber(digits.data(), n) - digits.data());
}

bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// A name as the window decodes it, in UTF-8, control characters as \xNN; with `inQuotes` also
// in quotes, with \" for a quote and \\ for a backslash.
QByteArray shownName(const QByteArray& name, bool inQuotes) {
    QString text;
    if (inQuotes)
        text += QLatin1Char('"');
    for (const QChar c : fromWindows1252(name)) {
        const char16_t u = c.unicode();
        if (isControl(u)) {
            constexpr std::array<char, 17> Hex = {"0123456789abcdef"};
            text += QLatin1StringView("\\x");
            text += QLatin1Char(Hex.at(u >> 4));
            text += QLatin1Char(Hex.at(u & 0xF));
        } else if (inQuotes && (u == u'"' || u == u'\\')) {
            text += QLatin1Char('\\');
            text += c;
        } else {
            text += c;
        }
    }
    if (inQuotes)
        text += QLatin1Char('"');
    return text.toUtf8();
}

// "3 Continental Plains: "
QByteArray labelOf(const WeatherConfig& config) {
    QByteArray label;
    appendNumber(label, config.Number);
    label += ' ';
    label += shownName(config.Name, false);
    label += ": ";
    return label;
}

QString shown(const QString& file) {
    return QDir::toNativeSeparators(file);
}

QString configurations(int n) {
    return QString::number(n) + QLatin1StringView(n == 1 ? " configuration" : " configurations");
}

// Appends the lines of one configuration that is in both tables; returns whether there are any.
bool compareConfigs(const WeatherConfig& a, const WeatherConfig& b, QByteArray& out) {
    if (a == b)
        return false;
    const QByteArray label = labelOf(a);
    const auto change = [&out](qint64 from, qint64 to) {
        appendNumber(out, from);
        out += " -> ";
        appendNumber(out, to);
        out += '\n';
    };
    if (a.Number != b.Number) {
        out += label + "number ";
        change(a.Number, b.Number);
    }
    if (a.Name != b.Name)
        out += label + "name " + shownName(a.Name, true) + " -> " + shownName(b.Name, true) + '\n';
    // The value lines, written in place: with every value different they are most of the
    // output, and the largest file gives 720000 of them.
    const auto& labels = valueLabels();
    constexpr qsizetype MaxValueLine = 24 + 2 * MaxNumberWidth + 5; // a caption, " -> ", "\n"
    const qsizetype used = out.size();
    out.resize(used + ValueCount * (label.size() + MaxValueLine));
    char* at = out.data() + used;
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
            at = put(at, label);
            at = put(at, labels.at(static_cast<std::size_t>(s) * SeasonValueCount + p));
            at = putNumber(at, fromValues.at(p));
            at = put(at, " -> ");
            at = putNumber(at, toValues.at(p));
            *at++ = '\n';
        }
    }
    out.resize(at - out.data());
    return true;
}

} // namespace

DiffCounts compareTables(const ConfigTable& oldTable, const ConfigTable& newTable,
                         const QString& oldName, const QString& newName, const DiffTextSink& sink) {
    DiffCounts counts;
    const int oldCount = oldTable.recordCount();
    const int newCount = newTable.recordCount();
    counts.compared = std::min(oldCount, newCount);
    QByteArray block;
    block.reserve(BlockSize + BlockSize / 2);
    const auto pass = [&block, &sink](qsizetype atLeast) {
        if (block.size() >= atLeast) {
            sink(block);
            block.resize(0); // keeps the room
        }
    };
    for (int slot = 1; slot <= counts.compared; ++slot) {
        if (compareConfigs(oldTable.Configs(slot), newTable.Configs(slot), block))
            ++counts.differing;
        pass(BlockSize);
    }
    const bool oldLonger = oldCount > newCount;
    const ConfigTable& longer = oldLonger ? oldTable : newTable;
    const QByteArray onlyIn = "only in " + shown(oldLonger ? oldName : newName).toUtf8() + '\n';
    for (int slot = counts.compared + 1; slot <= longer.recordCount(); ++slot) {
        block += labelOf(longer.Configs(slot)) + onlyIn;
        pass(BlockSize);
    }
    pass(1);
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
    QByteArray text;
    diff.counts = compareTables(oldTable, newTable, oldName, newName,
                                [&text](QByteArrayView lines) { text += lines; });
    diff.lines = QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    diff.summary = diffSummary(diff.counts, oldName, newName);
    return diff;
}

} // namespace weather
