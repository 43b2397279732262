#include "frmweather.h"
#include "windowlayout.h"

#include "codepage.h"
#include "columntotals.h"
#include "configfile.h"
#include "configlist.h"
#include "csvfile.h"
#include "editcommands.h"
#include "importcommand.h"
#include "pendingedits.h"
#include "recentfiles.h"
#include "seasontext.h"
#include "uitext.h"
#include "undokeys.h"

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
#include <QTimer>
#include <QToolBar>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QUndoStack>

#include <algorithm>
#include <limits>
#include <type_traits>
#include <vector>

namespace weather {

const QString frmWeather::Caption =
    QStringLiteral("Corvell's Pitchmaster 00-01 Weather Configurations Editor[*]");
const QUrl frmWeather::WebAddress(QStringLiteral("https://weather.example/"));

using layout::Columns;
using layout::rowsOf;
using layout::totalIndex;

namespace {

// The folder of `path` in native separators, ending in a separator.
QString folderOf(const QString& path) {
    QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}


} // namespace

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

// Open works whenever the window is up: typed values and unsaved changes are settled first.
void frmWeather::cmdOpen_Click() {
    if (!mayReplaceFile())
        return;
    const QString path = desktop_->chooseFileToOpen(this, dlgOpen);
    if (path.isEmpty())
        return; // cancelled
    openFile(path);
}

bool frmWeather::mayReplaceFile() {
    if (loadedPath_.isEmpty())
        return true;
    if (!settlePendingEdits())
        return false;
    if (!isWindowModified())
        return true;
    const QString question = tr("Save changes to %1 before opening another file?")
                                 .arg(QDir::toNativeSeparators(loadedPath_));
    switch (desktop_->askToSave(this, title(), question)) {
    case Desktop::Answer::Save:
        return save();
    case Desktop::Answer::Discard:
        return true;
    case Desktop::Answer::Cancel:
        break;
    }
    return false;
}

void frmWeather::openAfterQuestions(const QString& path) {
    if (mayReplaceFile())
        openFile(path);
}

// Loads `path` in place of the open file. A file that fails to load changes nothing: the table,
// the display and the undo history stay as they were.
bool frmWeather::openFile(const QString& path) {
    ConfigTable loaded;
    FileStamp stamp;
    if (const auto error = loadConfigFile(path, loaded, &stamp)) {
        showFailure(error->toString());
        return false;
    }
    table_.swap(loaded);
    loadedStamp_ = stamp;
    loadedPath_ = path;
    dlgOpen.folder = QFileInfo(path).absolutePath();
    dlgOpen.fileName = QFileInfo(path).fileName();
    csvPath_.clear();

    fileTable_ = table_;
    undoStack_->clear();
    shownSlot_ = 0;
    refreshList();
    showSlot(table_.recordCount() > 0 ? 1 : 0);
    updateModified();

    setWindowFilePath(path);
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(QFileInfo(path).fileName(), title()));
    txtPath->setText(folderOf(path));
    txtPath->setToolTip(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    mnuExportCsv->setEnabled(true);
    mnuImportCsv->setEnabled(true);
    enableRecordControls(true);
    RecentFiles::add(path);
    tellCount(table_.recordCount(), QFileInfo(path).fileName(),
              tr("Opened 1 configuration from %1"),
              tr("Opened %1 configurations from %2"));
    return true;
}

void frmWeather::enableRecordControls(bool enable) {
    txtName->setEnabled(enable);
    for (QGroupBox* frame : fraDetails)
        frame->setEnabled(enable);
}

void frmWeather::fillRecentMenu() {
    mnuRecent->clear();
    const QStringList files = RecentFiles::list();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = mnuRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        item->setObjectName(QStringLiteral("mnuRecentFile(%1)").arg(i));
        connect(item, &QAction::triggered, this, [this, path] {
            if (!QFileInfo::exists(path)) {
                RecentFiles::remove(path);
                fillRecentMenu();
                showFailure(tr("%1 no longer exists. It was removed from the recent files.")
                                .arg(QDir::toNativeSeparators(path)));
                return;
            }
            openAfterQuestions(path);
        });
    }
    mnuRecent->addSeparator();
    QAction* clear = mnuRecent->addAction(tr("Clear Menu"));
    clear->setObjectName(QStringLiteral("mnuRecentClear"));
    clear->setEnabled(!files.isEmpty());
    connect(clear, &QAction::triggered, this, [this] {
        RecentFiles::clear();
        fillRecentMenu();
    });
    mnuRecent->setEnabled(!files.isEmpty());
}

