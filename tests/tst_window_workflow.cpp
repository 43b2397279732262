// The editing workflow driven offscreen: undo and redo of every step, renaming, the question
// about typed values not updated, Enter in a season box and the column totals.
#include "codepage.h"
#include "configfile.h"
#include "testfiles.h"
#include "tst_window_support.h"
#include "valuebars.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMap>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QUndoStack>

using namespace testfiles;
using namespace windowtest;
using weather::ConfigTable;
using weather::Desktop;

Q_DECLARE_METATYPE(weather::Desktop::PendingAnswer)

namespace {

// The example copied to a scratch folder, opened in an editor.
struct OpenedExample {
    OpenedExample() {
        if (!QFile::copy(examplePath(), path))
            qWarning("could not copy the example");
        editor.openThroughDialog(path);
    }
    QTemporaryDir dir;
    QString path = dir.filePath("weather.cfg");
    Editor editor;
};

QString text(const Editor& editor, const char* name) {
    if (const auto* label = editor.find<QLabel>(name))
        return label->text();
    return editor.find<QLineEdit>(name)->text();
}

QString undoText(const Editor& editor) {
    return editor.find<QAction>("mnuUndo")->text().remove('&');
}

// The window shows the table: the list holds every name, the entry on display is selected, and
// the name, number and boxes hold its record.
void checkShowsTable(const Editor& editor) {
    const ConfigTable& table = editor.window->table();
    QStringList names;
    for (int slot = 1; slot <= table.recordCount(); ++slot)
        names << weather::fromWindows1252(table.Configs(slot).Name);
    QCOMPARE(editor.listed(), names);
    const int slot = editor.window->shownSlot();
    QCOMPARE(editor.currentRow(), slot - 1);
    const weather::WeatherConfig& shown = table.Configs(slot);
    QCOMPARE(text(editor, "txtName"), weather::fromWindows1252(shown.Name));
    QCOMPARE(text(editor, "lblNumber"), QString::number(shown.Number));
    for (int s = 0; s < 4; ++s) {
        for (int p = 0; p < 18; ++p)
            QCOMPARE(editor.seasonBox(s, p)->text(), QString::number(shown.season(s).at(p)));
    }
}

QStringList tabTexts(const Editor& editor) {
    QStringList texts;
    const auto* tabs = editor.find<QTabWidget>("SSTab1");
    for (int s = 0; s < tabs->count(); ++s)
        texts << tabs->tabText(s);
    return texts;
}

void typeInto(QLineEdit* box, const QString& typed) {
    box->selectAll();
    QTest::keyClicks(box, typed);
}

} // namespace

class TestWindowWorkflow : public QObject {
    Q_OBJECT

private slots:
    void undoRedoEachStep_data();
    void undoRedoEachStep();
    void undoKeysInABox();
    void refusedName_data();
    void refusedName();
    void editCommandsFollowTheShownEntry();
    void duplicateRefusedWhenFull();
    void pendingEditsAreAsked_data();
    void pendingEditsAreAsked();
    void totalsAsTyped_data();
    void totalsAsTyped();
    void compareWithFile();
};

void TestWindowWorkflow::undoRedoEachStep_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("count");     // list entries after the step
    QTest::addColumn<QString>("shown"); // the name on display after it
    QTest::newRow("Update") << "Update Summer of Mediterranean" << 2 << 8 << "Mediterranean";
    QTest::newRow("Enter in a box")
        << "Update Autumn of Mediterranean" << 2 << 8 << "Mediterranean";
    QTest::newRow("Rename") << "Rename Mediterranean" << 2 << 8 << QString::fromUtf8("Café €");
    QTest::newRow("Duplicate") << "Duplicate Mediterranean" << 2 << 9 << "Mediterranean (copy)";
    QTest::newRow("Delete Last") << "Delete Maritime Isles" << 7 << 7 << "Alpine Valley";
}

