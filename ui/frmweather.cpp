#include "frmweather.h"

#include "codepage.h"
#include "columntotals.h"
#include "configfile.h"
#include "configlist.h"
#include "csvfile.h"
#include "editcommands.h"
#include "importcommand.h"
#include "pendingedits.h"
#include "seasontext.h"
#include "uitext.h"
#include "undokeys.h"
#include "weblink.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QUndoStack>

#include <algorithm>
#include <type_traits>
#include <vector>

namespace weather {

const QString frmWeather::Caption =
    QStringLiteral("Corvell's Pitchmaster 00-01 Weather Configurations Editor[*]");
const QUrl frmWeather::WebAddress(QStringLiteral("https://weather.example/"));

namespace {

// The layout is drawn in twips; 15 twips are one logical pixel, so the window keeps its
// arrangement and proportions at any scale factor.
constexpr int TwipsPerPixel = 15;

constexpr QRect twips(int left, int top, int width, int height) {
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
            height / TwipsPerPixel};
}

// The layout's client area includes the toolbar along its top edge; the window's own toolbar
// sits above the central widget, so everything below it moves up by the toolbar's height.
constexpr int ToolbarTwips = 420;
constexpr QRect belowToolbar(int left, int top, int width, int height) {
    return twips(left, top - ToolbarTwips, width, height);
}
constexpr QSize ClientSize = twips(0, 0, 10890, 7755 - ToolbarTwips).size();

// Font sizes in pixels (8.25, 9.75 and 12 points at 96 dots per inch) so that text scales with
// the layout. Liberation Sans is metric-compatible with the classic Windows dialog faces;
// Liberation Sans Narrow in bold comes closest to the condensed, heavy face of the web link.
QFont font(const char* family, int pixels, bool bold = false, bool underline = false) {
    QFont f(QString::fromLatin1(family));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}
QFont controlFont(bool bold = false) {
    return font("Liberation Sans", 11, bold);
}
QFont headingFont() {
    return font("Liberation Sans", 13, true);
}
QFont linkFont() {
    return font("Liberation Sans Narrow", 16, true, true);
}

// A column of a season frame: its heading and the values listed under it.
struct Column {
    int firstPosition; // season position of its first value
    int headingLeft;
    int headingHeight;
    int labelLeft;
    int boxLeft;
};
constexpr std::array<Column, 3> Columns = {{
    {1, 120, 195, 120, 1440},                                    // Wind
    {1 + WindCount, 2880, 315, 3360, 4560},                      // Precipitation
    {1 + WindCount + PrecipitationCount, 5520, 195, 6360, 7560}, // Warmth
}};
// Number of values in column `c`.
constexpr int rowsOf(std::size_t c) {
    return (c + 1 < Columns.size() ? Columns[c + 1].firstPosition : SeasonValueCount) -
           Columns[c].firstPosition;
}
// The item of lblTotal under `column` of `season`.
constexpr std::size_t totalIndex(int season, std::size_t column) {
    return static_cast<std::size_t>(season) * Columns.size() + column;
}
constexpr int HeadingTop = 1080;
constexpr int HeadingWidth = 2760;
constexpr int FirstRowTop = 2040;
constexpr int RowPitch = 240;
// The column totals share one line below the longest column.
constexpr int TotalTop = FirstRowTop + WarmthCount * RowPitch + 60;
constexpr int TotalHeight = 255;

// One value row of a season frame: value box k holds season position k + 1 and sits in
// `column` at `row`; its caption is valueCaption(position).
struct ValueRow {
    int position;
    int column;
    int row;
};
constexpr std::array<ValueRow, ValuesPerSeason> ValueRows = [] {
    std::array<ValueRow, ValuesPerSeason> rows{};
    int column = 0;
    for (int k = 0; k < ValuesPerSeason; ++k) {
        const int position = k + 1;
        while (column + 1 < int(Columns.size()) && position >= Columns[column + 1].firstPosition)
            ++column;
        rows[k] = {position, column, position - Columns[column].firstPosition};
    }
    return rows;
}();

QString indexedName(const char* group, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(group)).arg(index);
}

