#include "difftreemodel.h"

#include "configmerge.h"

#include <QCoreApplication>
#include <QDir>

namespace weather {

DiffTreeModel::DiffTreeModel(std::shared_ptr<const TableDiff> diff, QString newSide,
                             QObject* parent)
    : QAbstractItemModel(parent), diff_(std::move(diff)), newSide_(std::move(newSide)) {
    build();
}

void DiffTreeModel::setDiff(std::shared_ptr<const TableDiff> diff) {
    beginResetModel();
    diff_ = std::move(diff);
    build();
    endResetModel();
}

int DiffTreeModel::addNode(Node node) {
    nodes_.push_back(node);
    return static_cast<int>(nodes_.size()) - 1;
}

void DiffTreeModel::addLeaves(int parentNode, std::vector<int> leaves) {
    Node& node = nodes_.at(static_cast<std::size_t>(parentNode));
    node.first = static_cast<int>(children_.size());
    node.count = static_cast<int>(leaves.size());
    for (const int leaf : leaves)
        node.takeable += nodes_.at(static_cast<std::size_t>(leaf)).takeable;
    children_.insert(children_.end(), leaves.begin(), leaves.end());
}

// A configuration in both tables is a row holding its number, name and lines, then a row for
// each season with values that differ, holding them. The file's own lines and configurations
// only on one side are rows of their own.
void DiffTreeModel::build() {
    nodes_.clear();
    top_.clear();
    children_.clear();
    const std::vector<Difference>& all = diff_->differences();
    ticked_.assign(all.size(), false);
    tickedCount_ = 0;
    nodes_.reserve(all.size() + all.size() / 8);
    const auto leaf = [&all](int parent, std::size_t row, std::size_t i) {
        Node node;
        node.parent = parent;
        node.row = static_cast<int>(row);
        node.difference = static_cast<int>(i);
        node.slot = all[i].slot;
        node.takeable = takeable(all[i]) ? 1 : 0;
        return node;
    };
    std::size_t i = 0;
    while (i < all.size()) {
        const Difference& d = all[i];
        if (d.slot == 0 || d.kind == Difference::OnlyInOld || d.kind == Difference::OnlyInNew) {
            top_.push_back(addNode(leaf(-1, top_.size(), i++)));
            continue;
        }
        Node configuration;
        configuration.row = static_cast<int>(top_.size());
        configuration.slot = d.slot;
        const int group = addNode(configuration);
        top_.push_back(group);
        std::vector<int> direct;
        const auto inGroup = [&all, &d](std::size_t j) {
            return j < all.size() && all[j].slot == d.slot;
        };
        for (; inGroup(i) && all[i].kind != Difference::Value; ++i)
            direct.push_back(addNode(leaf(group, direct.size(), i)));
        while (inGroup(i)) {
            Node season;
            season.parent = group;
            season.row = static_cast<int>(direct.size());
            season.slot = d.slot;
            season.season = all[i].item / SeasonValueCount;
            const int seasonNode = addNode(season);
            direct.push_back(seasonNode);
            std::vector<int> values;
            for (; inGroup(i) && all[i].item / SeasonValueCount == season.season; ++i)
                values.push_back(addNode(leaf(seasonNode, values.size(), i)));
            addLeaves(seasonNode, std::move(values));
        }
        addLeaves(group, std::move(direct));
    }
}

int DiffTreeModel::childOf(const Node& node, int row) const {
    return children_[static_cast<std::size_t>(node.first) + static_cast<std::size_t>(row)];
}

int DiffTreeModel::nodeOf(const QModelIndex& index) const {
    return static_cast<int>(index.internalId());
}

QModelIndex DiffTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= ColumnCount || row >= rowCount(parent))
        return {};
    const int node = parent.isValid()
                         ? childOf(nodes_[static_cast<std::size_t>(nodeOf(parent))], row)
                         : top_[static_cast<std::size_t>(row)];
    return createIndex(row, column, static_cast<quintptr>(node));
}

QModelIndex DiffTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid())
        return {};
    const int above = nodes_[static_cast<std::size_t>(nodeOf(child))].parent;
    if (above < 0)
        return {};
    return createIndex(nodes_[static_cast<std::size_t>(above)].row, 0,
                       static_cast<quintptr>(above));
}

int DiffTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return static_cast<int>(top_.size());
    return parent.column() == 0 ? nodes_[static_cast<std::size_t>(nodeOf(parent))].count : 0;
}

int DiffTreeModel::columnCount(const QModelIndex& /*parent*/) const {
    return ColumnCount;
}

// What differs, in the words of the window.
QString DiffTreeModel::what(const Difference& d) const {
    switch (d.kind) {
    case Difference::Value:
        return QCoreApplication::translate("Words", valueCaption(d.item % SeasonValueCount));
    case Difference::Number:
        return tr("number");
    case Difference::Name:
        return tr("name");
    case Difference::BlockLine:
        return d.item == 0 ? tr("empty line") : tr("comment line %1").arg(d.item);
    case Difference::OnlyInOld:
        return tr("%1 (only in %2)")
            .arg(diff_->configuration(d), QDir::toNativeSeparators(diff_->oldName()));
    case Difference::OnlyInNew:
        return tr("%1 (only in %2)").arg(diff_->configuration(d), newSide_);
    case Difference::HeaderLine:
        return tr("header line");
    case Difference::TrailingText:
        return tr("text after the last configuration");
    }
    return {};
}

