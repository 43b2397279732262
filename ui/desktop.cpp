#include "desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace weather {

namespace {

class ModalDesktop final : public Desktop {
public:
    QString chooseFileToOpen(QWidget* parent, const OpenFileRequest& request) override {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(request.filters);
        dialog.setDirectory(request.folder);
        dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return dialog.selectedFiles().value(0);
    }

    void showMessage(QWidget* parent, Message kind, const QString& title,
                     const QString& text) override {
        const QMessageBox::Icon icon = kind == Message::Failure  ? QMessageBox::Warning
                                       : kind == Message::Notice ? QMessageBox::Information
                                                                 : QMessageBox::NoIcon;
        QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
        box.setTextFormat(Qt::PlainText); // paths, names and file text are never markup
        box.exec();
    }

    Answer askToSave(QWidget* parent, const QString& title, const QString& question) override {
        QMessageBox box(QMessageBox::Question, title, question,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setTextFormat(Qt::PlainText);
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
        const QAbstractButton* overwrite = box.addButton(
            QCoreApplication::translate("weather::Desktop", "Overwrite"), QMessageBox::AcceptRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == overwrite;
    }

    void openUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

} // namespace

std::unique_ptr<Desktop> makeModalDesktop() {
    return std::make_unique<ModalDesktop>();
}

} // namespace weather
