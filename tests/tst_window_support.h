// Driving the real editor window in tests: a desktop that answers the dialogs from a script and
// records what the window asked and said, and short ways to reach the window's controls.
#pragma once

#include "frmweather.h"
#include "selectionedit.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QList>
#include <QListView>
#include <QStringList>
#include <QTreeView>

#include <memory>

namespace windowtest {

class FakeDesktop final : public weather::Desktop {
public:
    struct Shown {
        Message kind;
        QString title;
        QString text;
    };

    // Answers of the open-file dialog, taken in turn; none left means the user cancels.
    QStringList fileAnswers;
    // Answers of the save-file dialog, taken in turn; none left means the user cancels.
    QStringList saveFileAnswers;
    // The filters chosen in it, taken in turn; none left keeps the one it selected.
    QList<int> saveFilterAnswers;
    // Answers to "Save changes ...?", taken in turn; none left means Cancel.
    QList<Answer> saveAnswers;
    // Answers to "... Overwrite it ...?", taken in turn; none left means Cancel.
    QList<bool> overwriteAnswers;
    // Answers to the pending-edit question, taken in turn; none left means Cancel.
    QList<PendingAnswer> pendingAnswers;
    // Answers to "... Import its configurations ...?", taken in turn; none left means Cancel.
    QList<bool> importAnswers;
    // Answers to the delete question, taken in turn; none left means Cancel.
    QList<bool> deleteAnswers;
    // Answers to "Open the game's copy instead?" and to Retry, taken in turn; none left: no.
    QList<bool> copyAnswers;
    QList<bool> retryAnswers;

    // Answers of the Change Values dialog, taken in turn; none left means the user cancels.
    QList<weather::ValueChange> valueChanges;

    QList<weather::OpenFileRequest> fileRequests;
    QList<weather::OpenFileRequest> saveFileRequests;
    QList<Shown> messages;
    QStringList questions;        // every question asked, in order
    QStringList pendingQuestions; // the pending-edit questions among them
    QStringList details;          // the details under each question that has them
    QList<QUrl> openedUrls;
    // What openUrl answers: false as a desktop without a web browser would.
    bool opensUrls = true;

    QString chooseFileToOpen(QWidget* parent, const weather::OpenFileRequest& request) override;
    weather::ChosenFile chooseFileToSave(QWidget* parent,
                                         const weather::OpenFileRequest& request) override;
    void showMessage(QWidget* parent, Message kind, const QString& title,
                     const QString& text) override;
    Answer askToSave(QWidget* parent, const QString& title, const QString& question,
                     const QString& details) override;
    bool askToOverwrite(QWidget* parent, const QString& title, const QString& question) override;
    PendingAnswer askAboutPendingEdits(QWidget* parent, const QString& title,
                                       const QString& question) override;
    bool askToImport(QWidget* parent, const QString& title, const QString& question) override;
    // Counted among the pending-edit questions and answered from pendingAnswers.
    PendingAnswer askToUpdateAndSave(QWidget* parent, const QString& title, const QString& question,
                                     const QString& details) override;
    bool confirmDelete(QWidget* parent, const QString& title, const QString& question) override;
    bool askToOpenCopy(QWidget* parent, const QString& title, const QString& question) override;
    bool askToRetry(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<weather::ValueChange> chooseValueChange(QWidget* parent, int season,
                                                          int count) override;
    bool openUrl(const QUrl& url) override {
        openedUrls << url;
        return opensUrls;
    }
};

// A window with a FakeDesktop, shown; with Kept, from the settings an earlier window left, as
// in a next run.
struct Editor {
    enum class Settings { Fresh, Kept };
    explicit Editor(Settings start = Settings::Fresh);
    ~Editor();

    FakeDesktop* desktop; // owned by the window
    std::unique_ptr<weather::frmWeather> window;

    template <typename T> [[nodiscard]] T* find(const QString& name) const {
        return window->findChild<T*>(name);
    }
    [[nodiscard]] QLineEdit* txtVal(int n) const;
    [[nodiscard]] QLineEdit* txtStart(int s) const;
    // The box of `position` (0 start day, 1..17 values) of `season`.
    [[nodiscard]] QLineEdit* seasonBox(int season, int position) const;
    [[nodiscard]] QTreeView* list() const;
    [[nodiscard]] int currentRow() const;
    // The names the list shows, top to bottom.
    [[nodiscard]] QStringList listed() const;
    // Scrolls to list position `position` and selects it with the mouse, as a user would.
    void select(int position, Qt::KeyboardModifiers modifiers = {}) const;
    // Types `name` into the name box, as the user would, and presses Enter.
    void rename(const QString& name) const;
    // Clicks the button named `name`.
    void click(const QString& name) const;
    // Opens `path` through the Open button and the file dialog.
    void openThroughDialog(const QString& path) const;
    // Opens the example and empties every season box, to type into.
    void openWithEmptyBoxes() const;
    // Writes a file of records numbered 5 and 6 to `path` and opens it.
    void openNumberedFile(const QString& path) const;
};

// A file of records numbered `numbers`, record k named "Climate k" with the sample values of
// seed k; written to `path`. Returns its bytes.
QByteArray writeNumberedFile(const QString& path, const QList<int>& numbers);

} // namespace windowtest
