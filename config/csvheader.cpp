#include "csvheader.h"

#include "weathertable.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <vector>

namespace weather {

const std::array<QByteArray, CsvColumnCount>& csvColumnNames() {
    static const std::array<QByteArray, CsvColumnCount> names = [] {
        std::array<QByteArray, CsvColumnCount> all;
        all[0] = "Number";
        all[1] = "Name";
        for (int s = 0; s < SeasonCount; ++s) {
            for (int p = 0; p < SeasonValueCount; ++p) {
                const int column = 2 + s * SeasonValueCount + p;
                all[std::size_t(column)] = valueName(s, p).toLatin1();
            }
        }
        return all;
    }();
    return names;
}

namespace {

// Each column by its name in lower case.
const QHash<QByteArray, int>& columnsByName() {
    static const QHash<QByteArray, int> columns = [] {
        QHash<QByteArray, int> all;
        for (int c = 0; c < CsvColumnCount; ++c)
            all.insert(csvColumnNames()[std::size_t(c)].toLower(), c);
        return all;
    }();
    return columns;
}

// What every column name has: a length of at least `shortest` and a first letter (in lower case)
// marked in `firsts`. Most fields of a long header of the user's own fail this without a lookup.
struct NameShape {
    qsizetype shortest = 0;
    std::array<bool, 256> firsts{};

    [[nodiscard]] bool fits(const char* text, qsizetype length) const {
        return length >= shortest && firsts[static_cast<unsigned char>(text[0])];
    }
};

const NameShape& nameShape() {
    static const NameShape shape = [] {
        NameShape all;
        all.shortest = std::numeric_limits<qsizetype>::max();
        for (auto it = columnsByName().cbegin(); it != columnsByName().cend(); ++it) {
            all.shortest = std::min(all.shortest, it.key().size());
            all.firsts[static_cast<unsigned char>(it.key().front())] = true;
        }
        return all;
    }();
    return shape;
}

// Room for the longest column name; a longer field is no column of the layout.
constexpr qsizetype NameRoom = 32;

// The row as one separator splits it, byte by byte.
class RowScan {
public:
    explicit RowScan(char separator) {
        header_.separator = separator;
        header_.columns.fill(-1);
    }

    [[nodiscard]] bool done() const { return state_ == State::Done; }
    [[nodiscard]] const CsvHeader& header() const { return header_; }

    // Takes the byte at `i`, with the bytes after it to look at.
    void step(QByteArrayView text, qsizetype i) {
        const char c = text[i];
        switch (state_) {
        case State::FieldStart:
            if (c == '"') {
                state_ = State::Quoted;
                return;
            }
            [[fallthrough]];
        case State::Bare:
            if (!endsField(text, i)) {
                add(c);
                state_ = State::Bare;
            }
            return;
        case State::Quoted:
            if (c == '"') {
                state_ = State::QuoteSeen;
            } else {
                if (c == '\r' || (c == '\n' && !afterReturn_))
                    ++header_.lineEnds;
                add(c);
            }
            afterReturn_ = c == '\r';
            return;
        case State::QuoteSeen:
            if (c == '"') {
                add(c);
                state_ = State::Quoted;
            } else if (!endsField(text, i)) {
                fail(QStringLiteral("a quoted field goes on after its closing quote; a quote "
                                    "inside a field must be doubled"));
            }
            return;
        case State::Done:
            return;
        }
    }

    // The data ends before the row did.
    void finish(qsizetype size) {
        if (state_ == State::Done)
            return;
        if (state_ == State::Quoted) {
            fail(QStringLiteral("a quoted field has no closing quote before the end of the file"));
            return;
        }
        endField();
        header_.end = size;
        state_ = State::Done;
    }

private:
    enum class State { FieldStart, Bare, Quoted, QuoteSeen, Done };

    // Keeps the field's text, trimmed of blanks and in lower case, as long as it could be a
    // column's name; blanks are kept aside until something follows them.
    void add(char c) {
        if (tooLong_)
            return;
        if (c == ' ' || c == '\t') {
            if (length_ > 0 && length_ + blanks_ < NameRoom)
                text_[std::size_t(length_ + blanks_)] = c;
            blanks_ += length_ > 0 ? 1 : 0;
            return;
        }
        if (length_ + blanks_ + 1 > NameRoom) {
            tooLong_ = true;
            return;
        }
        length_ += blanks_;
        blanks_ = 0;
        text_[std::size_t(length_++)] = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    }

    // Ends the field when the byte at `i` is the separator or a line end; false for any other.
    bool endsField(QByteArrayView text, qsizetype i) {
        const char c = text[i];
        if (c != header_.separator && c != '\r' && c != '\n')
            return false;
        endField();
        if (c == header_.separator)
            state_ = State::FieldStart;
        else
            endRow(text, i);
        return true;
    }

    void endField() {
        const qsizetype field = header_.fields++;
        if (!tooLong_ && length_ > 0 && nameShape().fits(text_.data(), length_)) {
            const auto found =
                columnsByName().constFind(QByteArray::fromRawData(text_.data(), length_));
            if (found != columnsByName().cend()) {
                qsizetype& column = header_.columns[std::size_t(*found)];
                if (column < 0) {
                    column = field;
                    ++header_.known;
                } else if (header_.repeated < 0) {
                    header_.repeated = *found;
                }
            }
        }
        length_ = 0;
        blanks_ = 0;
        tooLong_ = false;
    }

    void endRow(QByteArrayView text, qsizetype i) {
        header_.end = i + 1;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++header_.end;
        ++header_.lineEnds;
        state_ = State::Done;
    }

    void fail(QString problem) {
        header_.problem = std::move(problem);
        header_.known = -1;
        state_ = State::Done;
    }

    CsvHeader header_;
    State state_ = State::FieldStart;
    std::array<char, NameRoom> text_{};
    qsizetype length_ = 0;
    qsizetype blanks_ = 0;
    bool tooLong_ = false;
    bool afterReturn_ = false; // a CR inside a quoted field, so that its LF is the same line end
};

} // namespace

CsvHeader readCsvHeader(QByteArrayView text, QByteArrayView separators) {
    std::vector<RowScan> scans(separators.begin(), separators.end());
    for (qsizetype i = 0; i < text.size(); ++i) {
        bool running = false;
        for (RowScan& scan : scans) {
            scan.step(text, i);
            running = running || !scan.done();
        }
        if (!running)
            break;
    }
    const RowScan* best = nullptr;
    for (RowScan& scan : scans) {
        scan.finish(text.size());
        if (!best || scan.header().known > best->header().known)
            best = &scan;
    }
    return best ? best->header() : CsvHeader{};
}

} // namespace weather
