// The list of configurations: their names and numbers in file order, narrowed by the find box,
// and a list view that keyboard users can always show an entry from and that asks before the
// user moves its selection away from the entry on display.
#pragma once

#include "configtablemodel.h"

#include <QPointer>
#include <QSortFilterProxyModel>
#include <QTreeView>

#include <functional>

namespace weather {

// The rows of a ConfigTableModel that match a find text. The rows are found when the text
// changes and when records come or go; a record renamed meanwhile keeps its row (and the rows
// around it stay where they are) until the text changes again.
class ConfigFindModel final : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit ConfigFindModel(QObject* parent = nullptr);

    [[nodiscard]] ConfigTableModel* records() const { return records_; }

    // Keeps the records whose name holds `text`, ignoring case and accents, or whose number is
    // `text` when it is a whole number; every record when it is empty.
    void setFindText(const QString& text);

    [[nodiscard]] int recordCount() const;
    // The slot of row `row`, or 0 when there is no such row.
    [[nodiscard]] int slotAt(int row) const;
    // The row of `slot`, or -1 when it is not listed.
    [[nodiscard]] int rowOf(int slot) const;

protected:
    [[nodiscard]] bool filterAcceptsRow(int sourceRow, const QModelIndex& parent) const override;

private:
    ConfigTableModel* records_;
    FindRule find_;
};

// Ctrl and Shift with a click or an arrow key select several entries; a plain click or key
// selects one. A list that takes the focus gets a current row without a selection, and shows
// nothing. The first key that moves through it then selects: Up and Down select the current row
// itself (it has not been shown yet), Home, End and the page keys select where they land, even when
// that is the current row.
class ConfigList : public QTreeView {
    Q_OBJECT

public:
    explicit ConfigList(QWidget* parent = nullptr);

    [[nodiscard]] ConfigFindModel* configs() const { return model_; }

    // Asked before a click or a key selects `row`; false keeps the selection (and the current
    // row) where they are, and gives the focus back to where a click took it from. Asked once
    // per click, however far the mouse then drags.
    void setSelectionGate(std::function<bool(int row)> gate) { gate_ = std::move(gate); }
    // The gate said no during the key or click being handled: the current row it moves is put
    // back afterwards, and shows nothing meanwhile.
    [[nodiscard]] bool refusedMove() const { return refused_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    [[nodiscard]] QItemSelectionModel::SelectionFlags
    selectionCommand(const QModelIndex& index, const QEvent* event) const override;

private:
    // The number column as wide as the widest number listed needs.
    void fitNumberColumn();

    ConfigFindModel* model_;
    std::function<bool(int row)> gate_;
    mutable bool refused_ = false;        // the gate said no during this key or mouse press
    QPointer<QWidget> focusBefore_;       // had the focus before a click gave it to the list
    QPersistentModelIndex currentBefore_; // the current row before a click
};

} // namespace weather
