#include "undokeys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace weather {

bool UndoKeys::eventFilter(QObject* watched, QEvent* event) {
    const auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Not delivered, the override stays unaccepted and the window's shortcut runs.
    if (key->matches(QKeySequence::Undo))
        return !box->isUndoAvailable();
    if (key->matches(QKeySequence::Redo) || key->keyCombination() == (Qt::CTRL | Qt::Key_Y))
        return !box->isRedoAvailable();
    return false;
}

} // namespace weather
