#include "seasonclip.h"
#include "testfiles.h"

#include <QTest>

using namespace weather;

namespace {

// Eighteen values, the extremes at either end.
QStringList eighteen() {
    QStringList values{QStringLiteral("-32768")};
    for (int v = 1; v <= 16; ++v)
        values << QString::number(v * 3);
    return values << QStringLiteral("32767");
}

// The result as the test's rows write it.
QString describe(const SeasonPaste& paste) {
    switch (paste.outcome) {
    case SeasonPaste::Values: {
        QStringList values;
        for (const qint16 v : paste.values)
            values << QString::number(v);
        return QString::number(paste.withStartDay ? 18 : 17) + QStringLiteral(": ") +
               values.join(u' ');
    }
    case SeasonPaste::WrongCount:
        return QStringLiteral("count ") + QString::number(paste.count);
    case SeasonPaste::NotANumber:
        return QStringLiteral("not a number: \"") + paste.token + QLatin1Char('"');
    }
    return {};
}

} // namespace

class TestSeasonClip : public QObject {
    Q_OBJECT
private slots:
    void paste_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        const QStringList all = eighteen();
        const QStringList seventeen = all.mid(1);
        const QString full = QStringLiteral("18: ") + all.join(u' ');
        const QString withoutStart = QStringLiteral("17: 0 ") + seventeen.join(u' ');

        SeasonWeather season;
        const QList<int> sample = testfiles::sampleValues(3);
        for (int p = 0; p < SeasonValueCount; ++p)
            season.at(p) = qint16(sample[p]);
        QStringList sampleText;
        for (const int v : sample)
            sampleText << QString::number(v);
        QTest::newRow("Copy Season") << seasonRowText(season)
                                     << QStringLiteral("18: ") + sampleText.join(u' ');
        QTest::newRow("spreadsheet row") << all.join(u'\t') + "\r\n" << full;
        QTest::newRow("column, LF") << all.join(u'\n') + "\n" << full;
        QTest::newRow("column, CRLF, 17") << seventeen.join("\r\n") + "\r\n" << withoutStart;
        QTest::newRow("commas and blanks") << " " + all.join(" , ") + " \n\n" << full;
        QTest::newRow("semicolons, 17") << seventeen.join(u';') << withoutStart;
        QTest::newRow("blanks") << all.join("  ") << full;
        QTest::newRow("a block of two columns") << all.mid(0, 9).join(u'\t') + "\r\n" +
                                                       all.mid(9).join(u'\t')
                                                << full;
        QTest::newRow("12 numbers") << all.mid(0, 12).join(u'\t') << "count 12";
        QTest::newRow("19 numbers") << all.join(u'\t') + "\t5" << "count 19";
        QTest::newRow("nothing") << " \r\n" << "count 0";
        QTest::newRow("a word") << "Summer\t" + seventeen.join(u'\t') << "not a number: \"Summer\"";
        QTest::newRow("decimal") << "1.5 2" << "not a number: \"1.5\"";
        QTest::newRow("too big") << all.join(u'\t').replace("32767", "32768")
                                 << "not a number: \"32768\"";
        QTest::newRow("too small") << "-32769" << "not a number: \"-32769\"";
        QTest::newRow("empty cell") << "1\t\t2" << "not a number: \"\"";
        QTest::newRow("empty line") << "1\r\n \r\n2" << "not a number: \"\"";
        QTest::newRow("invisible") << "4,\u200B5" << "not a number: \"<U+200B>5\"";
    }
    void paste() {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(describe(parseSeasonText(text)), result);
    }
};

QTEST_APPLESS_MAIN(TestSeasonClip)
#include "tst_seasonclip.moc"
