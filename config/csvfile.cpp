#include "csvfile.h"

#include "codepage.h"
#include "csvheader.h"
#include "digits.h"
#include "tableedit.h"
#include "visibletext.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdio>
#include <deque>
#include <limits>
#include <utility>
#include <vector>

namespace weather {

namespace {

constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";
constexpr int ValueColumns = SeasonCount * SeasonValueCount;
constexpr int NumberColumn = 0;
constexpr int NameColumn = 1;
constexpr int FirstValueColumn = 2;
constexpr int MaxRows = ConfigTable::MaxRecords;
// How many bytes the quick row reader may read past a value.
constexpr qsizetype Overread = 16;
// How much of a faulty field a message shows.
constexpr qsizetype ShownCharacters = 24;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// ---------------------------------------------------------------------------------------------
// Writing

// Whether a spreadsheet would read `word`, in lower case, as part of a number, a date or a
// time: an exponent, a month or the half of a day.
bool isNumberWord(QStringView word) {
    static const QStringList words = {
        QStringLiteral("e"),        QStringLiteral("am"),      QStringLiteral("pm"),
        QStringLiteral("jan"),      QStringLiteral("january"), QStringLiteral("feb"),
        QStringLiteral("february"), QStringLiteral("mar"),     QStringLiteral("march"),
        QStringLiteral("apr"),      QStringLiteral("april"),   QStringLiteral("may"),
        QStringLiteral("jun"),      QStringLiteral("june"),    QStringLiteral("jul"),
        QStringLiteral("july"),     QStringLiteral("aug"),     QStringLiteral("august"),
        QStringLiteral("sep"),      QStringLiteral("sept"),    QStringLiteral("september"),
        QStringLiteral("oct"),      QStringLiteral("october"), QStringLiteral("nov"),
        QStringLiteral("november"), QStringLiteral("dec"),     QStringLiteral("december")};
    return words.contains(word.toString().toLower());
}

// Whether a spreadsheet would read the cell as a number, a date, a time, a percentage or an
// amount ("007", "1e5", "1/2", "12:30", "50%", "$5", "5 May") and show it changed: digits with
// nothing around them but signs, separators, currency signs and the words of isNumberWord().
bool looksLikeNumber(QStringView name) {
    static const QString marks = QStringLiteral(" \t.,:/-+%()$\u00A2\u00A3\u00A5\u20AC");
    bool digit = false;
    for (qsizetype i = 0; i < name.size();) {
        const QChar c = name[i];
        if (c >= u'0' && c <= u'9') {
            digit = true;
            ++i;
        } else if (marks.contains(c)) {
            ++i;
        } else if (c.isLetter()) {
            qsizetype end = i;
            while (end < name.size() && name[end].isLetter())
                ++end;
            if (!isNumberWord(name.sliced(i, end - i)))
                return false;
            i = end;
        } else {
            return false;
        }
    }
    return digit;
}

// A cell a spreadsheet would run as a formula starts with one of these, and one it would read
// as a number comes back reformatted; an apostrophe is here so that the one put in front of such
// a name can always be told from the name's own.
bool needsApostrophe(QStringView name) {
    if (name.isEmpty())
        return false;
    const char16_t c = name.front().unicode();
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r' || c == '\'' ||
           looksLikeNumber(name);
}

char separatorChar(CsvSeparator separator) {
    switch (separator) {
    case CsvSeparator::Semicolon:
        return ';';
    case CsvSeparator::Tab:
        return '\t';
    case CsvSeparator::Comma:
        break;
    }
    return ',';
}

bool needsQuotes(QByteArrayView field, char separator) {
    if (field.isEmpty())
        return false;
    if (isBlank(field.front()) || isBlank(field.back()))
        return true;
    return std::any_of(field.begin(), field.end(), [separator](char c) {
        return c == separator || c == '"' || c == '\r' || c == '\n';
    });
}

// Writes `field` at `out`, quoted when it must be; returns the end of what it wrote (at most
// twice its size and two quotes).
char* putField(char* out, QByteArrayView field, char separator) {
    if (!needsQuotes(field, separator))
        return std::copy(field.begin(), field.end(), out);
    *out++ = '"';
    for (const char c : field) {
        if (c == '"')
            *out++ = '"';
        *out++ = c;
    }
    *out++ = '"';
    return out;
}

// ---------------------------------------------------------------------------------------------
// Reading

// Splits CSV bytes into rows of fields. A field is either bare, up to the next separator or line
// end, or quoted, with doubled quotes standing for one. A line ends at CRLF, LF or a lone CR.
class CsvReader {
public:
    CsvReader() = default;
    // `firstLine`: the number of the line `data` starts on.
    CsvReader(QByteArrayView data, char separator, int firstLine)
        : pos_(data.data()), end_(data.data() + data.size()), separator_(separator),
          line_(firstLine) {}

