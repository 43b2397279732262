#include "comparedialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace weather {

CompareDialog::CompareDialog(const QString& text, QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("dlgCompare"));
    setWindowTitle(tr("Compare with File"));
    setAttribute(Qt::WA_DeleteOnClose);

    text_->setObjectName(QStringLiteral("txtCompare"));
    text_->setReadOnly(true); // keeps selecting and copying, by mouse and keyboard
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setPlainText(text);
    text_->setAccessibleName(tr("Differences"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(640, 400);
}

} // namespace weather
