// Editing in the window driven offscreen: Update, the key filter, menu, toolbar and shortcuts,
// the About box, the web link, Exit and the tab order.
#include "configfile.h"
#include "editcommands.h"
#include "seasontext.h"
#include "testfiles.h"
#include "tst_window_support.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeView>

using namespace testfiles;
using namespace windowtest;
using weather::BoxValue;
using weather::ConfigTable;
using weather::Desktop;

Q_DECLARE_METATYPE(weather::BoxValue::Problem)

namespace {

// Eighteen values that no sample file holds.
QList<int> freshValues(int seed) {
    QList<int> values;
    for (int p = 0; p < 18; ++p)
        values << 9000 + seed * 100 - p * 7;
    return values;
}

void activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the editor window did not become active");
}

ConfigTable load(const QString& path) {
    ConfigTable table;
    if (const auto error = weather::loadConfigFile(path, table))
        qWarning("%s", qPrintable(error->toString()));
    return table;
}

// The ways to give a command: "menu", "toolbar" and "shortcut".
void trigger(const Editor& editor, const QString& way, int toolbarPosition, const QString& menuItem,
             const QKeySequence& shortcut) {
    if (way == "menu") {
        editor.find<QAction>(menuItem)->trigger();
    } else if (way == "toolbar") {
        auto* toolbar = editor.find<QToolBar>("Toolbar1");
        QWidget* button = toolbar->widgetForAction(toolbar->actions()[toolbarPosition - 1]);
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        activate(editor.window.get());
        QTest::keySequence(editor.window.get(), shortcut);
    }
}

} // namespace

class TestWindowEdit : public QObject {
    Q_OBJECT

private slots:
    void boxText_data();
    void boxText();
    void updateWritesTheShownSeason_data();
    void updateWritesTheShownSeason();
    void badBoxStoresNothing_data();
    void badBoxStoresNothing();
    void recordControlsNeedAFile();
    void keyFilter_data();
    void keyFilter();
    void editingKeysWork();
    void pastedTextIsNotFiltered();
    void openFromMenuToolbarAndShortcut_data();
    void openFromMenuToolbarAndShortcut();
    void saveFromMenuToolbarAndShortcut_data();
    void saveFromMenuToolbarAndShortcut();
    void aboutBox();
    void webLink_data();
    void webLink();
    void webLinkTakesTheLinkColour();
    void exit_data();
    void exit();
    void tabOrderOnEachTab_data();
    void tabOrderOnEachTab();
    void tabOrderAroundTheTabs();
    void wholeRoad();
    void menuName_data();
    void menuName();
    void undoTextShowsAmpersands();
    void viewKeys_data();
    void viewKeys();
    void chosenListWidthStays_data();
    void chosenListWidthStays();
};

void TestWindowEdit::boxText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<BoxValue::Problem>("problem");
    QTest::addColumn<int>("value");
    const auto ok = [](const char* text, int value) {
        QTest::newRow(text) << QString(text) << BoxValue::None << value;
    };
    const auto bad = [](const char* name, const QString& text, BoxValue::Problem problem) {
        QTest::newRow(name) << text << problem << 0;
    };
    ok("0", 0);
    ok("007", 7);
    ok("-0", 0);
    ok("-12", -12);
    ok(" 12 ", 12);
    ok("\t-5\t", -5);
    ok("32767", 32767);
    ok("-32768", -32768);
    ok("000000000000032767", 32767);
    bad("empty", "", BoxValue::NotANumber);
    bad("blanks only", "   ", BoxValue::NotANumber);
    bad("lone minus", "-", BoxValue::NotANumber);
    bad("minus inside", "1-2", BoxValue::NotANumber);
    bad("minus behind", "-5-", BoxValue::NotANumber);
    bad("two minus signs", "--5", BoxValue::NotANumber);
    bad("plus sign", "+5", BoxValue::NotANumber);
    bad("blank inside", "1 2", BoxValue::NotANumber);
    bad("fraction", "1.0", BoxValue::NotANumber);
    bad("hexadecimal", "0x10", BoxValue::NotANumber);
    bad("letters", "12a", BoxValue::NotANumber);
    bad("other digits", QString::fromUtf8("\u0661\u0662"), BoxValue::NotANumber);
    bad("long, then a letter", "99999999999999999999a", BoxValue::NotANumber);
    bad("32768", "32768", BoxValue::OutOfRange);
    bad("-32769", "-32769", BoxValue::OutOfRange);
    bad("huge", "99999999999999999999999", BoxValue::OutOfRange);
    bad("huge negative", "-4294967296", BoxValue::OutOfRange);
}