    struct Row {
        int line = 0; // where the row starts
        std::vector<QByteArrayView> fields;
    };

    // Reads the next row into `row`; false at the end of the data, or with `problem` set.
    bool next(Row& row, QString& problem) {
        if (pos_ == end_)
            return false;
        row.line = line_;
        row.fields.clear();
        unescaped_.clear();
        for (;;) {
            if (*pos_ == '"') {
                if (!readQuoted(row, problem))
                    return false;
            } else {
                const char* start = pos_;
                skipBareField();
                row.fields.emplace_back(start, pos_ - start);
            }
            if (pos_ == end_)
                return true;
            const char c = *pos_++;
            if (c == separator_) {
                if (pos_ == end_) { // a separator at the very end: one more, empty field
                    row.fields.emplace_back();
                    return true;
                }
                continue;
            }
            skipLineEnd(c);
            return true;
        }
    }

    // Where the next row starts, the end of the data and the separator.
    [[nodiscard]] const char* position() const { return pos_; }
    [[nodiscard]] const char* end() const { return end_; }
    [[nodiscard]] char separator() const { return separator_; }
    // Moves on past a row that was read by other means; `rowEnd` is just past its line end.
    void skipRow(const char* rowEnd) {
        pos_ = rowEnd;
        ++line_;
    }

private:
    [[nodiscard]] bool endsField(char c) const { return c == separator_ || c == '\r' || c == '\n'; }

    // Moves `pos_` to the separator or line end after a bare field, or to the end of the data.
    // Eight bytes at a time while eight are left: a byte of `v` equal to `c` is a zero byte of v ^
    // c, and (x - 0x01..) & ~x & 0x80.. marks the first zero byte of x.
    void skipBareField() {
        constexpr quint64 Ones = 0x0101010101010101;
        constexpr quint64 Highs = 0x8080808080808080;
        const auto zeroBytes = [](quint64 x) { return (x - Ones) & ~x & Highs; };
        while (end_ - pos_ >= 8) {
            const auto v = qFromLittleEndian<quint64>(pos_);
            const quint64 found = zeroBytes(v ^ (Ones * quint8(separator_))) |
                                  zeroBytes(v ^ (Ones * '\r')) | zeroBytes(v ^ (Ones * '\n'));
            if (found != 0) {
                pos_ += std::countr_zero(found) / 8;
                return;
            }
            pos_ += 8;
        }
        while (pos_ != end_ && !endsField(*pos_))
            ++pos_;
    }

    // After a CR or LF that `pos_` has just passed.
    void skipLineEnd(char c) {
        if (c == '\r' && pos_ != end_ && *pos_ == '\n')
            ++pos_;
        ++line_;
    }

    bool readQuoted(Row& row, QString& problem) {
        const char* start = ++pos_;
        bool doubled = false;
        for (;;) {
            if (pos_ == end_) {
                problem = QStringLiteral("a quoted field has no closing quote before the end of "
                                         "the file");
                return false;
            }
            const char c = *pos_++;
            if (c == '"') {
                if (pos_ == end_ || *pos_ != '"')
                    break;
                doubled = true;
                ++pos_;
            } else if (c == '\r' || c == '\n') {
                skipLineEnd(c);
            }
        }
        const QByteArrayView inside(start, pos_ - 1 - start);
        if (pos_ != end_ && !endsField(*pos_)) {
            problem = QStringLiteral("a quoted field goes on after its closing quote; a quote "
                                     "inside a field must be doubled");
            return false;
        }
        if (!doubled) {
            row.fields.push_back(inside);
            return true;
        }
        QByteArray& text = unescaped_.emplace_back();
        text.reserve(inside.size());
        for (qsizetype i = 0; i < inside.size(); ++i) {
            text += inside[i];
            if (inside[i] == '"')
                ++i; // the second of the pair
        }
        row.fields.emplace_back(text);
        return true;
    }

