// The editor window driven offscreen: its controls, Open, Save and showing a configuration.
#include "codepage.h"
#include "configfile.h"
#include "testfiles.h"
#include "translations.h"
#include "tst_window_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListView>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace testfiles;
using namespace windowtest;
using weather::Desktop;

namespace {

const QStringList Seasons = {"Spring", "Summer", "Autumn", "Winter"};
// The captions beside the seventeen value boxes of a season, top to bottom, column by column.
const QStringList ValueCaptions = {"Calm", "Breezy",  "Gusty",  "Strong",   "Gale",     "Dry",
                                   "Wet",  "Drizzle", "Shower", "Downpour", "Freezing", "Cold",
                                   "Mild", "Fine",    "Warm",   "Hot",      "Very Hot"};

QString caption(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(w))
        return box->title();
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    return {};
}

QString withoutMnemonic(QString text) {
    return text.remove('&');
}

// Whether the ink of `text`, drawn with `alignment` inside `rect`, stays inside it.
bool inkFits(const QFontMetrics& fm, const QString& text, const QRect& rect,
             Qt::Alignment alignment) {
    const QRect ink = fm.tightBoundingRect(text);
    int baseline = rect.top() + fm.ascent();
    if (alignment.testFlag(Qt::AlignVCenter))
        baseline = rect.top() + (rect.height() - fm.height()) / 2 + fm.ascent();
    return fm.horizontalAdvance(text) <= rect.width() && baseline + ink.top() >= rect.top() &&
           baseline + ink.bottom() <= rect.bottom();
}

QByteArray brokenFile() {
    QList<QByteArray> lines =
        fileLines("2", recordLines("0 First", 1) + recordLines("1 Second", 2));
    lines[18] = "WINTER: 1, W2"; // line 19, the Winter line of the second record
    return join(lines);
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void controlsCarryTheirNamesAndCaptions_data();
    void controlsCarryTheirNamesAndCaptions();
    void menuAndToolbar();
    void windowGrowsAroundTheRecord();
    void valueBoxSitsBesideItsCaption_data();
    void valueBoxSitsBesideItsCaption();
    void nothingIsClippedOrOutside();
    void extremeValuesShowInFull();
    void startsEmptyOnTheSpringTab();
    void dialogStartsInTheGamesDataFolder_data();
    void dialogStartsInTheGamesDataFolder();
    void openListsNamesAndShowsTheFirst_data();
    void openListsNamesAndShowsTheFirst();
    void cancelledOpenChangesNothing();
    void failedOpenChangesNothing();
    void showsTheSelectedEntry_data();
    void showsTheSelectedEntry();
    void showsByListPosition();
    void lostSelectionKeepsTheDisplay();
    void keyboardSelectionShows_data();
    void keyboardSelectionShows();
    void saveBeforeOpenWritesNothing();
    void saveAfterOpenGivesTheSameBytes();
    void failedSaveIsReported();
    void saveNoticesOutsideChanges_data();
    void saveNoticesOutsideChanges();
    void saveRefusesAPipe();
    void windows1252MatchesTheCodec();
    void messageBoxesShowPlainText_data();
    void messageBoxesShowPlainText();
    void questionButtons_data();
    void questionButtons();
};

void TestWindow::controlsCarryTheirNamesAndCaptions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("accessibleName");

    QTest::newRow("txtPath") << "txtPath"
                             << "QLineEdit" << (QDir::separator() == '/' ? "" : "c:\\")
                             << "Configuration Folder";
    QTest::newRow("cmdOpen") << "cmdOpen"
                             << "QPushButton"
                             << ""
                             << "Open";
    QTest::newRow("lstConfigs") << "lstConfigs"
                                << "weather::ConfigList"
                                << ""
                                << "Configurations";
    QTest::newRow("fraMain") << "fraMain"
                             << "QGroupBox"
                             << ""
                             << "";
    QTest::newRow("lblName") << "lblName"
                             << "QLabel"
                             << "Configuration Name"
                             << "";
    QTest::newRow("txtName") << "txtName"
                             << "QLineEdit"
                             << ""
                             << "Configuration Name";
    QTest::newRow("lblNumber") << "lblNumber"
                               << "QLabel"
                               << ""
                               << "Configuration Number";
    QTest::newRow("SSTab1") << "SSTab1"
                            << "QTabWidget"
                            << ""
                            << "";
    QTest::newRow("lblWebLink") << "lblWebLink"
                                << "QLabel"
                                << "weather.example"
                                << "Web Site";
    QTest::newRow("cmdSave") << "cmdSave"
                             << "QPushButton"
                             << "&Save"
                             << "Save";
    QTest::newRow("cmdExit") << "cmdExit"
                             << "QPushButton"
                             << "E&xit"
                             << "Exit";
    for (int s = 0; s < 4; ++s) {
        const auto row = [&](const char* group, const char* className, const QString& text,
                             const QString& accessible = {}) {
            const QString name = QStringLiteral("%1(%2)").arg(group).arg(s);
            QTest::newRow(qPrintable(name)) << name << className << text << accessible;
        };
        row("fraDetails", "QGroupBox", "Details");
        row("lblStart", "QLabel", "Start Day");
        row("txtStart", "QLineEdit", "", Seasons[s] + " Start Day");
        row("lblWind", "QLabel", "Wind");
        row("lblPrec", "QLabel", "Precipitation");
        row("lblWarmth", "QLabel", "Warmth");
        row("cmdUpdate", "QPushButton", "Update " + Seasons[s], "Update " + Seasons[s]);
    }
}

