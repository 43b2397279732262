// The season pages' arithmetic: the bars beside the boxes, the year strip's remarks, the colours
// picked from the palette and the font of a grown window, checked against hand-worked rows.
#include "contrast.h"
#include "fontzoom.h"
#include "valuebars.h"
#include "yearstrip.h"

#include <QTest>

using weather::BarSpan;
using weather::GroupValues;

namespace {

// "40,-5,?" to values; "?" for a box without a number.
GroupValues valuesOf(const QString& list) {
    GroupValues values;
    for (const QString& item : list.split(u',')) {
        if (item == u'?')
            values << std::nullopt;
        else
            values << item.toInt();
    }
    return values;
}

// The bars as "from-to" per value, "." for none.
QString spansOf(const QList<std::optional<BarSpan>>& bars) {
    QStringList out;
    for (const auto& bar : bars)
        out << (bar ? QStringLiteral("%1-%2").arg(bar->from).arg(bar->to) : QStringLiteral("."));
    return out.join(u' ');
}

} // namespace

class TestSeasonPage : public QObject {
    Q_OBJECT
private slots:
    void bars_data() {
        QTest::addColumn<QString>("values");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("zero");
        QTest::addColumn<QString>("spans");
        QTest::newRow("the largest fills the width")
            << "25,50,0,100" << 100 << 0 << "0-25 0-50 0-0 0-100";
        QTest::newRow("a negative left of the zero line")
            << "-30,100,40" << 130 << 30 << "0-30 30-130 30-70";
        QTest::newRow("all negative: zero on the right") << "-10,-40" << 80 << 80 << "60-80 0-80";
        QTest::newRow("no number: no bar") << "?,20,?" << 50 << 0 << ". 0-50 .";
        QTest::newRow("all zero") << "0,0" << 60 << 0 << "0-0 0-0";
        QTest::newRow("a tiny value keeps a pixel") << "1,32767,-1" << 100 << 0 << "0-1 0-100 0-1";
        QTest::newRow("extremes") << "-32768,32767" << 65535 << 32768 << "0-32768 32768-65535";
        QTest::newRow("no width") << "5,-5" << 0 << 0 << "0-0 0-0";
    }
    void bars() {
        QFETCH(QString, values);
        QFETCH(int, width);
        QFETCH(int, zero);
        QFETCH(QString, spans);
        const weather::GroupBars bars = weather::groupBars(valuesOf(values), width);
        QCOMPARE(bars.zero, zero);
        QCOMPARE(spansOf(bars.bars), spans);
    }

    // The share only when every value of the group is a number of at least 0.
    void texts_data() {
        QTest::addColumn<QString>("values");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("share") << "25,50,25" << 0 << "Calm 25, 25% of Wind";
        QTest::newRow("rounded") << "1,2" << 0 << "Calm 1, 33% of Wind";
        QTest::newRow("a negative in the group") << "-30,25,105" << 2 << "Calm 105";
        QTest::newRow("the negative itself") << "-30,25" << 0 << "Calm -30";
        QTest::newRow("a box without a number") << "40,?" << 0 << "Calm 40";
        QTest::newRow("no number") << "40,?" << 1 << "Calm ?";
        QTest::newRow("all zero") << "0,0" << 0 << "Calm 0";
    }
    void texts() {
        QFETCH(QString, values);
        QFETCH(int, index);
        QFETCH(QString, text);
        QCOMPARE(weather::barText("Calm", "Wind", valuesOf(values), index), text);
    }

    void remarks_data() {
        QTest::addColumn<QString>("starts");
        QTest::addColumn<QStringList>("remarks");
        QTest::newRow("in order") << "80,172,266,355" << QStringList{};
        QTest::newRow("out of order")
            << "80,266,172,355" << QStringList{"Autumn starts before Summer"};
        QTest::newRow("one day for two")
            << "80,172,172,355" << QStringList{"Summer and Autumn start on day 172"};
        QTest::newRow("a gap is passed over")
            << "80,?,60,355" << QStringList{"Autumn starts before Spring"};
        QTest::newRow("outside the year")
            << "0,172,266,400"
            << QStringList{"Spring starts on day 0, outside 1 to 365",
                           "Winter starts on day 400, outside 1 to 365"};
    }
    void remarks() {
        QFETCH(QString, starts);
        QFETCH(QStringList, remarks);
        QCOMPARE(weather::startDayRemarks(valuesOf(starts)), remarks);
    }

