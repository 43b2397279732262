// The question about typed values comes before a view's selection moves: which of the commands a
// view works out for its keys and clicks are put to that question first.
#pragma once

#include <QEvent>
#include <QInputEvent>
#include <QItemSelectionModel>
#include <QModelIndex>

namespace weather {

// A key or a click of the user's, rather than a change the program makes.
inline bool isUserSelectionEvent(const QEvent* event) {
    if (event == nullptr)
        return false;
    const QEvent::Type type = event->type();
    return type == QEvent::KeyPress || type == QEvent::MouseButtonPress ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove ||
           type == QEvent::MouseButtonRelease;
}

// Whether the user's `flags` for `index` must be asked about first: they move the selection.
// Ctrl+click on a selected row only takes it out, and is not asked about.
inline bool asksSelectionGate(QItemSelectionModel::SelectionFlags flags, const QModelIndex& index,
                              const QEvent* event, const QItemSelectionModel* selection) {
    if (!isUserSelectionEvent(event) || flags == QItemSelectionModel::NoUpdate || !index.isValid())
        return false;
    const bool takesOut =
        selection->isRowSelected(index.row(), index.parent()) &&
        (static_cast<const QInputEvent*>(event)->modifiers() & Qt::ControlModifier) != 0;
    return !takesOut;
}

} // namespace weather
