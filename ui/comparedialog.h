// The window's File > Compare with File...: the comparison's lines in a text the user can read,
// select and copy.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace weather {

// A read-only text and a Close button. It deletes itself when closed, so the window can make it
// with `new CompareDialog(text, this)` and show() it without keeping it.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    explicit CompareDialog(const QString& text, QWidget* parent = nullptr);

    // The text box, object name "txtCompare".
    [[nodiscard]] QPlainTextEdit* textBox() const { return text_; }

private:
    QPlainTextEdit* text_;
};

} // namespace weather