void TestWindow::controlsCarryTheirNamesAndCaptions() {
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QString, accessibleName);
    const Editor editor;
    const QList<QWidget*> found = editor.window->findChildren<QWidget*>(name);
    QCOMPARE(found.size(), 1);
    QVERIFY2(found[0]->inherits(qPrintable(className)), found[0]->metaObject()->className());
    QCOMPARE(::caption(found[0]), caption);
    QCOMPARE(found[0]->accessibleName(), accessibleName);
}

void TestWindow::menuAndToolbar() {
    const Editor editor;
    const QList<QAction*> bar = editor.window->menuBar()->actions();
    QCOMPARE(bar.size(), 4);
    QCOMPARE(bar[0]->text(), "&File");
    QVERIFY(bar[0]->menu());
    QCOMPARE(bar[1]->text(), "&Edit");
    QStringList edit;
    for (const QAction* item : bar[1]->menu()->actions())
        edit << (item->isSeparator() ? "-" : item->objectName());
    QCOMPARE(edit, QStringList({"mnuUndo", "mnuRedo", "-", "mnuDuplicate", "mnuDeleteLast", "-",
                                "mnuCopySeason", "mnuPasteSeason", "mnuCopyConfig",
                                "mnuPasteConfig", "mnuChangeValues", "-", "mnuRevertConfig",
                                "mnuRevertSeason", "-", "mnuFind"}));
    QCOMPARE(bar[2]->text(), "&View");
    QStringList view;
    for (const QAction* item : bar[2]->menu()->actions())
        view << (item->isSeparator() ? "-" : item->objectName());
    QCOMPARE(view, QStringList({"mnuWiderList", "mnuNarrowerList", "mnuResetList", "-",
                                "mnuNextSeason", "mnuPreviousSeason", "-", "mnuTable",
                                "mnuTableColumns"}));
    QCOMPARE(bar[3]->objectName(), "mnuAbout");
    QCOMPARE(bar[3]->text(), "&About");
    QVERIFY(!bar[3]->menu()); // a command on the bar itself

    const QList<QAction*> file = bar[0]->menu()->actions();
    QStringList fileItems;
    for (const QAction* item : file)
        fileItems << (item->isSeparator() ? "-" : item->text());
    QCOMPARE(fileItems,
             QStringList({"&Open", "Open &Recent", "&Save", "Export as &CSV...",
                          "&Import from CSV...", "Co&mpare with File...", "-", "E&xit"}));

    const auto* toolbar = editor.find<QToolBar>("Toolbar1");
    QVERIFY(toolbar);
    QVERIFY(!toolbar->isMovable());
    QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    const QList<QAction*> buttons = toolbar->actions();
    QCOMPARE(buttons.size(), 2);
    QCOMPARE(buttons[0]->text(), "Open");
    QCOMPARE(buttons[1]->text(), "Save");
    for (const QAction* b : buttons)
        QVERIFY(!b->icon().isNull());
}

