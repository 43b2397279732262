#include "configlist.h"

#include <QKeyEvent>

namespace weather {

QItemSelectionModel::SelectionFlags ConfigList::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
    const auto flags = QListWidget::selectionCommand(index, event);
    const bool user = event && (event->type() == QEvent::KeyPress ||
                                event->type() == QEvent::MouseButtonPress ||
                                event->type() == QEvent::MouseButtonDblClick ||
                                event->type() == QEvent::MouseMove ||
                                event->type() == QEvent::MouseButtonRelease);
    if (!user || !gate_ || flags == QItemSelectionModel::NoUpdate || !index.isValid() ||
        selectionModel()->isSelected(index))
        return flags;
    if (refused_ || !gate_(index.row())) {
        refused_ = true;
        return QItemSelectionModel::NoUpdate;
    }
    return flags;
}

void ConfigList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (refused_) {
        refused_ = false;
        if (const QModelIndexList selected = selectionModel()->selectedRows(); !selected.isEmpty())
            selectionModel()->setCurrentIndex(selected.first(), QItemSelectionModel::NoUpdate);
    }
}

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
    const QModelIndexList before = selectionModel()->selectedRows();
    refused_ = false;
    QListWidget::keyPressEvent(event);
    if (refused_) {
        // The current row stays with the selection the user chose to keep.
        refused_ = false;
        if (!before.isEmpty())
            selectionModel()->setCurrentIndex(before.first(), QItemSelectionModel::NoUpdate);
        return;
    }
    // From the current row to itself (Home on the first row) the list selects nothing.
    if (plain && jump && nothingSelected())
        selectCurrent();
}

} // namespace weather