    const char* pos_ = nullptr;
    const char* end_ = nullptr;
    char separator_ = ',';
    int line_ = 1;
    std::deque<QByteArray> unescaped_; // quoted fields with doubled quotes, for the current row
};

bool isEmptyRow(const CsvReader::Row& row) {
    return std::all_of(row.fields.begin(), row.fields.end(),
                       [](QByteArrayView f) { return trimmed(f).isEmpty(); });
}

// The quick way for the usual field: an optional minus sign and one to eighteen digits. False
// for anything else, which std::from_chars then reads and explains.
bool readShortInteger(QByteArrayView text, qint64& value) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    if (negative)
        ++p;
    if (p == end || end - p > 18)
        return false;
    quint64 magnitude = 0;
    for (; p != end; ++p) {
        const auto digit = static_cast<unsigned char>(*p - '0');
        if (digit > 9)
            return false;
        magnitude = magnitude * 10 + digit;
    }
    value = negative ? -qint64(magnitude) : qint64(magnitude);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Reading the export's own layout quickly

// The 72 values of a row in the export's layout, "-32768," at the most, and how far past them
// the quick reader may read: the rest of the 64-byte block its comma search ends in, and then
// eight bytes at the last value.
constexpr qsizetype MaxValueBytes = qsizetype{ValueColumns} * 7;
constexpr qsizetype QuickReach = MaxValueBytes + 64 + Overread;

// The bits of a word with one bit per byte: bit i for byte i.
quint64 byteBits(quint64 highBits) {
    // The high bits sit at 7, 15, ..., 63; the multiplication moves bit 8i + 7 to bit 56 + i
    // and nothing else into the top byte, without carries.
    return ((highBits >> 7) * 0x0102040810204080) >> 56;
}

// Bit i set where byte i of the 64 at `p` is `separator`.
quint64 separatorBits(const char* p, char separator) {
    constexpr quint64 Lows = 0x7f7f7f7f7f7f7f7f;
    const quint64 pattern = 0x0101010101010101 * quint8(separator);
    quint64 bits = 0;
    for (qsizetype w = 0; w < 8; ++w) {
        const quint64 x = qFromLittleEndian<quint64>(p + 8 * w) ^ pattern;
        // The high bit of each byte that is zero: adding 0x7f carries into the high bit of every
        // byte but a zero one, and never across bytes.
        const quint64 zeros = ~(((x & Lows) + Lows) | x | Lows);
        bits |= byteBits(zeros) << (8 * w);
    }
    return bits;
}

// Reads the value from `start` up to `stop`, a minus sign and one to five digits with Overread
// bytes after `start`; false when the bytes are something else or the number is out of range.
// It takes the same steps whatever the bytes hold, so that the processor reads many values at
// once.
bool readValue(const char* start, const char* stop, qint16& value) {
    const bool negative = *start == '-';
    const char* const digitsStart = start + (negative ? 1 : 0);
    const qsizetype digits = stop - digitsStart;
    const auto bytes = qFromLittleEndian<quint64>(digitsStart);
    const bool ok = digits >= 1 && digits <= 5 && leadingDigits(bytes) >= digits;
    const auto magnitude = static_cast<int>(digitsValue(bytes, ok ? int(digits) : 1));
    value = static_cast<qint16>(negative ? -magnitude : magnitude);
    return ok && magnitude <= (negative ? 32768 : 32767);
}

// Reads the 72 values at `p` in the export's layout, followed by the row's line end, into
// `values`, with QuickReach bytes after `p`. First the separators of all the values are found, 64
// bytes at a time; the values are then read independently of each other. Returns the end of the
// row past its line end, or nothing.
const char* readValuesQuickly(const char* p, char separator,
                              std::array<qint16, ValueColumns>& values) {
    std::array<const char*, ValueColumns> stops{}; // the separator or line end after each value
    int found = 0;
    for (qsizetype offset = 0; found < ValueColumns - 1; offset += 64) {
        if (offset >= MaxValueBytes)
            return nullptr;
        for (quint64 bits = separatorBits(p + offset, separator);
             bits != 0 && found < ValueColumns - 1; bits &= bits - 1)
            stops[std::size_t(found++)] = p + offset + std::countr_zero(bits);
    }
    // The last value ends where its digits do; its line end is checked below.
    const char* last = stops[ValueColumns - 2] + 1;
    last += *last == '-' ? 1 : 0;
    stops[ValueColumns - 1] = last + leadingDigits(qFromLittleEndian<quint64>(last));
    bool ok = true;
    const char* start = p;
    for (std::size_t v = 0; v < values.size(); ++v) {
        ok &= readValue(start, stops[v], values[v]);
        start = stops[v] + 1;
    }
    const char* const rowEnd = stops[ValueColumns - 1];
    if (!ok)
        return nullptr;
    if (*rowEnd == '\n')
        return rowEnd + 1;
    if (*rowEnd == '\r' && rowEnd[1] == '\n')
        return rowEnd + 2;
    return nullptr;
}

// The bytes of `text` as a new array, copied eight bytes at a time. For names, glibc's memcpy
// (its AVX-512 variant) made the whole import a fifth slower on the machine bench/run.sh was
// tuned on: a switch between the vector instruction sets for each name.
QByteArray copyShort(QByteArrayView text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* const to = out.data();
    qsizetype i = 0;
    for (; i + 8 <= text.size(); i += 8)
        qToUnaligned(qFromUnaligned<quint64>(text.data() + i), to + i);
    for (; i < text.size(); ++i)
        to[i] = text[i];
    return out;
}

// A field as a message shows it: cut short, invisible characters named, in quotes unless told
// otherwise.
QString shown(QByteArrayView field, bool quoted = true) {
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    // Enough bytes for one character more than is shown, so that a cut is marked.
    const QString text =
        visibleText(QString(utf8(field.first(std::min(field.size(), (ShownCharacters + 1) * 4)))),
                    ShownCharacters);
    return quoted ? QLatin1Char('"') + text + QLatin1Char('"') : text;
}

// The separators the import reads, in the order it prefers them.
constexpr std::array<char, 3> Separators = {',', ';', '\t'};

QString separatorWords(char separator) {
    switch (separator) {
    case ';':
        return QStringLiteral("semicolons");
    case '\t':
        return QStringLiteral("tabs");
    default:
        return QStringLiteral("commas");
    }
}

// A first line "sep=X", as Excel writes it to name the separator whatever the language.
struct SeparatorLine {
    QByteArrayView named;            // what follows "sep="
    const char* separator = nullptr; // the one of Separators it names, if any
    qsizetype end = 0;               // where the next line starts

