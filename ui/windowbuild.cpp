// The window's construction: its menus, toolbar, list, season tabs and the arrangement that
// lets them grow with the window. The event procedures live in frmweather.cpp.
#include "frmweather.h"
#include "windowlayout.h"

#include "codepage.h"
#include "configfile.h"
#include "configlist.h"
#include "configtablemodel.h"
#include "csvfile.h"
#include "editcommands.h"
#include "fontzoom.h"
#include "importcommand.h"
#include "pendingedits.h"
#include "screenfit.h"
#include "seasonpage.h"
#include "seasontext.h"
#include "uitext.h"
#include "undokeys.h"

#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

#include <algorithm>
#include <limits>
#include <type_traits>
#include <vector>

namespace weather {

using namespace layout;

namespace {

// Font sizes in pixels (8.25, 9.75 and 12 points at 96 dots per inch) so that text scales with
// the layout. Liberation Sans is metric-compatible with the classic Windows dialog faces;
// Liberation Sans Narrow in bold comes closest to the condensed, heavy face of the web link.
// Windows lacks both, and a face it lacks loses glyphs there. It has Arial, whose metrics
// Liberation Sans copies, so every caption fits there as it does here; and Impact, the heavy
// condensed face itself. Each list names the faces in the order they are taken: Wine has
// neither Arial nor Impact of its own.
#ifdef Q_OS_WIN
QStringList dialogFaces() {
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
}
QStringList linkFaces() {
    return {QStringLiteral("Impact"), QStringLiteral("Liberation Sans Narrow")};
}
constexpr bool LinkBold = false; // Impact is heavy in itself
#else
QStringList dialogFaces() {
    return {QStringLiteral("Liberation Sans")};
}
QStringList linkFaces() {
    return {QStringLiteral("Liberation Sans Narrow")};
}
constexpr bool LinkBold = true;
#endif
QFont font(const QStringList& families, int pixels, bool bold = false, bool underline = false) {
    QFont f(families);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}
QFont controlFont(bool bold = false) {
    return font(dialogFaces(), 11, bold);
}
QFont linkFont() {
    return font(linkFaces(), 16, LinkBold, true);
}

template <typename W> W* named(W* widget, const QString& name, const QString& accessibleName = {}) {
    widget->setObjectName(name);
    if constexpr (std::is_base_of_v<QWidget, W>) {
        if (!accessibleName.isEmpty())
            widget->setAccessibleName(accessibleName);
    }
    return widget;
}

} // namespace

frmWeather::frmWeather(std::unique_ptr<Desktop> desktop, QWidget* parent)
    : QMainWindow(parent), desktop_(desktop ? std::move(desktop) : makeModalDesktop()) {
    setObjectName(QStringLiteral("frmWeather"));
    setWindowTitle(Caption);
    setAcceptDrops(true); // a file dropped on the window opens

    // Standard icons that come in several sizes (or from the desktop's scalable theme), so they
    // stay sharp at any scale factor; Qt's plain folder icons are 16-pixel bitmaps only.
    imgTollbar = {style()->standardIcon(QStyle::SP_DialogOpenButton),
                  style()->standardIcon(QStyle::SP_DialogSaveButton)};
    undoStack_ = new QUndoStack(this);
    undoStack_->setObjectName(QStringLiteral("undoStack"));
    undoKeys_ = new UndoKeys(this);
    connect(undoStack_, &QUndoStack::indexChanged, this, &frmWeather::updateModified);
    buildMenu();
    buildToolbar();
    buildClientArea();
    buildStatusBar();
    for (int s = 0; s < SeasonCount; ++s)
        seasonEdited(s);
    updateEditActions();
    enableRecordControls(false);

    setTabOrder();
    Form_Load();
    placeWindow();
}

frmWeather::~frmWeather() {
    // The children outlive this part of the window: Qt deletes them afterwards, and on the way
    // the stack clears itself and the box with the focus loses it (which would store a name).
    // Nothing they say then may reach the window.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void frmWeather::buildMenu() {
    mnuFile = named(menuBar()->addMenu(tr("&File")), QStringLiteral("mnuFile"));
    mnuOpen = named(mnuFile->addAction(tr("&Open")), QStringLiteral("mnuOpen"));
    mnuRecent = named(mnuFile->addMenu(tr("Open &Recent")), QStringLiteral("mnuRecent"));
    mnuRecent->menuAction()->setObjectName(QStringLiteral("mnuRecentMenu"));
    connect(mnuRecent, &QMenu::aboutToShow, this, &frmWeather::fillRecentMenu);
    fillRecentMenu();
    mnuSave = named(mnuFile->addAction(tr("&Save")), QStringLiteral("mnuSave"));
    mnuExportCsv =
        named(mnuFile->addAction(tr("Export as &CSV...")), QStringLiteral("mnuExportCsv"));
    mnuImportCsv =
        named(mnuFile->addAction(tr("&Import from CSV...")), QStringLiteral("mnuImportCsv"));
    mnuOpen->setStatusTip(tr("Opens a weather configuration file."));
    mnuSave->setStatusTip(tr("Writes the configurations back to the open file."));
    mnuExportCsv->setStatusTip(tr("Writes the configurations to a CSV file for a spreadsheet."));
    mnuImportCsv->setStatusTip(tr("Replaces the configurations with those of a CSV file."));
    mnuExportCsv->setEnabled(false); // until a file is open
    mnuImportCsv->setEnabled(false);
    mnuCompare =
        named(mnuFile->addAction(tr("Co&mpare with File...")), QStringLiteral("mnuCompare"));
    mnuCompare->setStatusTip(tr("Lists what differs between these configurations and those of "
                                "another file, and takes what you tick from it."));
    mnuCompare->setEnabled(false);
    connect(mnuCompare, &QAction::triggered, this, &frmWeather::mnuCompare_Click);
    mnuSep = named(mnuFile->addSeparator(), QStringLiteral("mnuSep"));
    mnuExit = named(mnuFile->addAction(tr("E&xit")), QStringLiteral("mnuExit"));
    buildEditMenu();
    buildViewMenu();
    mnuAbout = named(menuBar()->addAction(tr("&About")), QStringLiteral("mnuAbout"));
    // Beyond the classic menu: the shortcuts every desktop user expects.
    mnuOpen->setShortcut(QKeySequence::Open);
    mnuSave->setShortcut(QKeySequence::Save);
    QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
#ifdef Q_OS_WIN
    // Windows closes a window with Alt+F4; the menu names it there.
    quit = {QKeySequence(Qt::ALT | Qt::Key_F4)};
#else
    // Some platform themes bind nothing to Quit; Linux users expect Ctrl+Q all the same.
    if (const QKeySequence ctrlQ(Qt::CTRL | Qt::Key_Q); !quit.contains(ctrlQ))
        quit << ctrlQ;
#endif
    mnuExit->setShortcuts(quit);
    connect(mnuOpen, &QAction::triggered, this, &frmWeather::mnuOpen_Click);
    connect(mnuSave, &QAction::triggered, this, &frmWeather::mnuSave_Click);
    connect(mnuExportCsv, &QAction::triggered, this, &frmWeather::mnuExportCsv_Click);
    connect(mnuImportCsv, &QAction::triggered, this, &frmWeather::mnuImportCsv_Click);
    connect(mnuExit, &QAction::triggered, this, &frmWeather::mnuExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmWeather::mnuAbout_Click);
}

void frmWeather::buildEditMenu() {
    mnuEdit = named(menuBar()->addMenu(tr("&Edit")), QStringLiteral("mnuEdit"));
    mnuEdit->setToolTipsVisible(true);
    // Their text names the step they undo or redo: "Undo Update Summer of Alpine Valley".
    mnuUndo = named(mnuEdit->addAction(tr("&Undo")), QStringLiteral("mnuUndo"));
    mnuUndo->setShortcuts(QKeySequence::Undo);
    mnuRedo = named(mnuEdit->addAction(tr("&Redo")), QStringLiteral("mnuRedo"));
    mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(mnuUndo, &QAction::triggered, this, &frmWeather::mnuUndo_Click);
    connect(mnuRedo, &QAction::triggered, this, &frmWeather::mnuRedo_Click);
    connect(undoStack_, &QUndoStack::indexChanged, this, &frmWeather::updateUndoActions);
    connect(undoStack_, &QUndoStack::cleanChanged, this, &frmWeather::updateUndoActions);
    updateUndoActions();
    mnuEditSep = named(mnuEdit->addSeparator(), QStringLiteral("mnuEditSep"));
    mnuDuplicate =
        named(mnuEdit->addAction(tr("&Duplicate Configuration")), QStringLiteral("mnuDuplicate"));
    mnuDuplicate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuDuplicate->setStatusTip(tr("Appends a copy of the configuration on display as the last "
                                  "one."));
    mnuDeleteLast = named(mnuEdit->addAction(tr("Delete &Last Configuration")),
                          QStringLiteral("mnuDeleteLast"));
    mnuDeleteLast->setStatusTip(tr("Deletes the last configuration while it is on display. "
                                   "Configurations in the middle cannot be deleted, so the "
                                   "game's numbering stays unbroken."));
    for (QAction* item : {mnuDuplicate, mnuDeleteLast})
        item->setToolTip(item->statusTip());
    mnuEdit->addSeparator();
    mnuCopySeason = named(mnuEdit->addAction(tr("&Copy Season")), QStringLiteral("mnuCopySeason"));
    mnuCopySeason->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    mnuCopySeason->setStatusTip(tr("Puts the season in front on the clipboard as one row of a "
                                   "spreadsheet."));
    mnuPasteSeason =
        named(mnuEdit->addAction(tr("&Paste Season")), QStringLiteral("mnuPasteSeason"));
    mnuPasteSeason->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    mnuPasteSeason->setStatusTip(tr("Fills the season in front with 18 numbers from the "
                                    "clipboard, or 17 without the start day; Update keeps them. "
                                    "With several configurations selected, fills that season of "
                                    "each."));
    connect(mnuCopySeason, &QAction::triggered, this, &frmWeather::mnuCopySeason_Click);
    connect(mnuPasteSeason, &QAction::triggered, this, &frmWeather::mnuPasteSeason_Click);
    mnuCopyConfig =
        named(mnuEdit->addAction(tr("C&opy Configuration")), QStringLiteral("mnuCopyConfig"));
    mnuCopyConfig->setStatusTip(tr("Puts the four seasons of the configuration on display on "
                                   "the clipboard, as four rows of a spreadsheet."));
    mnuPasteConfig =
        named(mnuEdit->addAction(tr("Pas&te Configuration")), QStringLiteral("mnuPasteConfig"));
    mnuPasteConfig->setStatusTip(tr("Gives the selected configurations the four seasons on the "
                                    "clipboard; their names and numbers stay."));
    mnuChangeValues =
        named(mnuEdit->addAction(tr("Change &Values...")), QStringLiteral("mnuChangeValues"));
    mnuChangeValues->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    mnuChangeValues->setStatusTip(tr("Sets, adds to, multiplies or scales a value or a group "
                                     "in every selected configuration."));
    mnuEdit->addSeparator();
    mnuRevertConfig =
        named(mnuEdit->addAction(tr("Revert Co&nfiguration")), QStringLiteral("mnuRevertConfig"));
    mnuRevertConfig->setStatusTip(tr("Puts the selected configurations back as the file holds "
                                     "them."));
    mnuRevertSeason =
        named(mnuEdit->addAction(tr("Revert &Season")), QStringLiteral("mnuRevertSeason"));
    mnuRevertSeason->setStatusTip(tr("Puts the season in front of the selected configurations "
                                     "back as the file holds it."));
    connect(mnuCopyConfig, &QAction::triggered, this, &frmWeather::mnuCopyConfig_Click);
    connect(mnuPasteConfig, &QAction::triggered, this, &frmWeather::mnuPasteConfig_Click);
    connect(mnuChangeValues, &QAction::triggered, this, &frmWeather::mnuChangeValues_Click);
    connect(mnuRevertConfig, &QAction::triggered, this, &frmWeather::mnuRevertConfig_Click);
    connect(mnuRevertSeason, &QAction::triggered, this, &frmWeather::mnuRevertSeason_Click);
    mnuEdit->addSeparator();
    mnuFind = named(mnuEdit->addAction(tr("&Find...")), QStringLiteral("mnuFind"));
    mnuFind->setShortcuts(QKeySequence::Find);
    mnuFind->setStatusTip(tr("Narrows the list to the configurations whose name or number you "
                             "type."));
    connect(mnuFind, &QAction::triggered, this, [this] {
        txtFind->setFocus(Qt::ShortcutFocusReason);
        txtFind->selectAll();
    });
    connect(mnuDuplicate, &QAction::triggered, this, &frmWeather::mnuDuplicate_Click);
    connect(mnuDeleteLast, &QAction::triggered, this, &frmWeather::mnuDeleteLast_Click);
}

void frmWeather::buildToolbar() {
    Toolbar1 = named(addToolBar(QStringLiteral("Toolbar1")), QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu); // no menu to hide the toolbar
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const std::array<QString, 2> keys = {QStringLiteral("Open"), QStringLiteral("Save")};
    const std::array<QString, 2> texts = {tr("Open"), tr("Save")};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        QAction* button = Toolbar1->addAction(imgTollbar[i], texts[i]);
        button->setObjectName(keys[i]);
    }
    connect(Toolbar1, &QToolBar::actionTriggered, this, &frmWeather::Toolbar1_ButtonClick);
}

