#include "configtablemodel.h"

#include "codepage.h"
#include "weathertable.h"

#include <QFont>

#include <algorithm>

namespace weather {

QString foldForFind(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded += c;
    }
    return folded.toCaseFolded();
}

void FindRule::setText(const QString& text) {
    const QString trimmed = text.trimmed();
    bool number = false;
    number_ = trimmed.toLongLong(&number);
    findsNumber_ = number;
    text_ = foldForFind(trimmed);
}

void ConfigTableModel::setTables(const ConfigTable* table, const ConfigTable* file) {
    beginResetModel();
    table_ = table;
    file_ = file;
    bytes_.clear();
    names_.clear();
    folded_.clear();
    endResetModel();
    sync();
}

void ConfigTableModel::read(std::size_t row) {
    bytes_[row] = table_->Configs(int(row) + 1).Name;
    names_[row] = fromWindows1252(bytes_[row]);
    folded_[row] = foldForFind(names_[row]);
}

void ConfigTableModel::sync() {
    const std::size_t count = table_ != nullptr ? std::size_t(table_->recordCount()) : 0;
    const std::size_t before = names_.size();
    const std::size_t common = std::min(count, before);
    bool kept = true;
    for (std::size_t i = 0; i < common && kept; ++i)
        kept = table_->Configs(int(i) + 1).Name == bytes_[i];
    const auto resize = [this](std::size_t size) {
        bytes_.resize(size);
        names_.resize(size);
        folded_.resize(size);
    };
    if (!kept) {
        beginResetModel();
        resize(count);
        for (std::size_t i = 0; i < count; ++i)
            read(i);
        endResetModel();
        return;
    }
    if (count > before) {
        beginInsertRows({}, int(before), int(count) - 1);
        resize(count);
        for (std::size_t i = before; i < count; ++i)
            read(i);
        endInsertRows();
    } else if (count < before) {
        beginRemoveRows({}, int(count), int(before) - 1);
        resize(count);
        endRemoveRows();
    }
    // Numbers and values may have changed under the same names.
    if (common > 0)
        emit dataChanged(index(0, 0), index(int(common) - 1, ColumnCount - 1));
}

void ConfigTableModel::recordChanged(int slot) {
    const auto row = std::size_t(slot - 1);
    if (slot < 1 || row >= names_.size())
        return;
    read(row);
    emit dataChanged(index(int(row), 0), index(int(row), ColumnCount - 1));
}

void ConfigTableModel::marksChanged() {
    if (!names_.empty())
        emit dataChanged(
            index(0, NameColumn), index(int(names_.size()) - 1, NameColumn),
            {Qt::FontRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole, ChangedRole});
}

qint64 ConfigTableModel::number(int row) const {
    return table_->Configs(row + 1).Number;
}

bool ConfigTableModel::changed(int row) const {
    const int slot = row + 1;
    return file_ == nullptr || slot > file_->recordCount() ||
           table_->Configs(slot) != file_->Configs(slot);
}

int ConfigTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(names_.size());
}

int ConfigTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ConfigTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || std::size_t(index.row()) >= names_.size())
        return {};
    const int row = index.row();
    if (role == ChangedRole)
        return changed(row);
    if (index.column() == NumberColumn) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return QString::number(number(row));
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return names_[std::size_t(row)];
    case Qt::ToolTipRole: // shows a long name whole, as the column may cut it
        return changed(row) ? tr("%1\nChanged since the file was opened or saved")
                                  .arg(names_[std::size_t(row)])
                            : names_[std::size_t(row)];
    case Qt::AccessibleDescriptionRole:
        return changed(row) ? tr("Changed since the file was opened or saved") : QString();
    case Qt::FontRole:
        if (changed(row)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant ConfigTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == NameColumn ? tr("Name") : section == NumberColumn ? tr("Number") : QVariant();
}

} // namespace weather
