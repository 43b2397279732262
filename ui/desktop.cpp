#include "desktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace weather {

namespace {

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
        box.exec();
    }

    Answer askToSave(QWidget* parent, const QString& title, const QString& question) override {
        QMessageBox box(QMessageBox::Question, title, question,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
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

    void openUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

} // namespace

std::unique_ptr<Desktop> makeModalDesktop() {
    return std::make_unique<ModalDesktop>();
}

} // namespace weather
