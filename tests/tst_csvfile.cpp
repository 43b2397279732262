#include "codepage.h"
#include "configfile.h"
#include "csvfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace weather;
using namespace testfiles;

namespace {

using Rows = QList<QByteArrayList>;

// A table of records named `names`, numbered 0, 1, ...
ConfigTable named(const QByteArrayList& names) {
    ConfigTable table = makeTable(int(names.size()));
    for (int k = 1; k <= names.size(); ++k)
        table.Configs(k).Name = names[k - 1];
    return table;
}

// Names that hold each separator, a quote and a formula start, for every separator's round trip.
ConfigTable separatorTable() {
    return named({"a,b", "semi;colon", "tab\there", "\"quoted\"", "=formula", "Caf\xE9", " "});
}

// The rows of a CSV whose fields hold no comma, quote or line break (the BOM dropped).
Rows rowsOf(QByteArray csv) {
    if (csv.startsWith("\xEF\xBB\xBF"))
        csv.remove(0, 3);
    Rows rows;
    for (const QByteArray& line : csv.split('\n')) {
        if (!line.isEmpty())
            rows << QByteArray(line).replace('\r', "").split(',');
    }
    return rows;
}

QByteArray joined(const Rows& rows, const QByteArray& eol = "\r\n") {
    QByteArrayList lines;
    for (const QByteArrayList& row : rows)
        lines << row.join(',');
    return lines.join(eol) + eol;
}

// The CSV of makeTable(2) with the field of `column` in row `row` (0 the header) set to `text`.
QByteArray edited(int row, const QByteArray& column, const QByteArray& text) {
    Rows rows = rowsOf(formatCsv(makeTable(2)));
    rows[row][rows[0].indexOf(column)] = text;
    return joined(rows);
}

// The CSV field that holds configuration k's name: the second field, before the 72 values.
QByteArray nameCell(const QByteArray& csv, int k) {
    QByteArray line = csv.split('\n').value(k);
    line.chop(1); // its CR
    qsizetype end = line.size();
    for (int i = 0; i < CsvColumnCount - 2; ++i)
        end = line.lastIndexOf(',', end - 1);
    const qsizetype start = line.indexOf(',') + 1;
    return line.mid(start, end - start);
}

// `csv` (UTF-8, a byte-order mark dropped) in UTF-16 with its byte-order mark.
QByteArray utf16(const QByteArray& csv, bool bigEndian) {
    const QString text = QString::fromUtf8(csv.startsWith("\xEF\xBB\xBF") ? csv.sliced(3) : csv);
    QByteArray out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        out.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return out;
}

} // namespace