void TestWindowEdit::boxText() {
    QFETCH(QString, text);
    QFETCH(BoxValue::Problem, problem);
    QFETCH(int, value);
    const BoxValue read = weather::readBoxValue(text);
    QCOMPARE(read.problem, problem);
    if (problem == BoxValue::None)
        QCOMPARE(int(read.value), value);
}

void TestWindowEdit::updateWritesTheShownSeason_data() {
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("season");
    QTest::newRow("0, 1, 2: first, Summer") << QList<int>{0, 1, 2} << 0 << 1;
    QTest::newRow("0, 1, 2: last, Winter") << QList<int>{0, 1, 2} << 2 << 3;
    QTest::newRow("1, 2, 3: first, Summer") << QList<int>{1, 2, 3} << 0 << 1;
    QTest::newRow("1, 2, 3: last, Spring") << QList<int>{1, 2, 3} << 2 << 0;
    QTest::newRow("5, 6, 7: middle, Autumn") << QList<int>{5, 6, 7} << 1 << 2;
    QTest::newRow("5, 6, 7: last, Summer") << QList<int>{5, 6, 7} << 2 << 1;
}

// Exactly the eighteen values of the shown season of the shown record change, and only on Save
// does the file.
void TestWindowEdit::updateWritesTheShownSeason() {
    QFETCH(QList<int>, numbers);
    QFETCH(int, position);
    QFETCH(int, season);
    QTemporaryDir dir;
    const QString path = dir.filePath("weather.cfg");
    const QByteArray original = writeNumberedFile(path, numbers);
    QVERIFY(!original.isEmpty());
    const Editor editor;
    editor.openThroughDialog(path);
    editor.select(position);

    const QList<int> values = freshValues(season);
    for (int p = 0; p < 18; ++p)
        editor.seasonBox(season, p)->setText(QString::number(values[p]));
    // Typed but not committed: another season's box, discarded when Save asks.
    editor.seasonBox((season + 1) % 4, 3)->setText("4444");
    editor.desktop->pendingAnswers << Desktop::PendingAnswer::Discard;
    QVERIFY(!editor.window->isWindowModified());
    editor.click(QStringLiteral("cmdUpdate(%1)").arg(season));

    QCOMPARE(editor.desktop->messages.size(), 0);
    ConfigTable expected = load(path);
    for (int p = 0; p < 18; ++p)
        expected.Configs(position + 1).season(season).at(p) = qint16(values[p]);
    QVERIFY(editor.window->table() == expected);
    QCOMPARE(editor.find<QLabel>("lblNumber")->text(), QString::number(numbers[position]));
    QVERIFY(editor.window->isWindowModified());
    QCOMPARE(readAll(path), original);

    editor.click("cmdSave");
    QCOMPARE(editor.desktop->questions.size(), 1);
    QVERIFY(!editor.window->isWindowModified());
    QVERIFY(load(path) == expected);
}

void TestWindowEdit::badBoxStoresNothing_data() {
    QTest::addColumn<int>("season");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << 1 << 3 << ""
                           << "Summer Gusty: the box is empty";
    QTest::newRow("lone minus") << 2 << 0 << "-"
                                << "Autumn Start Day: \"-\" is not a whole number";
    QTest::newRow("minus behind") << 0 << 6 << "-5-"
                                  << "Spring Dry: \"-5-\" is not a whole number";
    QTest::newRow("pasted letters") << 1 << 16 << "12a"
                                    << "Summer Hot: \"12a\" is not";
    QTest::newRow("32768") << 3 << 17 << "32768"
                           << "Winter Very Hot: 32768 is above 32767.";
    QTest::newRow("-32769") << 0 << 1 << "-32769"
                            << "Spring Calm: -32769 is below -32768.";
}

