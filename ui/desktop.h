// What the window asks of the desktop: the modal dialogs and the web browser. The window talks
// to them only through this interface, so the tests can stand in for every dialog.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <optional>

class QWidget;

namespace weather {

struct ValueChange;

// The settings of a file dialog, for opening or for saving.
struct OpenFileRequest {
    QString title;          // what the dialog is for ("Open Weather Configurations"); empty for
                            // the desktop's own
    QString folder;         // the folder it starts in
    QString fileName;       // the name preselected in its file-name field
    QStringList filters;    // name filters
    int selectedFilter = 0; // the one selected at first
};

// What the user chose in a save-file dialog: the file and the filter.
struct ChosenFile {
    QString path; // empty when the user cancelled
    int filter = 0;
};

class Desktop {
public:
    enum class Message {
        Failure, // something went wrong: a warning box
        Notice,  // a command could not run yet: an information box
        About,   // the About box: no icon
    };
    enum class Answer { Save, Discard, Cancel };
    enum class PendingAnswer { Update, Discard, Cancel };

    virtual ~Desktop() = default;

    // Shows the open-file dialog; the chosen file's full path, or an empty string on cancel.
    virtual QString chooseFileToOpen(QWidget* parent, const OpenFileRequest& request) = 0;
    // Shows the save-file dialog; the chosen file's full path (empty on cancel) and filter.
    virtual ChosenFile chooseFileToSave(QWidget* parent, const OpenFileRequest& request) = 0;
    // Shows a modal message with one OK button, titled `title`. The text is shown as it is; in
    // the About box its web addresses are links, opened through openUrl.
    virtual void showMessage(QWidget* parent, Message kind, const QString& title,
                             const QString& text) = 0;
    // Asks `question` with the buttons Save, Discard and Cancel; `details` (the file's full
    // path) under it.
    virtual Answer askToSave(QWidget* parent, const QString& title, const QString& question,
                             const QString& details) = 0;
    // Asks `question` with the buttons Overwrite and Cancel; true for Overwrite.
    virtual bool askToOverwrite(QWidget* parent, const QString& title, const QString& question) = 0;
    // Asks `question` about season edits not yet updated, with the buttons "Update", "Discard"
    // and "Cancel".
    virtual PendingAnswer askAboutPendingEdits(QWidget* parent, const QString& title,
                                               const QString& question) = 0;
    // Asks `question` with the buttons Import and Cancel; true when the user chose Import.
    virtual bool askToImport(QWidget* parent, const QString& title, const QString& question) = 0;
    // Before the file is left (another one opened, the window closed): asks `question` about
    // season edits not updated, and any unsaved changes, with the buttons "Update and Save",
    // "Discard" (typed values and unsaved changes) and "Cancel"; `details` under it.
    virtual PendingAnswer askToUpdateAndSave(QWidget* parent, const QString& title,
                                             const QString& question, const QString& details) = 0;
    // Asks `question` with the buttons Delete and Cancel; true when the user chose Delete.
    virtual bool confirmDelete(QWidget* parent, const QString& title, const QString& question) = 0;
    // Asks `question` with the buttons "Open Copy" and "Keep This File"; true for the copy.
    virtual bool askToOpenCopy(QWidget* parent, const QString& title, const QString& question) = 0;
    // Says `text` with the buttons Retry and Cancel; true for Retry.
    virtual bool askToRetry(QWidget* parent, const QString& title, const QString& text) = 0;
    // Shows the Change Values dialog, starting on `season`, for a change that reaches `count`
    // configurations; nothing when the user cancels.
    virtual std::optional<ValueChange> chooseValueChange(QWidget* parent, int season,
                                                         int count) = 0;
    // Opens `url` with the desktop's default handler, without waiting for it; false when the
    // desktop has no handler for it or could not start one.
    virtual bool openUrl(const QUrl& url) = 0;
};

// The real dialogs: QFileDialog, QMessageBox and QDesktopServices.
[[nodiscard]] std::unique_ptr<Desktop> makeModalDesktop();

} // namespace weather
