#include "difftablemodel.h"

#include <QCoreApplication>
#include <QDir>

namespace weather {

DiffTableModel::DiffTableModel(std::shared_ptr<const TableDiff> diff, QString newSide,
                               QObject* parent)
    : QAbstractTableModel(parent), diff_(std::move(diff)), newSide_(std::move(newSide)) {}

int DiffTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(diff_->differences().size());
}

int DiffTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

// A configuration's rows form a group: its label stands on the first of them only.
bool DiffTableModel::startsGroup(int row) const {
    const auto& differences = diff_->differences();
    const Difference& d = differences.at(static_cast<std::size_t>(row));
    return row == 0 || d.slot == 0 ||
           differences.at(static_cast<std::size_t>(row - 1)).slot != d.slot;
}

// What differs, in the words of the window.
QString DiffTableModel::what(const Difference& d) const {
    switch (d.kind) {
    case Difference::Value:
        return QCoreApplication::translate("Words", seasonCaption(d.item / SeasonValueCount)) +
               QLatin1Char(' ') +
               QCoreApplication::translate("Words", valueCaption(d.item % SeasonValueCount));
    case Difference::Number:
        return tr("number");
    case Difference::Name:
        return tr("name");
    case Difference::BlockLine:
        return d.item == 0 ? tr("empty line") : tr("comment line %1").arg(d.item);
    case Difference::OnlyInOld:
        return tr("only in %1").arg(QDir::toNativeSeparators(diff_->oldName()));
    case Difference::OnlyInNew:
        return tr("only in %1").arg(newSide_);
    case Difference::HeaderLine:
        return tr("header line");
    case Difference::TrailingText:
        return tr("text after the last configuration");
    }
    return {};
}

QVariant DiffTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Difference& d = diff_->differences().at(static_cast<std::size_t>(index.row()));
    if (role == SlotRole)
        return d.kind == Difference::OnlyInOld ? 0 : d.slot;
    if (role == Qt::ToolTipRole)
        return diff_->line(d);
    if (role == Qt::TextAlignmentRole && d.kind == Difference::Value &&
        (index.column() == OldColumn || index.column() == NewColumn))
        return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case ConfigurationColumn:
        return startsGroup(index.row()) ? diff_->configuration(d) : QString();
    case WhatColumn:
        return what(d);
    case OldColumn:
        return diff_->oldText(d);
    case NewColumn:
        return diff_->newText(d);
    default:
        return {};
    }
}

QVariant DiffTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ConfigurationColumn:
        return tr("Configuration");
    case WhatColumn:
        return tr("What");
    case OldColumn:
        return tr("In %1").arg(QDir::toNativeSeparators(diff_->oldName()));
    case NewColumn:
        return tr("In %1").arg(newSide_);
    default:
        return {};
    }
}

QString DiffTableModel::line(int row) const {
    return diff_->line(diff_->differences().at(static_cast<std::size_t>(row)));
}

} // namespace weather