// One bad box: nothing of the season is stored, the message names the box, and the box is shown
// with the focus and its text selected.
void TestWindowEdit::badBoxStoresNothing() {
    QFETCH(int, season);
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const Editor editor;
    activate(editor.window.get());
    editor.openThroughDialog(examplePath());
    editor.select(4);
    const ConfigTable before = editor.window->table();
    auto* tabs = editor.find<QTabWidget>("SSTab1");
    tabs->setCurrentIndex((season + 2) % 4);

    for (int p = 0; p < 18; ++p) // every other box holds a good new value
        editor.seasonBox(season, p)->setText(QString::number(freshValues(season)[p]));
    QLineEdit* bad = editor.seasonBox(season, position);
    bad->setText(text);
    editor.click(QStringLiteral("cmdUpdate(%1)").arg(season));

    QVERIFY(editor.window->table() == before);
    QVERIFY(!editor.window->isWindowModified());
    QCOMPARE(editor.desktop->messages.size(), 1);
    QCOMPARE(editor.desktop->messages[0].kind, Desktop::Message::Failure);
    QVERIFY2(editor.desktop->messages[0].text.startsWith(message),
             qPrintable(editor.desktop->messages[0].text));
    QCOMPARE(tabs->currentIndex(), season);
    QCOMPARE(QApplication::focusWidget(), bad);
    QCOMPARE(bad->selectedText(), text);
}

// Before a file is open there is nothing to name or update: those controls are off.
void TestWindowEdit::recordControlsNeedAFile() {
    const Editor editor;
    const QList<QWidget*> controls = {editor.find<QWidget>("txtName"), editor.txtVal(20),
                                      editor.txtStart(3), editor.find<QWidget>("cmdUpdate(1)")};
    for (const QWidget* control : controls)
        QVERIFY(!control->isEnabled());
    editor.openThroughDialog(examplePath());
    for (const QWidget* control : controls)
        QVERIFY(control->isEnabled());
}

void TestWindowEdit::keyFilter_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    // How it is typed: one key per character, with these modifiers; or committed by an input
    // method (dead keys, compose) when "input method" is set.
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("inputMethod");
    const auto row = [](const char* name, const char* box, const QString& typed,
                        const char* expected, int modifiers = Qt::NoModifier,
                        bool inputMethod = false) {
        QTest::newRow(name) << box << typed << expected << modifiers << inputMethod;
    };
    row("1, a, 2", "txtVal(5)", "1a2", "12");
    row("-5-", "txtVal(40)", "-5-", "-5-");
    row("blank, point, plus", "txtStart(2)", " 3.5+", "35");
    row("accented letter", "txtVal(67)", QString::fromUtf8("é7"), "7");
    row("long numbers", "txtVal(0)", "--0123456789--", "--0123456789--");
    row("the name box is not filtered", "txtName", "Wet 2a", "Wet 2a");
    row("AltGr (Ctrl+Alt)", "txtVal(0)", QString::fromUtf8("@€4"), "4",
        Qt::ControlModifier | Qt::AltModifier);
    row("input method", "txtVal(0)", QString::fromUtf8("é"), "", Qt::NoModifier, true);
    row("input method, mixed", "txtStart(0)", QString::fromUtf8("1é-2"), "1-2", Qt::NoModifier,
        true);
    row("input method, name box", "txtName", QString::fromUtf8("é"), "é", Qt::NoModifier, true);
}

void TestWindowEdit::keyFilter() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(int, modifiers);
    QFETCH(bool, inputMethod);
    const Editor editor;
    editor.openWithEmptyBoxes();
    auto* edit = editor.find<QLineEdit>(box);
    QVERIFY(edit);
    edit->clear();
    if (inputMethod) {
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QApplication::sendEvent(edit, &commit);
    }
    for (const QChar c : inputMethod ? QString() : typed) {
        const auto mods = Qt::KeyboardModifiers(modifiers);
        if (c.unicode() < 128) // QTest types ASCII only
            QTest::keyClick(edit, c.toLatin1(), mods);
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), mods);
    }
    QCOMPARE(edit->text(), expected);
}