// The record side takes what the window gains: the tabs grow and the bars lengthen while the
// boxes and the list keep their widths. Smaller than the default, the record side scrolls and
// Save and Exit stay in view.
void TestWindow::windowGrowsAroundTheRecord() {
    const Editor editor;
    QWidget* window = editor.window.get();
    const auto size = [&](const char* name) {
        window->layout()->activate();
        return editor.find<QWidget>(name)->size();
    };
    const auto inView = [&](const char* name) {
        const auto* w = editor.find<QWidget>(name);
        return window->rect().contains(QRect(w->mapTo(window, QPoint()), w->size()));
    };
    auto* scroller = editor.find<QScrollArea>("scrRecord");
    const QSize tabs = size("SSTab1");
    const QSize box = size("txtVal(0)");
    const QSize bar = size("barVal(0)");
    const int list = editor.list()->width();
    QCOMPARE(scroller->horizontalScrollBar()->maximum(), 0); // whole at the default size
    QCOMPARE(scroller->verticalScrollBar()->maximum(), 0);
    QVERIFY(window->maximumSize().width() > window->width());
    QVERIFY(window->minimumSize().width() <= 640 && window->minimumSize().height() <= 420);

    // The text grows with the room, and the boxes with it; the bars take the rest.
    window->resize(window->size() + QSize(300, 200));
    QCOMPARE(size("SSTab1").width(), tabs.width() + 300);
    QVERIFY(size("txtVal(0)").width() > box.width());
    QVERIFY(size("barVal(0)").width() > bar.width() + 40);
    QCOMPARE(editor.list()->width(), list);
    QCOMPARE(scroller->verticalScrollBar()->maximum(), 0);

    window->resize(640, 420);
    window->layout()->activate();
    QVERIFY(scroller->verticalScrollBar()->maximum() > 0);
    QVERIFY(inView("cmdSave") && inView("cmdExit"));
}

void TestWindow::valueBoxSitsBesideItsCaption_data() {
    QTest::addColumn<int>("n");
    for (int n = 0; n < 68; ++n)
        QTest::addRow("txtVal(%d) %s %s", n, qPrintable(Seasons[n / 17]),
                      qPrintable(ValueCaptions[n % 17]))
            << n;
}

// The box of each value sits on its season's tab, and the label nearest to its left on the same
// row carries the caption of the value it holds.
void TestWindow::valueBoxSitsBesideItsCaption() {
    QFETCH(int, n);
    const Editor editor;
    const int season = n / 17;
    const QString& expected = ValueCaptions[n % 17];
    QLineEdit* box = editor.txtVal(n);
    QVERIFY(box);
    auto* tabs = editor.find<QTabWidget>("SSTab1");
    QVERIFY(tabs->widget(season)->isAncestorOf(box));
    QCOMPARE(box->accessibleName(), Seasons[season] + ' ' + expected);
    tabs->setCurrentIndex(season); // a page is laid out when it is first shown

    const QLabel* beside = nullptr;
    for (QLabel* label : box->parentWidget()->findChildren<QLabel*>()) {
        const QRect r = label->geometry();
        const bool sameRow =
            r.top() <= box->geometry().center().y() && r.bottom() >= box->geometry().top() + 2;
        if (sameRow && r.x() < box->x() && (!beside || r.x() > beside->x()))
            beside = label;
    }
    QVERIFY(beside);
    QCOMPARE(beside->text(), expected);
    QCOMPARE(beside->objectName(), QStringLiteral("lblDesc(%1)").arg(n));
}

// WEATHER_TEST_LOCALE=de_DE runs the window in that locale's language, so that the layout checks
// see its captions.
void TestWindow::initTestCase() {
    const QString locale = qEnvironmentVariable("WEATHER_TEST_LOCALE");
    if (!locale.isEmpty())
        installTranslations(*QCoreApplication::instance(), QLocale(locale));
}

// Every caption can be read whole, and no control pokes out of its container.
void TestWindow::nothingIsClippedOrOutside() {
    const Editor editor;
    const auto* tabs = editor.find<QTabWidget>("SSTab1");
    for (int s = 0; s < tabs->count(); ++s) {
        tabs->widget(s)->ensurePolished();
        const QTabBar* bar = tabs->tabBar();
        QVERIFY2(bar->fontMetrics().horizontalAdvance(bar->tabText(s)) <= bar->tabRect(s).width(),
                 qPrintable(bar->tabText(s)));
    }
    // The widest values make the widest column totals.
    for (int s = 0; s < 4; ++s) {
        for (int p = 0; p < 18; ++p)
            editor.seasonBox(s, p)->setText("-32768");
    }
    QList<QWidget*> all = editor.window->centralWidget()->findChildren<QWidget*>();
    for (int s = 0; s < tabs->count(); ++s) // hidden pages are laid out when first shown
        const_cast<QTabWidget*>(tabs)->setCurrentIndex(s);
    int captions = 0;
    for (QWidget* w : all) {
        static const QRegularExpression ours("^(txt|cmd|lbl|lst|fra|SSTab)");
        if (!ours.match(w->objectName()).hasMatch())
            continue; // Qt's own parts of compound widgets
        const QString where = w->objectName();
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(where));
        const QString text = withoutMnemonic(caption(w));
        if (text.isEmpty() || qobject_cast<QLineEdit*>(w))
            continue;
        ++captions;
        if (const auto* label = qobject_cast<QLabel*>(w)) {
            QVERIFY2(inkFits(label->fontMetrics(), text, label->contentsRect(), label->alignment()),
                     qPrintable(where));
        } else if (const auto* button = qobject_cast<QAbstractButton*>(w)) {
            QVERIFY2(button->fontMetrics().horizontalAdvance(text) <= button->width() - 8,
                     qPrintable(where));
        } else if (const auto* box = qobject_cast<QGroupBox*>(w)) {
            QVERIFY2(box->fontMetrics().horizontalAdvance(text) <= box->width() / 2,
                     qPrintable(where));
        }
    }
    QVERIFY(captions >= 68 + 4 * 7 + 12); // every label, button, frame and total was looked at
}

