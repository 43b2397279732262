// The application icon as the window loads it: from the resource, through the SVG icon engine.
#include "frmweather.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QTest>

namespace {

const QString IconPath = QStringLiteral(":/icons/weather-editor.svg");

// Pixels with any coverage at all; an icon that draws nothing has none.
int paintedPixels(const QImage& image) {
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return painted;
}

} // namespace

void setUpDesktopIdentity(); // the editor's start-up, in app/main_window.cpp

class TestIcon : public QObject {
    Q_OBJECT
private slots:
    void parsesAsSvg() {
        QVERIFY2(QFile::exists(IconPath), "the icon resource is not linked in");
        QImageReader reader(IconPath);
        QCOMPARE(reader.format(), QByteArray("svg"));
        QCOMPARE(reader.size(), QSize(48, 48));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    }

    // A bitmap icon engine never returns more pixels than its image has, so a full-size pixmap
    // at 256 and 512 shows that the icon is drawn from the vector, sharp at any scale.
    void drawsAtEverySize_data() {
        QTest::addColumn<int>("side");
        for (const int side : {16, 24, 48, 256, 512})
            QTest::addRow("%d", side) << side;
    }
    void drawsAtEverySize() {
        QFETCH(int, side);
        const QIcon icon(IconPath);
        QVERIFY(!icon.isNull());
        const QImage image = icon.pixmap(QSize(side, side)).toImage();
        QCOMPARE(image.size(), QSize(side, side));
        const int painted = paintedPixels(image);
        // The drawing covers roughly half the square and leaves the corners clear.
        QVERIFY2(painted > side * side / 4, qPrintable(QString::number(painted)));
        QVERIFY2(painted < side * side * 9 / 10, qPrintable(QString::number(painted)));
        QCOMPARE(qAlpha(image.pixel(side - 1, 0)), 0);
    }

    // The editor's start-up gives its window our icon, and names the desktop entry that is
    // installed, so that the desktop can match the running window to the entry.
    void startUpGivesTheWindowItsIdentity() {
        setUpDesktopIdentity();
        const weather::frmWeather window;
        const QIcon shown = window.windowIcon();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.pixmap(QSize(48, 48)).toImage(),
                 QIcon(IconPath).pixmap(QSize(48, 48)).toImage());
        const QString entry = QGuiApplication::desktopFileName() + QStringLiteral(".desktop");
        QVERIFY2(QDir(QStringLiteral(WEATHER_EXAMPLES_DIR "/../data")).exists(entry),
                 qPrintable(entry));
    }
};

QTEST_MAIN(TestIcon)
#include "tst_icon.moc"