// The usual editing keys and shortcuts work in every season box.
void TestWindowEdit::editingKeysWork() {
    const Editor editor;
    editor.openWithEmptyBoxes();
    activate(editor.window.get());
    for (int s = 0; s < 4; ++s) {
        for (int p = 0; p < 18; ++p) {
            QLineEdit* box = editor.seasonBox(s, p);
            editor.find<QTabWidget>("SSTab1")->setCurrentIndex(s);
            box->setFocus();
            QTest::keyClicks(box, "x123");
            QCOMPARE(box->text(), "123");
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), "12");
            QTest::keyClick(box, Qt::Key_Home);
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClick(box, Qt::Key_9);
            QCOMPARE(box->text(), "92");
            QTest::keyClick(box, Qt::Key_Left);
            QTest::keyClick(box, Qt::Key_Minus);
            QCOMPARE(box->text(), "-92");
            QTest::keyClick(box, Qt::Key_End);
            QTest::keyClick(box, Qt::Key_0);
            QCOMPARE(box->text(), "-920");
        }
    }
    QLineEdit* box = editor.txtVal(20);
    editor.find<QTabWidget>("SSTab1")->setCurrentIndex(1);
    box->setFocus();
    QTest::keySequence(box, QKeySequence::SelectAll);
    QTest::keySequence(box, QKeySequence::Cut);
    QCOMPARE(box->text(), "");
    QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(box->text(), "-920");
    QTest::keySequence(box, QKeySequence::SelectAll);
    QTest::keySequence(box, QKeySequence::Copy);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keySequence(box, QKeySequence::Paste);
    QCOMPARE(box->text(), "-920-920");
}

void TestWindowEdit::pastedTextIsNotFiltered() {
    const Editor editor;
    editor.openWithEmptyBoxes();
    activate(editor.window.get());
    QLineEdit* box = editor.txtVal(3);
    box->setFocus();
    QApplication::clipboard()->setText("4 x");
    QTest::keySequence(box, QKeySequence::Paste);
    QCOMPARE(box->text(), "4 x");
}

void TestWindowEdit::openFromMenuToolbarAndShortcut_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("File, Open") << "menu";
    QTest::newRow("toolbar button 1") << "toolbar";
    QTest::newRow("Ctrl+O") << "shortcut";
}

// They run the Open command before a load and after it.
void TestWindowEdit::openFromMenuToolbarAndShortcut() {
    QFETCH(QString, way);
    const Editor editor;
    editor.desktop->fileAnswers << examplePath();
    trigger(editor, way, 1, "mnuOpen", QKeySequence::Open);
    QCOMPARE(editor.desktop->fileRequests.size(), 1);
    QCOMPARE(editor.listed().size(), 8);

    trigger(editor, way, 1, "mnuOpen", QKeySequence::Open); // cancelled
    QCOMPARE(editor.desktop->fileRequests.size(), 2);
    QCOMPARE(editor.desktop->messages.size(), 0);
    QCOMPARE(editor.listed().size(), 8);
}

void TestWindowEdit::saveFromMenuToolbarAndShortcut_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("File, Save") << "menu";
    QTest::newRow("toolbar button 2") << "toolbar";
    QTest::newRow("Ctrl+S") << "shortcut";
}

void TestWindowEdit::saveFromMenuToolbarAndShortcut() {
    QFETCH(QString, way);
    QTemporaryDir dir;
    const QString path = dir.filePath("weather.cfg");
    QVERIFY(QFile::copy(examplePath(), path));
    const Editor editor;
    trigger(editor, way, 2, "mnuSave", QKeySequence::Save);
    QCOMPARE(editor.desktop->messages.size(), 1);
    QCOMPARE(editor.desktop->messages[0].text, "Open a configuration file first.");

    editor.openThroughDialog(path);
    editor.select(0);
    editor.txtStart(0)->setText("99");
    editor.click("cmdUpdate(0)");
    trigger(editor, way, 2, "mnuSave", QKeySequence::Save);
    QCOMPARE(editor.desktop->messages.size(), 1);
    QCOMPARE(load(path).Configs(1).Spring.StartDay, 99);
    QVERIFY(!editor.window->isWindowModified());
}

void TestWindowEdit::aboutBox() {
    const Editor editor;
    editor.find<QAction>("mnuAbout")->trigger();
    QCOMPARE(editor.desktop->messages.size(), 1);
    const FakeDesktop::Shown& about = editor.desktop->messages[0];
    QCOMPARE(about.kind, Desktop::Message::About);
    QCOMPARE(about.title, "Corvell's Pitchmaster 00-01 Weather Configurations Editor");
    const QStringList lines = about.text.split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].endsWith(' '));
    QVERIFY(!lines[1].isEmpty());
    const QUrl address(lines[2]);
    QVERIFY(address.isValid());
    QCOMPARE(address.scheme(), "https");
    // The link label shows the same address bare.
    QCOMPARE(editor.find<QLabel>("lblWebLink")->text(), address.host());
}

