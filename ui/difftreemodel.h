// The differences of a comparison as a tree to merge from: a configuration, its seasons, their
// values, each with a check box "take". Ticking a configuration or a season ticks all that it
// holds; a part ticked shows as partly. The tree is indexed once, the texts are made as the
// view asks for them, so a comparison of any size shows at once.
#pragma once

#include "configdiff.h"

#include <QAbstractItemModel>

#include <memory>
#include <vector>

namespace weather {

class DiffTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Column { WhatColumn, OldColumn, NewColumn, ColumnCount };
    // The slot of the row's configuration in the new table (0 when it has none there), under
    // Qt::UserRole.
    static constexpr int SlotRole = Qt::UserRole;

    // `newSide` names the new side in the column header and in "only in" ("the window").
    DiffTreeModel(std::shared_ptr<const TableDiff> diff, QString newSide,
                  QObject* parent = nullptr);

    // Shows another comparison of the same sides, nothing ticked.
    void setDiff(std::shared_ptr<const TableDiff> diff);

    [[nodiscard]] QModelIndex index(int row, int column,
                                    const QModelIndex& parent = {}) const override;
    [[nodiscard]] QModelIndex parent(const QModelIndex& child) const override;
    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

    // One flag for each of the comparison's differences: ticked to be taken.
    [[nodiscard]] const std::vector<bool>& ticked() const { return ticked_; }
    [[nodiscard]] int tickedCount() const { return tickedCount_; }
    // The differences under a row (itself, for a single difference), in file order.
    [[nodiscard]] std::vector<int> differencesUnder(const QModelIndex& index) const;
    // The line --diff prints for difference `i`.
    [[nodiscard]] QString line(int i) const;

private:
    struct Node {
        int parent = -1;     // the node above, -1 at the top
        int row = 0;         // the row under it
        int first = 0;       // its children: children_[first .. first + count - 1]
        int count = 0;       //
        int difference = -1; // the difference it shows; -1 for a configuration or a season
        int slot = 0;
        int season = -1;  // for a season's row
        int takeable = 0; // differences under it that can be taken
        int tickedIn = 0; // of those, the ticked ones
    };

    void build();
    int addNode(Node node);
    void addLeaves(int parentNode, std::vector<int> leaves);
    [[nodiscard]] int nodeOf(const QModelIndex& index) const;
    [[nodiscard]] int childOf(const Node& node, int row) const;
    [[nodiscard]] QString what(const Difference& d) const;
    [[nodiscard]] QString label(const Node& node) const;
    [[nodiscard]] Qt::CheckState checkState(const Node& node) const;
    void tick(int node, bool on);
    void collect(int node, std::vector<int>& out) const;

    std::shared_ptr<const TableDiff> diff_;
    QString newSide_;
    std::vector<Node> nodes_;
    std::vector<int> top_;      // the nodes at the top
    std::vector<int> children_; // each node's children, one after the other
    std::vector<bool> ticked_;
    int tickedCount_ = 0;
};

} // namespace weather