// The widest values a box can hold fit in it without scrolling.
void TestWindow::extremeValuesShowInFull() {
    const Editor editor;
    for (int s = 0; s < 4; ++s) {
        for (int p = 0; p < 18; ++p) {
            QLineEdit* box = editor.seasonBox(s, p);
            box->setText("-32768");
            // The whole text fits inside the frame and margins: nothing scrolls out of view.
            const int inner =
                box->width() - 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4;
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) < inner,
                     qPrintable(box->objectName()));
        }
    }
}

void TestWindow::startsEmptyOnTheSpringTab() {
    const Editor editor;
    QCOMPARE(editor.find<QTabWidget>("SSTab1")->currentIndex(), 0);
    QCOMPARE(editor.find<QLabel>("lblNumber")->text(), "");
    QCOMPARE(editor.find<QLineEdit>("txtName")->text(), "");
    for (int s = 0; s < 4; ++s) {
        for (int p = 0; p < 18; ++p)
            QCOMPARE(editor.seasonBox(s, p)->text(), "");
    }
    QVERIFY(editor.find<QLineEdit>("txtPath")->isEnabled());
    QVERIFY(editor.find<QPushButton>("cmdOpen")->isEnabled());
    QCOMPARE(editor.listed().size(), 0);
}

void TestWindow::dialogStartsInTheGamesDataFolder_data() {
    QTest::addColumn<bool>("gameInstalled");
    QTest::newRow("game installed under Wine") << true;
    QTest::newRow("no game: the home folder") << false;
}

void TestWindow::dialogStartsInTheGamesDataFolder() {
#ifdef Q_OS_WIN
    QSKIP("the data folder is a fixed Windows path there");
#endif
    QFETCH(bool, gameInstalled);
    QTemporaryDir home;
    const QString data = home.filePath(".wine/drive_c/Program Files/Pitchmaster 00-01/data");
    if (gameInstalled)
        QVERIFY(QDir().mkpath(data));
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    const Editor editor;
    qputenv("HOME", oldHome);

    editor.click("cmdOpen");
    QCOMPARE(editor.desktop->fileRequests.size(), 1);
    const weather::OpenFileRequest& request = editor.desktop->fileRequests[0];
    QCOMPARE(QDir(request.folder).canonicalPath(),
             QDir(gameInstalled ? data : home.path()).canonicalPath());
    QCOMPARE(request.fileName, "weather.cfg");
    QCOMPARE(request.title, "Open Weather Configurations");
    QCOMPARE(request.filters, QStringList({"Weather configurations (*.cfg)", "All files (*)"}));
}

void TestWindow::openListsNamesAndShowsTheFirst_data() {
    QTest::addColumn<QString>("fileName");
    QTest::newRow("weather.cfg") << "weather.cfg";
    QTest::newRow("a renamed copy") << "coast-2001.txt";
    QTest::newRow("a short name") << "w";
}

void TestWindow::openListsNamesAndShowsTheFirst() {
    QFETCH(QString, fileName);
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    QVERIFY(QFile::copy(examplePath(), path));
    const Editor editor;
    editor.openThroughDialog(path);

    QCOMPARE(editor.desktop->messages.size(), 0);
    QCOMPARE(editor.listed(), QStringList({"Temperate Coast", "Northern Highlands", "Mediterranean",
                                           "Continental Plains", "Tropical Monsoon", "Desert Basin",
                                           "Alpine Valley", "Maritime Isles"}));
    const auto* txtPath = editor.find<QLineEdit>("txtPath");
    QCOMPARE(txtPath->text(), QDir::toNativeSeparators(dir.path() + '/'));
    QCOMPARE(txtPath->toolTip(), QDir::toNativeSeparators(path));
    QVERIFY(editor.find<QPushButton>("cmdOpen")->isEnabled());
    QCOMPARE(editor.window->loadedPath(), path);
    QCOMPARE(editor.window->table().ConfigCount, 8);
    QCOMPARE(editor.window->windowTitle(),
             fileName + "[*] - Corvell's Pitchmaster 00-01 Weather Configurations Editor");
    // The first configuration is on display.
    QCOMPARE(editor.find<QLineEdit>("txtName")->text(), "Temperate Coast");
    QCOMPARE(editor.currentRow(), 0);
}

