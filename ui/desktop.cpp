#include "desktop.h"

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
    QFileDialog dialog(parent);
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(mode);
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

// Asks `question` with one button per choice, `preferred` the default one and the last the one
// that Escape or the close button chooses. Returns the index of the choice made.
std::size_t ask(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                const QString& question, std::initializer_list<Choice> choices,
                std::size_t preferred) {
    QMessageBox box(icon, title, question, QMessageBox::NoButton, parent);
    makePlain(box);
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
        QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
        makePlain(box);
        if (kind == Message::About)
            showLinks(box, title, text);
        box.exec();
    }

    Answer askToSave(QWidget* parent, const QString& title, const QString& question) override {
        QMessageBox box(QMessageBox::Question, title, question,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        makePlain(box);
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
        case QMessageBox::Save:
            return Answer::Save;
        case QMessageBox::Discard:
            return Answer::Discard;
        default:
            return Answer::Cancel;
        }
    }

    bool askToOverwrite(QWidget* parent, const QString& title, const QString& question) override {
        return ask(parent, QMessageBox::Warning, title, question,
                   {{QT_TRANSLATE_NOOP("Desktop", "Overwrite"), QMessageBox::AcceptRole},
                    {QT_TRANSLATE_NOOP("Desktop", "Cancel"), QMessageBox::RejectRole}},
                   1) == 0;
    }

    PendingAnswer askAboutPendingEdits(QWidget* parent, const QString& title,
                                       const QString& question) override {
        constexpr std::array<PendingAnswer, 3> answers = {
            PendingAnswer::Update, PendingAnswer::Discard, PendingAnswer::Cancel};
        return answers[ask(parent, QMessageBox::Question, title, question,
                           {{QT_TRANSLATE_NOOP("Desktop", "Update"), QMessageBox::AcceptRole},
                            {QT_TRANSLATE_NOOP("Desktop", "Discard"), QMessageBox::DestructiveRole},
                            {QT_TRANSLATE_NOOP("Desktop", "Cancel"), QMessageBox::RejectRole}},
                           0)];
    }

    bool confirmDelete(QWidget* parent, const QString& title, const QString& question) override {
        return ask(parent, QMessageBox::Question, title, question,
                   {{QT_TRANSLATE_NOOP("Desktop", "Delete"), QMessageBox::DestructiveRole},
                    {QT_TRANSLATE_NOOP("Desktop", "Cancel"), QMessageBox::RejectRole}},
                   1) == 0;
    }

    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }

private:
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
