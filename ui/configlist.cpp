#include "configlist.h"

#include <QKeyEvent>

namespace weather {

void ConfigList::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool step = key == Qt::Key_Up || key == Qt::Key_Down;
    const bool jump = key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_PageUp ||
                      key == Qt::Key_PageDown;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const auto nothingSelected = [this] {
        return currentIndex().isValid() && selectionModel()->selectedIndexes().isEmpty();
    };
    const auto selectCurrent = [this] {
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
    };
    if (plain && step && nothingSelected()) {
        selectCurrent();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
    // From the current row to itself (Home on the first row) the list selects nothing.
    if (plain && jump && nothingSelected())
        selectCurrent();
}

} // namespace weather