void TestWindow::cancelledOpenChangesNothing() {
    const Editor editor;
    editor.click("cmdOpen"); // no answer: the user cancels
    QCOMPARE(editor.desktop->fileRequests.size(), 1);
    QCOMPARE(editor.desktop->messages.size(), 0);
    QCOMPARE(editor.find<QLineEdit>("txtPath")->text(), QDir::separator() == '/' ? "" : "c:\\");
    QVERIFY(editor.find<QLineEdit>("txtPath")->isEnabled());
    QVERIFY(editor.find<QPushButton>("cmdOpen")->isEnabled());
    QVERIFY(editor.window->loadedPath().isEmpty());
    QCOMPARE(editor.window->table(), weather::ConfigTable());
}

void TestWindow::failedOpenChangesNothing() {
    QTemporaryDir dir;
    const QString bad = dir.filePath("weather.cfg");
    QVERIFY(writeAll(bad, brokenFile()));
    const Editor editor;
    editor.openThroughDialog(bad);

    QCOMPARE(editor.desktop->messages.size(), 1);
    const FakeDesktop::Shown& shown = editor.desktop->messages[0];
    QCOMPARE(shown.kind, Desktop::Message::Failure);
    QVERIFY2(shown.text.contains(QDir::toNativeSeparators(bad) + ":19:"), qPrintable(shown.text));
    QCOMPARE(editor.window->table(), weather::ConfigTable());
    QCOMPARE(editor.listed(), QStringList());
    QCOMPARE(editor.find<QLineEdit>("txtPath")->text(), QDir::separator() == '/' ? "" : "c:\\");
    QVERIFY(editor.find<QLineEdit>("txtPath")->isEnabled());
    QVERIFY(editor.find<QPushButton>("cmdOpen")->isEnabled());
    QVERIFY(editor.window->loadedPath().isEmpty());

    // A missing file is reported the same way, and another file can still be opened.
    editor.openThroughDialog(dir.filePath("missing.cfg"));
    QCOMPARE(editor.desktop->messages.size(), 2);
    QVERIFY(editor.desktop->messages[1].text.contains(
        QDir::toNativeSeparators(dir.filePath("missing.cfg"))));
    editor.openThroughDialog(examplePath());
    QCOMPARE(editor.desktop->messages.size(), 2);
    QCOMPARE(editor.listed().size(), 8);
}

void TestWindow::showsTheSelectedEntry_data() {
    QTest::addColumn<QByteArray>("nameLine");
    QTest::addColumn<QList<int>>("values"); // 72 values, season by season
    QTest::addColumn<QString>("name");

    QList<int> negative;
    for (int i = 0; i < 72; ++i)
        negative << -1 - i * 7;
    QList<int> limits;
    for (int i = 0; i < 72; ++i)
        limits << (i % 3 == 0 ? -32768 : i % 3 == 1 ? 32767 : 0);
    QList<int> plain;
    for (int i = 0; i < 72; ++i)
        plain << i * 13;

    QTest::newRow("negative values") << QByteArray("1 Frost") << negative << "Frost";
    QTest::newRow("-32768, 32767 and 0") << QByteArray("1 Limits") << limits << "Limits";
    QTest::newRow("blanks at either end") << QByteArray("1   Spaced  ") << plain << "  Spaced  ";
    QTest::newRow("Windows-1252 bytes") << QByteArray("1 Caf\xe9 \x80 \x93Wet\x94") << plain
                                        << QString::fromUtf8("Café € \u201cWet\u201d");
}

