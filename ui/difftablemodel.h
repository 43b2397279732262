// The differences of a comparison as a table: configuration, what, old, new. Rows are made as
// the view asks for them, so a comparison of any size shows at once.
#pragma once

#include "configdiff.h"

#include <QAbstractTableModel>

#include <memory>

namespace weather {

class DiffTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { ConfigurationColumn, WhatColumn, OldColumn, NewColumn, ColumnCount };
    // The slot of the row's configuration in the new table (0 when it has none there), under
    // Qt::UserRole.
    static constexpr int SlotRole = Qt::UserRole;

    // `newSide` names the new side in the column header and in "only in" ("the window").
    DiffTableModel(std::shared_ptr<const TableDiff> diff, QString newSide,
                   QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

    // The line --diff prints for `row`.
    [[nodiscard]] QString line(int row) const;

private:
    [[nodiscard]] QString what(const Difference& d) const;
    [[nodiscard]] bool startsGroup(int row) const;

    std::shared_ptr<const TableDiff> diff_;
    QString newSide_;
};

} // namespace weather