// Each step changes the table and shows the change; undo gives back the table as it was and
// clears the mark, redo repeats the step; after a save, undo marks the file changed again.
void TestWindowWorkflow::undoRedoEachStep() {
    QFETCH(QString, step);
    QFETCH(int, position);
    QFETCH(int, count);
    QFETCH(QString, shown);
    OpenedExample opened;
    const Editor& editor = opened.editor;
    editor.select(position);
    const ConfigTable before = editor.window->table();

    if (step.startsWith("Update Summer")) {
        typeInto(editor.txtVal(17 + 3), "77");
        editor.click("cmdUpdate(1)");
    } else if (step.startsWith("Update Autumn")) {
        typeInto(editor.txtStart(2), "99");
        QTest::keyClick(editor.txtStart(2), Qt::Key_Return);
    } else if (step.startsWith("Rename")) {
        editor.rename(shown);
    } else if (step.startsWith("Duplicate")) {
        editor.find<QAction>("mnuDuplicate")->trigger();
    } else {
        editor.desktop->deleteAnswers << true;
        editor.find<QAction>("mnuDeleteLast")->trigger();
    }
    QCOMPARE(editor.desktop->messages.size(), 0);
    const ConfigTable after = editor.window->table();
    QVERIFY(!(after == before));
    QCOMPARE(editor.listed().size(), count);
    QCOMPARE(text(editor, "txtName"), shown);
    QVERIFY(editor.window->isWindowModified());
    QCOMPARE(undoText(editor), "Undo " + step);
    checkShowsTable(editor);

    auto* undo = editor.find<QAction>("mnuUndo");
    auto* redo = editor.find<QAction>("mnuRedo");
    undo->trigger();
    QVERIFY(editor.window->table() == before);
    QVERIFY(!editor.window->isWindowModified());
    checkShowsTable(editor);
    QCOMPARE(redo->text().remove('&'), "Redo " + step);
    redo->trigger();
    QVERIFY(editor.window->table() == after);
    QVERIFY(editor.window->isWindowModified());
    checkShowsTable(editor);

    editor.click("cmdSave");
    QVERIFY(!editor.window->isWindowModified());
    undo->trigger();
    QVERIFY(editor.window->isWindowModified());
    QCOMPARE(editor.desktop->questions.size(), step.startsWith("Delete") ? 1 : 0);
}

// Ctrl+Z in a box undoes its own typing first, then the window's last step.
void TestWindowWorkflow::undoKeysInABox() {
    OpenedExample opened;
    const Editor& editor = opened.editor;
    QApplication::setActiveWindow(editor.window.get());
    QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
    editor.select(2);
    const qint16 stored = editor.window->table().Configs(3).Winter.StartDay;
    QLineEdit* box = editor.txtStart(3);
    editor.find<QTabWidget>("SSTab1")->setCurrentIndex(3);
    box->setFocus();
    typeInto(box, "77");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "1");
    QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(box->text(), "77");
    QCOMPARE(editor.window->table().Configs(3).Winter.StartDay, 77);
    QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(editor.window->table().Configs(3).Winter.StartDay, stored);
    QCOMPARE(box->text(), QString::number(stored));
    QTest::keySequence(box, QKeySequence(Qt::CTRL | Qt::Key_Y));
    QCOMPARE(editor.window->table().Configs(3).Winter.StartDay, 77);
}

void TestWindowWorkflow::refusedName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("outside the code page")
        << QString::fromUtf8("Snow ☃") << QString::fromUtf8("cannot hold \"☃\" (U+2603)");
    QTest::newRow("line break") << "North\nSouth"
                                << "cannot hold a line break";
    QTest::newRow("256 bytes") << QString(256, 'a') << "at most 255 characters";
    QTest::newRow("empty") << ""
                           << "cannot be empty";
    QTest::newRow("blanks") << "   "
                            << "cannot be empty";
}

// A refused name changes nothing, says why, and the box shows the stored name again.
void TestWindowWorkflow::refusedName() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    OpenedExample opened;
    const Editor& editor = opened.editor;
    editor.select(1);
    const ConfigTable before = editor.window->table();
    auto* box = editor.find<QLineEdit>("txtName");
    editor.rename(name);

    QCOMPARE(editor.desktop->messages.size(), 1);
    QVERIFY2(editor.desktop->messages[0].text.contains(message),
             qPrintable(editor.desktop->messages[0].text));
    QCOMPARE(box->text(), "Northern Highlands");
    QVERIFY(editor.window->table() == before);
    QCOMPARE(editor.window->undoStack()->count(), 0);
}

// Duplicate needs a configuration on display; Delete Last needs the last one.
void TestWindowWorkflow::editCommandsFollowTheShownEntry() {
    const Editor blank;
    QVERIFY(!blank.find<QAction>("mnuDuplicate")->isEnabled());
    OpenedExample opened;
    const Editor& editor = opened.editor;
    auto* duplicate = editor.find<QAction>("mnuDuplicate");
    auto* deleteLast = editor.find<QAction>("mnuDeleteLast");
    QVERIFY(duplicate->isEnabled()); // the first configuration is on display
    QVERIFY(!deleteLast->isEnabled());
    editor.select(6);
    QVERIFY(duplicate->isEnabled());
    QVERIFY(!deleteLast->isEnabled());
    editor.select(7);
    QVERIFY(deleteLast->isEnabled());
    deleteLast->trigger(); // answered Cancel
    QCOMPARE(editor.desktop->questions,
             QStringList{"Delete the last configuration, 7 \"Maritime Isles\"? Edit, Undo "
                         "brings it back."});
    QCOMPARE(editor.listed().size(), 8);
    duplicate->trigger();
    QCOMPARE(editor.listed().size(), 9);
    QVERIFY(deleteLast->isEnabled()); // the copy is the last one now
    editor.select(0);
    QVERIFY(!deleteLast->isEnabled());
}

