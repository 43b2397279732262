// The application icon as the window loads it: from the resource, through the SVG icon engine;
// and the window's other icons as a high-DPI screen gets them.
#include "frmweather.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <array>

namespace {

#ifdef Q_OS_WIN
// The Windows build has no SVG module: its window icon is the drawing rendered at 256 pixels.
const QString IconPath = QStringLiteral(":/icons/weather-editor.png");
constexpr int LargestDrawn = 256;
#else
const QString IconPath = QStringLiteral(":/icons/weather-editor.svg");
constexpr int LargestDrawn = 512;
#endif

// Pixels with any coverage at all; an icon that draws nothing has none.
int paintedPixels(const QImage& image) {
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return painted;
}

// True when `image` is `small` blown up, smoothly or by repeating pixels.
bool isUpscaled(const QImage& image, const QImage& small) {
    constexpr std::array modes = {Qt::FastTransformation, Qt::SmoothTransformation};
    return std::ranges::any_of(modes, [&](Qt::TransformationMode mode) {
        const QImage scaled = small.scaled(image.size(), Qt::IgnoreAspectRatio, mode);
        return scaled.convertToFormat(image.format()) == image;
    });
}

} // namespace

void setUpDesktopIdentity(); // the editor's start-up, in app/main_window.cpp

class TestIcon : public QObject {
    Q_OBJECT
private slots:
    void parsesAsSvg() {
#ifdef Q_OS_WIN
        QSKIP("the Windows build has no SVG module; its icon is a PNG rendering of the SVG");
#endif
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
        if (side > LargestDrawn)
            QSKIP("a bitmap icon is drawn no larger than its image (the Windows build's PNG)");
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

    // At scale factor 2 the toolbar's and the Open button's icons must be drawn for twice their
    // size: an icon that holds only a small bitmap comes back at its own size (and the window
    // blows it up, blurred), or blown up already.
    void windowIconsAreSharpAtDoubleScale() {
        const weather::frmWeather window;
        const auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        const auto* open = window.findChild<QPushButton*>(QStringLiteral("cmdOpen"));
        QVERIFY(toolbar);
        QVERIFY(open);
        const QList<QAction*> buttons = toolbar->actions();
        QCOMPARE(buttons.size(), 2);
        const struct {
            const char* name;
            QIcon icon;
            QSize logical;
        } shown[] = {
            {"cmdOpen", open->icon(), open->iconSize()},
            {"Toolbar1 Open", buttons[0]->icon(), toolbar->iconSize()},
            {"Toolbar1 Save", buttons[1]->icon(), toolbar->iconSize()},
        };
        for (const auto& item : shown) {
            const QImage single = item.icon.pixmap(item.logical, 1.0).toImage();
            const QImage twice = item.icon.pixmap(item.logical, 2.0).toImage();
            QVERIFY2(twice.size() == item.logical * 2, item.name);
            QVERIFY2(!isUpscaled(twice, single), item.name);
        }
    }
};

QTEST_MAIN(TestIcon)
#include "tst_icon.moc"
