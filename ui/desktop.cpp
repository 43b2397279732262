#include "desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace weather {

namespace {

// Every question can show a path, a name or file text: never read it as markup.
void makePlain(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
}

QString chooseFile(QWidget* parent, const OpenFileRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    dialog.setDirectory(request.folder);
    dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

class ModalDesktop final : public Desktop {
public:
    QString chooseFileToOpen(QWidget* parent, const OpenFileRequest& request) override {
        return chooseFile(parent, request, QFileDialog::AcceptOpen);
    }

    QString chooseFileToSave(QWidget* parent, const OpenFileRequest& request) override {
        return chooseFile(parent, request, QFileDialog::AcceptSave);
    }

    void showMessage(QWidget* parent, Message kind, const QString& title,
                     const QString& text) override {
        const QMessageBox::Icon icon = kind == Message::Failure  ? QMessageBox::Warning
                                       : kind == Message::Notice ? QMessageBox::Information
                                                                 : QMessageBox::NoIcon;
        QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
        makePlain(box);
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
        QMessageBox box(QMessageBox::Warning, title, question, QMessageBox::Cancel, parent);
        makePlain(box);
        const QAbstractButton* overwrite = box.addButton(
            QCoreApplication::translate("Desktop", "Overwrite"), QMessageBox::AcceptRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == overwrite;
    }

    PendingAnswer askAboutPendingEdits(QWidget* parent, const QString& title,
                                       const QString& question) override {
        QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, parent);
        makePlain(box);
        QPushButton* update = box.addButton(QCoreApplication::translate("Desktop", "Update"),
                                            QMessageBox::AcceptRole);
        QPushButton* discard = box.addButton(QCoreApplication::translate("Desktop", "Discard"),
                                             QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(QCoreApplication::translate("Desktop", "Cancel"),
                                            QMessageBox::RejectRole);
        box.setDefaultButton(update);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == update)
            return PendingAnswer::Update;
        return box.clickedButton() == discard ? PendingAnswer::Discard : PendingAnswer::Cancel;
    }

    bool confirmDelete(QWidget* parent, const QString& title, const QString& question) override {
        QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, parent);
        makePlain(box);
        QPushButton* remove = box.addButton(QCoreApplication::translate("Desktop", "Delete"),
                                            QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(QCoreApplication::translate("Desktop", "Cancel"),
                                            QMessageBox::RejectRole);
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == remove;
    }

    void openUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

} // namespace

std::unique_ptr<Desktop> makeModalDesktop() {
    return std::make_unique<ModalDesktop>();
}

} // namespace weather