    static std::optional<SeparatorLine> at(QByteArrayView text) {
        if (text.size() < 4 || qstrnicmp(text.data(), "sep=", 4) != 0)
            return std::nullopt;
        SeparatorLine line;
        line.end = 4;
        while (line.end < text.size() && text[line.end] != '\r' && text[line.end] != '\n')
            ++line.end;
        line.named = text.sliced(4, line.end - 4);
        if (line.named.size() == 1) {
            const auto* found = std::find(Separators.begin(), Separators.end(), line.named[0]);
            line.separator = found != Separators.end() ? found : nullptr;
        }
        if (line.end < text.size())
            line.end += text.sliced(line.end).startsWith("\r\n") ? 2 : 1;
        return line;
    }
};

// The fault of a first line "sep=X" that names no separator the import reads.
QString unknownSeparator(QByteArrayView named) {
    const QString reads = QStringLiteral("; the import reads commas, semicolons or tabs");
    if (named.isEmpty())
        return QStringLiteral("the first line \"sep=\" names no separator") + reads;
    if (named == "\"")
        return QStringLiteral("the first line names the quote mark as the separator") + reads;
    return QStringLiteral("the first line names %1 as the separator").arg(shown(named)) + reads;
}

// The number of the line after the text, counting CRLF, LF and a lone CR as one line end each.
int lineAfter(QStringView text) {
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' ||
            (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            ++line;
    }
    return line;
}

class Importer {
public:
    Importer(QByteArrayView data, const QString& path) : data_(data), path_(path) {}