// A click opens the address; a desktop that cannot open it is reported in a message.
void TestWindowEdit::webLink_data() {
    QTest::addColumn<bool>("opens");
    QTest::newRow("browser starts") << true;
    QTest::newRow("no browser") << false;
}

void TestWindowEdit::webLink() {
    QFETCH(bool, opens);
    const Editor editor;
    editor.desktop->opensUrls = opens;
    auto* link = editor.find<QLabel>("lblWebLink");
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(editor.desktop->openedUrls.size(), 1);
    QCOMPARE(editor.desktop->openedUrls[0].host(), link->text());
    QCOMPARE(editor.desktop->openedUrls[0].scheme(), "https");
    QCOMPARE(editor.desktop->messages.size(), opens ? 0 : 1);
    if (!opens) {
        QCOMPARE(editor.desktop->messages[0].kind, Desktop::Message::Failure);
        QCOMPARE(editor.desktop->messages[0].text, "The web browser could not be started to show " +
                                                       editor.desktop->openedUrls[0].toString() +
                                                       ". Open the address in a browser yourself.");
    }
    QTest::mouseClick(link, Qt::RightButton);
    QCOMPARE(editor.desktop->openedUrls.size(), 1);
}

// The link is drawn in the palette's link colour, and follows a later change to a dark palette.
// With WEATHER_SCREENSHOT_DIR set, the dark window is saved there as window-dark.png.
void TestWindowEdit::webLinkTakesTheLinkColour() {
    const Editor editor;
    QPalette dark = editor.window->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(45, 45, 45));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(230, 230, 230));
    const QColor link(255, 170, 40);
    dark.setColor(QPalette::Link, link);
    editor.window->setPalette(dark);

    const QImage image = editor.find<QLabel>("lblWebLink")->grab().toImage();
    int inLinkColour = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inLinkColour += image.pixelColor(x, y).rgb() == link.rgb() ? 1 : 0;
    QVERIFY2(inLinkColour > 20, qPrintable(QString::number(inLinkColour)));

    if (const QString folder = qEnvironmentVariable("WEATHER_SCREENSHOT_DIR"); !folder.isEmpty()) {
        editor.openThroughDialog(examplePath());
        editor.select(1);
        QVERIFY(editor.window->grab().save(QDir(folder).filePath("window-dark.png")));
        // A highlight close to the base, with a changed and an invalid box on the tab.
        dark.setColor(QPalette::Highlight, QColor(55, 55, 62));
        editor.window->setPalette(dark);
        editor.seasonBox(0, 1)->setText("-30");
        editor.seasonBox(0, 2)->setText("32768");
        QVERIFY(editor.window->grab().save(QDir(folder).filePath("window-dark-highlight.png")));
    }
}

void TestWindowEdit::exit_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("updated");
    QTest::addColumn<int>("answer"); // a Desktop::Answer
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    const int save = int(Desktop::Answer::Save);
    const int discard = int(Desktop::Answer::Discard);
    const int cancel = int(Desktop::Answer::Cancel);
    QTest::newRow("nothing unsaved: Exit closes at once")
        << "cmdExit" << false << cancel << false << true << false;
    QTest::newRow("nothing unsaved: File, Exit")
        << "mnuExit" << false << cancel << false << true << false;
    QTest::newRow("Save") << "cmdExit" << true << save << false << true << true;
    QTest::newRow("Discard") << "mnuExit" << true << discard << false << true << false;
    QTest::newRow("Cancel") << "close button" << true << cancel << false << false << false;
    QTest::newRow("Save fails") << "cmdExit" << true << save << true << false << false;
}