void TestWindow::showsTheSelectedEntry() {
    QFETCH(QByteArray, nameLine);
    QFETCH(QList<int>, values);
    QFETCH(QString, name);
    QList<QByteArray> second = recordLines(nameLine);
    for (int s = 0; s < 4; ++s)
        second[6 + s] = seasonLine(s, values.mid(qsizetype(s) * 18, 18));
    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath("weather.cfg"),
                     join(fileLines("2", recordLines("0 Other", 3) + second))));
    const Editor editor;
    editor.openThroughDialog(dir.filePath("weather.cfg"));
    QCOMPARE(editor.desktop->messages.size(), 0);
    editor.select(1);

    QCOMPARE(editor.find<QLineEdit>("txtName")->text(), name);
    QCOMPARE(editor.listed()[1], name);
    QCOMPARE(editor.find<QLabel>("lblNumber")->text(), "1");
    for (int s = 0; s < 4; ++s) {
        for (int p = 0; p < 18; ++p)
            QCOMPARE(editor.seasonBox(s, p)->text(), QString::number(values[s * 18 + p]));
    }
    // Showing never writes the table.
    QCOMPARE(editor.window->table().Configs(2).Name, nameLine.mid(2));
}

// A file numbered 5, 6, 7 is shown by list position; the label shows the stored number.
void TestWindow::showsByListPosition() {
    QTemporaryDir dir;
    QVERIFY(!writeNumberedFile(dir.filePath("weather.cfg"), {5, 6, 7}).isEmpty());
    const Editor editor;
    editor.openThroughDialog(dir.filePath("weather.cfg"));
    for (int position : {2, 0, 1}) {
        editor.select(position);
        QCOMPARE(editor.find<QLabel>("lblNumber")->text(), QString::number(5 + position));
        QCOMPARE(editor.find<QLineEdit>("txtName")->text(),
                 QStringLiteral("Climate %1").arg(position + 1));
        const QList<int> summer = sampleValues((position + 1) * 4 + 1);
        QCOMPARE(editor.txtStart(1)->text(), QString::number(summer[0]));
        QCOMPARE(editor.txtVal(33)->text(), QString::number(summer[17]));
        QCOMPARE(editor.window->shownSlot(), position + 1);
    }
}

void TestWindow::lostSelectionKeepsTheDisplay() {
    const Editor editor;
    editor.openThroughDialog(examplePath());
    auto* list = editor.list();
    // Losing the selection leaves what is on display.
    editor.select(3);
    list->clearSelection();
    QCOMPARE(editor.find<QLineEdit>("txtName")->text(), "Continental Plains");
    QCOMPARE(editor.find<QLabel>("lblNumber")->text(), "3");
}

// Keys alone reach every entry, the first one included, after tabbing into the list.
void TestWindow::keyboardSelectionShows_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("slot");
    QTest::newRow("Home") << QList<int>{Qt::Key_Home} << 1;
    QTest::newRow("Up") << QList<int>{Qt::Key_Up} << 1;
    QTest::newRow("Page Up") << QList<int>{Qt::Key_PageUp} << 1;
    QTest::newRow("Down") << QList<int>{Qt::Key_Down} << 1;
    QTest::newRow("Down, Down") << QList<int>{Qt::Key_Down, Qt::Key_Down} << 2;
    QTest::newRow("End") << QList<int>{Qt::Key_End} << 8;
    QTest::newRow("End, Up") << QList<int>{Qt::Key_End, Qt::Key_Up} << 7;
}

void TestWindow::keyboardSelectionShows() {
    QFETCH(QList<int>, keys);
    QFETCH(int, slot);
    const Editor editor;
    editor.openThroughDialog(examplePath());
    auto* list = editor.list();
    list->setFocus(Qt::TabFocusReason);
    list->clearSelection(); // as when the entry on display is not listed
    QCOMPARE(editor.window->shownSlot(), 1);
    for (const int key : keys)
        QTest::keyClick(list, Qt::Key(key));
    QCOMPARE(editor.window->shownSlot(), slot);
    QCOMPARE(editor.find<QLineEdit>("txtName")->text(), editor.listed()[slot - 1]);
}

