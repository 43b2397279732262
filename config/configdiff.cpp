#include "configdiff.h"

#include "codepage.h"
#include "configfile.h"
#include "visibletext.h"

#include <QDir>
#include <QLatin1StringView>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>

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

// Text of the file as the window decodes it, in UTF-8, invisible characters as visibleText()
// writes them; with `inQuotes` also in quotes, with \" for a quote and \\ for a backslash.
QByteArray shownText(QByteArrayView bytes, bool inQuotes) {
    QString text = visibleText(fromWindows1252(bytes), std::numeric_limits<qsizetype>::max());
    if (!inQuotes)
        return text.toUtf8();
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return '"' + text.toUtf8() + '"';
}

// "3 lines": how many lines a piece of text holds, the last one counted without a line end too.
QString lineCount(const QByteArray& text) {
    const qsizetype n = text.count('\n') + (text.isEmpty() || text.endsWith('\n') ? 0 : 1);
    return QString::number(n) + QLatin1StringView(n == 1 ? " line" : " lines");
}

QString shown(const QString& file) {
    return QDir::toNativeSeparators(file);
}

QString configurations(int n) {
    return QString::number(n) + QLatin1StringView(n == 1 ? " configuration" : " configurations");
}

// Appends the differences of one configuration that is in both tables; returns whether there
// are any.
bool compareConfigs(int slot, const WeatherConfig& a, const WeatherConfig& b,
                    std::vector<Difference>& out) {
    if (a == b)
        return false;
    if (a.Number != b.Number)
        out.push_back({slot, Difference::Number, 0});
    if (a.Name != b.Name)
        out.push_back({slot, Difference::Name, 0});
    if (a.Comments != b.Comments) {
        const auto from = blockLines(a);
        const auto to = blockLines(b);
        for (std::size_t i = 0; i < from.size(); ++i) {
            if (from.at(i) != to.at(i))
                out.push_back({slot, Difference::BlockLine, static_cast<quint8>(i)});
        }
    }
    for (int s = 0; s < SeasonCount; ++s) {
        if (a.season(s) == b.season(s))
            continue;
        const SeasonValues fromValues = flatten(a.season(s));
        const SeasonValues toValues = flatten(b.season(s));
        for (std::size_t p = 0; p < fromValues.size(); ++p) {
            if (fromValues.at(p) != toValues.at(p))
                out.push_back({slot, Difference::Value,
                               static_cast<quint8>(s * SeasonValueCount + static_cast<int>(p))});
        }
    }
    return true;
}

} // namespace

TableDiff::TableDiff(ConfigTable oldTable, ConfigTable newTable, QString oldName, QString newName)
    : old_(std::move(oldTable)), new_(std::move(newTable)), oldName_(std::move(oldName)),
      newName_(std::move(newName)) {
    const int oldCount = old_.recordCount();
    const int newCount = new_.recordCount();
    counts_.compared = std::min(oldCount, newCount);
    counts_.headerDiffers = headerLine(old_) != headerLine(new_);
    if (counts_.headerDiffers)
        differences_.push_back({0, Difference::HeaderLine, 0});
    for (int slot = 1; slot <= counts_.compared; ++slot) {
        if (compareConfigs(slot, old_.Configs(slot), new_.Configs(slot), differences_))
            ++counts_.differing;
    }
    const bool oldLonger = oldCount > newCount;
    const auto only = oldLonger ? Difference::OnlyInOld : Difference::OnlyInNew;
    for (int slot = counts_.compared + 1; slot <= std::max(oldCount, newCount); ++slot)
        differences_.push_back({slot, only, 0});
    (oldLonger ? counts_.onlyInOld : counts_.onlyInNew) =
        std::max(oldCount, newCount) - counts_.compared;
    counts_.trailingDiffers = old_.TrailingText != new_.TrailingText;
    if (counts_.trailingDiffers)
        differences_.push_back({0, Difference::TrailingText, 0});
}

const WeatherConfig& TableDiff::config(const Difference& d) const {
    return (d.kind == Difference::OnlyInNew ? new_ : old_).Configs(d.slot);
}

QString TableDiff::configuration(const Difference& d) const {
    if (d.slot == 0)
        return {};
    const WeatherConfig& c = config(d);
    return QString::number(c.Number) + QLatin1Char(' ') +
           QString::fromUtf8(shownText(c.Name, false));
}

