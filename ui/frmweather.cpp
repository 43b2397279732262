#include "frmweather.h"

#include "codepage.h"
#include "comparedialog.h"
#include "configdiff.h"
#include "configfile.h"
#include "configlist.h"
#include "configtablemodel.h"
#include "csvfile.h"
#include "editcommands.h"
#include "importcommand.h"
#include "pendingedits.h"
#include "recentfiles.h"
#include "seasonclip.h"
#include "seasontext.h"
#include "uitext.h"
#include "undokeys.h"
#include "weblink.h"

#include <QAction>
#include <QClipboard>
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
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

#include <algorithm>
#include <limits>
#include <memory>
#include <type_traits>
#include <vector>

namespace weather {

const QString frmWeather::Caption =
    QStringLiteral("Corvell's Pitchmaster 00-01 Weather Configurations Editor[*]");
const QUrl frmWeather::WebAddress(QStringLiteral("https://weather.example/"));

// Runs once, before the window is first shown.
void frmWeather::Form_Load() {
#ifdef Q_OS_WIN
    dlgOpen.folder = gameDataFolder();
    txtPath->setText(QStringLiteral("c:\\"));
#else
    // The game runs under Wine here: its data folder in the default prefix, when installed.
    const QString data = QDir::home().filePath(
        QStringLiteral(".wine/drive_c/Program Files/Pitchmaster 00-01/data/"));
    dlgOpen.folder = QFileInfo(data).isDir() ? data : QDir::homePath();
    // No folder means anything here until a file is open.
    txtPath->setPlaceholderText(tr("No file open"));
#endif
    dlgOpen.fileName = QStringLiteral("weather.cfg");
    dlgOpen.title = tr("Open Weather Configurations");
    dlgOpen.filters = {tr("Weather configurations (*.cfg)"), tr("All files (*)")};
    SSTab1->setCurrentIndex(Spring);
}

// Open works whenever the window is up: typed values and unsaved changes are settled first.
void frmWeather::cmdOpen_Click() {
    if (!mayReplaceFile())
        return;
    const QString path = desktop_->chooseFileToOpen(this, dlgOpen);
    if (path.isEmpty() || refusesToOpen(path))
        return; // cancelled, or no file the window opens
    openFile(path);
}

void frmWeather::cmdSave_Click() {
    if (settlePendingEdits())
        save();
}

// Shows the selected configuration, the record of the list entry's slot. Edits not yet updated
// are asked about first; when the user cancels, the selection goes back.
void frmWeather::lstConfigs_Click() {
    if (selecting_ || lstConfigs->refusedMove())
        return;
    const int slot = slotToShow();
    if (slot == 0 || slot == shownSlot_)
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

void frmWeather::updateUndoActions() {
    // A name's "&" is no mnemonic.
    QString undo = pastedSeasonText();
    if (undo.isEmpty())
        undo = undoStack_->undoText();
    const QString redo = undoStack_->redoText();
    mnuUndo->setText(undo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(menuEscaped(undo)));
    mnuRedo->setText(redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(menuEscaped(redo)));
    mnuUndo->setEnabled(undoStack_->canUndo() || !pastedSeasonText().isEmpty());
    mnuRedo->setEnabled(undoStack_->canRedo());
}

void frmWeather::updateModified() {
    setWindowModified(!loadedPath_.isEmpty() && table_ != fileTable_);
    updateCounts();
    lstConfigs->configs()->records()->marksChanged();
    updateRevertActions();
}

// Undo and Redo may change what is on display, so typed values are settled first. When they
// are updated, they are the newest step: undoing it would throw away what the user chose to
// keep, so nothing more happens.
void frmWeather::mnuUndo_Click() {
    if (undoPaste())
        return;
    const int index = undoStack_->index();
    if (undoStack_->canUndo() && settlePendingEdits() && undoStack_->index() == index) {
        undoStack_->undo();
        tellStep(undoStack_->command(index - 1), true);
    }
}

void frmWeather::mnuRedo_Click() {
    const int index = undoStack_->index();
    if (undoStack_->canRedo() && settlePendingEdits() && undoStack_->index() == index) {
        undoStack_->redo();
        tellStep(undoStack_->command(index), false);
    }
}

void frmWeather::updateEditActions() {
    mnuDuplicate->setEnabled(shownSlot_ > 0);
    mnuDeleteLast->setEnabled(shownSlot_ > 0 && shownSlot_ == table_.recordCount());
    mnuCopySeason->setEnabled(shownSlot_ > 0);
    mnuPasteSeason->setEnabled(shownSlot_ > 0);
    for (QAction* item : {mnuCopyConfig, mnuPasteConfig, mnuChangeValues})
        item->setEnabled(shownSlot_ > 0);
    updateRevertActions();
    updateUndoActions(); // a paste can be taken back only on the configuration it went to
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
    case Desktop::PendingAnswer::Update:
        return updateSeasons(seasons);
    case Desktop::PendingAnswer::Discard:
        for (const int s : seasons)
            showSeason(shownSlot_, s);
        return true;
    case Desktop::PendingAnswer::Cancel:
        break;
    }
    return false;
}

// All seasons or none: the first bad box stops the action before anything is stored.
bool frmWeather::updateSeasons(const QList<int>& seasons) {
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

// Typed values are settled first: the CSV holds what the table holds.
void frmWeather::mnuExportCsv_Click() {
    if (loadedPath_.isEmpty() || !settlePendingEdits())
        return;
    const OpenFileRequest request = csvExportRequest();
    const ChosenFile chosen = desktop_->chooseFileToSave(this, request);
    const QString& path = chosen.path;
    if (path.isEmpty())
        return; // cancelled
    const auto separator =
        CsvSeparator(std::clamp(chosen.filter, 0, int(request.filters.size()) - 1));
    if (const auto error = saveCsvFile(path, table_, separator)) {
        showFailure(tr("The CSV file was not written.") + QLatin1Char('\n') + error->toString());
        return;
    }
    csvPath_ = path;
    QSettings().setValue(QStringLiteral("csv/separator"), int(separator));
    tellCount(table_.recordCount(), QFileInfo(path).fileName(),
              tr("Exported 1 configuration to %1"), tr("Exported %1 configurations to %2"));
}

// Replaces every configuration with those of a CSV file, as one step that can be undone.
void frmWeather::mnuImportCsv_Click() {
    if (loadedPath_.isEmpty() || !settlePendingEdits())
        return;
    OpenFileRequest request = csvRequest();
    request.title = tr("Import from CSV");
    const QString path = desktop_->chooseFileToOpen(this, request);
    if (!path.isEmpty()) // else cancelled
        importCsvFile(path);
}

void frmWeather::importCsvFile(const QString& path) {
    ConfigTable imported;
    auto encoding = CsvEncoding::Utf8;
    if (const auto error = loadCsvFile(path, imported, &encoding)) {
        showFailure(error->toString());
        return;
    }
    csvPath_ = path;
    undoStack_->push(new ImportCommand(table_, std::move(imported), [this] { refreshList(); }));
    const bool ansi = encoding == CsvEncoding::Windows1252;
    tellCount(table_.recordCount(), QFileInfo(path).fileName(),
              ansi ? tr("Imported 1 configuration from %1 (not UTF-8 text, read as Windows-1252)")
                   : tr("Imported 1 configuration from %1"),
              ansi ? tr("Imported %1 configurations from %2 (not UTF-8 text, read as "
                        "Windows-1252)")
                   : tr("Imported %1 configurations from %2"));
}

// Lists what differs between a file (the old side) and the configurations in the window
// (the new side, updated but unsaved changes included), as `--diff FILE EDITED` would, in a
// window of its own, where differences can be ticked and taken into the window. Typed values
// are settled first.
void frmWeather::mnuCompare_Click() {
    if (loadedPath_.isEmpty() || !settlePendingEdits())
        return;
    OpenFileRequest request = dlgOpen;
    request.title = tr("Compare with File");
    const QString path = desktop_->chooseFileToOpen(this, request);
    if (path.isEmpty())
        return; // cancelled
    ConfigTable other;
    if (const auto error = loadConfigFile(path, other)) {
        showFailure(error->toString());
        return;
    }
    const QString name = QFileInfo(path).fileName();
    auto* dialog =
        new CompareDialog(std::make_shared<const TableDiff>(std::move(other), table_, name,
                                                            QStringLiteral("the window")),
                          name, this);
    connect(dialog, &CompareDialog::configurationChosen, this, [this](int slot) {
        if (slot > table_.recordCount())
            return; // gone since the comparison
        if (slot == shownSlot_ || settlePendingEdits())
            showSlot(slot);
        activateWindow();
    });
    connect(dialog, &CompareDialog::applyRequested, this,
            [this, dialog] { mergeFromCompare(*dialog); });
    dialog->show();
}

// The boxes of the tab in front, as a spreadsheet row: 18 numbers separated by tabs.
void frmWeather::mnuCopySeason_Click() {
    if (shownSlot_ == 0)
        return;
    const int season = SSTab1->currentIndex();
    SeasonWeather values;
    for (int p = 0; p < SeasonValueCount; ++p) {
        const QString text = seasonBox(season, p)->text();
        const BoxValue value = readBoxValue(text);
        if (!value.ok()) {
            showFailure(tr("%1\nNothing was copied.")
                            .arg(boxProblemMessage(valueNameText(season, p), text, value.problem)));
            return;
        }
        values.at(p) = value.value;
    }
    QGuiApplication::clipboard()->setText(seasonRowText(values));
    tell(tr("Copied %1 of %2").arg(seasonText(season), txtName->text()));
}

// Fills the boxes of the tab in front from the clipboard, as typed values: Update stores them.
void frmWeather::mnuPasteSeason_Click() {
    if (shownSlot_ == 0)
        return;
    const int season = SSTab1->currentIndex();
    const SeasonPaste paste = parseSeasonText(QGuiApplication::clipboard()->text());
    switch (paste.outcome) {
    case SeasonPaste::Values: {
        if (const QList<int> chosen = selectedSlots(); chosen.size() > 1) {
            pasteSeasonInto(chosen, season, paste);
            return;
        }
        const QStringList before = seasonTexts(season);
        for (int p = paste.withStartDay ? 0 : 1; p < SeasonValueCount; ++p)
            seasonBox(season, p)->setText(QString::number(paste.values.at(std::size_t(p))));
        tell(tr("Pasted %1 values into %2: %3 keeps them")
                 .arg(paste.withStartDay ? SeasonValueCount : SeasonValueCount - 1)
                 .arg(seasonText(season), cmdUpdate[season]->text().remove(QLatin1Char('&'))));
        pasted(season, before);
        return;
    }
    case SeasonPaste::WrongCount:
        showNotice((paste.count == 1 ? tr("The clipboard holds 1 number")
                                     : tr("The clipboard holds %1 numbers").arg(paste.count)) +
                   tr("; a season takes 18, or 17 without its start day."));
        return;
    case SeasonPaste::NotANumber:
        showNotice(
            (paste.token.isEmpty()
                 ? tr("The clipboard holds an empty cell")
                 : tr("The clipboard holds \"%1\", which is not a whole number from -32768 to "
                      "32767")
                       .arg(paste.token)) +
            tr("; a season takes 18, or 17 without its start day."));
        return;
    }
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
    QLineEdit* first = nullptr;
    QStringList problems;
    for (int p = 0; p < SeasonValueCount; ++p) {
        QLineEdit* box = seasonBox(season, p);
        const BoxValue value = readBoxValue(box->text());
        if (value.ok()) {
            values.at(p) = value.value;
            continue;
        }
        problems << boxProblemMessage(valueNameText(season, p), box->text(), value.problem);
        if (!first)
            first = box;
    }
    if (!first)
        return values;
    SSTab1->setCurrentIndex(season);
    first->setFocus(Qt::OtherFocusReason);
    first->selectAll();
    showFailure(tr("%1\nNothing was updated.").arg(problems.join(u'\n')));
    return std::nullopt;
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

// Closing with typed values or unsaved changes asks first; a failed save keeps the window open.
void frmWeather::closeEvent(QCloseEvent* event) {
    const bool close = mayLeaveFile(true);
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
    if (watched == txtFind && event->type() == QEvent::KeyPress)
        return txtFind_KeyDown(static_cast<QKeyEvent*>(event)->key());
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