void TestWindowWorkflow::duplicateRefusedWhenFull() {
    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath("weather.cfg"),
                     weather::formatConfig(makeTable(ConfigTable::MaxRecords))));
    const Editor editor;
    editor.openThroughDialog(dir.filePath("weather.cfg"));
    editor.list()->setCurrentIndex(editor.list()->model()->index(5, 0));
    editor.find<QAction>("mnuDuplicate")->trigger();
    QCOMPARE(editor.desktop->messages.size(), 1);
    QVERIFY2(editor.desktop->messages[0].text.contains("10000 configurations"),
             qPrintable(editor.desktop->messages[0].text));
    QCOMPARE(editor.window->table().ConfigCount, ConfigTable::MaxRecords);
    QCOMPARE(editor.window->undoStack()->count(), 0);
}

void TestWindowWorkflow::pendingEditsAreAsked_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<Desktop::PendingAnswer>("answer");
    QTest::addColumn<QString>("gusty"); // typed into Summer Gusty
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("goesOn");
    using A = Desktop::PendingAnswer;
    for (const QString action :
         {"select", "keys", "save", "close", "undo", "redo", "duplicate", "delete"}) {
        const QByteArray a = action.toLatin1();
        // Undo and Redo stop after Update: the typed values are the newest step now.
        const bool afterUpdate = action != "undo" && action != "redo";
        QTest::addRow("%s, Update", a.data()) << action << A::Update << "61" << true << afterUpdate;
        QTest::addRow("%s, Discard", a.data()) << action << A::Discard << "61" << false << true;
        QTest::addRow("%s, Cancel", a.data()) << action << A::Cancel << "61" << false << false;
        QTest::addRow("%s, Update with a bad box", a.data())
            << action << A::Update << "-" << false << false;
    }
}

// Typed values mark their tabs as typed; every action that changes the table or what is on
// display asks about them once, and the answer decides whether they are stored and whether the
// action goes on.
void TestWindowWorkflow::pendingEditsAreAsked() {
    QFETCH(QString, action);
    QFETCH(Desktop::PendingAnswer, answer);
    QFETCH(QString, gusty);
    QFETCH(bool, stored);
    QFETCH(bool, goesOn);
    OpenedExample opened;
    const Editor& editor = opened.editor;
    auto* list = editor.list();
    if (action == "undo" || action == "redo") {
        editor.select(1);
        editor.rename("Renamed");
        if (action == "redo")
            editor.find<QAction>("mnuUndo")->trigger();
    } else if (action == "delete") { // Alpine Valley becomes the last configuration
        editor.select(7);
        editor.desktop->deleteAnswers << true;
        editor.find<QAction>("mnuDeleteLast")->trigger();
        editor.desktop->questions.clear();
    }
    const QByteArray original = readAll(opened.path);
    editor.select(6);
    QCOMPARE(tabTexts(editor), QStringList({"Spring", "Summer", "Autumn", "Winter"}));
    typeInto(editor.txtStart(0), "12");
    typeInto(editor.txtVal(17 + 2), gusty);
    QCOMPARE(tabTexts(editor), QStringList({"Spring *", "Summer *", "Autumn", "Winter"}));
    editor.desktop->pendingAnswers << answer;
    editor.desktop->saveAnswers << Desktop::Answer::Save;

    const QMap<QString, int> shownAfter = {
        {"select", 2}, {"keys", 8}, {"undo", 2}, {"redo", 2}, {"duplicate", 9}};
    if (action == "select") {
        editor.select(1);
    } else if (action == "keys") {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
    } else if (action == "save") {
        editor.click("cmdSave");
    } else if (action == "close") {
        editor.window->close();
    } else {
        const QMap<QString, QString> items = {{"undo", "mnuUndo"},
                                              {"redo", "mnuRedo"},
                                              {"duplicate", "mnuDuplicate"},
                                              {"delete", "mnuDeleteLast"}};
        editor.find<QAction>(items[action])->trigger();
    }
    QCoreApplication::processEvents();

    // Asked once, closing too (Update there saves); Delete Last asks its own question after it.
    const bool second = action == "delete" && goesOn;
    QCOMPARE(editor.desktop->questions.size(), second ? 2 : 1);
    QCOMPARE(editor.desktop->questions.value(0),
             "Spring and Summer of Alpine Valley have changes that are not updated.");
    const ConfigTable& table = editor.window->table();
    QCOMPARE(table.Configs(7).Spring.StartDay == 12, stored);
    QCOMPARE(table.Configs(7).Summer.at(3) == 61, stored);
    QCOMPARE(editor.desktop->messages.size(), gusty == "-" ? 1 : 0);
    if (shownAfter.contains(action))
        QCOMPARE(editor.window->shownSlot(), goesOn ? shownAfter[action] : 7);
    if (action == "close")
        QCOMPARE(editor.window->isVisible(), !goesOn);
    if (!goesOn) {
        QCOMPARE(editor.currentRow(), 6);
        QCOMPARE(list->selectionModel()->selectedRows().value(0).row(), 6);
        QCOMPARE(editor.txtVal(17 + 2)->text(), gusty);
        QCOMPARE(readAll(opened.path), original);
    } else if (action == "save" || action == "close") {
        QCOMPARE(tabTexts(editor), QStringList({"Spring", "Summer", "Autumn", "Winter"}));
        QCOMPARE(readAll(opened.path) == original, !stored);
    }
}