template <typename W> W* named(W* widget, const QString& name, const QString& accessibleName = {}) {
    widget->setObjectName(name);
    if constexpr (std::is_base_of_v<QWidget, W>) {
        if (!accessibleName.isEmpty())
            widget->setAccessibleName(accessibleName);
    }
    return widget;
}

// A season box's width: the reference width, or more when the face in use is too wide to show
// the widest value, "-32768", whole (QLineEdit keeps a 2-pixel margin inside its frame).
int widthForAnyValue(const QLineEdit* box) {
    constexpr int InnerMargin = 2;
    constexpr int Cursor = 1;
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    const int needed = box->fontMetrics().horizontalAdvance(QStringLiteral("-32768")) +
                       2 * (frame + InnerMargin) + Cursor;
    return std::max(box->width(), needed);
}

// The folder of `path` in native separators, ending in a separator.
QString folderOf(const QString& path) {
    QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

} // namespace

frmWeather::frmWeather(std::unique_ptr<Desktop> desktop, QWidget* parent)
    : QMainWindow(parent), desktop_(desktop ? std::move(desktop) : makeModalDesktop()) {
    setObjectName(QStringLiteral("frmWeather"));
    setWindowTitle(Caption);
    // Fixed, dialog-style border: no minimise or maximise button, not resizable.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    // Standard icons that come in several sizes (or from the desktop's scalable theme), so they
    // stay sharp at any scale factor; Qt's plain folder icons are 16-pixel bitmaps only.
    imgTollbar = {style()->standardIcon(QStyle::SP_DialogOpenButton),
                  style()->standardIcon(QStyle::SP_DialogSaveButton)};
    undoStack_ = new QUndoStack(this);
    undoStack_->setObjectName(QStringLiteral("undoStack"));
    undoKeys_ = new UndoKeys(this);
    connect(undoStack_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    buildMenu();
    buildToolbar();
    buildClientArea();
    for (int s = 0; s < SeasonCount; ++s)
        seasonEdited(s);
    updateEditActions();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder();
    Form_Load();
    centreOnScreen();
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
    mnuSave = named(mnuFile->addAction(tr("&Save")), QStringLiteral("mnuSave"));
    mnuExportCsv =
        named(mnuFile->addAction(tr("Export as &CSV...")), QStringLiteral("mnuExportCsv"));
    mnuImportCsv =
        named(mnuFile->addAction(tr("&Import from CSV...")), QStringLiteral("mnuImportCsv"));
    mnuExportCsv->setEnabled(false); // until a file is open
    mnuImportCsv->setEnabled(false);
    mnuSep = named(mnuFile->addSeparator(), QStringLiteral("mnuSep"));
    mnuExit = named(mnuFile->addAction(tr("E&xit")), QStringLiteral("mnuExit"));
    buildEditMenu();
    mnuAbout = named(menuBar()->addAction(tr("&About")), QStringLiteral("mnuAbout"));
    // Beyond the classic menu: the shortcuts every desktop user expects.
    mnuOpen->setShortcut(QKeySequence::Open);
    mnuSave->setShortcut(QKeySequence::Save);
    mnuExit->setShortcut(QKeySequence::Quit);
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
    // Their text names the step they undo or redo: "Undo Update Summer".
    mnuUndo = named(undoStack_->createUndoAction(mnuEdit, tr("&Undo")), QStringLiteral("mnuUndo"));
    mnuUndo->setShortcuts(QKeySequence::Undo);
    mnuRedo = named(undoStack_->createRedoAction(mnuEdit, tr("&Redo")), QStringLiteral("mnuRedo"));
    mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnuEdit->addActions({mnuUndo, mnuRedo});
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

void frmWeather::buildClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ClientSize);
    client->setFont(controlFont());
    setCentralWidget(client);

    txtPath = named(new QLineEdit(client), QStringLiteral("txtPath"), tr("Configuration Folder"));
    cmdOpen = named(new QPushButton(imgTollbar[0], QString(), client), QStringLiteral("cmdOpen"),
                    tr("Open"));
    cmdOpen->setToolTip(tr("Open"));
    lstConfigs = named(new ConfigList(client), QStringLiteral("lstConfigs"), tr("Configurations"));
    lstConfigs->setSelectionMode(QAbstractItemView::SingleSelection);
    lstConfigs->setUniformItemSizes(true); // lets a list of thousands fill quickly
    fraMain = named(new QGroupBox(client), QStringLiteral("fraMain"));
    lblWebLink =
        named(new QLabel(WebAddress.host(), client), QStringLiteral("lblWebLink"), tr("Web Site"));
    lblWebLink->setFont(linkFont());
    // Drawn in the palette's link colour, which follows the desktop's theme, light or dark.
    lblWebLink->setForegroundRole(QPalette::Link);
    lblWebLink->setCursor(Qt::PointingHandCursor);
    lblWebLink->setToolTip(WebAddress.toString());
    lblWebLink->installEventFilter(this);
    cmdSave = named(new QPushButton(tr("&Save"), client), QStringLiteral("cmdSave"), tr("Save"));
    cmdExit = named(new QPushButton(tr("E&xit"), client), QStringLiteral("cmdExit"), tr("Exit"));

    lblName = named(new QLabel(tr("Configuration Name"), fraMain), QStringLiteral("lblName"));
    txtName = named(new QLineEdit(fraMain), QStringLiteral("txtName"), tr("Configuration Name"));
    lblNumber = named(new QLabel(fraMain), QStringLiteral("lblNumber"), tr("Configuration Number"));
    lblNumber->setFont(controlFont(true));
    SSTab1 = named(new QTabWidget(fraMain), QStringLiteral("SSTab1"));
    for (int s = 0; s < SeasonCount; ++s)
        SSTab1->addTab(buildSeason(s), seasonText(s));

    const struct {
        QWidget* control;
        QRect place;
    } placements[] = {
        {txtPath, belowToolbar(120, 480, 4815, 285)},
        {cmdOpen, belowToolbar(5040, 480, 735, 315)},
        {lstConfigs, belowToolbar(120, 840, 1575, 6300)},
        {fraMain, belowToolbar(1800, 840, 9015, 6375)},
        {lblWebLink, belowToolbar(120, 7320, 2295, 375)},
        {cmdSave, belowToolbar(7080, 7320, 1815, 375)},
        {cmdExit, belowToolbar(9000, 7320, 1815, 375)},
        {lblName, twips(120, 240, 1575, 255)},
        {txtName, twips(1920, 240, 2175, 285)},
        {lblNumber, twips(8160, 240, 615, 255)},
        {SSTab1, twips(120, 720, 8775, 5535)},
    };
    for (const auto& p : placements)
        p.control->setGeometry(p.place);

    connect(cmdOpen, &QPushButton::clicked, this, &frmWeather::cmdOpen_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmWeather::cmdSave_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmWeather::cmdExit_Click);
    // Selection, not the current row: a list that merely receives the focus has a current row
    // without anything selected, and shows nothing until a key or a click selects.
    connect(lstConfigs, &QListWidget::itemSelectionChanged, this, &frmWeather::lstConfigs_Click);
    // Enter, or leaving the box with a changed text.
    connect(txtName, &QLineEdit::editingFinished, this, &frmWeather::txtName_Validate);
    txtName->installEventFilter(undoKeys_);
}