void frmWeather::tell(const QString& text) {
    statusBar()->showMessage(text, 5000);
}

void frmWeather::tellCount(int count, const QString& file, const QString& one,
                           const QString& many) {
    tell(count == 1 ? one.arg(file) : many.arg(QString::number(count), file));
}

void frmWeather::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void frmWeather::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    // The drop's source waits for this event to end: open once it has.
    const QString path = urls.first().toLocalFile();
    QTimer::singleShot(0, this, [this, path] { openAfterQuestions(path); });
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
    fileTable_ = table_;
    undoStack_->setClean();
    updateModified();
    RecentFiles::add(loadedPath_);
    tellCount(table_.recordCount(), QFileInfo(loadedPath_).fileName(),
              tr("Saved 1 configuration to %1"),
              tr("Saved %1 configurations to %2"));
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
    if (selected.isEmpty() || selecting_)
        return;
    const int slot = lstConfigs->configs()->slotAt(selected.first().row());
    if (slot == 0)
        return;
    if (slot == shownSlot_)
        return;
    selecting_ = true;
    const bool settled = settlePendingEdits();
    selecting_ = false;
    if (!settled) {
        // The list is still inside its own selection change, which would set its current row
        // after this returns: put both back once it has finished.
        selectEntry(shownSlot_);
        QTimer::singleShot(0, this, [this] { selectEntry(shownSlot_); });
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
    if (lstConfigs->configs()->recordCount() >= slot) {
        lstConfigs->configs()->setName(slot, name);
        if (lstConfigs->selectionModel()->selectedRows().isEmpty())
            selectEntry(shownSlot_); // finding again cleared the selection
        updateFindCount();
    }
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

void frmWeather::showChange(int slot, const QList<int>& seasons, int tab) {
    if (slot != shownSlot_) {
        showSlot(slot);
    } else {
        showName(slot);
        for (const int s : seasons)
            showSeason(slot, s);
    }
    if (tab >= 0)
        SSTab1->setCurrentIndex(tab);
}

void frmWeather::showSlot(int slot) {
    selectEntry(slot);
    if (slot > 0)
        showRecord(slot);
    else
        clearShown();
}

// Selects the entry of `slot` without showing it (the caller does), or nothing when it is not
// listed.
void frmWeather::selectEntry(int slot) {
    const QScopedValueRollback quiet(selecting_, true);
    const int row = lstConfigs->configs()->rowOf(slot);
    if (row >= 0) {
        const QModelIndex entry = lstConfigs->model()->index(row, 0);
        lstConfigs->selectionModel()->setCurrentIndex(entry,
                                                      QItemSelectionModel::ClearAndSelect);
        lstConfigs->scrollTo(entry);
    } else {
        lstConfigs->selectionModel()->clearSelection();
    }
}

// Narrows the list as the user types; the configuration on display stays on display.
void frmWeather::txtFind_Change() {
    lstConfigs->configs()->setFindText(txtFind->text());
    selectEntry(shownSlot_);
    updateFindCount();
}

void frmWeather::updateFindCount() {
    const int listed = lstConfigs->model()->rowCount();
    const int all = table_.recordCount();
    lblFindCount->setText(loadedPath_.isEmpty() ? QString() : tr("%1 of %2").arg(listed).arg(all));
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
    {
        const QScopedValueRollback quiet(selecting_, true);
        lstConfigs->configs()->setConfigs(table_);
    }
    updateFindCount();
    // What is on display may have changed with the table: show it afresh, or nothing when it
    // is gone.
    if (shownSlot_ > table_.recordCount()) {
        clearShown();
    } else {
        selectEntry(shownSlot_);
        if (shownSlot_ > 0)
            showRecord(shownSlot_);
    }
    updateEditActions();
}

void frmWeather::updateUndoActions() {
    const QString undo = undoStack_->undoText();
    const QString redo = undoStack_->redoText();
    mnuUndo->setText(undo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undo));
    mnuRedo->setText(redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redo));
    mnuUndo->setEnabled(undoStack_->canUndo());
    mnuRedo->setEnabled(undoStack_->canRedo());
}

