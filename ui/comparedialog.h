// The window's File > Compare with File...: what differs between a file (the old side) and the
// window's configurations (the new side), one row per difference, grouped by configuration.
#pragma once

#include "configdiff.h"

#include <QDialog>

#include <memory>

class QLabel;
class QTableView;

namespace weather {

class DiffTableModel;

// A heading that names both sides, the summary, the table and a Close button. Double-click on a
// row (or Enter) asks the window to show that row's configuration; Ctrl+C copies the selected
// rows as --diff prints them. It deletes itself when closed, so the window can make it with
// `new CompareDialog(...)` and show() it without keeping it.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    // `fileName` is the compared file as the heading names it.
    CompareDialog(std::shared_ptr<const TableDiff> diff, const QString& fileName,
                  QWidget* parent = nullptr);

    // The table, object name "tblCompare".
    [[nodiscard]] QTableView* table() const { return table_; }
    // The summary above it, object name "lblCompareSummary".
    [[nodiscard]] QLabel* summary() const { return summary_; }

signals:
    // The user asked to see the configuration in `slot` of the window's table.
    void configurationChosen(int slot);

private:
    [[nodiscard]] QString summaryText(const DiffCounts& counts, const QString& fileName) const;
    void copySelection() const;
    void choose(const QModelIndex& index);

    DiffTableModel* model_;
    QTableView* table_;
    QLabel* summary_;
};

} // namespace weather
