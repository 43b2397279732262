// The column chart: where its bars go, what they say, and that they are drawn there.
#include "columnchart.h"

#include <QImage>
#include <QTest>

using weather::ChartBar;

namespace {

const QStringList Wind = {"Calm", "Breezy", "Gusty", "Strong", "Gale"};

// "B" a bar, "M" a mark, "-" nothing, one letter per box.
QString kindsOf(const QList<ChartBar>& bars) {
    QString out;
    for (const ChartBar& bar : bars)
        out += bar.kind == ChartBar::Bar ? 'B' : bar.kind == ChartBar::Mark ? 'M' : '-';
    return out;
}

QList<QRect> rectsOf(const QList<ChartBar>& bars) {
    QList<QRect> out;
    for (const ChartBar& bar : bars)
        out << bar.rect;
    return out;
}

} // namespace

class TestColumnChart : public QObject {
    Q_OBJECT
private slots:
    // Slots of width/count; a quarter of each is the gap, half of it on the left.
    void bars_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QSize>("band");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QList<QRect>>("rects");
        QTest::newRow("the largest fills the band")
            << QStringList{"24", "40", "21", "12", "3"} << QSize(100, 40) << "BBBBB"
            << QList<QRect>{{2, 16, 15, 24},
                            {22, 0, 15, 40},
                            {42, 19, 15, 21},
                            {62, 28, 15, 12},
                            {82, 37, 15, 3}};
        QTest::newRow("zero and negative: marks")
            << QStringList{"10", "0", "-5", " 20 "} << QSize(80, 30) << "BMMB"
            << QList<QRect>{{2, 15, 15, 15}, {22, 28, 15, 2}, {42, 28, 15, 2}, {62, 0, 15, 30}};
        QTest::newRow("no number: nothing")
            << QStringList{"30", "", "x1", "-", "40000", "15"} << QSize(60, 20) << "B----B"
            << QList<QRect>{{1, 0, 8, 20}, {}, {}, {}, {}, {51, 10, 8, 10}};
        QTest::newRow("all zero") << QStringList{"0", "0", "0"} << QSize(30, 10) << "MMM"
                                  << QList<QRect>{{1, 8, 8, 2}, {11, 8, 8, 2}, {21, 8, 8, 2}};
        QTest::newRow("a tiny value keeps a pixel")
            << QStringList{"1", "32767"} << QSize(40, 40) << "BB"
            << QList<QRect>{{2, 39, 15, 1}, {22, 0, 15, 40}};
    }
    void bars() {
        QFETCH(QStringList, texts);
        QFETCH(QSize, band);
        QFETCH(QString, kinds);
        QFETCH(QList<QRect>, rects);
        const QList<ChartBar> bars = weather::chartBars(texts, band);
        QCOMPARE(kindsOf(bars), kinds);
        QCOMPARE(rectsOf(bars), rects);
    }

    void toolTips_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("toolTip");
        const QStringList typical = {"24", "40", "21", "12", "3"};
        QTest::newRow("share of the total") << typical << 1 << "Breezy 40 (40% of 100)";
        QTest::newRow("rounded") << QStringList{"1", "2"} << 0 << "Calm 1 (33% of 3)";
        QTest::newRow("total zero") << QStringList{"5", "-5"} << 0 << "Calm 5";
        QTest::newRow("no total") << QStringList{"40", ""} << 0 << "Calm 40";
        QTest::newRow("no number") << QStringList{"40", "4x"} << 1 << "Breezy ?";
    }
    void toolTips() {
        QFETCH(QStringList, texts);
        QFETCH(int, index);
        QFETCH(QString, toolTip);
        QCOMPARE(weather::chartToolTip(Wind, texts, index), toolTip);
    }

    // A typed value moves its bar; the widget draws in the palette's colours where the bars are.
    void drawsWhatItDescribes() {
        weather::ColumnChart chart;
        QPalette dark;
        dark.setColor(QPalette::Window, Qt::black);
        dark.setColor(QPalette::Highlight, QColor(0x30, 0x80, 0xff));
        dark.setColor(QPalette::Text, Qt::white);
        chart.setPalette(dark);
        chart.resize(40, 20);
        chart.setCaptions(Wind.mid(0, 2));
        chart.setTexts({"10", "5"});
        QCOMPARE(chart.accessibleDescription(), QStringLiteral("Calm 10, Breezy 5"));
        const auto pixel = [&chart](int x, int y) {
            QImage image(chart.size(), QImage::Format_RGB32);
            chart.render(&image);
            return QColor(image.pixel(x, y));
        };
        QCOMPARE(pixel(30, 5), QColor(Qt::black)); // above Breezy's bar, half the band high
        chart.setTexts({"10", "20"});
        QCOMPARE(pixel(30, 5), dark.color(QPalette::Highlight));
        QCOMPARE(chart.accessibleDescription(), QStringLiteral("Calm 10, Breezy 20"));
        chart.setTexts({"0", "20"});
        QCOMPARE(pixel(10, 19), dark.color(QPalette::Text));
        QCOMPARE(pixel(10, 15), QColor(Qt::black));
    }
};

QTEST_MAIN(TestColumnChart)
#include "tst_columnchart.moc"