QString DiffTreeModel::label(const Node& node) const {
    if (node.difference >= 0)
        return what(diff_->differences()[static_cast<std::size_t>(node.difference)]);
    if (node.season >= 0)
        return QCoreApplication::translate("Words", seasonCaption(node.season));
    return diff_->configuration({node.slot, Difference::Name, 0});
}

Qt::CheckState DiffTreeModel::checkState(const Node& node) const {
    if (node.tickedIn == 0)
        return Qt::Unchecked;
    return node.tickedIn == node.takeable ? Qt::Checked : Qt::PartiallyChecked;
}

QVariant DiffTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Node& node = nodes_[static_cast<std::size_t>(nodeOf(index))];
    const Difference* d = node.difference >= 0
                              ? &diff_->differences()[static_cast<std::size_t>(node.difference)]
                              : nullptr;
    switch (role) {
    case SlotRole:
        return d != nullptr && d->kind == Difference::OnlyInOld ? 0 : node.slot;
    case Qt::ToolTipRole:
        return d != nullptr ? diff_->line(*d) : label(node);
    case Qt::CheckStateRole:
        if (index.column() == WhatColumn && node.takeable > 0)
            return checkState(node);
        return {};
    case Qt::TextAlignmentRole:
        if (d != nullptr && d->kind == Difference::Value && index.column() != WhatColumn)
            return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::DisplayRole:
        break;
    default:
        return {};
    }
    switch (index.column()) {
    case WhatColumn:
        return label(node);
    case OldColumn:
        return d != nullptr ? diff_->oldText(*d) : QString();
    case NewColumn:
        return d != nullptr ? diff_->newText(*d) : QString();
    default:
        return {};
    }
}

void DiffTreeModel::tick(int node, bool on) {
    const Node& n = nodes_[static_cast<std::size_t>(node)];
    if (n.difference < 0) {
        for (int c = 0; c < n.count; ++c)
            tick(childOf(n, c), on);
        return;
    }
    const auto i = static_cast<std::size_t>(n.difference);
    if (n.takeable == 0 || ticked_[i] == on)
        return;
    ticked_[i] = on;
    const int step = on ? 1 : -1;
    tickedCount_ += step;
    for (int at = node; at >= 0; at = nodes_[static_cast<std::size_t>(at)].parent)
        nodes_[static_cast<std::size_t>(at)].tickedIn += step;
}

bool DiffTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() != WhatColumn)
        return false;
    const int node = nodeOf(index);
    if (nodes_[static_cast<std::size_t>(node)].takeable == 0)
        return false;
    tick(node, value.value<Qt::CheckState>() != Qt::Unchecked);
    // The row, all rows under it and all rows above it show a new state.
    std::vector<int> changed{node};
    for (std::size_t k = 0; k < changed.size(); ++k) {
        const Node& n = nodes_[static_cast<std::size_t>(changed[k])];
        for (int c = 0; c < n.count; ++c)
            changed.push_back(childOf(n, c));
    }
    for (int at = nodes_[static_cast<std::size_t>(node)].parent; at >= 0;
         at = nodes_[static_cast<std::size_t>(at)].parent)
        changed.push_back(at);
    for (const int n : changed) {
        const QModelIndex shown =
            createIndex(nodes_[static_cast<std::size_t>(n)].row, 0, static_cast<quintptr>(n));
        emit dataChanged(shown, shown, {Qt::CheckStateRole});
    }
    return true;
}

Qt::ItemFlags DiffTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == WhatColumn &&
        nodes_[static_cast<std::size_t>(nodeOf(index))].takeable > 0)
        flags |= Qt::ItemIsUserCheckable;
    if (rowCount(index) == 0)
        flags |= Qt::ItemNeverHasChildren;
    return flags;
}

QVariant DiffTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractItemModel::headerData(section, orientation, role);
    switch (section) {
    case WhatColumn:
        return tr("Take");
    case OldColumn:
        return tr("In %1").arg(QDir::toNativeSeparators(diff_->oldName()));
    case NewColumn:
        return tr("In %1").arg(newSide_);
    default:
        return {};
    }
}

void DiffTreeModel::collect(int node, std::vector<int>& out) const {
    const Node& n = nodes_[static_cast<std::size_t>(node)];
    if (n.difference >= 0)
        out.push_back(n.difference);
    for (int c = 0; c < n.count; ++c)
        collect(childOf(n, c), out);
}

std::vector<int> DiffTreeModel::differencesUnder(const QModelIndex& index) const {
    std::vector<int> found;
    if (index.isValid())
        collect(nodeOf(index), found);
    return found;
}

QString DiffTreeModel::line(int i) const {
    return diff_->line(diff_->differences().at(static_cast<std::size_t>(i)));
}

} // namespace weather
