// The window with real files: finding in the list, opening another file over one with changes,
// the recent files, a file dropped on the window, and a season through the clipboard.
#include "codepage.h"
#include "configfile.h"
#include "csvfile.h"
#include "testfiles.h"
#include "tst_window_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace testfiles;
using namespace windowtest;
using weather::ConfigTable;
using weather::Desktop;

Q_DECLARE_METATYPE(weather::Desktop::PendingAnswer)
Q_DECLARE_METATYPE(weather::Desktop::Answer)

namespace {

// Four configurations with names to find: accents, case and a number among them.
QString writeFindFile(const QTemporaryDir& dir) {
    ConfigTable table = makeTable(4);
    // The file keeps names in Windows-1252, where 0xFC is the u with two dots.
    const QByteArray names[] = {"Temperate Coast", QByteArray("Mediterranean S") + '\xFC' + 'd',
                                "Alpine Valley 937", "ALPINE meadow"};
    for (int k = 0; k < 4; ++k)
        table.Configs(k + 1).Name = names[k];
    table.Configs(4).Number = 937;
    QString path = dir.filePath("find.cfg");
    writeAll(path, weather::formatConfig(table));
    return path;
}

QString shownName(const Editor& editor) {
    return editor.find<QLineEdit>("txtName")->text();
}

QStringList recentItems(const Editor& editor) {
    auto* menu = editor.find<QMenu>("mnuRecent");
    emit menu->aboutToShow();
    QStringList items;
    for (const QAction* item : menu->actions()) {
        if (!item->isSeparator() && item->objectName() != "mnuRecentClear")
            items << item->text();
    }
    return items;
}

} // namespace

class TestWindowFiles : public QObject {
    Q_OBJECT

private slots:
    void find_data();
    void find();
    void openOverChanges_data();
    void openOverChanges();
    void recentFiles();
    void onlyRegularFilesOpen_data();
    void onlyRegularFilesOpen();
    void dropOpens();
    void pasteSeason_data();
    void pasteSeason();
    void exportSeparators_data();
    void exportSeparators();
};

void TestWindowFiles::find_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("nothing") << ""
                             << QStringList{"Temperate Coast", "Mediterranean Süd",
                                            "Alpine Valley 937", "ALPINE meadow"};
    QTest::newRow("accents") << "sud" << QStringList{"Mediterranean Süd"};
    QTest::newRow("case") << "alpine" << QStringList{"Alpine Valley 937", "ALPINE meadow"};
    QTest::newRow("a number") << "1" << QStringList{"Mediterranean Süd"};
    QTest::newRow("a number or a name")
        << " 937 " << QStringList{"Alpine Valley 937", "ALPINE meadow"};
    QTest::newRow("no match") << "snow" << QStringList{};
}

// The list narrows as the user types; the configuration on display stays on display, Escape
// lists every name again and Enter goes to the first match.
void TestWindowFiles::find() {
    QFETCH(QString, text);
    QFETCH(QStringList, listed);
    QTemporaryDir dir;
    const Editor editor;
    editor.openThroughDialog(writeFindFile(dir));
    auto* box = editor.find<QLineEdit>("txtFind");
    QTest::keyClicks(box, text);
    QCOMPARE(editor.listed(), listed);
    QCOMPARE(editor.find<QLabel>("lblFindCount")->text(), QString("%1 of 4").arg(listed.size()));
    QCOMPARE(shownName(editor), "Temperate Coast");
    QCOMPARE(editor.list()->selectionModel()->hasSelection(), listed.contains("Temperate Coast"));

    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(shownName(editor), listed.value(0, "Temperate Coast"));
    const QString shown = shownName(editor);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Escape);
    QCOMPARE(editor.listed().size(), 4);
    QCOMPARE(shownName(editor), shown);
    QCOMPARE(editor.list()->currentIndex().data().toString(), shown);
    ConfigTable file;
    QVERIFY(!weather::loadConfigFile(dir.filePath("find.cfg"), file));
    QVERIFY(editor.window->table() == file); // finding changes nothing
}