void TestWindow::saveBeforeOpenWritesNothing() {
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const Editor editor;
    editor.click("cmdSave");
    QDir::setCurrent(old);

    QCOMPARE(editor.desktop->messages.size(), 1);
    QCOMPARE(editor.desktop->messages[0].kind, Desktop::Message::Notice);
    QCOMPARE(editor.desktop->messages[0].text, "Open a configuration file first.");
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestWindow::saveAfterOpenGivesTheSameBytes() {
    QTemporaryDir dir;
    const QString path = dir.filePath("weather.cfg");
    QVERIFY(QFile::copy(examplePath(), path));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    const Editor editor;
    editor.openThroughDialog(path);
    editor.select(2);
    QVERIFY(writeAll(path, "changed on disk"));
    editor.desktop->overwriteAnswers << true;
    editor.click("cmdSave");
    QCOMPARE(editor.desktop->messages.size(), 0);
    QCOMPARE(readAll(path), readAll(examplePath()));
}

void TestWindow::failedSaveIsReported() {
    QTemporaryDir dir;
    const QString folder = dir.filePath("gone");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/weather.cfg";
    QVERIFY(QFile::copy(examplePath(), path));
    const Editor editor;
    editor.openThroughDialog(path);
    const weather::ConfigTable before = editor.window->table();
    QVERIFY(QDir(folder).removeRecursively());

    editor.click("cmdSave");
    QCOMPARE(editor.desktop->messages.size(), 1);
    QCOMPARE(editor.desktop->messages[0].kind, Desktop::Message::Failure);
    QVERIFY2(editor.desktop->messages[0].text.contains(QDir::toNativeSeparators(path)),
             qPrintable(editor.desktop->messages[0].text));
    QVERIFY(editor.window->table() == before);

    // The window goes on: once the folder is back, Save works.
    QVERIFY(QDir().mkpath(folder));
    editor.click("cmdSave");
    QCOMPARE(editor.desktop->messages.size(), 1);
    QCOMPARE(readAll(path), readAll(examplePath()));
}

// Save asks before it writes over a file that another program changed after it was opened, and
// writes back one that was deleted. What it saved is what the next save compares with.
void TestWindow::saveNoticesOutsideChanges_data() {
    QTest::addColumn<QList<int>>("outside"); // records written by another program; none: deleted
    QTest::addColumn<bool>("overwrite");     // the answer, when asked
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("saved");
    QTest::newRow("same size, Overwrite") << QList<int>{5, 7} << true << true << true;
    QTest::newRow("same size, Cancel") << QList<int>{5, 7} << false << true << false;
    QTest::newRow("other size, Cancel") << QList<int>{5, 6, 7} << false << true << false;
    QTest::newRow("same bytes again") << QList<int>{5, 6} << false << false << true;
    QTest::newRow("deleted") << QList<int>{} << false << false << true;
}

void TestWindow::saveNoticesOutsideChanges() {
    QFETCH(QList<int>, outside);
    QFETCH(bool, overwrite);
    QFETCH(bool, asked);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString path = dir.filePath("weather.cfg");
    const Editor editor;
    editor.openNumberedFile(path);
    editor.select(0);
    editor.txtStart(0)->setText("99");
    editor.click("cmdUpdate(0)");
    QByteArray theirs;
    if (outside.isEmpty())
        QVERIFY(QFile::remove(path));
    else
        theirs = writeNumberedFile(path, outside);
    editor.desktop->overwriteAnswers << overwrite;
    editor.click("cmdSave");

    const QString question = "weather.cfg was changed by another program after it was opened. "
                             "Overwrite it with the configurations in this window?";
    QCOMPARE(editor.desktop->questions, asked ? QStringList{question} : QStringList());
    QCOMPARE(readAll(path), saved ? weather::formatConfig(editor.window->table()) : theirs);
    QCOMPARE(editor.window->isWindowModified(), !saved);
    QCOMPARE(editor.window->table().Configs(1).season(0).StartDay, 99);
    QCOMPARE(editor.desktop->messages.size(), 0);
    if (saved) {
        editor.click("cmdSave");
        QCOMPARE(editor.desktop->questions.size(), asked ? 1 : 0);
    }
}

// A file opened through a FIFO (as "<(...)" opens one) holds no bytes to compare and cannot be
// replaced: Save asks nothing, says so in plain words, and the FIFO stays a FIFO.
void TestWindow::saveRefusesAPipe() {
#ifndef Q_OS_UNIX
    QSKIP("FIFOs are made with mkfifo here");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath("weather.cfg");
    const QByteArray fifoName = QFile::encodeName(path);
    QCOMPARE(::mkfifo(fifoName.constData(), 0600), 0);
    const QByteArray bytes = readAll(examplePath());
    std::thread writer([&] {
        QFile fifo(path);
        if (fifo.open(QIODevice::WriteOnly))
            fifo.write(bytes);
    });
    const Editor editor;
    (void)editor.window->openFile(path); // as from the command line: the window refuses FIFOs
    const int unblock = ::open(fifoName.constData(), O_RDONLY | O_NONBLOCK); // should Open fail
    writer.join();
    ::close(unblock);
    QCOMPARE(editor.listed().size(), 8);
    editor.select(0);
    editor.txtStart(0)->setText("99");
    editor.click("cmdUpdate(0)");
    editor.desktop->overwriteAnswers << true;
    editor.click("cmdSave");

    QCOMPARE(editor.desktop->questions, QStringList());
    QCOMPARE(editor.desktop->messages.size(), 1);
    QVERIFY2(editor.desktop->messages[0].text.contains(
                 QDir::toNativeSeparators(path) +
                 ": cannot save the file: it is a pipe or a device, not a regular file"),
             qPrintable(editor.desktop->messages[0].text));
    QVERIFY(QFileInfo::exists(path) && !QFileInfo(path).isFile());
    QVERIFY(editor.window->isWindowModified());
#endif
}

void TestWindow::windows1252MatchesTheCodec() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString ours = weather::fromWindows1252(all);
    QCOMPARE(ours.size(), 256);
    QCOMPARE(ours[0x80], QChar(0x20AC));
    QCOMPARE(ours[0x9F], QChar(0x0178));
    QCOMPARE(ours[0xE9], QChar(0xE9));
    QStringDecoder codec("windows-1252");
    if (!codec.isValid())
        QSKIP("this Qt has no Windows-1252 codec to compare with");
    const QString theirs = codec.decode(all);
    for (int b = 0; b < 256; ++b) {
        // The codec leaves the five undefined bytes to its own choice.
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            continue;
        QVERIFY2(ours[b] == theirs[b], qPrintable(QString::number(b, 16)));
    }
}

