// The open file: loading one in place of another, saving, the recent files, files dropped on
// the window, and what the status bar says about them.
#include "frmweather.h"

#include "configfile.h"
#include "configlist.h"
#include "csvfile.h"
#include "recentfiles.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLocale>
#include <QSettings>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
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

} // namespace

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
    txtFind->clear(); // another file: every name is listed again
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
    RecentFiles::add(path);
    tellCount(table_.recordCount(), QFileInfo(path).fileName(),
              tr("Opened 1 configuration from %1"),
              tr("Opened %1 configurations from %2"));
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

OpenFileRequest frmWeather::csvRequest() const {
    const QFileInfo near(csvPath_.isEmpty() ? loadedPath_ : csvPath_);
    return {near.absolutePath(),
            near.completeBaseName() + QStringLiteral(".csv"),
            {tr("CSV and tab-separated files (*.csv *.tsv *.txt)"), tr("All files (*)")}};
}

// The export's choice of separator, one filter each, in CsvSeparator's order; the last one
// chosen, or what the user's locale writes.
OpenFileRequest frmWeather::csvExportRequest() const {
    OpenFileRequest request = csvRequest();
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
