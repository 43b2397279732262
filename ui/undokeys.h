// Undo and Redo keys in the window's text boxes. A text box takes Ctrl+Z for its own typing
// even when it has nothing to undo, so the Edit menu's Undo would never be reached from a box
// with the cursor. This filter lets a box keep the keys only while it has typing of its own to
// undo or redo.
#pragma once

#include <QObject>

namespace weather {

class UndoKeys final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace weather