void TestWindowWorkflow::totalsAsTyped_data() {
    QTest::addColumn<QStringList>("typed"); // the seven Winter Warmth boxes
    QTest::addColumn<QString>("total");
    QTest::newRow("numbers") << QStringList{"10", "20", "30", "15", "15", "5", "5"} << "Total 100";
    QTest::newRow("negative") << QStringList{"-40", "20", "0", "0", "0", "0", "1"} << "Total -19";
    QTest::newRow("beyond 16 bits") << QStringList(7, "32767") << "Total 229369";
    QTest::newRow("an empty box") << QStringList{"10", "20", "", "15", "15", "5", "5"} << "Total ?";
    QTest::newRow("a lone minus") << QStringList{"10", "-", "1", "1", "1", "1", "1"} << "Total ?";
}

void TestWindowWorkflow::totalsAsTyped() {
    QFETCH(QStringList, typed);
    QFETCH(QString, total);
    const Editor editor;
    editor.openWithEmptyBoxes();
    QLabel* label = nullptr;
    for (QLabel* l : editor.window->findChildren<QLabel*>()) {
        if (l->accessibleName() == "Winter Warmth Total")
            label = l;
    }
    QVERIFY(label);
    for (int k = 0; k < 7; ++k)
        QTest::keyClicks(editor.seasonBox(3, 11 + k), typed[k]);
    QCOMPARE(label->text(), total);
    // The bars beside the column draw what is typed, as the total sums it.
    const auto* bar = editor.find<weather::ValueBar>("barVal(61)");
    QCOMPARE(bar->accessibleName(), "Winter Warmth Freezing");
    QCOMPARE(bar->values(), weather::groupValues(typed));
    // The other columns of the season still hold nothing but empty boxes.
    QCOMPARE(editor.find<QLabel>("lblTotal(9)")->text(), "Total ?");
}

// Compare with File reads as `--diff FILE EDITED`: the file is the old side, the window the new;
// a row's double-click (activation) shows its configuration.
void TestWindowWorkflow::compareWithFile() {
    OpenedExample opened;
    const Editor& editor = opened.editor;
    editor.select(1);
    editor.rename("Highlands");
    editor.select(3);
    editor.desktop->fileAnswers << examplePath();
    editor.find<QAction>("mnuCompare")->trigger();
    auto* dialog = editor.find<QDialog>("dlgCompare");
    QVERIFY(dialog && dialog->isVisible());
    const auto* heading = dialog->findChild<QLabel*>("lblCompareHeading");
    QCOMPARE(heading->text(), "Changes from weather.cfg to the window");
    auto* table = dialog->findChild<QTreeView*>("tblCompare");
    QCOMPARE(table->model()->rowCount(), 1);
    const QModelIndex row = table->model()->index(0, 0, table->model()->index(0, 0));
    QCOMPARE(row.data(Qt::ToolTipRole).toString(),
             "1 Northern Highlands: name \"Northern Highlands\" -> \"Highlands\"");
    emit table->activated(row);
    QCOMPARE(editor.window->shownSlot(), 2);
}

QTEST_MAIN(TestWindowWorkflow)
#include "tst_window_workflow.moc"
