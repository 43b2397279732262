// Fitting a window's saved or default place on the screens present.
#include "screenfit.h"

#include <QTest>

class TestScreenFit : public QObject {
    Q_OBJECT

private slots:
    void fit_data();
    void fit();
};

void TestScreenFit::fit_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("fitted");
    const QRect hd(0, 0, 1920, 1050); // 1920x1080 less a panel
    const QRect right(1920, 0, 1280, 1000);
    QTest::newRow("inside stays") << QRect(100, 100, 800, 600) << QList{hd}
                                  << QRect(100, 100, 800, 600);
    QTest::newRow("huge at -30000") << QRect(-30000, -30000, 50000, 50000) << QList{hd} << hd;
    QTest::newRow("far off, moved in")
        << QRect(5000, 3000, 800, 600) << QList{hd} << QRect(1120, 450, 800, 600);
    QTest::newRow("taller than the screen")
        << QRect(480, 20, 960, 1200) << QList{hd} << QRect(480, 0, 960, 1050);
    QTest::newRow("a screen no longer there")
        << QRect(3500, 100, 800, 600) << QList{hd} << QRect(1120, 100, 800, 600);
    QTest::newRow("mostly on the second")
        << QRect(2800, 500, 800, 600) << QList{hd, right} << QRect(2400, 400, 800, 600);
    QTest::newRow("across both, more on the first")
        << QRect(1500, 100, 800, 600) << QList{hd, right} << QRect(1120, 100, 800, 600);
    QTest::newRow("a second screen left of the first")
        << QRect(-900, 200, 800, 600) << QList{hd, QRect(-1280, 0, 1280, 1024)}
        << QRect(-900, 200, 800, 600);
    QTest::newRow("no screens") << QRect(-10, -10, 5, 5) << QList<QRect>{} << QRect(-10, -10, 5, 5);
}

void TestScreenFit::fit() {
    QFETCH(QRect, frame);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, fitted);
    QCOMPARE(weather::fitOnScreens(frame, screens), fitted);
}

QTEST_APPLESS_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