    // Reads the rows after start().
    std::optional<FileError> run(ConfigTable& table) {
        if (auto e = startRows())
            return e;
        CsvReader::Row row;
        QString problem;
        int emptyRowLine = 0; // the first of the empty rows since the last configuration
        int rows = 0;
        for (;;) {
            if (canonical_ && emptyRowLine == 0 && rows < MaxRows) {
                WeatherConfig& config = table.Configs(rows + 1);
                if (const char* rowEnd = readRowQuickly(reader_.position(), config)) {
                    reader_.skipRow(rowEnd);
                    ++rows;
                    continue;
                }
                config = WeatherConfig(); // the slot holds nothing the row did not fill
            }
            if (!reader_.next(row, problem))
                break;
            if (isEmptyRow(row)) {
                if (emptyRowLine == 0)
                    emptyRowLine = row.line;
                continue;
            }
            if (emptyRowLine != 0)
                return error(emptyRowLine, QStringLiteral("an empty row stands between two "
                                                          "configurations; remove it"));
            if (rows == MaxRows)
                return error(row.line, QStringLiteral("the file holds more than %1 "
                                                      "configurations, the most the game's "
                                                      "file can hold")
                                           .arg(MaxRows));
            ++rows;
            if (auto e = readRow(row, table.Configs(rows)))
                return e;
        }
        if (!problem.isEmpty())
            return error(row.line, problem);
        table.ConfigCount = rows;
        return std::nullopt;
    }

    // Finds the encoding and the separators to try, and the text from the header row on.
    std::optional<FileError> start() {
        QByteArrayView text = data_;
        if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF")) {
            if (auto e = decodeUtf16(text.sliced(2), text.front() == '\xFE'))
                return e;
            text = utf8_;
            encoding_ = CsvEncoding::Utf16;
        } else if (text.startsWith(ByteOrderMark)) {
            text = text.sliced(3);
        } else if (!text.isValidUtf8()) {
            // Without a mark, text that is not UTF-8 is what a spreadsheet writes in the Windows
            // code page, the game's own, in which every byte is a character.
            utf8_ = fromWindows1252(text).toUtf8();
            text = utf8_;
            encoding_ = CsvEncoding::Windows1252;
        }
        if (const auto line = SeparatorLine::at(text)) {
            if (!line->separator)
                return error(1, unknownSeparator(line->named));
            separators_ = QByteArrayView(line->separator, 1);
            separatorNamed_ = true;
            text = text.sliced(line->end);
            headerLine_ = 2;
        }
        text_ = text;
        return std::nullopt;
    }

    [[nodiscard]] CsvEncoding encoding() const { return encoding_; }

private:
    // Reads the header row and sets the reader at the row after it.
    std::optional<FileError> startRows() {
        if (text_.isEmpty())
            return error(headerLine_,
                         separatorNamed_
                             ? QStringLiteral("the file holds nothing after its first line "
                                              "\"sep=%1\"; the next line must name the columns")
                                   .arg(visibleCharacter(char32_t(separators_.front())))
                             : QStringLiteral("the file is empty; its first line must name the "
                                              "columns"));
        const CsvHeader header = readCsvHeader(text_, separators_);
        if (!header.problem.isEmpty())
            return error(headerLine_, header.problem);
        if (auto e = readHeader(header))
            return e;
        reader_ =
            CsvReader(text_.sliced(header.end), header.separator, headerLine_ + header.lineEnds);
        return std::nullopt;
    }

    [[nodiscard]] FileError error(int line, QString message) const {
        return {path_, line, std::move(message)};
    }

    // Turns UTF-16 text, after its byte-order mark, into UTF-8 in utf8_. A lone surrogate or an
    // odd byte at the end is a fault on its line.
    std::optional<FileError> decodeUtf16(QByteArrayView bytes, bool bigEndian) {
        const qsizetype units = bytes.size() / 2;
        QString text(units, Qt::Uninitialized);
        QChar* const to = text.data();
        for (qsizetype i = 0; i < units; ++i) {
            const char* const unit = bytes.data() + 2 * i;
            to[i] =
                QChar(bigEndian ? qFromBigEndian<quint16>(unit) : qFromLittleEndian<quint16>(unit));
        }
        for (qsizetype i = 0; i < units; ++i) {
            if (to[i].isHighSurrogate() && i + 1 < units && to[i + 1].isLowSurrogate()) {
                ++i;
            } else if (to[i].isSurrogate()) {
                return error(lineAfter(QStringView(text).first(i)),
                             QStringLiteral("the file is UTF-16 text but holds %1 alone, half "
                                            "of a character; save it again")
                                 .arg(visibleCharacter(to[i].unicode())));
            }
        }
        if (bytes.size() % 2 != 0)
            return error(lineAfter(text), QStringLiteral("the file is UTF-16 text but ends in "
                                                         "half a character; save it again"));
        utf8_ = text.toUtf8();
        return std::nullopt;
    }

