// The list of configurations: a list box that keyboard users can always show an entry from, and
// that asks before the user moves its selection away from the entry on display.
#pragma once

#include <QListWidget>

#include <functional>

namespace weather {

// A list that takes the focus gets a current row without a selection, and shows nothing. The
// first key that moves through it then selects: Up and Down select the current row itself
// (it has not been shown yet), Home, End and the page keys select where they land, even when
// that is the current row.
class ConfigList : public QListWidget {
    Q_OBJECT

public:
    using QListWidget::QListWidget;

    // Asked before a click or a key selects `row`; false keeps the selection (and the current
    // row) where they are. Asked once per click, however far the mouse then drags.
    void setSelectionGate(std::function<bool(int row)> gate) { gate_ = std::move(gate); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    [[nodiscard]] QItemSelectionModel::SelectionFlags
    selectionCommand(const QModelIndex& index, const QEvent* event) const override;

private:
    std::function<bool(int row)> gate_;
    mutable bool refused_ = false; // the gate said no during this key or mouse press
};

} // namespace weather