QWidget* frmWeather::buildSeason(int s) {
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);

    // The frame lies directly below the row of tabs, centred across the tab control.
    QGroupBox* frame = fraDetails[s] =
        named(new QGroupBox(tr("Details"), page), indexedName("fraDetails", s));
    frame->setFixedSize(twips(0, 0, 8535, 5055).size());
    pageLayout->addWidget(frame, 0, Qt::AlignTop | Qt::AlignHCenter);

    lblStart[s] = named(new QLabel(valueText(0), frame), indexedName("lblStart", s));
    lblStart[s]->setGeometry(twips(240, 360, 735, 255));
    txtStart[s] = named(new QLineEdit(frame), indexedName("txtStart", s), valueNameText(s, 0));
    txtStart[s]->setGeometry(twips(1320, 360, 735, 285));
    txtStart[s]->setFixedWidth(widthForAnyValue(txtStart[s]));
    txtStart[s]->installEventFilter(this);

    const struct {
        std::array<QLabel*, SeasonCount>& group;
        const char* name;
    } headings[] = {
        {lblWind, "lblWind"},
        {lblPrec, "lblPrec"},
        {lblWarmth, "lblWarmth"},
    };
    for (std::size_t c = 0; c < Columns.size(); ++c) {
        QLabel* heading = headings[c].group[s] =
            named(new QLabel(columnText(int(c)), frame), indexedName(headings[c].name, s));
        heading->setFont(headingFont());
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        heading->setGeometry(
            twips(Columns[c].headingLeft, HeadingTop, HeadingWidth, Columns[c].headingHeight));
    }

    for (int k = 0; k < ValuesPerSeason; ++k) {
        const ValueRow& row = ValueRows[k];
        const Column& column = Columns[row.column];
        const int n = s * ValuesPerSeason + k;
        const int top = FirstRowTop + row.row * RowPitch;
        lblDesc[n] = named(new QLabel(valueText(row.position), frame), indexedName("lblDesc", n));
        lblDesc[n]->setGeometry(twips(column.labelLeft, top, 1215, 255));
        txtVal[n] =
            named(new QLineEdit(frame), indexedName("txtVal", n), valueNameText(s, row.position));
        txtVal[n]->setGeometry(twips(column.boxLeft, top, 615, 285));
        txtVal[n]->setFixedWidth(widthForAnyValue(txtVal[n]));
        txtVal[n]->installEventFilter(this);
    }

    for (std::size_t c = 0; c < Columns.size(); ++c) {
        const QRect lastBox = seasonBox(s, Columns[c].firstPosition + rowsOf(c) - 1)->geometry();
        const int left = Columns[c].labelLeft / TwipsPerPixel;
        const std::size_t n = totalIndex(s, c);
        QLabel* total = lblTotal[n] =
            named(new QLabel(frame), indexedName("lblTotal", int(n)), columnTotalName(s, int(c)));
        total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        total->setGeometry(left, TotalTop / TwipsPerPixel, lastBox.right() + 1 - left,
                           TotalHeight / TwipsPerPixel);
    }
    for (int p = 0; p < SeasonValueCount; ++p) {
        QLineEdit* box = seasonBox(s, p);
        box->installEventFilter(undoKeys_);
        connect(box, &QLineEdit::textChanged, this, [this, s] { seasonEdited(s); });
        // Enter runs the season's Update, as a default button would.
        connect(box, &QLineEdit::returnPressed, this, [this, s] { cmdUpdate_Click(s); });
    }

    cmdUpdate[s] =
        named(new QPushButton(updateText(s), frame), indexedName("cmdUpdate", s), updateText(s));
    cmdUpdate[s]->setGeometry(twips(7080, 4560, 1335, 375));
    connect(cmdUpdate[s], &QPushButton::clicked, this, [this, s] { cmdUpdate_Click(s); });
    return page;
}