void TestWindowEdit::exit() {
    QFETCH(QString, way);
    QFETCH(bool, updated);
    QFETCH(int, answer);
    QFETCH(bool, saveFails);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString folder = dir.filePath("data");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/weather.cfg";
    QVERIFY(QFile::copy(examplePath(), path));
    const Editor editor;
    editor.desktop->saveAnswers << Desktop::Answer(answer);
    editor.openThroughDialog(path);
    editor.select(1);
    if (updated) {
        editor.txtVal(0)->setText("1234");
        editor.click("cmdUpdate(0)");
    }
    if (saveFails)
        QVERIFY(QDir(folder).removeRecursively());

    if (way == "mnuExit")
        editor.find<QAction>("mnuExit")->trigger();
    else if (way == "cmdExit")
        editor.click("cmdExit");
    else
        editor.window->close();

    QCOMPARE(editor.window->isVisible(), !closes);
    QCOMPARE(editor.desktop->questions,
             updated ? QStringList{"Save changes to weather.cfg before closing?"} : QStringList());
    QCOMPARE(editor.desktop->details,
             updated ? QStringList{QDir::toNativeSeparators(path)} : QStringList());
    if (!saveFails)
        QCOMPARE(load(path).Configs(2).Spring.Wind[0], saved ? 1234 : 25);
    QCOMPARE(editor.desktop->messages.size(), saveFails ? 1 : 0);
}

void TestWindowEdit::tabOrderOnEachTab_data() {
    QTest::addColumn<int>("season");
    for (int s = 0; s < 4; ++s)
        QTest::addRow("%s", weather::seasonCaption(s)) << s;
}

// The start day, the seventeen values in their order, the tab's Update button, Save and Exit,
// then the open controls, the find box, the list and the name.
void TestWindowEdit::tabOrderOnEachTab() {
    QFETCH(int, season);
    const Editor editor;
    editor.openThroughDialog(examplePath());
    activate(editor.window.get());
    editor.find<QTabWidget>("SSTab1")->setCurrentIndex(season);
    editor.txtStart(season)->setFocus();

    QStringList expected;
    for (int p = 1; p < 18; ++p)
        expected << editor.seasonBox(season, p)->objectName();
    expected << QStringLiteral("cmdUpdate(%1)").arg(season) << "cmdSave"
             << "cmdExit"
             << "cmdOpen"
             << "txtFind"
             << "lstConfigs"
             << "txtName";
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestWindowEdit::tabOrderAroundTheTabs() {
    const Editor editor;
    editor.openThroughDialog(examplePath());
    activate(editor.window.get());
    auto* tabs = editor.find<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(2);
    // The cursor starts in the find box; the read-only path box is not in the Tab chain.
    QCOMPARE(QApplication::focusWidget(), editor.find<QWidget>("txtFind"));
    editor.find<QWidget>("cmdOpen")->setFocus();
    const QList<QWidget*> expected = {editor.find<QWidget>("txtFind"), editor.list(),
                                      editor.find<QWidget>("txtName"), tabs->tabBar(),
                                      editor.txtStart(2)};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    editor.find<QWidget>("cmdExit")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), editor.find<QWidget>("cmdOpen"));
}

// As a user would: open, select the third entry, type a new Summer Gusty, Update Summer, Save.
// The file differs from the original in that one value; closing after another update asks.
void TestWindowEdit::wholeRoad() {
    QTemporaryDir dir;
    const QString path = dir.filePath("weather.cfg");
    QVERIFY(QFile::copy(examplePath(), path));
    const QByteArray original = readAll(path);
    const Editor editor;
    activate(editor.window.get());

    editor.openThroughDialog(path);
    editor.select(2);
    QCOMPARE(editor.find<QLineEdit>("txtName")->text(), "Mediterranean");
    auto* tabBar = editor.find<QTabWidget>("SSTab1")->tabBar();
    QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(1).center());
    QLineEdit* gusty = editor.txtVal(17 + 2);
    QCOMPARE(gusty->accessibleName(), "Summer Gusty");
    QTest::mouseDClick(gusty, Qt::LeftButton);
    QTest::keySequence(gusty, QKeySequence::SelectAll);
    QTest::keyClicks(gusty, "77");
    editor.click("cmdUpdate(1)");
    editor.click("cmdSave");
    QCOMPARE(editor.desktop->messages.size(), 0);

    QList<QByteArray> lines = original.split('\n');
    const qsizetype summer = lines.indexOf("2 Mediterranean\r") + 2;
    QVERIFY(lines[summer].startsWith("SUMMER: 154, W16, W19, W30, "));
    lines[summer].replace("W30, ", "W77, ");
    QCOMPARE(readAll(path), lines.join('\n'));

    QTest::keyClicks(gusty, "1");
    editor.click("cmdUpdate(1)");
    editor.desktop->saveAnswers << Desktop::Answer::Discard;
    editor.click("cmdExit");
    QCOMPARE(editor.desktop->questions.size(), 1);
    QVERIFY(!editor.window->isVisible());
    QCOMPARE(readAll(path), lines.join('\n'));
}

