#include "valuetablemodel.h"

#include "uitext.h"

namespace weather {

ValueTableModel::ValueTableModel(const ConfigTableModel* records, const ConfigTable* table,
                                 QObject* parent)
    : QAbstractTableModel(parent), records_(records), table_(table) {
    // The rows are the list's rows: the records model says when they come, go or change.
    connect(records, &QAbstractItemModel::modelAboutToBeReset, this,
            &ValueTableModel::beginResetModel);
    connect(records, &QAbstractItemModel::modelReset, this, &ValueTableModel::endResetModel);
    connect(records, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex&, int first, int last) { beginInsertRows({}, first, last); });
    connect(records, &QAbstractItemModel::rowsInserted, this, &ValueTableModel::endInsertRows);
    connect(records, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { beginRemoveRows({}, first, last); });
    connect(records, &QAbstractItemModel::rowsRemoved, this, &ValueTableModel::endRemoveRows);
    // A record's name, number or values changed (every step on a record reports it so).
    connect(records, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last, const QList<int>& roles) {
                emit dataChanged(index(first.row(), 0), index(last.row(), ColumnCount - 1), roles);
            });
}

qint64 ValueTableModel::numberAt(int row, int column) const {
    const int season = seasonOf(column);
    return season < 0 ? records_->number(row) : record(row).season(season).at(positionOf(column));
}

int ValueTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : records_->rowCount();
}

int ValueTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ValueTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const int column = index.column();
    if (column == NameColumn) {
        return records_->data(records_->index(row, ConfigTableModel::NameColumn), role);
    }
    const qint64 number = numberAt(row, column);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return QString::number(number);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ValueTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        if (section == NumberColumn)
            return tr("Number");
        if (section == NameColumn)
            return tr("Name");
        return valueText(positionOf(section));
    }
    if ((role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) && section >= FirstValueColumn)
        return valueNameText(seasonOf(section), positionOf(section));
    return {};
}

Qt::ItemFlags ValueTableModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() >= FirstValueColumn ? flags | Qt::ItemIsEditable : flags;
}

ValueTableProxy::ValueTableProxy(ValueTableModel* values, QObject* parent)
    : QSortFilterProxyModel(parent), values_(values) {
    // An edited value does not move its row away under the cursor.
    setDynamicSortFilter(false);
    setSourceModel(values);
}

void ValueTableProxy::setFindText(const QString& text) {
    find_.setText(text);
    invalidateRowsFilter();
}

void ValueTableProxy::setValueFilter(const ValueFilter& filter) {
    filter_ = filter;
    invalidateRowsFilter();
}

int ValueTableProxy::slotAt(int row) const {
    const QModelIndex source = mapToSource(index(row, 0));
    return source.isValid() ? source.row() + 1 : 0;
}

int ValueTableProxy::rowOf(int slot) const {
    if (slot < 1 || slot > values_->rowCount())
        return -1;
    return mapFromSource(values_->index(slot - 1, 0)).row();
}

bool ValueTableProxy::filterAcceptsRow(int sourceRow, const QModelIndex& /*parent*/) const {
    return find_.matches(values_->records(), sourceRow) &&
           filter_.accepts(values_->record(sourceRow));
}

// Numbers compare as numbers, names without case and accents. Equal ones keep file order, in either
// direction: the descending sort asks the other way round.
bool ValueTableProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const int column = left.column();
    if (column == ValueTableModel::NameColumn) {
        const int order = values_->records()
                              .foldedName(left.row())
                              .compare(values_->records().foldedName(right.row()));
        if (order != 0)
            return order < 0;
    } else {
        const qint64 l = values_->numberAt(left.row(), column);
        const qint64 r = values_->numberAt(right.row(), column);
        if (l != r)
            return l < r;
    }
    return sortOrder() == Qt::AscendingOrder ? left.row() < right.row() : left.row() > right.row();
}

} // namespace weather
