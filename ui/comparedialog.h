// The window's File > Compare with File...: what differs between a file (the old side) and the
// window's configurations (the new side), one row per difference under its configuration and
// season, each with a check box to take it from the file into the window.
#pragma once

#include "configdiff.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;
class QTreeView;

namespace weather {

class DiffTreeModel;

// A heading that names both sides, the summary, the tree of differences and the buttons Apply
// and Close. Double-click on a row (or Enter) asks the window to show that row's configuration;
// Ctrl+C copies the selected rows (with all under them) as --diff prints them; Space ticks the
// current row; Apply asks the window to take the ticked differences. It deletes itself when closed,
// so the window can make it with `new CompareDialog(...)` and show() it without keeping it.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    // `fileName` is the compared file as the heading names it.
    CompareDialog(std::shared_ptr<const TableDiff> diff, const QString& fileName,
                  QWidget* parent = nullptr);

    // The tree, object name "tblCompare".
    [[nodiscard]] QTreeView* table() const { return table_; }
    // The Apply button, object name "cmdApply": on while a difference is ticked.
    [[nodiscard]] QPushButton* applyButton() const { return apply_; }
    // The comparison shown and which of its differences are ticked.
    [[nodiscard]] const TableDiff& diff() const { return *diff_; }
    [[nodiscard]] const std::vector<bool>& ticked() const;
    // Shows a new comparison of the same sides (after a merge), nothing ticked.
    void setDiff(std::shared_ptr<const TableDiff> diff);
    // The summary above it, object name "lblCompareSummary".
    [[nodiscard]] QLabel* summary() const { return summary_; }

signals:
    // The user asked to see the configuration in `slot` of the window's table.
    void configurationChosen(int slot);
    // The user asked to take the ticked differences into the window.
    void applyRequested();

private:
    [[nodiscard]] QString summaryText(const DiffCounts& counts, const QString& fileName) const;
    void copySelection() const;
    void choose(const QModelIndex& index);

    std::shared_ptr<const TableDiff> diff_;
    QString fileName_;
    DiffTreeModel* model_;
    QTreeView* table_;
    QLabel* summary_;
    QPushButton* apply_;
};

} // namespace weather