void TestWindowFiles::openOverChanges_data() {
    QTest::addColumn<bool>("typed"); // typed values besides an updated change
    QTest::addColumn<Desktop::PendingAnswer>("pending");
    QTest::addColumn<Desktop::Answer>("save");
    QTest::addColumn<bool>("fails");  // the second file does not load
    QTest::addColumn<bool>("opened"); // the second file is open afterwards
    QTest::addColumn<bool>("saved");  // the first file holds the changes afterwards
    using P = Desktop::PendingAnswer;
    using A = Desktop::Answer;
    QTest::newRow("typed values kept") << true << P::Cancel << A::Save << false << false << false;
    QTest::newRow("all dropped") << true << P::Discard << A::Save << false << true << false;
    QTest::newRow("updated and saved") << true << P::Update << A::Cancel << false << true << true;
    QTest::newRow("changes kept") << false << P::Update << A::Cancel << false << false << false;
    QTest::newRow("changes dropped") << false << P::Update << A::Discard << false << true << false;
    QTest::newRow("changes saved") << false << P::Cancel << A::Save << false << true << true;
    QTest::newRow("a file that fails") << true << P::Discard << A::Save << true << false << false;
}

// Opening over an updated change and typed values asks one question, naming the file by its
// name and giving its full path; a file that fails to load leaves the open file, its changes
// and its undo history as they were. A file that opens with text after its last configuration
// says so.
void TestWindowFiles::openOverChanges() {
    QFETCH(bool, typed);
    QFETCH(Desktop::PendingAnswer, pending);
    QFETCH(Desktop::Answer, save);
    QFETCH(bool, fails);
    QFETCH(bool, opened);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString first = dir.filePath("first.cfg");
    const QString second = dir.filePath("second.cfg");
    QVERIFY(QFile::copy(examplePath(), first));
    QVERIFY(writeAll(second, fails ? QByteArray("not a weather file\r\n")
                                   : writeNumberedFile(second, {5, 6}) + "notes\r\n"));
    const Editor editor;
    editor.openThroughDialog(first);
    editor.rename("Renamed");
    if (typed)
        editor.txtVal(0)->setText("77");
    const ConfigTable changed = editor.window->table();
    editor.desktop->pendingAnswers << pending;
    editor.desktop->saveAnswers << save;
    editor.desktop->fileAnswers << second;
    editor.click("cmdOpen");

    QCOMPARE(editor.desktop->questions,
             QStringList{typed ? "Renamed has values not updated, and the file has unsaved "
                                 "changes."
                               : "Save changes to first.cfg before opening another file?"});
    QCOMPARE(editor.desktop->details, QStringList{QDir::toNativeSeparators(first)});
    QCOMPARE(editor.window->loadedPath(), opened ? second : first);
    QCOMPARE(editor.desktop->messages.size(), fails || opened ? 1 : 0);
    if (opened)
        QVERIFY2(editor.desktop->messages[0].text.contains(QDir::toNativeSeparators(second) +
                                                           ":23: 1 more line follows the last"),
                 qPrintable(editor.desktop->messages[0].text));
    ConfigTable onDisk;
    QVERIFY(!weather::loadConfigFile(first, onDisk));
    QCOMPARE(weather::fromWindows1252(onDisk.Configs(1).Name) == "Renamed", saved);
    QCOMPARE(onDisk.Configs(1).Spring.at(1) == 77, saved && typed);
    if (!opened) {
        QVERIFY(editor.window->table() == changed);
        QCOMPARE(editor.window->undoStack()->count(), 1);
        QCOMPARE(shownName(editor), "Renamed");
        QCOMPARE(editor.txtVal(0)->text() == "77",
                 typed && pending == Desktop::PendingAnswer::Cancel);
    } else {
        QCOMPARE(editor.listed(), QStringList({"Climate 1", "Climate 2"}));
        QCOMPARE(editor.window->undoStack()->count(), 0);
        QVERIFY(!editor.window->isWindowModified());
    }
}