class TestCsvFile : public QObject {
    Q_OBJECT
private slots:
    void codePage() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        QCOMPARE(toWindows1252(fromWindows1252(all)), all);
        const QString text = QStringLiteral("ok ") + QChar(0x20AC) + QChar(0x0080);
        qsizetype bad = -1;
        QVERIFY(!toWindows1252(text, &bad));
        QCOMPARE(bad, 4); // U+0080 is not what 0x80 decodes to (that is the euro sign)
        QVERIFY(!toWindows1252(QStringLiteral("\u03A9")));
    }

    // An empty table: the byte-order mark and the header with its CRLF.
    void header() {
        const QByteArray expected =
            "\xEF\xBB\xBFNumber,Name,"
            "Spring Start Day,Spring Calm,Spring Breezy,Spring Gusty,Spring Strong,Spring "
            "Gale,Spring Dry,Spring Wet,Spring Drizzle,Spring Shower,Spring Downpour,Spring "
            "Freezing,Spring Cold,Spring Mild,Spring Fine,Spring Warm,Spring Hot,Spring Very Hot,"
            "Summer Start Day,Summer Calm,Summer Breezy,Summer Gusty,Summer Strong,Summer "
            "Gale,Summer Dry,Summer Wet,Summer Drizzle,Summer Shower,Summer Downpour,Summer "
            "Freezing,Summer Cold,Summer Mild,Summer Fine,Summer Warm,Summer Hot,Summer Very Hot,"
            "Autumn Start Day,Autumn Calm,Autumn Breezy,Autumn Gusty,Autumn Strong,Autumn "
            "Gale,Autumn Dry,Autumn Wet,Autumn Drizzle,Autumn Shower,Autumn Downpour,Autumn "
            "Freezing,Autumn Cold,Autumn Mild,Autumn Fine,Autumn Warm,Autumn Hot,Autumn Very Hot,"
            "Winter Start Day,Winter Calm,Winter Breezy,Winter Gusty,Winter Strong,Winter "
            "Gale,Winter Dry,Winter Wet,Winter Drizzle,Winter Shower,Winter Downpour,Winter "
            "Freezing,Winter Cold,Winter Mild,Winter Fine,Winter Warm,Winter Hot,Winter Very "
            "Hot\r\n";
        QCOMPARE(formatCsv(ConfigTable()), expected);
    }

    // A weather.cfg in the writer's layout goes to CSV and back to the same bytes.
    void roundTrip_data() {
        QTest::addColumn<QByteArray>("cfg");
        QByteArray high;
        for (int b = 0x80; b <= 0xFF; ++b)
            high += char(b);
        QByteArray controls;
        for (int b = 0; b < 0x20; ++b)
            controls += b == '\r' || b == '\n' ? 'x' : char(b);
        ConfigTable extreme = makeTable(2, std::numeric_limits<qint32>::max() - 1);
        extreme.Configs(1).Number = std::numeric_limits<qint32>::min();
        for (int s = 0; s < SeasonCount; ++s) {
            for (int p = 0; p < SeasonValueCount; ++p) {
                extreme.Configs(1).season(s).at(p) = std::numeric_limits<qint16>::min();
                extreme.Configs(2).season(s).at(p) = std::numeric_limits<qint16>::max();
            }
        }
        QTest::newRow("example") << readAll(examplePath());
        QTest::newRow("extremes") << formatConfig(extreme);
        QTest::newRow("no configurations") << formatConfig(makeTable(0));
        QTest::newRow("bytes 0x80-0xFF") << formatConfig(named({high, high.right(5) + "x"}));
        QTest::newRow("control bytes") << formatConfig(named({controls, "a\tb"}));
        QTest::newRow("commas, quotes, blanks")
            << formatConfig(named({"a,b", "\"quoted\"", " lead", "trail ", "", "\"", ",", " "}));
        QTest::newRow("formula starts") << formatConfig(
            named({"=1+1", "-4-2", "+3", "@home", "\tTab", "'Twas", "''", "'", "-", "=\"x\""}));
        QTest::newRow("255 bytes") << formatConfig(named({QByteArray(255, '\xE9')}));
    }
    void roundTrip() {
        QFETCH(QByteArray, cfg);
        ConfigTable table;
        QVERIFY(!parseConfig(cfg, table));
        const QByteArray csv = formatCsv(table);
        ConfigTable back;
        const auto error = parseCsv(csv, back, QStringLiteral("t.csv"));
        QVERIFY2(!error, qPrintable(error ? error->toString() : QString()));
        QCOMPARE(formatConfig(back), cfg);
    }

    // No name may start a cell the way a formula does; the import undoes what the export adds.
    void formulaSafety_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("cell");
        QTest::newRow("plain") << QByteArray("Coast") << QByteArray("Coast");
        QTest::newRow("=") << QByteArray("=A1") << QByteArray("'=A1");
        QTest::newRow("+") << QByteArray("+1") << QByteArray("'+1");
        QTest::newRow("-") << QByteArray("-4-2") << QByteArray("'-4-2");
        QTest::newRow("@") << QByteArray("@x") << QByteArray("'@x");
        QTest::newRow("tab") << QByteArray("\tx") << QByteArray("'\tx");
        QTest::newRow("apostrophe") << QByteArray("'Twas") << QByteArray("''Twas");
        QTest::newRow("inside") << QByteArray("a=b-c") << QByteArray("a=b-c");
        QTest::newRow("comma") << QByteArray("=a,b") << QByteArray("\"'=a,b\"");
        QTest::newRow("quote") << QByteArray("say \"hi\"") << QByteArray(R"("say ""hi""")");
        QTest::newRow("blank") << QByteArray(" x") << QByteArray("\" x\"");
        QTest::newRow("cp1252") << QByteArray("\x80 \xE9") << QByteArray("\u20AC \u00E9");
        // What a spreadsheet reads as a number, date, time, percentage or amount.
        for (const char* looks : {"007", "1e5", "1/2", "12:30", "50%", "$5", "1 000.5", "5 May",
                                  "Jan 2001", "12:30 PM", "(7)", "\x80\x35" /* euro 5 */})
            QTest::newRow(looks) << QByteArray(looks) << "'" + fromWindows1252(looks).toUtf8();
        for (const char* text : {"Route 66", "1st Division", "May", "e", "%"})
            QTest::newRow(text) << QByteArray(text) << QByteArray(text);
    }
    void formulaSafety() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, cell);
        const QByteArray csv = formatCsv(named({name}));
        QCOMPARE(nameCell(csv, 1), cell);
        ConfigTable back;
        QVERIFY(!parseCsv(csv, back, {}));
        QCOMPARE(back.Configs(1).Name, name);
    }

    // What spreadsheets write back imports as the table that was exported.
    void spreadsheetForms_data() {
        QTest::addColumn<QByteArray>("csv");
        const Rows rows = rowsOf(formatCsv(makeTable(3)));
        const auto each = [&](auto change) {
            Rows changed = rows;
            for (qsizetype r = 0; r < changed.size(); ++r)
                change(changed[r], r);
            return changed;
        };
        QTest::newRow("LF, no BOM, no last line end") << joined(rows, "\n").chopped(1);
        QTest::newRow("lone CR ends") << joined(rows, "\r");
        QTest::newRow("quoted numbers") << joined(each([](QByteArrayList& row, qsizetype r) {
            for (QByteArray& f : row)
                f = r == 0 ? f : '"' + f + '"';
        }));
        QTest::newRow("blanks around numbers") << joined(each([](QByteArrayList& row, qsizetype r) {
            for (qsizetype i = 0; i < row.size(); ++i)
                row[i] = r == 0 || i == 1 ? row[i] : " \t" + row[i] + " ";
        }));
        QTest::newRow("reordered, notes, lower case")
            << joined(each([](QByteArrayList& row, qsizetype r) {
                   std::reverse(row.begin(), row.end());
                   row.insert(3, r == 0 ? "Notes" : "\"fill, \"\"down\"\"\r\nlater\"");
                   if (r == 0)
                       row[0] = row[0].toLower();
               }));
        QTest::newRow("empty rows at the end") << joined(rows) + "\r\n,,,\r\n \r\n";
        QTest::newRow("quoted header names, blanks, a note over two lines")
            << joined(each([](QByteArrayList& row, qsizetype r) {
                   row[0] = r == 0 ? "\" \tNUMBER \"" : row[0];
                   row[1] = r == 0 ? " name\t " : row[1];
                   row.append(r == 0 ? "\"a \"\"note\"\"\r\non two lines\"" : "x;y");
               }));
    }
    void spreadsheetForms() {
        QFETCH(QByteArray, csv);
        ConfigTable back;
        const auto error = parseCsv(csv, back, {});
        QVERIFY2(!error, qPrintable(error ? error->toString() : QString()));
        QCOMPARE(back, makeTable(3));
    }

    // Every separator and encoding a spreadsheet writes imports as the table exported.
    void separators_data() {
        QTest::addColumn<QByteArray>("csv");
        const ConfigTable table = separatorTable();
        const QByteArray comma = formatCsv(table);
        const QByteArray semicolon = formatCsv(table, CsvSeparator::Semicolon);
        const QByteArray tab = formatCsv(table, CsvSeparator::Tab);
        QTest::newRow("comma") << comma;
        QTest::newRow("semicolon") << semicolon;
        QTest::newRow("tab") << tab;
        QTest::newRow("sep=; line") << "sep=;\r\n" + semicolon.sliced(3);
        QTest::newRow("SEP=<tab> line, LF, BOM") << "\xEF\xBB\xBFSEP=\t\n" + tab.sliced(3);
        QTest::newRow("semicolons, commas in a note")
            << QByteArray(semicolon).replace("\r\n", ";\"x, y\"\r\n");
        QTest::newRow("UTF-16 LE tab (Unicode Text)") << utf16(tab, false);
        QTest::newRow("UTF-16 BE semicolon") << utf16(semicolon, true);
        QTest::newRow("UTF-16 LE comma, sep=") << utf16("sep=,\r\n" + comma.sliced(3), false);
    }
    void separators() {
        QFETCH(QByteArray, csv);
        ConfigTable back;
        const auto error = parseCsv(csv, back, {});
        QVERIFY2(!error, qPrintable(error ? error->toString() : QString()));
        QCOMPARE(back, separatorTable());
    }

    // Without a byte-order mark, text that is not UTF-8 is a spreadsheet's Windows code page.
    void encodings_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<CsvEncoding>("encoding");
        const QByteArray semicolon = formatCsv(separatorTable(), CsvSeparator::Semicolon);
        const QByteArray ansi = *toWindows1252(QString::fromUtf8(semicolon.sliced(3)));
        QTest::newRow("UTF-8 with its mark") << semicolon << CsvEncoding::Utf8;
        QTest::newRow("UTF-8 without a mark") << semicolon.sliced(3) << CsvEncoding::Utf8;
        QTest::newRow("Windows-1252") << ansi << CsvEncoding::Windows1252;
        QTest::newRow("UTF-16") << utf16(semicolon, false) << CsvEncoding::Utf16;
    }
    void encodings() {
        QFETCH(QByteArray, csv);
        QFETCH(CsvEncoding, encoding);
        ConfigTable back;
        auto read = CsvEncoding(-1);
        const auto error = parseCsv(csv, back, {}, &read);
        QVERIFY2(!error, qPrintable(error ? error->toString() : QString()));
        QCOMPARE(back, separatorTable());
        QCOMPARE(read, encoding);
    }

    // What Open takes for a CSV file rather than a weather configuration file.
    void csvHeaderAtStart_data() {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<bool>("csv");
        const QByteArray semicolon = formatCsv(makeTable(2), CsvSeparator::Semicolon);
        QTest::newRow("export") << formatCsv(makeTable(2)) << true;
        QTest::newRow("semicolons, no mark") << semicolon.sliced(3) << true;
        QTest::newRow("sep=;") << "sep=;\r\n" + semicolon.sliced(3) << true;
        QTest::newRow("UTF-16, tabs") << utf16(formatCsv(makeTable(2), CsvSeparator::Tab), true)
                                      << true;
        QTest::newRow("first bytes only") << formatCsv(makeTable(2)).first(40) << true;
        QTest::newRow("weather.cfg") << readAll(examplePath()) << false;
        QTest::newRow("pipes") << QByteArray(semicolon).replace(';', '|') << false;
        QTest::newRow("sep=| ") << "sep=|\r\n" + semicolon.sliced(3) << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void csvHeaderAtStart() {
        QFETCH(QByteArray, start);
        QFETCH(bool, csv);
        QCOMPARE(startsWithCsvHeader(start), csv);
    }

    void separatorForLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<CsvSeparator>("separator");
        QTest::newRow("German") << "de_DE" << CsvSeparator::Semicolon;
        QTest::newRow("French") << "fr_FR" << CsvSeparator::Semicolon;
        QTest::newRow("English") << "en_US" << CsvSeparator::Comma;
        QTest::newRow("C") << "C" << CsvSeparator::Comma;
    }
    void separatorForLocale() {
        QFETCH(QString, locale);
        QFETCH(CsvSeparator, separator);
        QCOMPARE(csvSeparatorFor(QLocale(locale)), separator);
    }

    // One cell edited in the CSV changes exactly that value.
    void editedCell() {
        ConfigTable expected = makeTable(2);
        expected.Configs(2).Summer.Wind[2] = -7;
        expected.Configs(1).Name = "Caf\xE9";
        QByteArray csv = edited(2, "Summer Gusty", "-7");
        csv.replace("Climate 1", "Caf\xC3\xA9");
        ConfigTable back;
        QVERIFY(!parseCsv(csv, back, {}));
        QCOMPARE(back, expected);
    }

    // A faulty CSV names the line where the row starts and changes nothing.
    void badRows_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("error");
        QTest::newRow("not a number")
            << edited(2, "Summer Gusty", "2S") << "3: Summer Gusty is not a whole number: \"2S\"";
        QTest::newRow("minus alone") << edited(1, "Winter Very Hot", " - ")
                                     << "2: Winter Very Hot is not a whole number: \"-\"";
        QTest::newRow("plus") << edited(1, "Spring Calm", "+5")
                              << "2: Spring Calm is not a whole number: \"+5\"";
        QTest::newRow("value too big") << edited(1, "Autumn Dry", "32768")
                                       << "2: Autumn Dry is 32768, outside -32768 to 32767";
        QTest::newRow("value too small") << edited(2, "Spring Start Day", "-32769")
                                         << "3: Spring Start Day is -32769, outside -32768 to "
                                            "32767";
        QTest::newRow("number too big")
            << edited(1, "Number", "2147483648")
            << "2: Number is 2147483648, outside -2147483648 to 2147483647";
        QTest::newRow("huge number")
            << edited(1, "Number", QByteArray(30, '9'))
            << "2: Number is " + QString(24, '9') + "..., outside -2147483648 to 2147483647";
        QTest::newRow("empty") << edited(2, "Number", "") << "3: Number is empty";
        QTest::newRow("missing column")
            << edited(0, "Winter Gale", "Winter Gales")
            << "1: the column \"Winter Gale\" is missing; the first line must name the columns "
               "Number, Name, Spring Start Day, ..., Winter Very Hot";
        QTest::newRow("column twice")
            << edited(0, "Spring Calm", "Name") << "1: the column \"Name\" appears twice";
        QTest::newRow("long row") << edited(2, "Name", "a,b")
                                  << "3: the row has 75 fields, but the first line names 74 "
                                     "columns";
        QTest::newRow("line break in name")
            << edited(1, "Name", "\"a\nb\"") << "2: Name holds a line break";
        // A weather.cfg name can hold a lone CR; its export cannot come back.
        QTest::newRow("exported CR") << formatCsv(named({"a\rb"})) << "2: Name holds a line break";
        QTest::newRow("outside the code page")
            << edited(2, "Name", "\xCE\xA9")
            << "3: Name holds \"\u03A9\", a character the game's code page (Windows-1252) does "
               "not have";
        // Only the file's first bytes are a byte-order mark; in a cell it is a character, which
        // a message names because it cannot be seen.
        QTest::newRow("byte-order mark in a name")
            << edited(1, "Name", "\xEF\xBB\xBF'x")
            << "2: Name holds U+FEFF, a character the game's code page (Windows-1252) does not "
               "have";
        QTest::newRow("zero-width space") << edited(2, "Summer Gusty",
                                                    "\xE2\x80\x8B"
                                                    "5")
                                          << "3: Summer Gusty is not a whole number: "
                                             "\"<U+200B>5\"";
        QTest::newRow("no-break space") << edited(2, "Number",
                                                  "1\xC2\xA0"
                                                  "000")
                                        << "3: Number is not a whole number: \"1<U+00A0>000\"";
        QTest::newRow("not UTF-8 after a UTF-8 mark")
            << "\xEF\xBB\xBF" + edited(2, "Name", "Caf\xE9")
            << "3: Name is not UTF-8 text; save the file as CSV in UTF-8";
        QTest::newRow("after a header over three lines")
            << "\"Note\r\n\n\"," + edited(2, "Summer Gusty", "2S").replace("\r\n", "\r\n,")
            << "5: Summer Gusty is not a whole number: \"2S\"";
        QTest::newRow("header name twice, quoted") << edited(0, "Summer Gusty", "\" spring CALM\"")
                                                   << "1: the column \"Spring Calm\" appears twice";
        QTest::newRow("long header field")
            << QByteArray(1 << 20, 'x') + "\r\n"
            << "1: the header row has no column \"Number\" (separated by commas, semicolons or "
               "tabs); it holds \"xxxxxxxxxxxxxxxxxxxxxxxx...\"";
        QTest::newRow("nothing after sep=") << QByteArray("sep=;\r\n")
                                            << "2: the file holds nothing after its first line "
                                               "\"sep=;\"; the next line must name the columns";
        QTest::newRow("sep= naming nothing")
            << "sep=\r\n" + formatCsv(makeTable(1))
            << "1: the first line \"sep=\" names no separator; the import reads commas, "
               "semicolons or tabs";
        QTest::newRow("sep=\"") << "sep=\"\r\n" + formatCsv(makeTable(1))
                                << "1: the first line names the quote mark as the separator; the "
                                   "import reads commas, semicolons or tabs";
        QTest::newRow("name too long")
            << edited(1, "Name", QByteArray(256, 'x'))
            << "2: Name is 256 characters long; the game takes at most 255";
        QTest::newRow("open quote") << edited(2, "Name", "\"open\r\nend")
                                    << "3: a quoted field has no closing quote before the end of "
                                       "the file";
        QTest::newRow("after closing quote")
            << edited(1, "Name", "\"a\"b")
            << "2: a quoted field goes on after its closing quote; a quote inside a field must "
               "be doubled";
        QByteArray notes = joined(rowsOf(edited(2, "Spring Gale", "x")));
        notes.replace("Number,", "Notes,Number,")
            .replace("\r\n0,", "\r\n\"two\r\nlines\",0,")
            .replace("\r\n1,", "\r\n,1,");
        QTest::newRow("line breaks in an ignored column")
            << notes << "4: Spring Gale is not a whole number: \"x\"";
        QByteArray gap = edited(1, "Name", "x");
        gap.insert(gap.indexOf("\r\n1,") + 2, ",,\r\n");
        QTest::newRow("empty row between") << gap
                                           << "3: an empty row stands between two configurations; "
                                              "remove it";
        QByteArray pipes = formatCsv(makeTable(2));
        QTest::newRow("no separator fits")
            << pipes.replace(',', '|')
            << "1: the header row has no column \"Number\" (separated by commas, semicolons or "
               "tabs); it holds \"Number|Name|Spring Start...\"";
        QTest::newRow("empty header row") << "\r\n" + formatCsv(makeTable(1)).sliced(3)
                                          << "1: the header row has no column \"Number\" "
                                             "(separated by commas, semicolons or tabs); it holds "
                                             "nothing";
        QTest::newRow("sep=|") << "sep=|\r\n" + pipes
                               << "1: the first line names \"|\" as the separator; the import "
                                  "reads commas, semicolons or tabs";
        QTest::newRow("sep=; on a comma file")
            << "sep=;\r\n" + formatCsv(makeTable(1))
            << "2: the header row has no column \"Number\" (separated by semicolons); it holds "
               "\"<U+FEFF>Number,Name,Spring Star...\"";
        QTest::newRow("line after sep=") << "sep=,\n" + edited(2, "Summer Gusty", "2S")
                                         << "4: Summer Gusty is not a whole number: \"2S\"";
        QTest::newRow("UTF-16 BE line") << utf16(edited(2, "Summer Gusty", "2S"), true)
                                        << "3: Summer Gusty is not a whole number: \"2S\"";
        QByteArray surrogate = utf16(formatCsv(makeTable(2)), false);
        surrogate.replace(utf16("Climate 2", false).sliced(2), QByteArray("\x00\xDC", 2));
        QTest::newRow("UTF-16 half a character")
            << surrogate
            << "3: the file is UTF-16 text but holds U+DC00 alone, half of a character; save it "
               "again";
        QTest::newRow("UTF-16 odd byte")
            << utf16(formatCsv(makeTable(2)), true) + 'x'
            << "4: the file is UTF-16 text but ends in half a character; save it again";
        QTest::newRow("empty file") << QByteArray("\xEF\xBB\xBF")
                                    << "1: the file is empty; its first line must name the columns";
        Rows many = rowsOf(formatCsv(makeTable(1)));
        many.insert(1, ConfigTable::MaxRecords, many[1]);
        QTest::newRow("10001 rows")
            << joined(many)
            << "10002: the file holds more than 10000 configurations, the most the game's file "
               "can hold";
    }
    void badRows() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, error);
        ConfigTable table = makeTable(5);
        const auto e = parseCsv(csv, table, QStringLiteral("in.csv"));
        QVERIFY(e);
        QCOMPARE(e->toString(), QStringLiteral("in.csv:") + error);
        QCOMPARE(table, makeTable(5));
    }

    // A file that is no CSV at all is called a CSV file, not a weather configuration file.
    void fileFaults_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size"); // -1: a folder
        QTest::addColumn<QString>("error");
        QTest::newRow("folder") << "dir.csv" << qint64(-1) << "this is a folder, not a CSV file";
        QTest::newRow("too large") << "big.csv" << MaxFileSize + 1
                                   << "the file is 67108865 bytes, too large for a CSV file (at "
                                      "most 64 MiB)";
    }
    void fileFaults() {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (size < 0) {
            QVERIFY(QDir(dir.path()).mkdir(name));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size)); // sparse
        }
        ConfigTable table = makeTable(1);
        const auto e = loadCsvFile(path, table);
        QVERIFY(e);
        QCOMPARE(e->message, error);
        QCOMPARE(table, makeTable(1));
    }
};

QTEST_APPLESS_MAIN(TestCsvFile)
#include "tst_csvfile.moc"
