// The list of configurations: their names in file order, narrowed by the find box, and a list
// view that keyboard users can always show an entry from and that asks before the user moves
// its selection away from the entry on display.
#pragma once

#include <QAbstractListModel>
#include <QListView>

#include <functional>
#include <vector>

namespace weather {

class ConfigTable;

// The names of a table's records, as rows: every record, or those that match a find text. Row r
// holds the record in slot slotAt(r).
class ConfigListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // Takes the names and numbers of records 1..recordCount() and finds again.
    void setConfigs(const ConfigTable& table);
    // A record's new name; the rows are found again.
    void setName(int slot, const QString& name);
    // Keeps the records whose name holds `text`, ignoring case and accents, or whose number is
    // `text` when it is a whole number; every record when it is empty.
    void setFindText(const QString& text);

    [[nodiscard]] int recordCount() const { return int(names_.size()); }
    [[nodiscard]] int slotAt(int row) const;
    // The row of `slot`, or -1 when it is not listed.
    [[nodiscard]] int rowOf(int slot) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

private:
    void find();
    [[nodiscard]] bool matches(std::size_t record) const;

    std::vector<QString> names_;
    std::vector<QString> folded_; // the names without case and accents, for finding
    std::vector<qint64> numbers_;
    QString findText_;  // folded
    qint64 findNumber_ = 0;
    bool findsNumber_ = false;
    std::vector<int> slots_; // the slot of each row
    std::vector<int> rows_;  // the row of each slot - 1, or -1
};

// A list that takes the focus gets a current row without a selection, and shows nothing. The
// first key that moves through it then selects: Up and Down select the current row itself
// (it has not been shown yet), Home, End and the page keys select where they land, even when
// that is the current row.
class ConfigList : public QListView {
    Q_OBJECT

public:
    explicit ConfigList(QWidget* parent = nullptr);

    [[nodiscard]] ConfigListModel* configs() const { return model_; }

    // Asked before a click or a key selects `row`; false keeps the selection (and the current
    // row) where they are. Asked once per click, however far the mouse then drags.
    void setSelectionGate(std::function<bool(int row)> gate) { gate_ = std::move(gate); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    [[nodiscard]] QItemSelectionModel::SelectionFlags
    selectionCommand(const QModelIndex& index, const QEvent* event) const override;

private:
    ConfigListModel* model_;
    std::function<bool(int row)> gate_;
    mutable bool refused_ = false; // the gate said no during this key or mouse press
};

// `text` without case and accents: "Süd" and "SUD" both become "sud".
[[nodiscard]] QString foldForFind(const QString& text);

} // namespace weather