// Tab goes through the open controls, the name, the tab strip, then on each tab the start day,
// the values top to bottom column by column and the tab's Update button; then the list, Save
// and Exit.
void frmWeather::setTabOrder() {
    std::vector<QWidget*> order = {txtPath, cmdOpen, txtName, SSTab1};
    for (int s = 0; s < SeasonCount; ++s) {
        for (int p = 0; p < SeasonValueCount; ++p)
            order.push_back(seasonBox(s, p));
        order.push_back(cmdUpdate[s]);
    }
    order.insert(order.end(), {lstConfigs, cmdSave, cmdExit});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmWeather::centreOnScreen() {
    adjustSize();
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

// Runs once, before the window is first shown.
void frmWeather::Form_Load() {
#ifdef Q_OS_WIN
    dlgOpen.folder = QStringLiteral("C:\\Program Files\\Pitchmaster 00-01\\data\\");
    txtPath->setText(QStringLiteral("c:\\"));
#else
    // The game runs under Wine here: its data folder in the default prefix, when installed.
    const QString data = QDir::home().filePath(
        QStringLiteral(".wine/drive_c/Program Files/Pitchmaster 00-01/data/"));
    dlgOpen.folder = QFileInfo(data).isDir() ? data : QDir::homePath();
    txtPath->setText(QStringLiteral("/"));
#endif
    dlgOpen.fileName = QStringLiteral("weather.cfg");
    dlgOpen.filters = {tr("Weather Files (weather.cfg)"), tr("All files (*)")};
    SSTab1->setCurrentIndex(Spring);
}

void frmWeather::cmdOpen_Click() {
    const QString path = desktop_->chooseFileToOpen(this, dlgOpen);
    if (path.isEmpty())
        return; // cancelled
    openFile(path);
}

bool frmWeather::openFile(const QString& path) {
    if (const auto error = loadConfigFile(path, table_, &loadedStamp_)) {
        showFailure(error->toString());
        return false;
    }
    loadedPath_ = path;
    dlgOpen.folder = QFileInfo(path).absolutePath();
    dlgOpen.fileName = QFileInfo(path).fileName();

    undoStack_->clear();
    refreshList();

    txtPath->setText(folderOf(path));
    txtPath->setEnabled(false);
    cmdOpen->setEnabled(false);
    mnuExportCsv->setEnabled(true);
    mnuImportCsv->setEnabled(true);
    return true;
}

void frmWeather::cmdSave_Click() {
    if (settlePendingEdits())
        save();
}

bool frmWeather::save() {
    if (loadedPath_.isEmpty()) {
        showNotice(tr("Open a configuration file first."));
        return false;
    }
    if (!mayOverwrite())
        return false;
    const QByteArray bytes = formatConfig(table_);
    if (const auto error = writeFileAtomically(loadedPath_, bytes)) {
        showFailure(tr("The file was not saved.\n%1").arg(error->toString()));
        return false;
    }
    loadedStamp_ = FileStamp::of(bytes);
    undoStack_->setClean();
    return true;
}

bool frmWeather::mayOverwrite() {
    if (diskState(loadedPath_, loadedStamp_) != DiskState::Changed)
        return true;
    const QString question = tr("%1 was changed by another program after it was opened. "
                                "Overwrite it with the configurations in this window?")
                                 .arg(QFileInfo(loadedPath_).fileName());
    return desktop_->askToOverwrite(this, title(), question);
}

// Shows the selected configuration: list position p is slot p + 1. Edits not yet updated are
// asked about first; when the user cancels, the selection goes back.
void frmWeather::lstConfigs_Click() {
    const QModelIndexList selected = lstConfigs->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int slot = selected.first().row() + 1;
    if (slot == shownSlot_)
        return;
    if (!settlePendingEdits()) {
        selectEntry(shownSlot_);
        return;
    }
    showRecord(slot);
}

void frmWeather::showRecord(int slot) {
    shownSlot_ = slot;
    showName(slot);
    for (int s = 0; s < SeasonCount; ++s)
        showSeason(slot, s);
    updateEditActions();
}

void frmWeather::showName(int slot) {
    const WeatherConfig& config = table_.Configs(slot);
    const QString name = fromWindows1252(config.Name);
    if (QListWidgetItem* entry = lstConfigs->item(slot - 1))
        entry->setText(name);
    if (slot != shownSlot_)
        return;
    txtName->setText(name);
    lblNumber->setText(QString::number(config.Number));
}

void frmWeather::showSeason(int slot, int season) {
    if (slot != shownSlot_)
        return;
    const SeasonWeather& values = table_.Configs(slot).season(season);
    for (int p = 0; p < SeasonValueCount; ++p)
        seasonBox(season, p)->setText(QString::number(values.at(p)));
    seasonEdited(season); // the record may have changed under texts that did not
}

void frmWeather::showSlot(int slot) {
    selectEntry(slot);
    if (slot > 0)
        showRecord(slot);
    else
        clearShown();
}

void frmWeather::selectEntry(int slot) {
    const QSignalBlocker quiet(lstConfigs);
    if (QListWidgetItem* entry = lstConfigs->item(slot - 1)) {
        lstConfigs->setCurrentItem(entry);
        lstConfigs->scrollToItem(entry);
    } else {
        lstConfigs->clearSelection();
    }
}

void frmWeather::clearShown() {
    shownSlot_ = 0;
    txtName->clear();
    lblNumber->clear();
    for (int s = 0; s < SeasonCount; ++s) {
        for (int p = 0; p < SeasonValueCount; ++p)
            seasonBox(s, p)->clear();
    }
    updateEditActions();
}

void frmWeather::refreshList() {
    QStringList names;
    names.reserve(table_.recordCount());
    for (int slot = 1; slot <= table_.recordCount(); ++slot)
        names << fromWindows1252(table_.Configs(slot).Name);
    {
        const QSignalBlocker quiet(lstConfigs);
        lstConfigs->clear();
        lstConfigs->addItems(names);
    }
    if (shownSlot_ > table_.recordCount())
        clearShown();
    else
        selectEntry(shownSlot_);
    updateEditActions();
}

void frmWeather::updateEditActions() {
    mnuDuplicate->setEnabled(shownSlot_ > 0);
    mnuDeleteLast->setEnabled(shownSlot_ > 0 && shownSlot_ == table_.recordCount());
}

QStringList frmWeather::seasonTexts(int season) const {
    QStringList texts;
    texts.reserve(SeasonValueCount);
    for (int p = 0; p < SeasonValueCount; ++p)
        texts << seasonBox(season, p)->text();
    return texts;
}

void frmWeather::seasonEdited(int season) {
    const QStringList texts = seasonTexts(season);
    const bool pending =
        shownSlot_ > 0 && seasonDiffers(table_.Configs(shownSlot_).season(season), texts);
    const QString caption = seasonTabText(season, pending);
    if (SSTab1->tabText(season) != caption)
        SSTab1->setTabText(season, caption);
    for (std::size_t c = 0; c < Columns.size(); ++c) {
        lblTotal[totalIndex(season, c)]->setText(
            columnTotalText(texts.mid(Columns[c].firstPosition, rowsOf(c))));
    }
}

QList<int> frmWeather::pendingSeasons() const {
    QList<int> seasons;
    if (shownSlot_ == 0)
        return seasons;
    for (int s = 0; s < SeasonCount; ++s) {
        if (seasonDiffers(table_.Configs(shownSlot_).season(s), seasonTexts(s)))
            seasons << s;
    }
    return seasons;
}

bool frmWeather::settlePendingEdits() {
    if (!txtName_Validate())
        return false;
    const QList<int> seasons = pendingSeasons();
    if (seasons.isEmpty())
        return true;
    const QString question =
        pendingQuestion(seasons, fromWindows1252(table_.Configs(shownSlot_).Name));
    switch (desktop_->askAboutPendingEdits(this, title(), question)) {
    case Desktop::PendingAnswer::Update: {
        // All seasons or none: the first bad box stops the action before anything is stored.
        std::vector<SeasonWeather> values;
        for (const int s : seasons) {
            const auto read = readSeason(s);
            if (!read)
                return false;
            values.push_back(*read);
        }
        for (std::size_t i = 0; i < values.size(); ++i)
            commitSeason(seasons[qsizetype(i)], values[i]);
        return true;
    }
    case Desktop::PendingAnswer::Discard:
        for (const int s : seasons)
            showSeason(shownSlot_, s);
        return true;
    case Desktop::PendingAnswer::Cancel:
        break;
    }
    return false;
}

bool frmWeather::txtName_Validate() {
    if (shownSlot_ == 0)
        return true;
    const QString stored = fromWindows1252(table_.Configs(shownSlot_).Name);
    if (txtName->text() == stored)
        return true;
    EncodedName name = encodeName(txtName->text());
    if (!name.ok()) {
        // Back to the stored name first: the message box takes the focus, which ends editing
        // again.
        txtName->setText(stored);
        showFailure(nameProblemText(name) + QLatin1Char('\n') + tr("The name was not changed."));
        return false;
    }
    undoStack_->push(new RenameCommand(*this, shownSlot_, std::move(name.bytes)));
    return true;
}

void frmWeather::mnuDuplicate_Click() {
    if (shownSlot_ == 0)
        return;
    switch (appendProblem(table_)) {
    case AppendProblem::TableFull:
        showNotice(tr("The file holds %1 configurations, as many as it can: there is no room "
                      "for a copy.")
                       .arg(ConfigTable::MaxRecords));
        return;
    case AppendProblem::NumberOverflow:
        showNotice(tr("The last configuration has the largest number there is: a copy cannot "
                      "be numbered after it."));
        return;
    case AppendProblem::None:
        break;
    }
    if (settlePendingEdits())
        undoStack_->push(LastRecordCommand::duplicate(*this, shownSlot_));
}

void frmWeather::mnuDeleteLast_Click() {
    const int last = table_.recordCount();
    if (shownSlot_ == 0 || shownSlot_ != last)
        return;
    const WeatherConfig& config = table_.Configs(last);
    const QString question =
        tr("Delete the last configuration, %1 \"%2\"? Edit, Undo brings it back.")
            .arg(QString::number(config.Number), fromWindows1252(config.Name));
    if (desktop_->confirmDelete(this, title(), question))
        undoStack_->push(LastRecordCommand::deleteLast(*this));
}

QLineEdit* frmWeather::seasonBox(int season, int position) const {
    return position == 0 ? txtStart[season] : txtVal[season * ValuesPerSeason + position - 1];
}

void frmWeather::mnuOpen_Click() {
    if (cmdOpen->isEnabled())
        cmdOpen_Click();
}

void frmWeather::mnuSave_Click() {
    cmdSave_Click();
}

OpenFileRequest frmWeather::csvRequest() const {
    const QFileInfo near(csvPath_.isEmpty() ? loadedPath_ : csvPath_);
    return {near.absolutePath(),
            near.completeBaseName() + QStringLiteral(".csv"),
            {tr("CSV files (*.csv)"), tr("All files (*)")}};
}

void frmWeather::mnuExportCsv_Click() {
    if (loadedPath_.isEmpty())
        return;
    const QString path = desktop_->chooseFileToSave(this, csvRequest());
    if (path.isEmpty())
        return; // cancelled
    if (const auto error = saveCsvFile(path, table_)) {
        showFailure(tr("The CSV file was not written.") + QLatin1Char('\n') + error->toString());
        return;
    }
    csvPath_ = path;
}

// Replaces every configuration with those of a CSV file, as one step that can be undone.
void frmWeather::mnuImportCsv_Click() {
    if (loadedPath_.isEmpty() || !settlePendingEdits())
        return;
    const QString path = desktop_->chooseFileToOpen(this, csvRequest());
    if (path.isEmpty())
        return; // cancelled
    ConfigTable imported;
    if (const auto error = loadCsvFile(path, imported)) {
        showFailure(error->toString());
        return;
    }
    csvPath_ = path;
    undoStack_->push(new ImportCommand(table_, std::move(imported), [this] { refreshList(); }));
}

void frmWeather::Toolbar1_ButtonClick(QAction* Button) {
    switch (Toolbar1->actions().indexOf(Button) + 1) {
    case 1:
        mnuOpen_Click();
        break;
    case 2:
        mnuSave_Click();
        break;
    default:
        break;
    }
}

// Commits the boxes of season Index to the configuration on display: all eighteen or none.
void frmWeather::cmdUpdate_Click(int Index) {
    if (Index < 0 || Index >= SeasonCount)
        return;
    const int s = Index;
    if (shownSlot_ == 0) {
        showNotice(tr("Select a configuration in the list first: there is nothing to update "
                      "yet."));
        return;
    }
    if (const auto values = readSeason(s))
        commitSeason(s, *values);
}

std::optional<SeasonWeather> frmWeather::readSeason(int season) {
    SeasonWeather values;
    for (int p = 0; p < SeasonValueCount; ++p) {
        QLineEdit* box = seasonBox(season, p);
        const BoxValue value = readBoxValue(box->text());
        if (!value.ok()) {
            SSTab1->setCurrentIndex(season);
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
            showFailure(
                tr("%1\nNothing was updated.")
                    .arg(boxProblemMessage(valueNameText(season, p), box->text(), value.problem)));
            return std::nullopt;
        }
        values.at(p) = value.value;
    }
    return values;
}

// An update that changes nothing is no step to undo; it only tidies the boxes ("007" to "7").
void frmWeather::commitSeason(int season, const SeasonWeather& values) {
    if (values == table_.Configs(shownSlot_).season(season))
        showSeason(shownSlot_, season);
    else
        undoStack_->push(new UpdateSeasonCommand(*this, shownSlot_, season, values));
}

void frmWeather::cmdExit_Click() {
    close();
}

void frmWeather::mnuExit_Click() {
    close();
}

// Closing with updates that were not saved asks first; a failed save keeps the window open.
void frmWeather::closeEvent(QCloseEvent* event) {
    if (!settlePendingEdits()) {
        event->ignore();
        return;
    }
    if (!isWindowModified()) {
        event->accept();
        return;
    }
    const QString question =
        tr("Save changes to %1 before closing?").arg(QDir::toNativeSeparators(loadedPath_));
    switch (desktop_->askToSave(this, title(), question)) {
    case Desktop::Answer::Save:
        event->setAccepted(save());
        break;
    case Desktop::Answer::Discard:
        event->accept();
        break;
    case Desktop::Answer::Cancel:
        event->ignore();
        break;
    }
}

QString frmWeather::aboutText() {
    return tr("Weather Configurations Editor for Pitchmaster 00-01, version %1 \n"
              "Edits the game's weather.cfg. Free software under the MIT licence.\n%2")
        .arg(QStringLiteral(WEATHER_EDITOR_VERSION), WebAddress.toString());
}

void frmWeather::mnuAbout_Click() {
    desktop_->showMessage(this, Desktop::Message::About, title(), aboutText());
}

void frmWeather::lblWebLink_Click() {
    openWebLink(*desktop_, this, title(), WebAddress);
}

void frmWeather::txtStart_KeyPress(int Index, int& KeyAscii) {
    Q_UNUSED(Index);
    filterSeasonKey(KeyAscii);
}

void frmWeather::txtVal_KeyPress(int Index, int& KeyAscii) {
    Q_UNUSED(Index);
    filterSeasonKey(KeyAscii);
}

QString frmWeather::typedIntoSeasonBox(QObject* box, const QString& text) {
    auto* const start = std::find(txtStart.begin(), txtStart.end(), box);
    auto* const value = std::find(txtVal.begin(), txtVal.end(), box);
    if (start == txtStart.end() && value == txtVal.end())
        return text;
    QString kept;
    for (const QChar c : text) {
        int KeyAscii = c.unicode();
        if (start != txtStart.end())
            txtStart_KeyPress(int(start - txtStart.begin()), KeyAscii);
        else
            txtVal_KeyPress(int(value - txtVal.begin()), KeyAscii);
        if (KeyAscii != 0)
            kept += QChar(KeyAscii);
    }
    return kept;
}

bool frmWeather::seasonBoxTakes(QObject* box, const QKeyEvent& key) {
    // Shortcuts (copy, cut, paste, undo, select all) type nothing and are not filtered: the
    // combinations with Ctrl, which a line edit never types. AltGr arrives as Ctrl+Alt and
    // types characters, so it is filtered like any other key that types.
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return true;
    return typedIntoSeasonBox(box, key.text()) == key.text();
}

bool frmWeather::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return !seasonBoxTakes(watched, *static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::InputMethod) {
        // Text an input method commits (dead keys, compose, IBus) is typed too.
        auto* input = static_cast<QInputMethodEvent*>(event);
        const QString kept = typedIntoSeasonBox(watched, input->commitString());
        if (kept != input->commitString())
            input->setCommitString(kept, input->replacementStart(), input->replacementLength());
        return false;
    }
    if (watched == lblWebLink && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            lblWebLink->rect().contains(mouse->position().toPoint()))
            lblWebLink_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

QString frmWeather::title() {
    return QString(Caption).remove(QStringLiteral("[*]"));
}

void frmWeather::showFailure(const QString& text) {
    desktop_->showMessage(this, Desktop::Message::Failure, title(), text);
}

void frmWeather::showNotice(const QString& text) {
    desktop_->showMessage(this, Desktop::Message::Notice, title(), text);
}

} // namespace weather