// The real boxes show a file's text as it is: a web page saved as weather.cfg is not markup.
// Only the About box shows rich text, for its link, and escapes everything else.
void TestWindow::messageBoxesShowPlainText_data() {
    QTest::addColumn<int>("box"); // a message, the save question or the About box
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown"); // rich text; empty: the text, as plain text
    const QString file = R"(C:/web%1/weather.cfg:2: but it holds "<html lang="en">")";
    QTest::newRow("message") << 0 << file << "";
    QTest::newRow("save question") << 1 << file << "";
    QTest::newRow("About box") << 2 << "Editor <b>1</b> & co \nhttps://weather.example/?a=1&b=2"
                               << "Editor &lt;b&gt;1&lt;/b&gt; &amp; co <br><a "
                                  "href=\"https://weather.example/?a=1&amp;b=2\">"
                                  "https://weather.example/?a=1&amp;b=2</a>";
}

void TestWindow::messageBoxesShowPlainText() {
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    Qt::TextFormat format = Qt::AutoText;
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* modal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!modal)
            return;
        format = modal->textFormat();
        seen = modal->text();
        modal->reject();
    });
    const auto desktop = weather::makeModalDesktop();
    if (box == 1)
        (void)desktop->askToSave(nullptr, "Editor", text, "/a/weather.cfg");
    else
        desktop->showMessage(nullptr,
                             box == 2 ? Desktop::Message::About : Desktop::Message::Failure,
                             "Editor", text);
    QCOMPARE(seen, shown.isEmpty() ? text : shown);
    QCOMPARE(format, shown.isEmpty() ? Qt::PlainText : Qt::RichText);
}

void TestWindow::questionButtons_data() {
    QTest::addColumn<int>("question");
    const char* names[] = {"message",   "save question", "update and save", "pending-edit question",
                           "overwrite", "delete"};
    for (int q = 0; q < 6; ++q)
        QTest::newRow(names[q]) << q;
}

// Every button of a question has an Alt key of its own, and Return never chooses a destructive
// one.
void TestWindow::questionButtons() {
    QFETCH(int, question);
    QStringList keys;
    QString problem = QStringLiteral("no question");
    QTimer::singleShot(0, [&] {
        auto* modal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!modal)
            return;
        problem.clear();
        for (QAbstractButton* button : modal->buttons()) {
            const QKeySequence key = QKeySequence::mnemonic(button->text());
            if (key.isEmpty() || keys.contains(key.toString()))
                problem = QStringLiteral("\"%1\" has no Alt key of its own").arg(button->text());
            keys << key.toString();
        }
        if (!modal->defaultButton() ||
            modal->buttonRole(modal->defaultButton()) == QMessageBox::DestructiveRole)
            problem = QStringLiteral("Return chooses a destructive button, or none");
        modal->reject();
    });
    const auto desktop = weather::makeModalDesktop();
    switch (question) {
    case 0:
        desktop->showMessage(nullptr, Desktop::Message::Failure, "Editor", "text");
        break;
    case 1:
        (void)desktop->askToSave(nullptr, "Editor", "text", "details");
        break;
    case 2:
        (void)desktop->askToUpdateAndSave(nullptr, "Editor", "text", "details");
        break;
    case 3:
        (void)desktop->askAboutPendingEdits(nullptr, "Editor", "text");
        break;
    case 4:
        (void)desktop->askToOverwrite(nullptr, "Editor", "text");
        break;
    default:
        (void)desktop->confirmDelete(nullptr, "Editor", "text");
        break;
    }
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
