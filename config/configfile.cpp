#include "configfile.h"

#include "codepage.h"
#include "digits.h"
#include "streampath.h"
#include "visibletext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace weather {

namespace {

constexpr char HeaderLine[] = "# Number of weather configurations in file";
constexpr char BlockComments[] = "\r\n"
                                 "# Start Day,\r\n"
                                 "# Wind (Calm, Breezy, Gusty, Strong, Gale)\r\n"
                                 "# Precipitation (Dry, Wet, Drizzle, Shower, Down Pour)\r\n"
                                 "# Warmth (Freezing, Cold, Mild, Fine, Warm, Hot, Very Hot)\r\n";
constexpr std::array<const char*, SeasonCount> SeasonPrefixes = {
    "Spring: ", "SUMMER: ", "AUTUMN: ", "WINTER: "};
constexpr int PrefixLength = 8;
constexpr int CommentLinesPerRecord = BlockLineCount;
// The record's first five lines as the writer puts them, without their line ends.
constexpr std::array<const char*, CommentLinesPerRecord> StandardComments = {
    "", "# Start Day,", "# Wind (Calm, Breezy, Gusty, Strong, Gale)",
    "# Precipitation (Dry, Wet, Drizzle, Shower, Down Pour)",
    "# Warmth (Freezing, Cold, Mild, Fine, Warm, Hot, Very Hot)"};
// What stands in front of value `position` (1..17) on a season line, padded to four bytes.
struct Separator {
    // Implicit on purpose: the table below is written as plain string literals.
    // cppcheck-suppress noExplicitConstructor
    template <std::size_t N> constexpr Separator(const char (&s)[N]) : size(N - 1) {
        static_assert(N <= sizeof text + 1);
        for (std::size_t i = 0; i + 1 < N; ++i)
            text[i] = s[i];
    }
    char text[4] = {};
    qsizetype size;
};
constexpr std::array<Separator, SeasonValueCount> Separators = {
    "",    ", W", ", W", ", W", ", W", ", W", ", P",  ", P", ", P",
    ", P", ", P", ", H", ", H", ", H", ", H", ",  H", ", H", ", H"};

// ---------------------------------------------------------------------------------------------
// Reading

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A byte that text does not hold: a control character other than tab and carriage return.
bool isControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && c != '\t' && c != '\r') || u == 0x7f;
}

bool holdsControlBytes(QByteArrayView text) {
    return std::any_of(text.begin(), text.end(), isControl);
}

QByteArrayView trimmed(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

enum class IntResult { Ok, Empty, NotANumber, OutOfRange };

// An optional minus sign and decimal digits, nothing else; leading zeros are fine.
IntResult parseInteger(QByteArrayView text, qint64 min, qint64 max, qint64& value) {
    if (text.isEmpty())
        return IntResult::Empty;
    qsizetype i = 0;
    const bool negative = text[0] == '-';
    if (negative)
        i = 1;
    if (i == text.size())
        return IntResult::NotANumber;
    constexpr qint64 Cap = qint64(1) << 40; // far beyond any field; stops growth early
    qint64 magnitude = 0;
    bool tooBig = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return IntResult::NotANumber;
        if (!tooBig) {
            magnitude = magnitude * 10 + (c - '0');
            tooBig = magnitude > Cap;
        }
    }
    value = negative ? -magnitude : magnitude;
    if (tooBig || value < min || value > max)
        return IntResult::OutOfRange;
    return IntResult::Ok;
}

// Shows a piece of the file in a message, in quotes: decoded as the window decodes names,
// invisible characters named as in every message, cut short.
QString quoted(QByteArrayView text) {
    constexpr qsizetype Shown = 24;
    return QLatin1Char('"') + visibleText(fromWindows1252(text), Shown) + QLatin1Char('"');
}

