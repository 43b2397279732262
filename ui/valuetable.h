// The table of every value: a row per configuration, the seasons' values side by side under two
// header rows (the season over its columns, then the value), the value groups and seasons set
// apart by lines; above it the value filter, built from a value, a comparison and a number.
#pragma once

#include "valuefilter.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QTableView>
#include <QWidget>

#include <functional>

class QComboBox;
class QPushButton;
class QSpinBox;

namespace weather {

class ConfigTableModel;
class ValueTableModel;
class ValueTableProxy;

// Which columns the table shows: every one, one season's or one value group's.
enum class TableColumns {
    All,
    Spring,
    Summer,
    Autumn,
    Winter,
    StartDays,
    Wind,
    Precipitation,
    Warmth
};
inline constexpr int TableColumnsCount = 9;

// A cell's text is edited with the season boxes' key filter; what the user enters goes to
// valueEntered(), which stores it or says why not. Typing a character the filter drops does not
// start editing.
class ValueTableView final : public QTableView {
    Q_OBJECT

public:
    explicit ValueTableView(QWidget* parent = nullptr);

    // Whether a key or the mouse is moving the current cell, rather than the window.
    [[nodiscard]] bool userMoving() const { return userMoving_; }
    // Asked before a click or a key selects the row of `index`; false keeps the selection and
    // the current row where they are. Asked once per click, however far the mouse then drags.
    void setSelectionGate(std::function<bool(const QModelIndex& index)> gate) {
        gate_ = std::move(gate);
    }
    // The gate said no during the key or click being handled.
    [[nodiscard]] bool refusedMove() const { return refused_; }
    // The last key or click selected afresh (a plain click, an arrow key), rather than adding
    // to the selection or taking from it (Ctrl, Shift).
    [[nodiscard]] bool selectsAfresh() const { return clears_; }

signals:
    void valueEntered(const QModelIndex& index, const QString& text);
    // A key or a mouse press was handled.
    void userActed();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // A plain click on a row among several selected selects it alone when the button is let go.
    void mouseReleaseEvent(QMouseEvent* event) override;
    [[nodiscard]] QItemSelectionModel::SelectionFlags
    selectionCommand(const QModelIndex& index, const QEvent* event) const override;

private:
    bool userMoving_ = false;
    std::function<bool(const QModelIndex& index)> gate_;
    mutable bool refused_ = false;        // the gate said no during this key or mouse press
    mutable bool clears_ = true;          // the last key or click selected afresh
    QPersistentModelIndex currentBefore_; // current before the press, back when refused
};

class ValueTable final : public QWidget {
    Q_OBJECT

public:
    ValueTable(const ConfigTableModel* records, const ConfigTable* table,
               QWidget* parent = nullptr);

    [[nodiscard]] ValueTableView* view() const { return view_; }
    [[nodiscard]] ValueTableProxy* rows() const { return proxy_; }
    void showColumns(TableColumns columns);
    // Asked before a click or a key moves the selection to `slot`'s row; false keeps it.
    void setSelectionGate(std::function<bool(int slot)> gate);
    // Keeps the rows whose configurations the find box's text finds, as the list does.
    void setFindText(const QString& text);
    // The configurations of the selected rows, in file order.
    [[nodiscard]] QList<int> selectedSlots() const;
    // Selects the rows of `chosen` (those shown), keeping the current row; no signal. The others
    // stay selected through a Ctrl+click here.
    void selectSlots(const QList<int>& chosen);
    // Makes `slot`'s row the current one (none when it is not shown), without a signal.
    void setCurrentSlot(int slot);

signals:
    // The user moved the current row to `slot`'s.
    void slotChosen(int slot);
    // The user changed which rows are selected; `chosen` are their configurations.
    void selectionChosen(const QList<int>& chosen);
    // The find text or the value filter changed which rows are shown.
    void rowsFound();
    // The user entered `text` for a value of `slot`.
    void valueEntered(int slot, int season, int position, const QString& text);

private:
    void applyFilter();
    // The user made a row current: its configuration is chosen, unless it is on display.
    void chooseCurrentRow();

    ValueTableModel* model_;
    ValueTableProxy* proxy_;
    ValueTableView* view_;
    QComboBox* cboFilterValue_;
    QComboBox* cboFilterComparison_;
    QSpinBox* spnFilterNumber_;
    QPushButton* cmdClearFilter_;
    int currentSlot_ = 0;       // the configuration on display, current again after rows are found
    QList<int> hiddenSelected_; // of those selectSlots() chose, the ones no row shows
};

} // namespace weather
