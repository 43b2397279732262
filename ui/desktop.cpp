#include "desktop.h"

#include "changevaluesdialog.h"
#include "weblink.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <vector>

namespace weather {

namespace {

// Every question can show a path, a name or file text: never read it as markup.
void makePlain(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
}

ChosenFile chooseFile(QWidget* parent, const OpenFileRequest& request,
                      QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    // Qt's own dialog: every button with an Alt key (a desktop's native one keeps its own).
    dialog.setLabelText(QFileDialog::Accept, mode == QFileDialog::AcceptOpen
                                                 ? QCoreApplication::translate("Desktop", "&Open")
                                                 : QCoreApplication::translate("Desktop", "&Save"));
    dialog.setLabelText(QFileDialog::Reject, QCoreApplication::translate("Desktop", "&Cancel"));
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    dialog.selectNameFilter(request.filters.value(request.selectedFilter));
    dialog.setDirectory(request.folder);
    dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return {dialog.selectedFiles().value(0),
            std::max(0, int(request.filters.indexOf(dialog.selectedNameFilter())))};
}

// One button of a question: its text (translated in the "Desktop" context) and its role.
struct Choice {
    const char* text;
    QMessageBox::ButtonRole role;
};

// Asks `question` (and `details` under it) with one button per choice, each with an Alt key,
// `preferred` the default one, never a destructive one, and the last the one that Escape or the
// close button chooses. Returns the index of the choice made.
std::size_t ask(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                const QString& question, std::initializer_list<Choice> choices,
                std::size_t preferred, const QString& details = {}) {
    QMessageBox box(icon, title, question, QMessageBox::NoButton, parent);
    makePlain(box);
    box.setInformativeText(details);
    std::vector<QPushButton*> buttons;
    std::transform(
        choices.begin(), choices.end(), std::back_inserter(buttons), [&box](const Choice& choice) {
            return box.addButton(QCoreApplication::translate("Desktop", choice.text), choice.role);
        });
    box.setDefaultButton(buttons.at(preferred));
    box.setEscapeButton(buttons.back());
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return chosen == buttons.end() ? buttons.size() - 1
                                   : static_cast<std::size_t>(chosen - buttons.begin());
}

class ModalDesktop final : public Desktop {
public:
    QString chooseFileToOpen(QWidget* parent, const OpenFileRequest& request) override {
        return chooseFile(parent, request, QFileDialog::AcceptOpen).path;
    }

    ChosenFile chooseFileToSave(QWidget* parent, const OpenFileRequest& request) override {
        return chooseFile(parent, request, QFileDialog::AcceptSave);
    }

    void showMessage(QWidget* parent, Message kind, const QString& title,
                     const QString& text) override {
        const QMessageBox::Icon icon = kind == Message::Failure  ? QMessageBox::Warning
                                       : kind == Message::Notice ? QMessageBox::Information
                                                                 : QMessageBox::NoIcon;
        QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
        makePlain(box);
        box.setDefaultButton(
            box.addButton(QCoreApplication::translate("Desktop", "&OK"), QMessageBox::AcceptRole));
        if (kind == Message::About)
            showLinks(box, title, text);
        box.exec();
    }

    Answer askToSave(QWidget* parent, const QString& title, const QString& question,
                     const QString& details) override {
        constexpr std::array<Answer, 3> answers = {Answer::Save, Answer::Discard, Answer::Cancel};
        return answers[ask(
            parent, QMessageBox::Question, title, question,
            {{QT_TRANSLATE_NOOP("Desktop", "&Save"), QMessageBox::AcceptRole},
             {QT_TRANSLATE_NOOP("Desktop", "&Don't Save"), QMessageBox::DestructiveRole},
             {QT_TRANSLATE_NOOP("Desktop", "&Cancel"), QMessageBox::RejectRole}},
            0, details)];
    }

    PendingAnswer askToUpdateAndSave(QWidget* parent, const QString& title, const QString& question,
                                     const QString& details) override {
        return askPending(parent, title, question, QT_TRANSLATE_NOOP("Desktop", "&Update and Save"),
                          details);
    }