    std::optional<FileError> readHeader(const CsvHeader& header) {
        const auto& names = csvColumnNames();
        headerSize_ = header.fields;
        columns_ = header.columns;
        if (header.repeated >= 0)
            return error(headerLine_, QStringLiteral("the column \"%1\" appears twice")
                                          .arg(QLatin1String(names[std::size_t(header.repeated)])));
        // Not one column: the row is not this layout's header, whatever the separator.
        if (header.known == 0) {
            const QByteArrayView firstLine =
                text_.first(std::find_if(text_.begin(), text_.end(),
                                         [](char c) { return c == '\r' || c == '\n'; }) -
                            text_.begin());
            return error(
                headerLine_,
                QStringLiteral("the header row has no column \"%1\" (separated by %2); "
                               "it holds %3")
                    .arg(QLatin1String(names[NumberColumn]),
                         separatorNamed_ ? separatorWords(header.separator)
                                         : QStringLiteral("commas, semicolons or tabs"),
                         firstLine.isEmpty() ? QStringLiteral("nothing") : shown(firstLine)));
        }
        canonical_ = headerSize_ == CsvColumnCount;
        for (std::size_t c = 0; c < names.size(); ++c) {
            canonical_ = canonical_ && columns_[c] == qsizetype(c);
            if (columns_[c] < 0)
                return error(headerLine_,
                             QStringLiteral("the column \"%1\" is missing; the first line must "
                                            "name the columns Number, Name, Spring Start Day, "
                                            "..., Winter Very Hot")
                                 .arg(QLatin1String(names[c])));
        }
        return std::nullopt;
    }

    [[nodiscard]] QByteArrayView field(const CsvReader::Row& row, int column) const {
        return row.fields[std::size_t(columns_[std::size_t(column)])];
    }

    std::optional<FileError> readRow(const CsvReader::Row& row, WeatherConfig& config) {
        if (qsizetype(row.fields.size()) != headerSize_)
            return error(row.line, QStringLiteral("the row has %1 fields, but the first line "
                                                  "names %2 columns")
                                       .arg(row.fields.size())
                                       .arg(headerSize_));
        qint64 value = 0;
        if (auto e = readInteger(row, NumberColumn, std::numeric_limits<qint32>::min(),
                                 std::numeric_limits<qint32>::max(), value))
            return e;
        config.Number = static_cast<qint32>(value);
        if (auto e = readName(field(row, NameColumn), row.line, config.Name))
            return e;
        for (int v = 0; v < ValueColumns; ++v) {
            if (auto e = readInteger(row, FirstValueColumn + v, std::numeric_limits<qint16>::min(),
                                     std::numeric_limits<qint16>::max(), value))
                return e;
            config.season(v / SeasonValueCount).at(v % SeasonValueCount) =
                static_cast<qint16>(value);
        }
        return std::nullopt;
    }

    std::optional<FileError> readInteger(const CsvReader::Row& row, int column, qint64 min,
                                         qint64 max, qint64& value) const {
        QByteArrayView text = field(row, column);
        if (!text.isEmpty() && (isBlank(text.front()) || isBlank(text.back())))
            text = trimmed(text);
        if (readShortInteger(text, value) && value >= min && value <= max) [[likely]]
            return std::nullopt;
        return readLongInteger(row.line, column, text, min, max, value);
    }