// Names in menu texts: cut after 40 characters, never inside a character.
void TestWindowEdit::menuName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    const QString forty(40, u'a');
    const QString snowmen = QString::fromUtf8("\U0001F600").repeated(21); // 42 UTF-16 units
    QTest::newRow("short") << "Alpine Valley"
                           << "Alpine Valley";
    QTest::newRow("40 characters") << forty << forty;
    QTest::newRow("41 characters") << forty + "b" << QString(39, u'a') + QChar(0x2026);
    QTest::newRow("pair at the cut") << snowmen << snowmen.left(38) + QChar(0x2026);
    QTest::newRow("empty") << ""
                           << "";
}

void TestWindowEdit::menuName() {
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QCOMPARE(weather::menuName(name), shown);
}

// The season tabs and the list's width from the keyboard, wherever the cursor is.
void TestWindowEdit::viewKeys_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("find box") << "txtFind";
    QTest::newRow("list") << "lstConfigs";
    QTest::newRow("value box") << "txtVal(3)";
}

void TestWindowEdit::viewKeys() {
    QFETCH(QString, focus);
    const Editor editor;
    editor.openThroughDialog(examplePath());
    activate(editor.window.get());
    auto* tabs = editor.find<QTabWidget>("SSTab1");
    auto* splitter = editor.find<QSplitter>("splMain");
    auto* box = editor.find<QWidget>(focus);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 3); // round from Spring to Winter
    QTest::keyClick(box, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 0);
    const int list = splitter->sizes().first();
    QTest::keyClick(box, Qt::Key_Period, Qt::ControlModifier);
    QVERIFY2(splitter->sizes().first() > list, qPrintable(QString::number(list)));
    QTest::keyClick(box, Qt::Key_Comma, Qt::ControlModifier);
    QCOMPARE(splitter->sizes().first(), list);
    QCOMPARE(editor.window->shownSlot(), 1); // the list kept its selection
}

// A list width the user chose stays when another file opens, and in the next run.
void TestWindowEdit::chosenListWidthStays_data() {
    QTest::addColumn<bool>("drag");
    QTest::newRow("dragged") << true;
    QTest::newRow("View > Wider List") << false;
}

void TestWindowEdit::chosenListWidthStays() {
    QFETCH(bool, drag);
    const QTemporaryDir dir;
    int chosen = 0;
    {
        const Editor editor;
        editor.openThroughDialog(examplePath());
        auto* splitter = editor.find<QSplitter>("splMain");
        const int fitted = splitter->sizes().first();
        if (drag) {
            QSplitterHandle* handle = splitter->handle(1);
            const QPoint from = handle->rect().center();
            QTest::mousePress(handle, Qt::LeftButton, {}, from);
            QTest::mouseMove(handle, from + QPoint(60, 0));
            QTest::mouseRelease(handle, Qt::LeftButton, {}, from + QPoint(60, 0));
        } else {
            editor.find<QAction>("mnuWiderList")->trigger();
        }
        chosen = splitter->sizes().first();
        QVERIFY2(chosen > fitted, qPrintable(QStringLiteral("%1 %2").arg(chosen).arg(fitted)));
        editor.openNumberedFile(dir.filePath("other.cfg"));
        QCOMPARE(splitter->sizes().first(), chosen);
        QVERIFY(editor.window->close());
    }
    const Editor next(Editor::Settings::Kept);
    next.openThroughDialog(examplePath());
    QCOMPARE(next.find<QSplitter>("splMain")->sizes().first(), chosen);
}

// A name's "&" shows as itself in Undo's text, not as the mnemonic of the next letter.
void TestWindowEdit::undoTextShowsAmpersands() {
    const Editor editor;
    editor.openThroughDialog(examplePath());
    editor.rename("Salt & Pepper");
    editor.txtVal(0)->setText("77");
    editor.click("cmdUpdate(0)");
    QCOMPARE(editor.find<QAction>("mnuUndo")->text(), "&Undo Update Spring of Salt && Pepper");
}

QTEST_MAIN(TestWindowEdit)
#include "tst_window_edit.moc"