QString plural(qint64 n, const char* one, const char* many) {
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

// Splits the file into lines on LF, dropping one CR in front of each LF and one at the very end
// (a file cut after the CR of its last CR LF).
class LineReader {
public:
    explicit LineReader(QByteArrayView data) : pos_(data.data()), end_(data.data() + data.size()) {}

    bool next(QByteArrayView& line) {
        if (pos_ >= end_)
            return false;
        const auto* nl =
            static_cast<const char*>(std::memchr(pos_, '\n', static_cast<size_t>(end_ - pos_)));
        const char* lineEnd = nl ? nl : end_;
        const char* stop = lineEnd;
        if (stop > pos_ && stop[-1] == '\r')
            --stop;
        line = QByteArrayView(pos_, stop - pos_);
        pos_ = nl ? nl + 1 : end_;
        ++number_;
        return true;
    }
    // Number of the line last returned by next(); the next one is number() + 1.
    [[nodiscard]] int number() const { return number_; }
    // The bytes not yet returned.
    [[nodiscard]] QByteArrayView rest() const { return {pos_, end_ - pos_}; }

private:
    const char* pos_;
    const char* end_;
    int number_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Reading the writer's own layout quickly

// Separators[p] as a little-endian number and the mask of its bytes, to compare four bytes at once.
struct SeparatorPattern {
    quint32 bytes = 0;
    quint32 mask = 0;
    qsizetype size = 0;
};
constexpr auto SeparatorPatterns = [] {
    std::array<SeparatorPattern, SeasonValueCount> patterns{};
    for (std::size_t p = 0; p < SeasonValueCount; ++p) {
        const Separator& separator = Separators[p];
        for (qsizetype i = 0; i < separator.size; ++i) {
            const auto byte = static_cast<unsigned char>(separator.text[i]);
            patterns[p].bytes |= quint32{byte} << (8 * i);
            patterns[p].mask |= quint32{0xff} << (8 * i);
        }
        patterns[p].size = separator.size;
    }
    return patterns;
}();

// How far readLayoutValue() may read past the end of a line.
constexpr qsizetype Overread = 16;

// Reads value `position` of a season line in the writer's layout at `p`: its separator, an
// optional minus sign and one to five digits. Moves `p` on by at most 13 bytes, and returns
// whether the bytes were that; `p` is past the value when they were.
bool readLayoutValue(const char*& p, std::size_t position, qint16& value) {
    const SeparatorPattern& separator = SeparatorPatterns[position];
    bool ok = (qFromLittleEndian<quint32>(p) & separator.mask) == separator.bytes;
    p += separator.size;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    const auto bytes = qFromLittleEndian<quint64>(p);
    const int digits = leadingDigits(bytes);
    ok = ok && digits >= 1 && digits <= 5;
    const unsigned magnitude = digitsValue(bytes, std::max(digits, 1));
    ok = ok && magnitude <= (negative ? 32768U : 32767U);
    const auto signedValue = static_cast<int>(magnitude);
    value = static_cast<qint16>(negative ? -signedValue : signedValue);
    p += digits;
    return ok;
}

// Reads the four season lines of a record when they are exactly in the writer's layout. The lines
// do not depend on each other, so they are read side by side and the processor works on several
// at once. Returns false for anything else, which leaves the lines to Parser::readSeasonLine: it
// accepts more (other blanks, no markers, leading zeros) and names what is wrong. Lines that end
// within Overread bytes of the end of the data go that way too.
bool readSeasonLinesQuickly(const std::array<QByteArrayView, SeasonCount>& lines,
                            const char* dataEnd, WeatherConfig& config) {
    std::array<const char*, SeasonCount> at{};
    for (std::size_t s = 0; s < SeasonCount; ++s) {
        const char* const lineEnd = lines[s].data() + lines[s].size();
        if (lines[s].size() < PrefixLength || dataEnd - lineEnd < Overread)
            return false;
        at[s] = lines[s].data() + PrefixLength;
    }
    // Two lines at a time: enough to keep the processor busy, few enough for what it works on to
    // stay in its registers (four at a time is slower).
    constexpr std::size_t SideBySide = 2;
    std::array<SeasonValues, SeasonCount> values{};
    for (std::size_t first = 0; first < SeasonCount; first += SideBySide) {
        for (std::size_t p = 0; p < SeasonValueCount; ++p) {
            bool ok = true;
            for (std::size_t s = first; s < first + SideBySide; ++s)
                ok = readLayoutValue(at[s], p, values[s][p]) && ok;
            if (!ok)
                return false;
        }
    }
    for (std::size_t s = 0; s < SeasonCount; ++s) {
        if (at[s] != lines[s].data() + lines[s].size())
            return false;
    }
    for (std::size_t s = 0; s < SeasonCount; ++s)
        unflatten(values[s], config.season(static_cast<int>(s)));
    return true;
}

// "5 more configurations and 2 more lines", and whether that is more than one thing.
QString moreText(int records, int lines, bool& many) {
    many = records + lines > 1;
    QString text;
    if (records > 0)
        text = QStringLiteral("%1 more %2")
                   .arg(records)
                   .arg(QLatin1String(records == 1 ? "configuration" : "configurations"));
    if (records > 0 && lines > 0)
        text += QStringLiteral(" and ");
    if (lines > 0)
        text += QStringLiteral("%1 more %2")
                    .arg(lines)
                    .arg(QLatin1String(lines == 1 ? "line" : "lines"));
    return text;
}

class Parser {
public:
    Parser(QByteArrayView data, const QString& path, FileWarnings* warnings)
        : data_(data), lines_(data), path_(path), warnings_(warnings) {}

    std::optional<FileError> run(ConfigTable& table) {
        if (data_.isEmpty())
            return error(1, QStringLiteral("the file is empty"));
        if (data_.startsWith("\xff\xfe") || data_.startsWith("\xfe\xff"))
            return error(1, QStringLiteral("the file is UTF-16 text (it starts with a byte-order "
                                           "mark); weather.cfg must be plain single-byte text"));
        QByteArrayView header;
        lines_.next(header); // the header line carries no data, but is kept
        if (header != QByteArrayView(HeaderLine))
            table.HeaderLine = header.toByteArray();
        QByteArrayView line;
        const bool hasCountLine = lines_.next(line);
        // Control bytes where the header and the count should be: the file is not text at all,
        // and quoting its line 2 would not help anyone.
        const bool binary = holdsControlBytes(header) || (hasCountLine && holdsControlBytes(line));
        if (!hasCountLine) {
            if (binary)
                return notText();
            if (!data_.contains('\n') && data_.contains('\r'))
                return error(1, QStringLiteral("the file has carriage returns but no line feeds "
                                               "as line ends; save it with CRLF or LF line ends"));
            return error(2, QStringLiteral("the file ends after line 1; line 2 must hold the "
                                           "number of configurations"));
        }
        if (auto e = readCount(line, table))
            return binary ? notText() : e;
        for (int k = 1; k <= table.ConfigCount; ++k) {
            if (auto e = readRecord(k, table.ConfigCount, table.Configs(k)))
                return e;
        }
        keepTrailingText(table);
        return std::nullopt;
    }

private:
    [[nodiscard]] FileError error(int line, QString message) const {
        return {path_, line, std::move(message)};
    }

    void warn(int line, QString message) const {
        if (warnings_)
            warnings_->append(error(line, std::move(message)));
    }

    // Keeps what follows the last counted record and says what it is: the game reads only as many
    // records as line 2 counts, so records beyond them are read here only to name them.
    void keepTrailingText(ConfigTable& table) {
        table.TrailingText = lines_.rest().toByteArray();
        if (table.TrailingText.isEmpty())
            return;
        const int firstLine = lines_.number() + 1;
        // The records that read whole, as the game would read them had line 2 counted them.
        FileWarnings* const warnings = std::exchange(warnings_, nullptr);
        int records = 0;
        WeatherConfig scratch;
        LineReader afterRecords = lines_;
        while (!readRecord(records + 1, records + 1, scratch)) {
            ++records;
            afterRecords = lines_;
        }
        warnings_ = warnings;
        int lines = 0;
        for (QByteArrayView line; afterRecords.next(line);)
            ++lines;
        bool many = false;
        const QString more = moreText(records, lines, many);
        if (records > 0)
            warn(firstLine, QStringLiteral("%1 %2 the %3 that line 2 counts; the game reads only "
                                           "those, and Save keeps the rest as it is")
                                .arg(more, QLatin1String(many ? "follow" : "follows"))
                                .arg(table.ConfigCount));
        else
            warn(firstLine, QStringLiteral("%1 %2 %3; the game does not read %4, and Save keeps "
                                           "%4 as %5")
                                .arg(more, QLatin1String(many ? "follow" : "follows"),
                                     QLatin1String(table.ConfigCount > 0 ? "the last configuration"
                                                                         : "line 2"),
                                     QLatin1String(many ? "them" : "it"),
                                     QLatin1String(many ? "they are" : "it is")));
    }

    [[nodiscard]] FileError notText() const {
        return error(1, QStringLiteral("the file holds binary data, not the plain text of a "
                                       "weather configuration file"));
    }

    std::optional<FileError> readCount(QByteArrayView line, ConfigTable& table) {
        const QByteArrayView text = trimmed(line);
        qint64 count = 0;
        if (text.startsWith('-'))
            return error(
                2, QStringLiteral("the number of configurations is %1, below 0").arg(quoted(text)));
        switch (parseInteger(text, 0, ConfigTable::MaxRecords, count)) {
        case IntResult::Ok:
            table.ConfigCount = static_cast<qint32>(count);
            if (count > 0)
                (void)table.Configs(table.ConfigCount); // takes room for every record at once
            return std::nullopt;
        case IntResult::Empty:
            return error(2, QStringLiteral("line 2 must hold the number of configurations, "
                                           "but it is empty"));
        case IntResult::NotANumber:
            return error(2, QStringLiteral("line 2 must hold the number of configurations, "
                                           "but it holds %1")
                                .arg(quoted(line)));
        case IntResult::OutOfRange:
            return error(2, QStringLiteral("the number of configurations is %1, more than the "
                                           "%2 the editor can hold")
                                .arg(quoted(text), QString::number(ConfigTable::MaxRecords)));
        }
        return std::nullopt;
    }

    std::optional<FileError> endsEarly(int record, int count, const char* expected) const {
        const int line = lines_.number() + 1;
        if (expected == nullptr)
            return error(line, QStringLiteral("the file ends after %1 of %2")
                                   .arg(record - 1)
                                   .arg(plural(count, "configuration", "configurations")));
        return error(line, QStringLiteral("the file ends inside configuration %1 of %2, where "
                                          "its %3 was expected")
                               .arg(record)
                               .arg(count)
                               .arg(QLatin1String(expected)));
    }

    std::optional<FileError> readRecord(int record, int count, WeatherConfig& config) {
        QByteArrayView line;
        std::array<QByteArrayView, CommentLinesPerRecord> comments;
        bool standard = true;
        for (std::size_t i = 0; i < comments.size(); ++i) {
            if (!lines_.next(comments[i]))
                return endsEarly(record, count, i == 0 ? nullptr : "comment line");
            standard = standard && comments[i] == QByteArrayView(StandardComments[i]);
        }
        if (!lines_.next(line))
            return endsEarly(record, count, "name line");
        if (auto e = readNameLine(line, config))
            return e;
        if (!standard)
            config.Comments = joined(comments);
        else
            config.Comments.clear();
        const int nameLine = lines_.number();
        // The season lines: all four at once when they are in the writer's layout.
        const LineReader seasonsStart = lines_;
        std::array<QByteArrayView, SeasonCount> seasonLines;
        bool complete = true;
        for (QByteArrayView& seasonLine : seasonLines)
            complete = complete && lines_.next(seasonLine);
        if (!complete ||
            !readSeasonLinesQuickly(seasonLines, data_.data() + data_.size(), config)) {
            lines_ = seasonsStart; // read them one by one, stopping at the first fault
            static constexpr std::array<const char*, SeasonCount> Expected = {
                "Spring line", "Summer line", "Autumn line", "Winter line"};
            for (int s = 0; s < SeasonCount; ++s) {
                if (!lines_.next(line))
                    return endsEarly(record, count, Expected[static_cast<std::size_t>(s)]);
                if (auto e = readSeasonLine(line, s, config.season(s)))
                    return e;
            }
        }
        if (warnings_)
            warnAboutLabels(seasonLines, nameLine + 1, config);
        return std::nullopt;
    }

    static QByteArray joined(const std::array<QByteArrayView, CommentLinesPerRecord>& lines) {
        QByteArray text;
        for (const QByteArrayView line : lines)
            text.append(line).append('\n');
        text.chop(1);
        return text;
    }

    // The game takes a season's values from the ninth character on, whatever the label: a label
    // that lost its blank ("Spring:60") gives the start day's first character to the label.
    void warnAboutLabels(const std::array<QByteArrayView, SeasonCount>& lines, int firstLine,
                         const WeatherConfig& config) const {
        for (int s = 0; s < SeasonCount; ++s) {
            const QByteArrayView line = lines[static_cast<std::size_t>(s)];
            const char last = line.size() >= PrefixLength ? line[PrefixLength - 1] : ' ';
            if ((last < '0' || last > '9') && last != '-')
                continue;
            warn(firstLine + s,
                 QStringLiteral("the %1 line's label %2 takes the first character of the start "
                                "day, which the game then reads as %3; a label is 8 characters, "
                                "such as \"%4\"")
                     .arg(QLatin1String(seasonCaption(s)), quoted(line.first(PrefixLength)))
                     .arg(config.season(s).StartDay)
                     .arg(QLatin1String(SeasonPrefixes[static_cast<std::size_t>(s)])));
        }
    }

    std::optional<FileError> readNameLine(QByteArrayView line, WeatherConfig& config) {
        const qsizetype blank = line.indexOf(' ');
        const QByteArrayView number = blank < 0 ? line : line.first(blank);
        qint64 value = 0;
        switch (parseInteger(number, std::numeric_limits<qint32>::min(),
                             std::numeric_limits<qint32>::max(), value)) {
        case IntResult::Ok:
            break;
        case IntResult::OutOfRange:
            return error(lines_.number(),
                         QStringLiteral("the configuration number %1 is outside -2147483648 "
                                        "to 2147483647")
                             .arg(quoted(number)));
        case IntResult::Empty:
        case IntResult::NotANumber:
            return error(lines_.number(),
                         QStringLiteral("a name line must start with the configuration number "
                                        "and a blank, but it reads %1")
                             .arg(quoted(line)));
        }
        config.Number = static_cast<qint32>(value);
        if (blank >= 0)
            config.Name = line.sliced(blank + 1).toByteArray();
        return std::nullopt;
    }

    std::optional<FileError> readSeasonLine(QByteArrayView line, int season,
                                            SeasonWeather& values) {
        const QString seasonName = QLatin1String(seasonCaption(season));
        if (line.size() < PrefixLength)
            return error(lines_.number(),
                         QStringLiteral("the %1 line is too short: it must start with an "
                                        "8-character label such as \"%2\"")
                             .arg(seasonName, QLatin1String(SeasonPrefixes[season])));
        const QByteArrayView rest = line.sliced(PrefixLength);
        const qsizetype fields = trimmed(rest).isEmpty() ? 0 : rest.count(',') + 1;
        if (fields != SeasonValueCount)
            return error(lines_.number(),
                         QStringLiteral("the %1 line holds %2; it must hold 18 (the start day "
                                        "and 17 weather values)")
                             .arg(seasonName, plural(fields, "value", "values")));
        qsizetype pos = 0;
        for (int p = 0; p < SeasonValueCount; ++p) {
            qsizetype comma = rest.indexOf(',', pos);
            if (comma < 0)
                comma = rest.size();
            QByteArrayView field = trimmed(rest.sliced(pos, comma - pos));
            pos = comma + 1;
            if (!field.isEmpty() && (field[0] == 'W' || field[0] == 'P' || field[0] == 'H'))
                field = field.sliced(1);
            qint64 value = 0;
            switch (parseInteger(field, std::numeric_limits<qint16>::min(),
                                 std::numeric_limits<qint16>::max(), value)) {
            case IntResult::Ok:
                values.at(p) = static_cast<qint16>(value);
                break;
            case IntResult::Empty:
                return error(lines_.number(),
                             QStringLiteral("%1 is empty").arg(valueName(season, p)));
            case IntResult::NotANumber:
                return error(lines_.number(), QStringLiteral("%1 is not a whole number: %2")
                                                  .arg(valueName(season, p), quoted(field)));
            case IntResult::OutOfRange:
                return error(lines_.number(),
                             QStringLiteral("%1 is %2, outside -32768 to 32767")
                                 .arg(valueName(season, p), QString::fromLatin1(field)));
            }
        }
        return std::nullopt;
    }

    QByteArrayView data_;
    LineReader lines_;
    const QString& path_;
    FileWarnings* warnings_;
};

// ---------------------------------------------------------------------------------------------
// Writing

char* put(char* out, QByteArrayView text) {
    // An empty name has no data at all, and memcpy from a null pointer is undefined even for
    // zero bytes.
    if (!text.isEmpty())
        std::memcpy(out, text.data(), static_cast<size_t>(text.size()));
    return out + text.size();
}

// The longest season line with its line end: the label, eighteen values of six characters and
// the separators.
constexpr qsizetype MaxSeasonLine = 8 + 18 * 6 + 17 * 3 + 1 + 2;
constexpr qsizetype MaxNumber = 11; // "-2147483648"
// Separators are copied four bytes at a time; the bytes beyond one are overwritten by the number
// after it, but the last copy may reach this far past the end of the text.
constexpr qsizetype Slack = 3;

// Writes one season line without its line end; returns the end of what it wrote.
char* putSeasonLine(char* out, int season, const SeasonWeather& weather) {
    out =
        put(out, QByteArrayView(SeasonPrefixes.at(static_cast<std::size_t>(season)), PrefixLength));
    const SeasonValues values = flatten(weather);
    for (std::size_t p = 0; p < values.size(); ++p) {
        std::memcpy(out, Separators[p].text, sizeof Separator::text);
        out = putNumber(out + Separators[p].size, values[p]);
    }
    return out;
}

// Writes a record's own first five lines, each with its line end.
char* putComments(char* out, QByteArrayView comments) {
    for (const char c : comments) {
        if (c == '\n')
            *out++ = '\r';
        *out++ = c;
    }
    return put(out, "\r\n");
}

} // namespace

QString FileError::toString() const {
    const QString where = QDir::toNativeSeparators(path);
    // Joined, not filled into a pattern: a path or message may itself hold "%1".
    if (line > 0)
        return where + QLatin1Char(':') + QString::number(line) + QStringLiteral(": ") + message;
    return where + QStringLiteral(": ") + message;
}

std::optional<FileError> parseConfig(QByteArrayView data, ConfigTable& out, const QString& path,
                                     FileWarnings* warnings) {
    ConfigTable fresh;
    FileWarnings found;
    Parser parser(data, path, warnings ? &found : nullptr);
    if (auto e = parser.run(fresh))
        return e;
    out.swap(fresh);
    if (warnings)
        *warnings = std::move(found);
    return std::nullopt;
}

namespace {

// What the messages about an input call it: after "not a", and after "too large for a".
struct InputWords {
    QString kind;
    QString longKind;
};

InputWords inputWords(InputKind kind) {
    if (kind == InputKind::Csv)
        return {QStringLiteral("CSV file"), QStringLiteral("CSV file")};
    return {QStringLiteral("configuration file"), QStringLiteral("weather configuration file")};
}

} // namespace

std::optional<FileError> readInputFile(const QString& path, QByteArray& out, InputKind kind) {
    const InputWords words = inputWords(kind);
    const auto fail = [&](const QString& message) {
        return std::optional<FileError>(FileError{path, 0, message});
    };
    QFile file;
    if (path == QLatin1String("-")) {
        constexpr int StandardInput = 0;
        if (!file.open(StandardInput, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
            return fail(QStringLiteral("cannot read standard input: ") + file.errorString());
    } else {
        const QFileInfo info(path);
        if (!info.exists())
            return fail(QStringLiteral("the file does not exist"));
        if (info.isDir())
            return fail(QStringLiteral("this is a folder, not a ") + words.kind);
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot open the file: ") + file.errorString());
    }
    const QString tooLarge =
        QStringLiteral(", too large for a ") + words.longKind + QStringLiteral(" (at most 64 MiB)");
    const qint64 size = file.size();
    if (size > MaxFileSize)
        return fail(QStringLiteral("the file is ") + QString::number(size) +
                    QStringLiteral(" bytes") + tooLarge);
    QByteArray data;
    if (!file.isSequential() && size > 0) {
        data = file.readAll();
    } else {
        // Pipes and devices without a size: read until the end comes, or one byte past the
        // limit. (A fresh pipe reports itself at its end before anything was read.)
        constexpr qint64 Piece = qint64{64} * 1024;
        for (;;) {
            const qint64 room = MaxFileSize + 1 - data.size();
            const QByteArray piece = file.read(std::min(Piece, room));
            if (piece.isEmpty())
                break;
            data += piece;
            if (data.size() > MaxFileSize)
                return fail(QStringLiteral("the file is more than ") +
                            QString::number(MaxFileSize) + QStringLiteral(" bytes") + tooLarge);
        }
    }
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("cannot read the file: ") + file.errorString());
    if (data.size() > MaxFileSize)
        return fail(QStringLiteral("the file is ") + QString::number(data.size()) +
                    QStringLiteral(" bytes") + tooLarge);
    out = std::move(data);
    return std::nullopt;
}

std::optional<FileError> loadConfigFile(const QString& path, ConfigTable& out, FileStamp* stamp,
                                        FileWarnings* warnings) {
    QByteArray data;
    if (auto error = readInputFile(path, data))
        return error;
    auto error = parseConfig(data, out, path, warnings);
    if (!error && stamp)
        *stamp = FileStamp::of(data);
    return error;
}

QByteArray headerLine(const ConfigTable& table) {
    return table.HeaderLine ? *table.HeaderLine : QByteArray(HeaderLine);
}

std::array<QByteArray, BlockLineCount> blockLines(const WeatherConfig& config) {
    std::array<QByteArray, BlockLineCount> lines;
    if (config.Comments.isEmpty()) {
        std::copy(StandardComments.begin(), StandardComments.end(), lines.begin());
        return lines;
    }
    const QList<QByteArray> kept = config.Comments.split('\n');
    std::copy_n(kept.begin(), std::min<qsizetype>(kept.size(), BlockLineCount), lines.begin());
    return lines;
}

void appendSeasonLine(QByteArray& out, int season, const SeasonWeather& values) {
    char line[MaxSeasonLine + Slack];
    out.append(line, putSeasonLine(line, season, values) - line);
}

QByteArray formatConfig(const ConfigTable& table) {
    const int records = table.recordCount();
    // Room for the longest file these records can make, cut to size at the end.
    const QByteArray header = headerLine(table);
    qsizetype size = header.size() + 2 + MaxNumber + 2 + table.TrailingText.size() + Slack;
    for (int k = 1; k <= records; ++k) {
        const WeatherConfig& config = table.Configs(k);
        size += qsizetype{sizeof BlockComments} + config.Comments.size() +
                qsizetype{2} * CommentLinesPerRecord + MaxNumber + 1 + config.Name.size() + 2 +
                SeasonCount * MaxSeasonLine;
    }
    QByteArray out(size, Qt::Uninitialized);
    char* p = out.data();
    p = put(p, header);
    p = put(p, "\r\n");
    p = putNumber(p, table.ConfigCount);
    p = put(p, "\r\n");
    for (int k = 1; k <= records; ++k) {
        const WeatherConfig& config = table.Configs(k);
        p = config.Comments.isEmpty() ? put(p, BlockComments) : putComments(p, config.Comments);
        p = putNumber(p, config.Number);
        *p++ = ' ';
        p = put(p, config.Name);
        p = put(p, "\r\n");
        for (int s = 0; s < SeasonCount; ++s) {
            p = putSeasonLine(p, s, config.season(s));
            p = put(p, "\r\n");
        }
    }
    p = put(p, table.TrailingText);
    out.truncate(p - out.constData());
    return out;
}

namespace {

// A save writes the new bytes to a hidden file beside the target, ".NAME.saving" (through
// QSaveFile, which itself writes a uniquely named ".NAME.saving.XXXXXX" and renames it), then
// renames that over the target in one step. A save that is killed on the way can leave either
// file behind, never the target half-written; both are hidden, and the next save removes them.
// (QSaveFile on the target itself would name its copy "NAME.XXXXXX", in plain sight, and
// nothing could later tell that copy from a file of the user's.)
QString stagingName(const QString& fileName) {
    return QLatin1Char('.') + fileName + QStringLiteral(".saving");
}

// Whether `name` is exactly the staging file or one of QSaveFile's copies of it (six characters
// after a dot). Compared by hand, case and all: name filters would read "[", "]", "*" and "?" in
// the file name as wildcards and ignore case, and so match the leftovers of other files.
bool isLeftover(const QString& name, const QString& staging) {
    constexpr qsizetype UniqueLength = 6;
    if (name == staging)
        return true;
    return name.size() == staging.size() + 1 + UniqueLength && name.startsWith(staging) &&
           name.at(staging.size()) == QLatin1Char('.');
}

void removeLeftovers(const QDir& dir, const QString& staging) {
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (isLeftover(name, staging))
            QFile::remove(dir.filePath(name));
    }
}

// The file that a save of `path` replaces: a symbolic link stays a link, and the file it leads
// to gets the new bytes.
QFileInfo saveTarget(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 64 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info;
}

} // namespace

std::optional<FileError> writeFileAtomically(const QString& path, const QByteArray& data) {
    const auto failure = [&](const char* what, const QString& reason) {
        return std::optional<FileError>(
            FileError{path, 0, QStringLiteral("%1: %2").arg(QLatin1String(what), reason)});
    };
    if (isStreamPath(path))
        return failure("cannot save the file",
                       QStringLiteral("it is a pipe or a device, not a regular file, and saving "
                                      "would put a regular file in its place"));
    const QFileInfo target = saveTarget(path);
    if (target.exists() && !target.isWritable())
        return failure("cannot save the file", QStringLiteral("the file is read-only"));
    const QDir dir = target.absoluteDir();
    const QString staging = dir.filePath(stagingName(target.fileName()));
    removeLeftovers(dir, stagingName(target.fileName()));

    QSaveFile file(staging);
    const auto fail = [&](const char* what) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(what, reason);
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail("cannot save the file");
    // A short write carries no error of its own; writing the rest brings out the reason.
    for (qsizetype done = 0; done < data.size();) {
        const qint64 n = file.write(data.constData() + done, data.size() - done);
        if (n <= 0)
            return fail("cannot write the file");
        done += n;
    }
    if (!file.commit())
        return failure("cannot finish saving the file", file.errorString());
    // The new file keeps the permissions of the one it replaces.
    if (target.exists())
        QFile::setPermissions(staging, target.permissions());
#ifdef Q_OS_WIN
    // NTFS replaces the entry in one step; write-through returns only once the replacement is on
    // the disk, which stands in for the folder flush below.
    if (!MoveFileExW(QDir::toNativeSeparators(staging).toStdWString().c_str(),
                     QDir::toNativeSeparators(target.absoluteFilePath()).toStdWString().c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const QString reason = qt_error_string(int(GetLastError()));
        QFile::remove(staging);
        return failure("cannot finish saving the file", reason);
    }
#else
    std::error_code error;
    std::filesystem::rename(QFile(staging).filesystemFileName(),
                            QFile(target.filePath()).filesystemFileName(), error);
    if (error) {
        QFile::remove(staging);
        return failure("cannot finish saving the file", QString::fromStdString(error.message()));
    }
#endif
#ifdef Q_OS_UNIX
    // The rename is an entry in the folder, and the folder's new contents can sit in memory for
    // a while after the file's own bytes are on the disk: a power cut then brings back the old
    // entry, the old file. Flushing the folder makes the rename itself durable. The save has
    // already happened by now, so a folder that cannot be flushed is not reported as a failure.
    if (const int folder = ::open(QFile::encodeName(dir.absolutePath()).constData(),
                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
#endif
    return std::nullopt;
}

bool isStreamPath(const QString& path) {
    const QFileInfo info(path); // follows links: /dev/stdout leads to the pipe or terminal
    return info.exists() && !info.isFile() && !info.isDir();
}

std::optional<FileError> writeOutputFile(const QString& path, const QByteArray& data) {
    // /dev/stdout and its kind lead to what the shell opened; replacing that file would lose
    // what was written to it before and after.
    if (const auto fd = namedDescriptor(path))
        return writeToDescriptor(*fd, data, path);
    if (!isStreamPath(path))
        return writeFileAtomically(path, data);
    QFile file(path);
    const auto fail = [&](const char* what) {
        return std::optional<FileError>(FileError{
            path, 0, QStringLiteral("%1: %2").arg(QLatin1String(what), file.errorString())});
    };
    // Unbuffered, so that a device that takes nothing (ENOSPC on /dev/full) says so at once;
    // ExistingOnly, so that a FIFO removed meanwhile is not made a regular file after all.
    if (!file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return fail("cannot open the file for writing");
    for (qsizetype done = 0; done < data.size();) {
        const qint64 n = file.write(data.constData() + done, data.size() - done);
        if (n <= 0)
            return fail("cannot write the file");
        done += n;
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        return fail("cannot write the file");
    return std::nullopt;
}

std::optional<FileError> saveConfigFile(const QString& path, const ConfigTable& table) {
    return writeFileAtomically(path, formatConfig(table));
}

} // namespace weather
