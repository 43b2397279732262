// The open file: loading one in place of another, saving, the recent files, files dropped on
// the window, and what the status bar says about them.
#include "frmweather.h"

#include "codepage.h"
#include "configfile.h"
#include "configlist.h"
#include "csvfile.h"
#include "pendingedits.h"
#include "recentfiles.h"
#include "valuetable.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>

namespace weather {

namespace {

// The folder of `path` in native separators, ending in a separator.
QString folderOf(const QString& path) {
    QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

// The warnings of a load, for a message: the first few in full, then how many more.
QString warningsText(const FileWarnings& warnings) {
    constexpr qsizetype Shown = 10;
    QStringList lines;
    for (qsizetype i = 0; i < warnings.size() && i < Shown; ++i)
        lines += warnings[i].toString();
    if (warnings.size() > Shown)
        lines += frmWeather::tr("(and %n more)", nullptr, int(warnings.size() - Shown));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

bool frmWeather::mayReplaceFile() {
    return mayLeaveFile(false);
}

// One question at most: typed values not updated come with any unsaved changes ("Update and
// Save"); unsaved changes alone are the save question. The file is named as the title bar names
// it, its full path under the question.
bool frmWeather::mayLeaveFile(bool closing) {
    if (loadedPath_.isEmpty())
        return true;
    if (!txtName_Validate())
        return false;
    const QString file = QFileInfo(loadedPath_).fileName();
    const QString details = QDir::toNativeSeparators(QFileInfo(loadedPath_).absoluteFilePath());
    if (const QList<int> seasons = pendingSeasons(); !seasons.isEmpty()) {
        const QString name = fromWindows1252(table_.Configs(shownSlot_).Name);
        const QString question =
            isWindowModified()
                ? tr("%1 has values not updated, and the file has unsaved changes.").arg(name)
                : pendingQuestion(seasons, name);
        switch (desktop_->askToUpdateAndSave(this, title(), question, details)) {
        case Desktop::PendingAnswer::Update:
            return updateSeasons(seasons) && save();
        case Desktop::PendingAnswer::Discard:
            for (const int s : seasons)
                showSeason(shownSlot_, s);
            return true;
        case Desktop::PendingAnswer::Cancel:
            return false;
        }
    }
    if (!isWindowModified())
        return true;
    const QString question = closing
                                 ? tr("Save changes to %1 before closing?").arg(file)
                                 : tr("Save changes to %1 before opening another file?").arg(file);
    switch (desktop_->askToSave(this, title(), question, details)) {
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
    if (refusesToOpen(path))
        return;
    if (mayReplaceFile())
        openFile(path);
}

// The window reads regular files only: a FIFO or a pipe would block it until something writes
// to it, and could not be saved.
bool frmWeather::refusesToOpen(const QString& path) {
    if (RecentFiles::kindOf(QFileInfo(path).absoluteFilePath()) != RecentFiles::Kind::NotRegular)
        return false;
    showFailure(tr("%1 is not a regular file: the window opens files on disk only, not folders, "
                   "pipes or devices.")
                    .arg(QDir::toNativeSeparators(path)));
    return true;
}

// Puts `path` first in Open Recent, which is switched on once it holds a file.
void frmWeather::rememberFile(const QString& path) {
    if (RecentFiles::add(path))
        fillRecentMenu();
}

// Opens the recent file `entry`; an entry that names no regular file by its full path leaves
// the menu, and the message says why.
void frmWeather::openRecent(const QString& entry) {
    QString problem;
    switch (RecentFiles::kindOf(entry)) {
    case RecentFiles::Kind::Regular:
        openAfterQuestions(entry);
        return;
    case RecentFiles::Kind::Missing:
        problem = tr("%1 no longer exists.");
        break;
    case RecentFiles::Kind::NotRegular:
        problem = tr("%1 is not a regular file.");
        break;
    case RecentFiles::Kind::Relative:
        problem = tr("%1 is not a full path.");
        break;
    }
    RecentFiles::remove(entry);
    fillRecentMenu();
    showFailure(problem.arg(QDir::toNativeSeparators(entry)) + QLatin1Char(' ') +
                tr("It was removed from the recent files."));
}

// Loads `path` in place of the open file. A file that fails to load changes nothing: the table,
// the display and the undo history stay as they were.
bool frmWeather::openFile(const QString& path) {
    ConfigTable loaded;
    FileStamp stamp;
    FileWarnings warnings;
    if (const auto error = loadConfigFile(path, loaded, &stamp, &warnings)) {
        if (!offerCsvImport(path))
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
    txtFind->clear(); // another file: every name is listed again
    // and the table's rows are found afresh, also when the box was empty already (its value
    // filter stays).
    tblValues->setFindText(QString());
    refreshList();
    showSlot(table_.recordCount() > 0 ? 1 : 0);
    updateModified();

    setWindowFilePath(path);
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(QFileInfo(path).fileName(), title()));
    txtPath->setText(folderOf(path));
    txtPath->setToolTip(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    mnuExportCsv->setEnabled(true);
    mnuImportCsv->setEnabled(true);
    mnuCompare->setEnabled(true);
    enableRecordControls(true);
    txtFind->setFocus(Qt::OtherFocusReason); // find, or Down to the list
    rememberFile(path);
    tellCount(table_.recordCount(), QFileInfo(path).fileName(),
              tr("Opened 1 configuration from %1"), tr("Opened %1 configurations from %2"));
    if (!warnings.isEmpty())
        showNotice(tr("%1 was opened, with these warnings:").arg(QFileInfo(path).fileName()) +
                   QLatin1Char('\n') + warningsText(warnings));
    offerGameCopy(path);
    return true;
}

bool frmWeather::offerCsvImport(const QString& path) {
    // A header row is short; the first bytes tell. Only a regular file can be read twice.
    constexpr qint64 HeaderBytes = qint64(64) * 1024;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) ||
        !startsWithCsvHeader(file.read(HeaderBytes)))
        return false;
    const QString name = QFileInfo(path).fileName();
    if (loadedPath_.isEmpty()) {
        showNotice(tr("%1 is a CSV file, not a weather configuration file. Open the "
                      "configuration file to import it into, then choose File > Import from "
                      "CSV.")
                       .arg(name));
        return true;
    }
    const QString question = tr("%1 is a CSV file, not a weather configuration file. Import its "
                                "configurations into %2, in place of those in the window?")
                                 .arg(name, QFileInfo(loadedPath_).fileName());
    if (desktop_->askToImport(this, title(), question) && settlePendingEdits())
        importCsvFile(path);
    return true;
}

void frmWeather::fillRecentMenu() {
    mnuRecent->clear();
    const QStringList files = RecentFiles::list();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& path = files[i];
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = mnuRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        item->setObjectName(QStringLiteral("mnuRecentFile(%1)").arg(i));
        connect(item, &QAction::triggered, this, [this, path] { openRecent(path); });
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

bool frmWeather::save() {
    if (loadedPath_.isEmpty()) {
        showNotice(tr("Open a configuration file first."));
        return false;
    }
    if (!mayOverwrite())
        return false;
    const QByteArray bytes = formatConfig(table_);
    if (const auto error = writeFileAtomically(loadedPath_, bytes))
        return retryAfterFailedSave(*error) && save();
    loadedStamp_ = FileStamp::of(bytes);
    fileTable_ = table_;
    undoStack_->setClean();
    updateModified();
    rememberFile(loadedPath_);
    tellCount(table_.recordCount(), QFileInfo(loadedPath_).fileName(),
              tr("Saved 1 configuration to %1"), tr("Saved %1 configurations to %2"));
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

OpenFileRequest frmWeather::csvRequest() const {
    const QFileInfo near(csvPath_.isEmpty() ? loadedPath_ : csvPath_);
    return {QString(),
            near.absolutePath(),
            near.completeBaseName() + QStringLiteral(".csv"),
            {tr("CSV and tab-separated files (*.csv *.tsv *.txt)"), tr("All files (*)")}};
}

// The export's choice of separator, one filter each, in CsvSeparator's order; the last one
// chosen, or what the user's locale writes.
// It proposes the open file's name with ".csv", in the folder of the last CSV.
OpenFileRequest frmWeather::csvExportRequest() const {
    OpenFileRequest request = csvRequest();
    request.title = tr("Export as CSV");
    request.fileName = QFileInfo(loadedPath_).completeBaseName() + QStringLiteral(".csv");
    request.filters = {tr("CSV, comma-separated (*.csv)"), tr("CSV, semicolon-separated (*.csv)"),
                       tr("Tab-separated text (*.tsv *.txt)")};
    const int proposed = int(csvSeparatorFor(QLocale()));
    request.selectedFilter = QSettings().value(QStringLiteral("csv/separator"), proposed).toInt();
    if (request.selectedFilter < 0 || request.selectedFilter >= request.filters.size())
        request.selectedFilter = proposed;
    if (CsvSeparator(request.selectedFilter) == CsvSeparator::Tab)
        request.fileName = QFileInfo(request.fileName).completeBaseName() + QStringLiteral(".tsv");
    return request;
}

} // namespace weather
