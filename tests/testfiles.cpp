#include "testfiles.h"

#include <QFile>

namespace testfiles {

weather::ConfigTable makeTable(int count, int firstNumber) {
    weather::ConfigTable table;
    table.ConfigCount = count;
    for (int k = 1; k <= count; ++k) {
        weather::WeatherConfig& c = table.Configs(k);
        c.Number = firstNumber + (k - 1); // never past the int32 maximum on the way
        c.Name = "Climate " + QByteArray::number(k);
        for (int s = 0; s < weather::SeasonCount; ++s) {
            for (int p = 0; p < weather::SeasonValueCount; ++p)
                c.season(s).at(p) = static_cast<qint16>(k * 100 + s * 20 + p - 5);
        }
    }
    return table;
}

QByteArray seasonLine(int season, const QList<int>& values) {
    static const char* const prefixes[] = {"Spring: ", "SUMMER: ", "AUTUMN: ", "WINTER: "};
    QByteArray line = prefixes[season];
    for (int p = 0; p < values.size(); ++p) {
        if (p > 0)
            line += p <= 5 ? ", W" : p <= 10 ? ", P" : p == 15 ? ",  H" : ", H";
        line += QByteArray::number(values[p]);
    }
    return line;
}

QList<int> sampleValues(int seed) {
    QList<int> values;
    for (int p = 0; p < weather::SeasonValueCount; ++p)
        values << seed * 31 + p * 3 - 20;
    return values;
}

QList<QByteArray> recordLines(const QByteArray& nameLine, int seed) {
    QList<QByteArray> lines = {"",
                               "# Start Day,",
                               "# Wind (Calm, Breezy, Gusty, Strong, Gale)",
                               "# Precipitation (Dry, Wet, Drizzle, Shower, Down Pour)",
                               "# Warmth (Freezing, Cold, Mild, Fine, Warm, Hot, Very Hot)",
                               nameLine};
    for (int s = 0; s < weather::SeasonCount; ++s)
        lines << seasonLine(s, sampleValues(seed * 4 + s));
    return lines;
}

QList<QByteArray> fileLines(const QByteArray& countLine, const QList<QByteArray>& records) {
    return QList<QByteArray>{"# Number of weather configurations in file", countLine} + records;
}

QByteArray join(const QList<QByteArray>& lines, const QByteArray& eol) {
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + eol;
    return out;
}

QString examplePath() {
    return QStringLiteral(WEATHER_EXAMPLES_DIR "/weather.cfg");
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

} // namespace testfiles