// The list side, on the left, takes every extra pixel: the find box, the list and the web link.
// The record side, on the right, keeps its arrangement at any size: the name, the season tabs,
// Save and Exit, in a scrolled pane when the window is smaller than they need.
void frmWeather::buildClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(controlFont());
    setCentralWidget(client);

    txtPath = named(new QLineEdit(client), QStringLiteral("txtPath"), tr("Configuration Folder"));
    txtPath->setReadOnly(true);
    txtPath->setFocusPolicy(Qt::ClickFocus); // read-only: out of the Tab chain
    cmdOpen = named(new QPushButton(imgTollbar[0], QString(), client), QStringLiteral("cmdOpen"),
                    tr("Open"));
    cmdOpen->setToolTip(tr("Open"));

    splMain = named(new QSplitter(Qt::Horizontal, client), QStringLiteral("splMain"));
    splMain->setChildrenCollapsible(false);
    auto* listSide = named(new QWidget(splMain), QStringLiteral("pnlList"));
    txtFind = named(new QLineEdit(listSide), QStringLiteral("txtFind"), tr("Find"));
    txtFind->setPlaceholderText(tr("Find a name or number"));
    txtFind->setClearButtonEnabled(true);
    txtFind->installEventFilter(this);
    txtFind->installEventFilter(undoKeys_); // Ctrl+Z with no typing to undo: Edit, Undo
    lblFindCount = named(new QLabel(listSide), QStringLiteral("lblFindCount"));
    auto* list = new ConfigList(listSide);
    lstConfigs = named(list, QStringLiteral("lstConfigs"), tr("Configurations"));
    list->configs()->records()->setTables(&table_, &fileTable_);
    lblWebLink = named(new QLabel(WebAddress.host(), listSide), QStringLiteral("lblWebLink"),
                       tr("Web Site"));
    lblWebLink->setFont(linkFont());
    // Drawn in the palette's link colour, which follows the desktop's theme, light or dark.
    lblWebLink->setForegroundRole(QPalette::Link);
    lblWebLink->setCursor(Qt::PointingHandCursor);
    lblWebLink->setToolTip(WebAddress.toString());
    lblWebLink->installEventFilter(this);

    // The record side: the name and the season tabs in a pane that scrolls when the window is
    // smaller than they need, Save and Exit below it always in view.
    auto* recordSide = named(new QWidget(splMain), QStringLiteral("pnlRecordSide"));
    auto* scroller = named(new QScrollArea(recordSide), QStringLiteral("scrRecord"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus); // Tab goes through the controls it holds
    scroller->setWidgetResizable(true);
    auto* record = named(new QWidget, QStringLiteral("pnlRecord"));
    fraMain = named(new QGroupBox(record), QStringLiteral("fraMain"));
    cmdSave =
        named(new QPushButton(tr("&Save"), recordSide), QStringLiteral("cmdSave"), tr("Save"));
    cmdExit =
        named(new QPushButton(tr("E&xit"), recordSide), QStringLiteral("cmdExit"), tr("Exit"));
    for (QPushButton* button : {cmdSave, cmdExit})
        button->setMinimumSize(belowToolbar(0, 0, 1815, 375).size());

    lblName = named(new QLabel(tr("Configuration Name"), fraMain), QStringLiteral("lblName"));
    txtName = named(new QLineEdit(fraMain), QStringLiteral("txtName"), tr("Configuration Name"));
    txtName->setMaxLength(std::numeric_limits<int>::max()); // whatever the file holds
    txtName->setMinimumWidth(twips(0, 0, 2175, 0).width());
    lblName->setBuddy(txtName);
    lblNumber = named(new QLabel(fraMain), QStringLiteral("lblNumber"), tr("Configuration Number"));
    QFont bold; // bold in whatever face and size the record side has
    bold.setBold(true);
    lblNumber->setFont(bold);
    lblNumber->setMinimumWidth(twips(0, 0, 615, 0).width());
    lblNumber->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SSTab1 = named(new QTabWidget(fraMain), QStringLiteral("SSTab1"));
    for (int s = 0; s < SeasonCount; ++s)
        SSTab1->addTab(buildSeason(s), seasonText(s));

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(lblName);
    nameRow->addWidget(txtName, 1);
    nameRow->addStretch(1);
    nameRow->addWidget(lblNumber);
    auto* frameLayout = new QVBoxLayout(fraMain);
    frameLayout->setContentsMargins(8, 8, 8, 8);
    frameLayout->addLayout(nameRow);
    frameLayout->addWidget(SSTab1, 1);
    auto* recordLayout = new QVBoxLayout(record);
    recordLayout->setContentsMargins(0, 0, 0, 0);
    recordLayout->addWidget(fraMain);
    scroller->setWidget(record);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdExit);
    auto* recordSideLayout = new QVBoxLayout(recordSide);
    recordSideLayout->setContentsMargins(0, 0, 0, 0);
    recordSideLayout->addWidget(scroller, 1);
    buildTable(recordSideLayout);
    recordSideLayout->addLayout(buttons);

    // The list side: as wide as the list always was, or as the find box's words need.
    const QRect oldList = belowToolbar(120, 840, 1575, 6300);
    auto* listLayout = new QVBoxLayout(listSide);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(2);
    listLayout->addWidget(txtFind);
    listLayout->addWidget(lblFindCount);
    listLayout->addWidget(lstConfigs, 1);
    const QRect linkPlace = belowToolbar(120, 7320, 2295, 375);
    listLayout->addSpacing(linkPlace.top() - oldList.bottom() - 1 - listLayout->spacing());
    listLayout->addWidget(lblWebLink);
    lblWebLink->setFixedHeight(linkPlace.height());
    lstConfigs->setMinimumHeight(4 * lstConfigs->fontMetrics().height());
    const int placeholder = txtFind->fontMetrics().horizontalAdvance(txtFind->placeholderText());
    // The placeholder, the clear button and the box's frame and margins.
    listSide->setMinimumWidth(std::max(oldList.width(), placeholder + 32));

    // The record side takes what the window gains; the list keeps what its names need.
    splMain->addWidget(listSide);
    splMain->addWidget(recordSide);
    splMain->setStretchFactor(0, 0);
    splMain->setStretchFactor(1, 1);
    const QPoint origin = belowToolbar(1800, 840, 0, 0).topLeft();
    splMain->setHandleWidth(origin.x() - oldList.right() - 1);
    // A drag leaves the list as wide as the user made it.
    connect(splMain, &QSplitter::splitterMoved, this, [this] { listWidthChosen_ = true; });

    auto* top = new QHBoxLayout;
    top->setSpacing(0);
    const QRect pathPlace = belowToolbar(120, 480, 4815, 285);
    const QRect openPlace = belowToolbar(5040, 480, 735, 315);
    txtPath->setFixedSize(pathPlace.size());
    cmdOpen->setFixedSize(openPlace.size());
    top->addWidget(txtPath);
    top->addSpacing(openPlace.left() - pathPlace.right() - 1);
    top->addWidget(cmdOpen);
    top->addStretch(1);

    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(oldList.left(), pathPlace.top(), oldList.left(),
                               ClientSize.height() - linkPlace.bottom() - 1);
    column->setSpacing(oldList.top() - openPlace.bottom() - 1);
    column->addLayout(top);
    column->addWidget(splMain, 1);

    connect(cmdOpen, &QPushButton::clicked, this, &frmWeather::cmdOpen_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmWeather::cmdSave_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmWeather::cmdExit_Click);
    // Selection, not the current row: a list that merely receives the focus has a current row
    // without anything selected, and shows nothing until a key or a click selects.
    connect(lstConfigs->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmWeather::lstConfigs_Click);
    // With several selected, the configuration on display follows the current entry.
    connect(lstConfigs->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmWeather::lstConfigs_Click);
    connect(lstConfigs->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmWeather::updateRevertActions);
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmWeather::updateRevertActions);
    // The question about typed values comes before a click or a key moves the selection.
    list->setSelectionGate([this](int row) {
        const int slot = lstConfigs->configs()->slotAt(row);
        return slot == shownSlot_ || settlePendingEdits();
    });
    connect(txtFind, &QLineEdit::textChanged, this, &frmWeather::txtFind_Change);
    // Enter, or leaving the box with a changed text.
    connect(txtName, &QLineEdit::editingFinished, this, &frmWeather::txtName_Validate);
    txtName->installEventFilter(undoKeys_);
}