// Open Recent lists the files opened and saved, newest first, without repeats; a file that is
// gone is named and leaves the menu; Clear Menu empties it.
void TestWindowFiles::recentFiles() {
    QTemporaryDir dir;
    QStringList paths;
    for (const char* name : {"a.cfg", "b.cfg", "c.cfg"}) {
        paths << dir.filePath(name);
        QVERIFY(QFile::copy(examplePath(), paths.last()));
    }
    const Editor editor;
    for (const QString& path : {paths[0], paths[1], paths[2], paths[1]})
        editor.openThroughDialog(path);
    const auto entry = [](int n, const QString& path) {
        return QString("&%1 %2").arg(n).arg(QDir::toNativeSeparators(path));
    };
    QCOMPARE(recentItems(editor),
             QStringList({entry(1, paths[1]), entry(2, paths[2]), entry(3, paths[0])}));
    QVERIFY(QFile::remove(paths[2]));
    editor.find<QAction>("mnuRecentFile(1)")->trigger();
    QCOMPARE(editor.desktop->messages.size(), 1);
    QVERIFY(editor.desktop->messages[0].text.startsWith(QDir::toNativeSeparators(paths[2])));
    QCOMPARE(recentItems(editor), QStringList({entry(1, paths[1]), entry(2, paths[0])}));
    editor.find<QAction>("mnuRecentFile(1)")->trigger();
    QCOMPARE(editor.window->loadedPath(), paths[0]);
    editor.find<QAction>("mnuRecentClear")->trigger();
    QCOMPARE(recentItems(editor), QStringList());
    QVERIFY(!editor.find<QMenu>("mnuRecent")->isEnabled());
    // The next file switches the menu on; a file is one entry however it is spelled.
    QVERIFY(QFile::link(paths[0], dir.filePath("link.cfg")));
    for (const QString& path : {dir.filePath("link.cfg"), dir.path() + "/./a.cfg", paths[0]})
        editor.openThroughDialog(path);
    QVERIFY(editor.find<QMenu>("mnuRecent")->isEnabled());
    QCOMPARE(recentItems(editor), QStringList({entry(1, paths[0])}));
}

void TestWindowFiles::onlyRegularFilesOpen_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("name"); // a FIFO, a folder, or a regular file
    QTest::addColumn<QString>("message");
    for (const char* how : {"dialog", "drop", "recent"})
        QTest::addRow("FIFO by %s", how) << how << "fifo"
                                         << "is not a regular file";
    QTest::newRow("folder recent") << "recent"
                                   << "folder"
                                   << "is not a regular file";
    QTest::newRow("missing recent") << "recent"
                                    << "gone.cfg"
                                    << "no longer exists";
    QTest::newRow("relative recent") << "recent"
                                     << "weather.cfg"
                                     << "is not a full path";
}

// The window opens regular files only: a FIFO would block it until something writes to it. A
// recent entry that names no regular file by its full path leaves the menu.
void TestWindowFiles::onlyRegularFilesOpen() {
    QFETCH(QString, how);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    const QString path = name == "weather.cfg" ? name : dir.filePath(name);
    QProcess writer; // writes the example into the FIFO, should the window read it
    if (name == "fifo") {
#ifdef Q_OS_WIN
        QSKIP("Windows has no FIFOs in its folders (its named pipes live apart from files)");
#endif
        QCOMPARE(QProcess::execute("mkfifo", {path}), 0);
        writer.start("sh", {"-c", R"(exec cat "$0" > "$1")", examplePath(), path});
        QVERIFY(writer.waitForStarted());
    }
    const Editor editor;
    if (how == "dialog") {
        editor.openThroughDialog(path);
    } else if (how == "drop") {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(editor.window.get(), &enter);
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(editor.window.get(), &drop);
        QTRY_COMPARE(editor.desktop->messages.size(), 1);
    } else {
        QSettings().setValue("recentFiles", QStringList{path});
        QCOMPARE(recentItems(editor).size(), 1);
        editor.find<QAction>("mnuRecentFile(0)")->trigger();
        QCOMPARE(recentItems(editor), QStringList());
    }
    writer.kill();
    writer.waitForFinished();
    QCOMPARE(editor.window->loadedPath(), QString());
    QCOMPARE(editor.desktop->messages.size(), 1);
    QVERIFY2(editor.desktop->messages[0].text.contains(message),
             qPrintable(editor.desktop->messages[0].text));
    QVERIFY(!editor.find<QMenu>("mnuRecent")->isEnabled());
}

