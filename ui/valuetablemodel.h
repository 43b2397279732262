// Every configuration as a row of the table view: its number, its name and the seventy-two
// values, four seasons of eighteen. It follows the list's records, which follow the window's
// table, so both views show the same configurations after every change.
#pragma once

#include "configtablemodel.h"
#include "valuefilter.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace weather {

class ValueTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NumberColumn, NameColumn, FirstValueColumn };
    static constexpr int ColumnCount = FirstValueColumn + SeasonCount * SeasonValueCount;

    // `records` supplies the rows and names; `table` the values. Both must outlive the model.
    ValueTableModel(const ConfigTableModel* records, const ConfigTable* table,
                    QObject* parent = nullptr);

    [[nodiscard]] const ConfigTableModel& records() const { return *records_; }
    [[nodiscard]] const WeatherConfig& record(int row) const { return table_->Configs(row + 1); }

    // The number in `column` of `row`: the configuration's number or one of its values.
    [[nodiscard]] qint64 numberAt(int row, int column) const;

    [[nodiscard]] static int valueColumn(int season, int position) {
        return FirstValueColumn + season * SeasonValueCount + position;
    }
    // The season and position of a value column; season -1 for the number and the name.
    [[nodiscard]] static int seasonOf(int column) {
        return column < FirstValueColumn ? -1 : (column - FirstValueColumn) / SeasonValueCount;
    }
    [[nodiscard]] static int positionOf(int column) {
        return column < FirstValueColumn ? -1 : (column - FirstValueColumn) % SeasonValueCount;
    }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const ConfigTableModel* records_;
    const ConfigTable* table_;
};

// The rows the table shows: those the find text keeps and the value filter passes, in the
// order of the sorted column, equal values in file order. The file's order never changes. As in
// the list, rows are found and sorted again when the find text, the filter or the sorting
// changes and when records come or go, not when a value is edited under them.
class ValueTableProxy final : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit ValueTableProxy(ValueTableModel* values, QObject* parent = nullptr);

    void setFindText(const QString& text);
    void setValueFilter(const ValueFilter& filter);
    [[nodiscard]] const ValueFilter& valueFilter() const { return filter_; }

    // The slot of row `row`, or 0; the row of `slot`, or -1 when it is not shown.
    [[nodiscard]] int slotAt(int row) const;
    [[nodiscard]] int rowOf(int slot) const;

protected:
    [[nodiscard]] bool filterAcceptsRow(int sourceRow, const QModelIndex& parent) const override;
    [[nodiscard]] bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    ValueTableModel* values_;
    FindRule find_;
    ValueFilter filter_;
};

} // namespace weather