QString TableDiff::what(const Difference& d) const {
    switch (d.kind) {
    case Difference::HeaderLine:
        return QStringLiteral("header line");
    case Difference::Number:
        return QStringLiteral("number");
    case Difference::Name:
        return QStringLiteral("name");
    case Difference::BlockLine:
        return d.item == 0 ? QStringLiteral("empty line")
                           : QStringLiteral("comment line %1").arg(d.item);
    case Difference::Value:
        return valueName(d.item / SeasonValueCount, d.item % SeasonValueCount);
    case Difference::OnlyInOld:
        return QStringLiteral("only in ") + shown(oldName_);
    case Difference::OnlyInNew:
        return QStringLiteral("only in ") + shown(newName_);
    case Difference::TrailingText:
        return QStringLiteral("text after the last configuration");
    }
    return {};
}

namespace {

QString sideText(const ConfigTable& table, const Difference& d) {
    const WeatherConfig& c = table.Configs(d.slot);
    switch (d.kind) {
    case Difference::HeaderLine:
        return QString::fromUtf8(shownText(headerLine(table), true));
    case Difference::Number:
        return QString::number(c.Number);
    case Difference::Name:
        return QString::fromUtf8(shownText(c.Name, true));
    case Difference::BlockLine:
        return QString::fromUtf8(shownText(blockLines(c).at(d.item), true));
    case Difference::Value:
        return QString::number(c.season(d.item / SeasonValueCount).at(d.item % SeasonValueCount));
    case Difference::TrailingText:
        return lineCount(table.TrailingText);
    case Difference::OnlyInOld:
    case Difference::OnlyInNew:
        break;
    }
    return {};
}

} // namespace

QString TableDiff::oldText(const Difference& d) const {
    return sideText(old_, d);
}

QString TableDiff::newText(const Difference& d) const {
    return sideText(new_, d);
}

QString TableDiff::line(const Difference& d) const {
    QString text = configuration(d);
    if (!text.isEmpty())
        text += QStringLiteral(": ");
    text += what(d);
    if (d.kind == Difference::OnlyInOld || d.kind == Difference::OnlyInNew)
        return text;
    text += QLatin1StringView(d.kind == Difference::TrailingText ? ": " : " ");
    return text + oldText(d) + QStringLiteral(" -> ") + newText(d);
}

// The value lines are written in place: with every value different they are most of the output,
// and the largest file gives 720000 of them.
void TableDiff::writeLines(const DiffTextSink& sink) const {
    QByteArray block;
    block.reserve(BlockSize + BlockSize / 2);
    const auto& labels = valueLabels();
    constexpr qsizetype MaxValueLine = 24 + 2 * MaxNumberWidth + 5; // a caption, " -> ", "\n"
    int labelSlot = -1;
    QByteArray label;
    for (const Difference& d : differences_) {
        if (d.kind != Difference::Value) {
            block += line(d).toUtf8() + '\n';
        } else {
            if (d.slot != labelSlot) {
                labelSlot = d.slot;
                label = configuration(d).toUtf8() + ": ";
            }
            const qsizetype used = block.size();
            block.resize(used + label.size() + MaxValueLine);
            char* at = put(block.data() + used, label);
            at = put(at, labels.at(d.item));
            const int season = d.item / SeasonValueCount;
            const int position = d.item % SeasonValueCount;
            at = putNumber(at, old_.Configs(d.slot).season(season).at(position));
            at = put(at, " -> ");
            at = putNumber(at, new_.Configs(d.slot).season(season).at(position));
            *at++ = '\n';
            block.resize(at - block.data());
        }
        if (block.size() >= BlockSize) {
            sink(block);
            block.resize(0); // keeps the room
        }
    }
    if (!block.isEmpty())
        sink(block);
}

QString TableDiff::summary() const {
    const int only = counts_.onlyInOld + counts_.onlyInNew;
    const QString onlyIn =
        QLatin1StringView(" only in ") + shown(counts_.onlyInOld > 0 ? oldName_ : newName_);
    QString text;
    if (counts_.differing == 0 && only == 0)
        text = configurations(counts_.compared) + QLatin1StringView(", no differences");
    else if (counts_.differing == 0)
        text = configurations(only) + onlyIn;
    else
        text = configurations(counts_.differing) +
               QLatin1StringView(counts_.differing == 1 ? " differs" : " differ");
    if (counts_.differing > 0 && only > 0)
        text += QLatin1StringView(", ") + QString::number(only) + onlyIn;
    if (counts_.headerDiffers)
        text += QLatin1StringView("; the header line differs");
    if (counts_.trailingDiffers)
        text += QLatin1StringView("; the text after the last configuration differs");
    return text;
}

} // namespace weather
