// The editor's one window: the file's configurations in a list, the one on display on four
// season tabs, and the commands that open, update and save the file.
#pragma once

#include "desktop.h"
#include "filestamp.h"
#include "weathertable.h"

#include <QIcon>
#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSplitter;
class QVBoxLayout;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolBar;
class QUndoCommand;
class QUndoStack;

namespace weather {

class CompareDialog;
class ConfigList;
struct FileError;
struct SeasonPaste;
class SeasonPage;
class ValueTable;

// Boxes per season on the value tabs: the seventeen weather values (the start day has its own).
inline constexpr int ValuesPerSeason = SeasonValueCount - 1;
inline constexpr int ValueBoxCount = SeasonCount * ValuesPerSeason;

class frmWeather : public QMainWindow {
    Q_OBJECT

public:
    // The window's caption; "[*]" is where the unsaved-changes mark goes.
    static const QString Caption;
    // The project's web address, shown bare by the link label and in full in the About box.
    static const QUrl WebAddress;

    // `desktop` supplies the dialogs; null means the real, modal ones.
    explicit frmWeather(std::unique_ptr<Desktop> desktop = nullptr, QWidget* parent = nullptr);
    ~frmWeather() override;

    // Opens `path` without a question (the command line's file, which may be a pipe): on
    // success the list holds its configurations and the cursor is in the find box; on failure
    // the user is told and nothing
    // changes.
    bool openFile(const QString& path);

    [[nodiscard]] const ConfigTable& table() const { return table_; }
    // The file that was loaded and that Save writes; empty before a successful load.
    [[nodiscard]] const QString& loadedPath() const { return loadedPath_; }
    // The slot on display, or 0 when no configuration has been shown.
    [[nodiscard]] int shownSlot() const { return shownSlot_; }
    // The configurations the changes to a selection reach: those selected, in file order, or the
    // one on display when none is.
    [[nodiscard]] QList<int> selectedSlots() const;
    // Every change to the table is a step on this stack; it is clean while the table matches
    // the file as last loaded or saved.
    [[nodiscard]] QUndoStack* undoStack() const { return undoStack_; }

    // For the steps on the undo stack: the table they change, and how the window follows.
    [[nodiscard]] ConfigTable& editableTable() { return table_; }
    // Refills the list from the table. The configuration on display stays selected while it
    // exists; when it is gone, nothing is shown.
    void refreshList();
    // Selects and shows the record in `slot` (0: nothing), without asking about pending edits.
    void showSlot(int slot);
    // Shows the name of `slot` afresh in the list and, when it is on display, in the name box.
    void showName(int slot);
    // Follows a step on `slot`: selects and shows it when another record is on display;
    // otherwise shows its name and the seasons `seasons` afresh. `tab` >= 0 brings that season's
    // tab to the front.
    void showChange(int slot, const QList<int>& seasons, int tab);
    // Shows season `season` of `slot` afresh when that record is on display.
    void showSeason(int slot, int season);

    // Event procedures, named after their control and event.
    void cmdOpen_Click();
    void cmdSave_Click();
    void cmdExit_Click();
    void lstConfigs_Click();
    void txtFind_Change();
    // Escape, and Down or Enter to the first match; false for the keys the box types.
    bool txtFind_KeyDown(int KeyCode);
    void updateFindCount();
    void cmdUpdate_Click(int Index);
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuDuplicate_Click();
    void mnuDeleteLast_Click();
    // Stores the name box's text as the name on display; false when it was refused.
    bool txtName_Validate();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuExportCsv_Click();
    void mnuImportCsv_Click();
    void mnuCompare_Click();
    void mnuCopySeason_Click();
    void mnuPasteSeason_Click();
    void mnuCopyConfig_Click();
    void mnuPasteConfig_Click();
    void mnuChangeValues_Click();
    void mnuRevertConfig_Click();
    void mnuRevertSeason_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuWiderList_Click();
    void mnuNarrowerList_Click();
    void mnuResetList_Click();
    void mnuNextSeason_Click();
    void mnuPreviousSeason_Click();
    // Shows the table of every value in place of the record on display, or the record again.
    void mnuTable_Click(bool table);
    // The table's current row moved to `slot`'s: shows that configuration.
    void tblValues_RowChange(int slot);
    void tblValues_SelectionChange(const QList<int>& chosen);
    // `text` entered in the table for one value of `slot`: an Update of that value, or a
    // message saying why not.
    void tblValues_ValueEntered(int slot, int season, int position, const QString& text);
    void Toolbar1_ButtonClick(QAction* Button);
    void lblWebLink_Click();
    void txtStart_KeyPress(int Index, int& KeyAscii);
    void txtVal_KeyPress(int Index, int& KeyAscii);