QWidget* frmWeather::buildSeason(int s) {
    SeasonPage* page = pgSeason[s] = new SeasonPage(s);
    fraDetails[s] = page->frame();
    txtStart[s] = page->box(0);
    for (int k = 0; k < ValuesPerSeason; ++k)
        txtVal[s * ValuesPerSeason + k] = page->box(k + 1);
    cmdUpdate[s] = page->updateButton();
    for (int p = 0; p < SeasonValueCount; ++p) {
        QLineEdit* box = seasonBox(s, p);
        box->installEventFilter(this);
        box->installEventFilter(undoKeys_);
        connect(box, &QLineEdit::textChanged, this, [this, s] { seasonEdited(s); });
        // Enter runs the season's Update, as a default button would.
        connect(box, &QLineEdit::returnPressed, this, [this, s] { cmdUpdate_Click(s); });
    }
    connect(cmdUpdate[s], &QPushButton::clicked, this, [this, s] { cmdUpdate_Click(s); });
    return page;
}

// Tab goes through the Open button, the find box, the list, the name, the tab strip, then on
// each tab the start day, the values top to bottom column by column and the tab's Update
// button; then Save and Exit.
void frmWeather::setTabOrder() {
    std::vector<QWidget*> order = {cmdOpen, txtFind, lstConfigs, txtName, SSTab1};
    for (int s = 0; s < SeasonCount; ++s) {
        for (int p = 0; p < SeasonValueCount; ++p)
            order.push_back(seasonBox(s, p));
        order.push_back(cmdUpdate[s]);
    }
    order.insert(order.end(), {cmdSave, cmdExit});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// The size and place of the last run, where they fit the screens present; otherwise the
// default size, centred.
void frmWeather::placeWindow() {
    // The default size shows the record side whole beside the narrowest list; smaller, the
    // record side scrolls.
    auto* scroller = findChild<QScrollArea*>(QStringLiteral("scrRecord"));
    // The default size gives the bars their preferred length.
    const QSize normal = scroller->widget()->sizeHint();
    scroller->setMinimumSize(normal);
    layout()->activate();
    const QSize standard = minimumSizeHint();
    const int recordWidth = scroller->minimumWidth();
    scroller->setMinimumSize(160, 120);
    // A larger window shows the record side in larger text rather than around empty space.
    new FontZoom(scroller, scroller->widget(), normal, scroller->widget()->font());
    setMinimumSize(640, 420);
    resize(standard);
    splMain->setSizes({splMain->widget(0)->minimumWidth(), recordWidth});
    const QSettings settings;
    if (restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray())) {
        splMain->restoreState(settings.value(QStringLiteral("window/splitter")).toByteArray());
        // A width the user chose stays through the files opened later; else the list fits them.
        listWidthChosen_ = settings.value(QStringLiteral("window/listWidthChosen")).toBool();
    } else if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    fitOnScreen();
}