void TestWindowFiles::dropOpens() {
    QTemporaryDir dir;
    const QString path = dir.filePath("dropped.cfg");
    QVERIFY(!writeNumberedFile(path, {5, 6}).isEmpty());
    const Editor editor;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.window.get(), &drop);
    QTRY_COMPARE(editor.window->loadedPath(), path);
    QCOMPARE(editor.listed(), QStringList({"Climate 1", "Climate 2"}));
}

void TestWindowFiles::pasteSeason_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("message"); // empty: pasted
    const QString row = "60\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16\t17";
    QTest::newRow("a row of 18") << row << "";
    QTest::newRow("a column of 17") << row.mid(3).replace('\t', "\r\n") + "\r\n"
                                    << "";
    QTest::newRow("12 numbers") << "1 2 3 4 5 6 7 8 9 10 11 12"
                                << "The clipboard holds 12 numbers; a season takes 18, or 17 "
                                   "without its start day.";
    QTest::newRow("a word") << "1;2;many"
                            << "The clipboard holds \"many\", which is not a whole number from "
                               "-32768 to 32767; a season takes 18, or 17 without its start day.";
}

// Paste Season fills the tab in front as typed values (Update stores them); anything else
// changes nothing and says what the clipboard holds. Copy Season gives back the row.
void TestWindowFiles::pasteSeason() {
    QFETCH(QString, clipboard);
    QFETCH(QString, message);
    const Editor editor;
    editor.openThroughDialog(examplePath());
    editor.find<QTabWidget>("SSTab1")->setCurrentIndex(2);
    const QString startDay = editor.txtStart(2)->text();
    QStringList before;
    for (int p = 0; p < 18; ++p)
        before << editor.seasonBox(2, p)->text();
    QApplication::clipboard()->setText(clipboard);
    editor.find<QAction>("mnuPasteSeason")->trigger();

    QCOMPARE(editor.desktop->messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(editor.desktop->messages[0].text, message);
        for (int p = 0; p < 18; ++p)
            QCOMPARE(editor.seasonBox(2, p)->text(), before[p]);
        return;
    }
    QCOMPARE(editor.txtStart(2)->text(), clipboard.startsWith("60") ? "60" : startDay);
    for (int p = 1; p < 18; ++p)
        QCOMPARE(editor.seasonBox(2, p)->text(), QString::number(p));
    QCOMPARE(editor.find<QTabWidget>("SSTab1")->tabText(2), "Autumn *");
    QCOMPARE(editor.window->undoStack()->count(), 0);
    editor.click("cmdUpdate(2)");
    QCOMPARE(editor.window->table().Configs(1).Autumn.at(17), 17);
    editor.find<QAction>("mnuCopySeason")->trigger();
    QCOMPARE(QApplication::clipboard()->text(),
             (clipboard.startsWith("60") ? QString("60") : startDay) +
                 "\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16\t17");
}

void TestWindowFiles::exportSeparators_data() {
    QTest::addColumn<int>("filter");
    QTest::addColumn<char>("separator");
    QTest::newRow("comma") << 0 << ',';
    QTest::newRow("semicolon") << 1 << ';';
    QTest::newRow("tab") << 2 << '\t';
}

// The export writes the separator of the filter chosen, proposes it the next time, and its file
// imports back to the same configurations.
void TestWindowFiles::exportSeparators() {
    QFETCH(int, filter);
    QFETCH(char, separator);
    QTemporaryDir dir;
    const QString csv = dir.filePath("out.csv");
    const Editor editor;
    editor.openThroughDialog(examplePath());
    editor.desktop->saveFileAnswers << csv << csv;
    editor.desktop->saveFilterAnswers << filter;
    editor.find<QAction>("mnuExportCsv")->trigger();
    QCOMPARE(editor.desktop->saveFileRequests[0].filters.size(), 3);
    QVERIFY(readAll(csv).contains(QByteArray("Number") + separator + "Name"));
    ConfigTable back;
    QVERIFY(!weather::loadCsvFile(csv, back));
    QVERIFY(back == editor.window->table());
    editor.find<QAction>("mnuExportCsv")->trigger();
    QCOMPARE(editor.desktop->saveFileRequests[1].selectedFilter, filter);
}

QTEST_MAIN(TestWindowFiles)
#include "tst_window_files.moc"