    // What readInteger() leaves: long numbers with leading zeros, and faults.
    Q_DECL_COLD_FUNCTION std::optional<FileError> readLongInteger(int line, int column,
                                                                  QByteArrayView text, qint64 min,
                                                                  qint64 max, qint64& value) const {
        const char* const end = text.data() + text.size();
        const auto [stop, status] = std::from_chars(text.data(), end, value);
        if (stop == end && status == std::errc() && value >= min && value <= max)
            return std::nullopt;
        const QString name = QLatin1String(csvColumnNames()[std::size_t(column)]);
        if (text.isEmpty())
            return error(line, name + QStringLiteral(" is empty"));
        if (stop != end || (status != std::errc() && status != std::errc::result_out_of_range))
            return error(line, name + QStringLiteral(" is not a whole number: ") + shown(text));
        return error(
            line, QStringLiteral("%1 is %2, outside %3 to %4")
                      .arg(name, shown(text, false), QString::number(min), QString::number(max)));
    }

    std::optional<FileError> readName(QByteArrayView text, int line, QByteArray& name) const {
        if (text.startsWith('\''))
            text = text.sliced(1);
        // ASCII is the same bytes in UTF-8 and in the game's code page.
        if (text.size() <= MaxNameBytes && std::all_of(text.begin(), text.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x80 && c != '\r' && c != '\n';
            })) {
            name = copyShort(text);
            return std::nullopt;
        }
        // A byte-order mark at the start of a cell is a character of the name, not a mark.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
        const QString decoded = utf8(text);
        if (utf8.hasError())
            return error(line, QStringLiteral("Name is not UTF-8 text; save the file as "
                                              "CSV in UTF-8"));
        EncodedName encoded = encodeName(decoded);
        switch (encoded.problem) {
        case EncodedName::None:
            break;
        case EncodedName::LineBreak:
            return error(line, QStringLiteral("Name holds a line break"));
        case EncodedName::NotInCodePage:
            return error(line,
                         QStringLiteral("Name holds %1, a character the game's code page "
                                        "(Windows-1252) does not have")
                             .arg(isInvisible(encoded.character)
                                      ? visibleCharacter(encoded.character)
                                      : QLatin1Char('"') + visibleCharacter(encoded.character) +
                                            QLatin1Char('"')));
        case EncodedName::TooLong: // every character it can encode is one byte
            return error(line, QStringLiteral("Name is %1 characters long; the game takes "
                                              "at most %2")
                                   .arg(decoded.size())
                                   .arg(MaxNameBytes));
        }
        name = std::move(encoded.bytes);
        return std::nullopt;
    }

    // Reads the row at `p` when it is in the export's own layout, the columns in their order,
    // the name bare and every value a minus sign and one to five digits, and its values are no
    // closer than QuickReach bytes to the end of the data. Returns the end of the row past its line
    // end, or nothing, leaving the row to the reader that explains faults.
    const char* readRowQuickly(const char* p, WeatherConfig& config) const {
        const char* const end = reader_.end();
        const char separator = reader_.separator();
        const auto bareField = [end, separator](const char* from) {
            while (from != end && *from != separator && *from != '\r' && *from != '\n' &&
                   *from != '"')
                ++from;
            return from;
        };
        const char* stop = bareField(p);
        qint64 number = 0;
        if (stop == end || *stop != separator || !readShortInteger({p, stop}, number) ||
            number < std::numeric_limits<qint32>::min() ||
            number > std::numeric_limits<qint32>::max())
            return nullptr;
        config.Number = static_cast<qint32>(number);
        p = stop + 1;
        stop = bareField(p);
        if (stop == end || *stop != separator || readName({p, stop}, 0, config.Name))
            return nullptr;
        p = stop + 1;
        std::array<qint16, ValueColumns> values;
        const char* const rowEnd =
            end - p < QuickReach ? nullptr : readValuesQuickly(p, separator, values);
        if (rowEnd == nullptr)
            return nullptr;
        for (qsizetype s = 0; s < SeasonCount; ++s) {
            SeasonValues season;
            std::copy_n(values.begin() + s * SeasonValueCount, SeasonValueCount, season.begin());
            unflatten(season, config.season(static_cast<int>(s)));
        }
        return rowEnd;
    }

