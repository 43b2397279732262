// How fast the window opens and shows a file of 10000 configurations, the most the table holds.
// Built with the tests, not run by CTest:
//   QT_QPA_PLATFORM=offscreen build/tests/bench_window
#include "configfile.h"
#include "testfiles.h"
#include "tst_window_support.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace windowtest;

class BenchWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;

private slots:
    void initTestCase() {
        path_ = dir_.filePath("weather.cfg");
        QVERIFY(testfiles::writeAll(
            path_, weather::formatConfig(testfiles::makeTable(weather::ConfigTable::MaxRecords))));
    }

    // Each row opens the file once in a fresh, shown window: reading the file and filling the
    // list, up to the list being drawn.
    void fillListWith10000_data() {
        QTest::addColumn<int>("run");
        for (int run = 1; run <= 5; ++run)
            QTest::addRow("run %d", run) << run;
    }
    void fillListWith10000() {
        const Editor editor;
        auto* list = editor.find<QListWidget>("lstConfigs");
        QBENCHMARK_ONCE {
            editor.window->openFile(path_);
            QCoreApplication::processEvents();
        }
        QCOMPARE(list->count(), weather::ConfigTable::MaxRecords);
    }

    // Selecting one entry of the 10000 and filling every box from it.
    void showOneEntry() {
        const Editor editor;
        QVERIFY(editor.window->openFile(path_));
        auto* list = editor.find<QListWidget>("lstConfigs");
        // Alternate between two entries, so that every iteration changes the selection.
        QBENCHMARK {
            list->setCurrentRow(list->currentRow() == 4999 ? 9998 : 4999);
        }
        const int row = list->currentRow();
        QCOMPARE(editor.window->shownSlot(), row + 1);
        QCOMPARE(editor.txtVal(67)->text(),
                 QString::number(editor.window->table().Configs(row + 1).Winter.Warmth[6]));
    }
};

QTEST_MAIN(BenchWindow)
#include "bench_window.moc"