    // The About box's three lines.
    [[nodiscard]] static QString aboutText();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Form_Load();
    void buildMenu();
    void buildEditMenu();
    void buildViewMenu();
    void buildTableMenu();
    // The table of every value, hidden below the record's scrolled pane in `recordSide`.
    void buildTable(QVBoxLayout* recordSide);
    void buildToolbar();
    void buildClientArea();
    QWidget* buildSeason(int season);
    void setTabOrder();
    void placeWindow();
    void fitOnScreen();
    // Gives the list what its names need, unless the user has set its width.
    void fitListToNames();
    void saveWindowPlace() const;
    void fillRecentMenu();
    // Disabled while no file is open: the name box, the season boxes and the Update buttons.
    void enableRecordControls(bool enable);
    // Before another file replaces this one: asks about typed values and unsaved changes;
    // false when the user cancels (or a save fails).
    bool mayReplaceFile();
    // The same before another file is opened or, when `closing`, the window closes.
    bool mayLeaveFile(bool closing);
    // Updates the typed values of `seasons`, all or none; false when a box holds no number.
    bool updateSeasons(const QList<int>& seasons);
    // Opens `path` after asking what mayReplaceFile() asks.
    void openAfterQuestions(const QString& path);
    // Tells the user when `path` is no file the window may open (a folder, a FIFO, a device).
    bool refusesToOpen(const QString& path);
    void rememberFile(const QString& path);
    void openRecent(const QString& entry);
    void buildStatusBar();
    // Shows the number of configurations and of those changed in the status bar.
    void updateCounts();
    // Says in the status bar what Undo (`undone`) or Redo did with `step`.
    void tellStep(const QUndoCommand* step, bool undone);
    // Says in the status bar what a command did.
    void tell(const QString& text);
    // Tells `one` (with the file for %1) or `many` (%1 the count, %2 the file).
    void tellCount(int count, const QString& file, const QString& one, const QString& many);

    // The settings of a CSV file dialog: beside `csvPath_`, or beside the loaded file.
    [[nodiscard]] OpenFileRequest csvRequest() const;
    [[nodiscard]] OpenFileRequest csvExportRequest() const;
    // Writes the table to the loaded file; false (after telling the user) when it cannot.
    bool save();
    // After a failed save: says why, in Windows' terms where it can; true to try again.
    bool retryAfterFailedSave(const FileError& error);
    // The game's data folder for the Open dialog, on Windows.
    static QString gameDataFolder();
    // When the game reads a VirtualStore copy of `path` that differs, offers to open it; true
    // when it was opened.
    bool offerGameCopy(const QString& path);
    // Whether a save may replace the file on disk: yes when it still holds what was loaded or
    // last saved, or is gone; when another program has changed it, the user decides.
    bool mayOverwrite();
    // The caption without the unsaved-changes mark: the title of every message box.
    [[nodiscard]] static QString title();
    void showFailure(const QString& text);
    void showNotice(const QString& text);
    // When `path`, which failed to load, is a CSV file: says so and offers to import it into the
    // open file. False when it is no CSV file.
    bool offerCsvImport(const QString& path);
    // Replaces every configuration with those of the CSV file at `path`, as one step that can be
    // undone; a faulty file is reported and changes nothing.
    void importCsvFile(const QString& path);
    // Asks about season edits not updated (and stores a changed name) before an action that
    // would lose them; false when the action must not go on.
    bool settlePendingEdits();
    // Takes the differences ticked in `dialog` into the table as one step.
    void mergeFromCompare(CompareDialog& dialog);
    [[nodiscard]] QList<int> pendingSeasons() const;
    // The eighteen values of season `season`'s boxes; nothing (after naming every box at fault
    // in one message and focusing the first) when one does not hold a number.
    [[nodiscard]] std::optional<SeasonWeather> readSeason(int season);
    void commitSeasons(const QList<std::pair<int, SeasonWeather>>& values);
    [[nodiscard]] QStringList seasonTexts(int season) const;
    // Follows typing in a season's boxes: its tab's pending mark, its boxes' marks, totals and
    // bars, and the start days on every tab's year strip.
    void seasonEdited(int season);
    void showRecord(int slot);
    // Selects the entry of `slot` alone, or, when it is on display and selected already, keeps
    // the other entries selected with it.
    void selectEntry(int slot);
    // The slots of the selected entries.
    [[nodiscard]] QList<int> selectedEntries() const;
    // Selects the entries of `chosen` that are listed, beside those selected.
    void selectAlso(const QList<int>& chosen);
    // The entry the configuration on display follows: the current one while it is selected,
    // else the one on display while it stays selected, else the first selected; 0 for none.
    [[nodiscard]] int slotToShow() const;
    // Paste Season into several configurations: one step.
    void pasteSeasonInto(const QList<int>& chosen, int season, const SeasonPaste& paste);
    // Pushes the change of `changed` as one step named `text`, and says what it did.
    void pushRecords(const QString& text, const QList<std::pair<int, WeatherConfig>>& changed);
    // Puts `chosen` back as the file holds them: whole, or only season `season` (>= 0).
    void revert(int season);
    // The records that revert() would change: those in the file that differ.
    [[nodiscard]] QList<std::pair<int, WeatherConfig>> revertedRecords(int season) const;
    // "Alpine Valley" for one slot, "12 configurations" for more.
    [[nodiscard]] QString slotsText(const QList<int>& chosen) const;
    // Revert is on while it would change something.
    void updateRevertActions();
    void clearShown();
    void updateEditActions();
    // Paste Season can be taken back while the pasted values are still in the boxes and
    // nothing else was done since: the boxes of `season` held `before`.
    void pasted(int season, const QStringList& before);
    // Puts back what the boxes held before the last paste; false when it cannot be taken back.
    bool undoPaste();
    // What Undo would take back of a paste ("Paste Spring of Alpine Valley"), or nothing.
    [[nodiscard]] QString pastedSeasonText() const;
    // The Undo and Redo items' texts and states, from the stack.
    void updateUndoActions();
    // Marks the window modified exactly when the table differs from the file.
    void updateModified();
    // The season box holding position `position` (0 start day, 1..17 values) of `season`.
    [[nodiscard]] QLineEdit* seasonBox(int season, int position) const;
    // The characters of `text`, typed into `box`, that its key procedure lets through; all of
    // them when `box` is no season box.
    QString typedIntoSeasonBox(QObject* box, const QString& text);
    // Runs a key typed into a season box through its key filter; false when it is dropped.
    bool seasonBoxTakes(QObject* box, const QKeyEvent& key);