void frmWeather::updateModified() {
    setWindowModified(!loadedPath_.isEmpty() && table_ != fileTable_);
}

// Undo and Redo may change what is on display, so typed values are settled first. When they
// are updated, they are the newest step: undoing it would throw away what the user chose to
// keep, so nothing more happens.
void frmWeather::mnuUndo_Click() {
    const int index = undoStack_->index();
    if (undoStack_->canUndo() && settlePendingEdits() && undoStack_->index() == index)
        undoStack_->undo();
}

void frmWeather::mnuRedo_Click() {
    const int index = undoStack_->index();
    if (undoStack_->canRedo() && settlePendingEdits() && undoStack_->index() == index)
        undoStack_->redo();
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
        QList<UpdateSeasonCommand::SeasonValues> changed;
        for (std::size_t i = 0; i < values.size(); ++i)
            changed.append({seasons[qsizetype(i)], values[i]});
        commitSeasons(changed);
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
    // Only a name the user typed is checked: a file may hold names that the box would refuse.
    const QString stored = fromWindows1252(table_.Configs(shownSlot_).Name);
    if (!txtName->isModified() || txtName->text() == stored)
        return true;
    EncodedName name = encodeName(txtName->text());
    const bool blank = txtName->text().trimmed().isEmpty();
    if (blank || !name.ok()) {
        // Back to the stored name first: the message box takes the focus, which ends editing
        // again.
        txtName->setText(stored);
        showFailure((blank ? tr("A configuration name cannot be empty.") : nameProblemText(name)) +
                    QLatin1Char('\n') + tr("The name was not changed."));
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
    if (shownSlot_ == 0 || shownSlot_ != last || !settlePendingEdits())
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
    tellCount(table_.recordCount(), QFileInfo(path).fileName(),
              tr("Exported 1 configuration to %1"),
              tr("Exported %1 configurations to %2"));
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
    tellCount(table_.recordCount(), QFileInfo(path).fileName(),
              tr("Imported 1 configuration from %1"),
              tr("Imported %1 configurations from %2"));
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
        commitSeasons({{s, *values}});
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

// Seasons whose values do not change are no step to undo; their boxes are only tidied ("007"
// to "7"). The others are one step.
void frmWeather::commitSeasons(const QList<UpdateSeasonCommand::SeasonValues>& values) {
    QList<UpdateSeasonCommand::SeasonValues> changed;
    for (const auto& [season, weather] : values) {
        if (weather == table_.Configs(shownSlot_).season(season))
            showSeason(shownSlot_, season);
        else
            changed.append({season, weather});
    }
    if (!changed.isEmpty())
        undoStack_->push(new UpdateSeasonCommand(*this, shownSlot_, std::move(changed)));
}

void frmWeather::cmdExit_Click() {
    close();
}

void frmWeather::mnuExit_Click() {
    close();
}

// Closing with updates that were not saved asks first; a failed save keeps the window open.
void frmWeather::closeEvent(QCloseEvent* event) {
    bool close = settlePendingEdits();
    if (close && isWindowModified()) {
        const QString question =
            tr("Save changes to %1 before closing?").arg(QDir::toNativeSeparators(loadedPath_));
        switch (desktop_->askToSave(this, title(), question)) {
        case Desktop::Answer::Save:
            close = save();
            break;
        case Desktop::Answer::Discard:
            break;
        case Desktop::Answer::Cancel:
            close = false;
            break;
        }
    }
    if (close)
        saveWindowPlace();
    event->setAccepted(close);
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
    desktop_->openUrl(WebAddress);
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
    if (watched == txtFind && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape && !txtFind->text().isEmpty()) {
            txtFind->clear();
            return true;
        }
        if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            // To the first match, which shows it (after the question about typed values).
            lstConfigs->setFocus(Qt::TabFocusReason);
            if (lstConfigs->model()->rowCount() > 0) {
                const QModelIndex first = lstConfigs->model()->index(0, 0);
                const int slot = lstConfigs->configs()->slotAt(0);
                if (slot == shownSlot_ || settlePendingEdits()) {
                    selectEntry(slot);
                    showRecord(slot);
                }
                lstConfigs->scrollTo(first);
            }
            return true;
        }
    }
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
