// How fast the window opens and shows a file of 10000 configurations, the most the table holds,
// and how fast the find box narrows such a list.
// Also how fast Compare with File and a merge of everything run, and what 1000 Update steps
// cost in memory. Built with the tests, not run by CTest:
//   QT_QPA_PLATFORM=offscreen build/tests/bench_window
#include "configfile.h"
#include "testfiles.h"
#include "tst_window_support.h"

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QUndoStack>

#ifdef __GLIBC__
#include <malloc.h>
#endif

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
        auto* list = editor.list();
        QBENCHMARK_ONCE {
            editor.window->openFile(path_);
            QCoreApplication::processEvents();
        }
        QCOMPARE(list->model()->rowCount(), weather::ConfigTable::MaxRecords);
    }

    // Selecting one entry of the 10000 and filling every box from it.
    void showOneEntry() {
        const Editor editor;
        QVERIFY(editor.window->openFile(path_));
        auto* list = editor.list();
        // Alternate between two entries, so that every iteration changes the selection.
        QBENCHMARK {
            list->setCurrentIndex(
                list->model()->index(editor.currentRow() == 4999 ? 9998 : 4999, 0));
        }
        const int row = editor.currentRow();
        QCOMPARE(editor.window->shownSlot(), row + 1);
        QCOMPARE(editor.txtVal(67)->text(),
                 QString::number(editor.window->table().Configs(row + 1).Winter.Warmth[6]));
    }

    // One keystroke in the find box with 10000 entries listed: the list narrows to the names
    // that hold the text, alternately "Climate 93" and "Climate 937".
    void findKeystrokeIn10000() {
        const Editor editor;
        QVERIFY(editor.window->openFile(path_));
        auto* find = editor.find<QLineEdit>("txtFind");
        QBENCHMARK {
            find->setText(find->text() == "Climate 93" ? "Climate 937" : "Climate 93");
            QCoreApplication::processEvents();
        }
        QVERIFY(editor.list()->model()->rowCount() >= 1);
        QVERIFY(editor.list()->model()->rowCount() < weather::ConfigTable::MaxRecords);
    }

    // A file as long as the one opened that differs in every value (720000 differences).
    QString changedFile() {
        weather::ConfigTable changed = testfiles::makeTable(weather::ConfigTable::MaxRecords);
        for (int k = 1; k <= changed.ConfigCount; ++k) {
            for (int s = 0; s < weather::SeasonCount; ++s) {
                for (int p = 0; p < weather::SeasonValueCount; ++p)
                    ++changed.Configs(k).season(s).at(p);
            }
        }
        QString other = dir_.filePath("changed.cfg");
        if (!testfiles::writeAll(other, weather::formatConfig(changed)))
            return {};
        return other;
    }

    // Compare with File against that file: from the command to the dialog's first screen
    // drawn. The window is frozen for as long, since the comparison runs on the window's thread.
    void compareWith10000Differences() {
        const QString other = changedFile();
        QVERIFY(!other.isEmpty());
        const Editor editor;
        QVERIFY(editor.window->openFile(path_));
        editor.desktop->fileAnswers << other;
        QTreeView* table = nullptr;
        QBENCHMARK_ONCE {
            editor.find<QAction>("mnuCompare")->trigger();
            table = editor.window->findChild<QTreeView*>("tblCompare");
            QVERIFY(table);
            table->viewport()->repaint();
            QCoreApplication::processEvents();
        }
        QCOMPARE(table->model()->rowCount(), weather::ConfigTable::MaxRecords); // one row each
    }

    // Merging all of it: every configuration ticked, then Apply, from the click to the
    // comparison shown afresh (then empty).
    void mergeAll720000Differences() {
        const QString other = changedFile();
        QVERIFY(!other.isEmpty());
        const Editor editor;
        QVERIFY(editor.window->openFile(path_));
        editor.desktop->fileAnswers << other;
        editor.find<QAction>("mnuCompare")->trigger();
        auto* table = editor.window->findChild<QTreeView*>("tblCompare");
        QVERIFY(table);
        QAbstractItemModel* rows = table->model();
        for (int r = 0; r < rows->rowCount(); ++r)
            rows->setData(rows->index(r, 0), Qt::Checked, Qt::CheckStateRole);
        auto* apply = editor.window->findChild<QPushButton*>("cmdApply");
        QBENCHMARK_ONCE {
            QTest::mouseClick(apply, Qt::LeftButton);
            table->viewport()->repaint();
            QCoreApplication::processEvents();
        }
        QCOMPARE(rows->rowCount(), 0);
        QCOMPARE(editor.window->undoStack()->count(), 1);
    }

#ifdef __GLIBC__
    // What the undo history costs: the heap in use before and after 1000 Update steps, each of
    // which the stack keeps (it has no limit).
    void memoryOf1000Updates() {
        const Editor editor;
        QVERIFY(editor.window->openFile(path_));
        editor.select(0);
        QLineEdit* box = editor.txtVal(3);
        const auto step = [&](int value) {
            box->setText(QString::number(value));
            editor.window->cmdUpdate_Click(0);
        };
        step(-1); // the first step makes what the stack and the menu create once
        const std::size_t before = mallinfo2().uordblks;
        for (int i = 0; i < 1000; ++i)
            step(i);
        const std::size_t after = mallinfo2().uordblks;
        QCOMPARE(editor.window->undoStack()->count(), 1001);
        qInfo("1000 Update steps: the heap in use grew by %zu bytes, %.0f bytes a step",
              after - before, double(after - before) / 1000);
    }
#endif
};

QTEST_MAIN(BenchWindow)
#include "bench_window.moc"