    std::unique_ptr<Desktop> desktop_;
    ConfigTable table_;
    QString loadedPath_;
    FileStamp loadedStamp_;        // what the file held at the last load or save
    ConfigTable fileTable_;        // the configurations as last loaded or saved
    bool selecting_ = false;       // a list selection is being settled
    bool listWidthChosen_ = false; // the user has dragged the splitter or used the View menu
    int shownSlot_ = 0;
    QUndoStack* undoStack_ = nullptr;
    QObject* undoKeys_ = nullptr; // lets Ctrl+Z reach Edit, Undo from a box with no typing to undo
    QString csvPath_;             // the CSV file last exported or imported
    struct PastedSeason {
        int slot;
        int season;
        int undoIndex;        // the undo stack's index when it was pasted
        WeatherConfig record; // the configuration as it was then
        QStringList before;
        QStringList after;
    };
    std::optional<PastedSeason> pasted_; // the last Paste Season, while it can be undone

    // The settings of the open-file dialog, prepared by Form_Load.
    OpenFileRequest dlgOpen;
    // The toolbar's two images, open folder and diskette; the Open button shows the first.
    std::array<QIcon, 2> imgTollbar;

    QMenu* mnuFile = nullptr;
    QAction* mnuOpen = nullptr;
    QMenu* mnuRecent = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuExportCsv = nullptr;
    QAction* mnuImportCsv = nullptr;
    QAction* mnuCompare = nullptr;
    QAction* mnuSep = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuEditSep = nullptr;
    QAction* mnuDuplicate = nullptr;
    QAction* mnuDeleteLast = nullptr;
    QAction* mnuFind = nullptr;
    QAction* mnuCopySeason = nullptr;
    QAction* mnuPasteSeason = nullptr;
    QAction* mnuCopyConfig = nullptr;
    QAction* mnuPasteConfig = nullptr;
    QAction* mnuChangeValues = nullptr;
    QAction* mnuRevertConfig = nullptr;
    QAction* mnuRevertSeason = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuWiderList = nullptr;
    QAction* mnuNarrowerList = nullptr;
    QAction* mnuResetList = nullptr;
    QAction* mnuNextSeason = nullptr;
    QAction* mnuPreviousSeason = nullptr;
    QAction* mnuTable = nullptr;
    QMenu* mnuTableColumns = nullptr;
    QAction* mnuAbout = nullptr;
    QToolBar* Toolbar1 = nullptr;

    QLineEdit* txtPath = nullptr;
    QPushButton* cmdOpen = nullptr;
    QSplitter* splMain = nullptr;
    QLineEdit* txtFind = nullptr;
    QLabel* lblFindCount = nullptr;
    ConfigList* lstConfigs = nullptr;
    QGroupBox* fraMain = nullptr;
    QLabel* lblName = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* lblNumber = nullptr;
    QTabWidget* SSTab1 = nullptr;
    ValueTable* tblValues = nullptr;
    QLabel* lblWebLink = nullptr;
    QLabel* lblCounts = nullptr; // the status bar's lasting part
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdExit = nullptr;

    std::array<SeasonPage*, SeasonCount> pgSeason{};
    // The controls of the season pages that the event procedures reach.
    std::array<QGroupBox*, SeasonCount> fraDetails{};
    std::array<QLineEdit*, SeasonCount> txtStart{};
    std::array<QLineEdit*, ValueBoxCount> txtVal{};
    std::array<QPushButton*, SeasonCount> cmdUpdate{};
};

} // namespace weather