    QByteArrayView data_;
    QByteArray utf8_; // the text of a UTF-16 file
    CsvReader reader_;
    const QString& path_;
    int headerLine_ = 1;
    bool separatorNamed_ = false; // by a first line "sep=X"
    QByteArrayView separators_{Separators.data(), qsizetype(Separators.size())};
    QByteArrayView text_; // UTF-8 from the header row on
    CsvEncoding encoding_ = CsvEncoding::Utf8;
    qsizetype headerSize_ = 0;
    bool canonical_ = false; // the header is the export's own
    // The header's field for each column of the layout.
    std::array<qsizetype, CsvColumnCount> columns_{};
};

} // namespace

CsvSeparator csvSeparatorFor(const QLocale& locale) {
    return locale.decimalPoint() == QLatin1String(",") ? CsvSeparator::Semicolon
                                                       : CsvSeparator::Comma;
}

QByteArray formatCsv(const ConfigTable& table, CsvSeparator separator) {
    const char sep = separatorChar(separator);
    const auto& names = csvColumnNames();
    const int records = table.recordCount();
    // The names as the cells show them, then room for the longest rows they can make.
    std::vector<QByteArray> cells(static_cast<std::size_t>(records));
    constexpr qsizetype MaxNumbers = (1 + ValueColumns) * 12 + 3; // a comma before each, CRLF
    constexpr qsizetype HeaderRoom = 3 + qsizetype(CsvColumnCount) * 24; // the mark, the names
    qsizetype size = HeaderRoom;
    for (int k = 1; k <= records; ++k) {
        QString name = fromWindows1252(table.Configs(k).Name);
        if (needsApostrophe(name))
            name.prepend(QLatin1Char('\''));
        cells[std::size_t(k - 1)] = name.toUtf8();
        size += MaxNumbers + 2 * cells[std::size_t(k - 1)].size() + 2;
    }
    QByteArray out(size, Qt::Uninitialized);
    char* p = std::copy_n(ByteOrderMark, sizeof ByteOrderMark - 1, out.data());
    for (std::size_t c = 0; c < names.size(); ++c) {
        if (c > 0)
            *p++ = sep;
        p = std::copy(names[c].begin(), names[c].end(), p);
    }
    p = std::copy_n("\r\n", 2, p);
    for (int k = 1; k <= records; ++k) {
        const WeatherConfig& config = table.Configs(k);
        p = putNumber(p, config.Number);
        *p++ = sep;
        p = putField(p, cells[std::size_t(k - 1)], sep);
        for (int s = 0; s < SeasonCount; ++s) {
            const SeasonWeather& season = config.season(s);
            for (int v = 0; v < SeasonValueCount; ++v) {
                *p++ = sep;
                p = putNumber(p, season.at(v));
            }
        }
        p = std::copy_n("\r\n", 2, p);
    }
    out.truncate(p - out.constData());
    return out;
}

std::optional<FileError> parseCsv(QByteArrayView data, ConfigTable& out, const QString& path,
                                  CsvEncoding* encoding) {
    ConfigTable fresh;
    Importer importer(data, path);
    if (auto e = importer.start())
        return e;
    if (auto e = importer.run(fresh))
        return e;
    out.swap(fresh);
    if (encoding)
        *encoding = importer.encoding();
    return std::nullopt;
}

std::optional<FileError> loadCsvFile(const QString& path, ConfigTable& out, CsvEncoding* encoding) {
    QByteArray data;
    if (auto e = readInputFile(path, data, InputKind::Csv))
        return e;
    return parseCsv(data, out, path, encoding);
}

bool startsWithCsvHeader(QByteArrayView start) {
    QByteArray decoded;
    QByteArrayView text = start;
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(text.front() == '\xFE' ? QStringDecoder::Utf16BE
                                                    : QStringDecoder::Utf16LE);
        decoded = QString(utf16(text.sliced(2))).toUtf8();
        text = decoded;
    } else if (text.startsWith(ByteOrderMark)) {
        text = text.sliced(3);
    }
    QByteArrayView separators(Separators.data(), qsizetype(Separators.size()));
    if (const auto line = SeparatorLine::at(text)) {
        if (!line->separator)
            return false;
        separators = QByteArrayView(line->separator, 1);
        text = text.sliced(line->end);
    }
    return !text.isEmpty() && readCsvHeader(text, separators).known > 0;
}

std::optional<FileError> saveCsvFile(const QString& path, const ConfigTable& table,
                                     CsvSeparator separator) {
    return writeFileAtomically(path, formatCsv(table, separator));
}

} // namespace weather