    bool askToOverwrite(QWidget* parent, const QString& title, const QString& question) override {
        return ask(parent, QMessageBox::Warning, title, question,
                   {{QT_TRANSLATE_NOOP("Desktop", "&Overwrite"), QMessageBox::AcceptRole},
                    {QT_TRANSLATE_NOOP("Desktop", "&Cancel"), QMessageBox::RejectRole}},
                   1) == 0;
    }

    bool askToImport(QWidget* parent, const QString& title, const QString& question) override {
        return ask(parent, QMessageBox::Question, title, question,
                   {{QT_TRANSLATE_NOOP("Desktop", "&Import"), QMessageBox::AcceptRole},
                    {QT_TRANSLATE_NOOP("Desktop", "&Cancel"), QMessageBox::RejectRole}},
                   0) == 0;
    }

    PendingAnswer askAboutPendingEdits(QWidget* parent, const QString& title,
                                       const QString& question) override {
        return askPending(parent, title, question, QT_TRANSLATE_NOOP("Desktop", "&Update"), {});
    }

    std::optional<ValueChange> chooseValueChange(QWidget* parent, int season, int count) override {
        ChangeValuesDialog dialog(season, count, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.change();
    }

    bool confirmDelete(QWidget* parent, const QString& title, const QString& question) override {
        return ask(parent, QMessageBox::Question, title, question,
                   {{QT_TRANSLATE_NOOP("Desktop", "&Delete"), QMessageBox::DestructiveRole},
                    {QT_TRANSLATE_NOOP("Desktop", "&Cancel"), QMessageBox::RejectRole}},
                   1) == 0;
    }

    bool askToOpenCopy(QWidget* parent, const QString& title, const QString& question) override {
        return ask(parent, QMessageBox::Question, title, question,
                   {{QT_TRANSLATE_NOOP("Desktop", "&Open Copy"), QMessageBox::AcceptRole},
                    {QT_TRANSLATE_NOOP("Desktop", "&Keep This File"), QMessageBox::RejectRole}},
                   0) == 0;
    }

    bool askToRetry(QWidget* parent, const QString& title, const QString& text) override {
        return ask(parent, QMessageBox::Warning, title, text,
                   {{QT_TRANSLATE_NOOP("Desktop", "&Retry"), QMessageBox::AcceptRole},
                    {QT_TRANSLATE_NOOP("Desktop", "&Cancel"), QMessageBox::RejectRole}},
                   0) == 0;
    }

    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }

private:
    // The questions about typed values: `update` (what Update does), Discard and Cancel.
    static PendingAnswer askPending(QWidget* parent, const QString& title, const QString& question,
                                    const char* update, const QString& details) {
        constexpr std::array<PendingAnswer, 3> answers = {
            PendingAnswer::Update, PendingAnswer::Discard, PendingAnswer::Cancel};
        return answers[ask(
            parent, QMessageBox::Question, title, question,
            {{update, QMessageBox::AcceptRole},
             {QT_TRANSLATE_NOOP("Desktop", "&Discard"), QMessageBox::DestructiveRole},
             {QT_TRANSLATE_NOOP("Desktop", "&Cancel"), QMessageBox::RejectRole}},
            0, details)];
    }

    // Makes the web addresses of `text` links that open through openUrl, so that a desktop
    // without a browser is reported as it is for the window's own link.
    void showLinks(QMessageBox& box, const QString& title, const QString& text) {
        box.setTextFormat(Qt::RichText);
        box.setText(plainTextWithLinks(text));
        box.setTextInteractionFlags(Qt::TextBrowserInteraction);
        const QList<QLabel*> labels = box.findChildren<QLabel*>();
        for (QLabel* label : labels) {
            label->setOpenExternalLinks(false);
            QObject::connect(label, &QLabel::linkActivated, &box,
                             [this, &box, title](const QString& link) {
                                 openWebLink(*this, &box, title, QUrl(link));
                             });
        }
    }
};

} // namespace

std::unique_ptr<Desktop> makeModalDesktop() {
    return std::make_unique<ModalDesktop>();
}

} // namespace weather