// Keeps the window, title bar included, within a screen present: a saved place may come from
// other screens, and the default size may be larger than a small or scaled screen.
void frmWeather::fitOnScreen() {
    if (isMaximized() || isFullScreen())
        return;
    QList<QRect> screens;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary != nullptr)
        screens << primary->availableGeometry();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            screens << screen->availableGeometry();
    }
    // Before it is first shown the window has no frame yet: allow for a title bar.
    QMargins frame(geometry().left() - frameGeometry().left(),
                   geometry().top() - frameGeometry().top(),
                   frameGeometry().right() - geometry().right(),
                   frameGeometry().bottom() - geometry().bottom());
    if (frame.isNull())
        frame.setTop(style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
    const QRect outer = geometry().marginsAdded(frame);
    const QRect fitted = fitOnScreens(outer, screens);
    if (fitted != outer)
        setGeometry(fitted.marginsRemoved(frame));
}

// Until the user drags the splitter, the list is as wide as its longest name needs, within
// what the find box needs and a limit of about forty characters; the record side takes the rest.
void frmWeather::fitListToNames() {
    if (listWidthChosen_ || splMain->count() < 2)
        return;
    constexpr int MostCharacters = 40;
    const QFontMetrics metrics = lstConfigs->fontMetrics();
    const int limit = metrics.averageCharWidth() * MostCharacters;
    int widest = 0;
    for (int k = 1; k <= table_.recordCount() && widest < limit; ++k)
        widest =
            std::max(widest, metrics.horizontalAdvance(fromWindows1252(table_.Configs(k).Name)));
    // The list's frame, margins and vertical scroll bar.
    const int chrome = 2 * lstConfigs->frameWidth() + 8 +
                       lstConfigs->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int listWidth =
        std::max(splMain->widget(0)->minimumWidth(), std::min(widest, limit) + chrome);
    const QList<int> sizes = splMain->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (total > 0)
        splMain->setSizes({listWidth, std::max(total - listWidth, 0)});
}

void frmWeather::saveWindowPlace() const {
    QSettings settings;
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("window/splitter"), splMain->saveState());
    settings.setValue(QStringLiteral("window/listWidthChosen"), listWidthChosen_);
}

} // namespace weather