    // The bar colour keeps 3:1 against the window colour whatever the palette.
    void barColour_data() {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("highlight");
        QTest::addColumn<QColor>("link");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("expected");
        const QColor blue(0x30, 0x8c, 0xc6);
        QTest::newRow("light: the highlight")
            << QColor(0xef, 0xef, 0xef) << blue << QColor(Qt::blue) << QColor(Qt::black) << blue;
        QTest::newRow("highlight close to the window: the link")
            << QColor(0x2a, 0x2a, 0x2a) << QColor(0x3a, 0x3a, 0x40) << QColor(0x8a, 0xb4, 0xf8)
            << QColor(Qt::white) << QColor(0x8a, 0xb4, 0xf8);
        QTest::newRow("link too: the text")
            << QColor(0x20, 0x20, 0x20) << QColor(0x30, 0x30, 0x38) << QColor(0x00, 0x00, 0x80)
            << QColor(0xdd, 0xdd, 0xdd) << QColor(0xdd, 0xdd, 0xdd);
        QTest::newRow("high contrast")
            << QColor(Qt::black) << QColor(Qt::cyan) << QColor(Qt::yellow) << QColor(Qt::white)
            << QColor(Qt::cyan);
    }
    void barColour() {
        QFETCH(QColor, window);
        QFETCH(QColor, highlight);
        QFETCH(QColor, link);
        QFETCH(QColor, text);
        QFETCH(QColor, expected);
        QPalette palette;
        palette.setColor(QPalette::Window, window);
        palette.setColor(QPalette::Highlight, highlight);
        palette.setColor(QPalette::Link, link);
        palette.setColor(QPalette::WindowText, text);
        const QColor chosen = weather::barColour(palette, QPalette::Active);
        QCOMPARE(chosen, expected);
        QVERIFY(weather::contrastRatio(chosen, window) >= weather::MinimumContrast);
    }

    // Edited and invalid boxes differ from a plain one and from each other, also where the
    // highlight is close to the base.
    void tints_data() {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("highlight");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light") << QColor(Qt::white) << QColor(0x30, 0x8c, 0xc6)
                               << QColor(Qt::black);
        QTest::newRow("dark") << QColor(0x1e, 0x1e, 0x1e) << QColor(0x2a, 0x82, 0xda)
                              << QColor(Qt::white);
        QTest::newRow("highlight near the base")
            << QColor(0x2a, 0x2a, 0x2a) << QColor(0x33, 0x33, 0x3a) << QColor(0xee, 0xee, 0xee);
    }
    void tints() {
        QFETCH(QColor, base);
        QFETCH(QColor, highlight);
        QFETCH(QColor, text);
        QPalette palette;
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Highlight, highlight);
        palette.setColor(QPalette::Text, text);
        using weather::BoxMark;
        const QColor edited = weather::markedBase(palette, BoxMark::Edited);
        const QColor invalid = weather::markedBase(palette, BoxMark::Invalid);
        QCOMPARE(weather::markedBase(palette, BoxMark::Plain), base);
        QVERIFY(weather::contrastRatio(edited, base) >= 1.2);
        QVERIFY(weather::contrastRatio(invalid, base) >= 1.2);
        QVERIFY(edited != invalid);
        QVERIFY(invalid.hslHue() <= 20 || invalid.hslHue() >= 340); // it reads as red
        QVERIFY(weather::contrastRatio(edited, text) >= 4.5);       // the text stays readable
        QVERIFY(weather::contrastRatio(invalid, text) >= 4.5);
    }

    void zoom_data() {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<int>("zoomed");
        const QSize normal(600, 400);
        QTest::newRow("the normal room") << 11 << normal << 11;
        QTest::newRow("smaller: never below") << 11 << QSize(300, 200) << 11;
        QTest::newRow("the height limits") << 11 << QSize(1300, 600) << 15; // 0.92 * 1.5
        QTest::newRow("the width limits") << 11 << QSize(900, 1000) << 15;
        QTest::newRow("at most twice") << 11 << QSize(4000, 4000) << 22;
    }
    void zoom() {
        QFETCH(int, pixels);
        QFETCH(QSize, room);
        QFETCH(int, zoomed);
        QFont base;
        base.setPixelSize(pixels);
        QCOMPARE(weather::zoomedFont(base, QSize(600, 400), room).pixelSize(), zoomed);
    }
};

QTEST_MAIN(TestSeasonPage)
#include "tst_seasonpage.moc"
