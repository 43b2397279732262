#include "comparedialog.h"

#include "difftreemodel.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace weather {

CompareDialog::CompareDialog(std::shared_ptr<const TableDiff> diff, const QString& fileName,
                             QWidget* parent)
    : QDialog(parent), diff_(std::move(diff)), fileName_(fileName), table_(new QTreeView(this)),
      summary_(new QLabel(this)), apply_(new QPushButton(tr("&Apply"), this)) {
    setObjectName(QStringLiteral("dlgCompare"));
    setWindowTitle(tr("Compare with File"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* heading = new QLabel(tr("Changes from %1 to the window").arg(fileName), this);
    heading->setObjectName(QStringLiteral("lblCompareHeading"));
    heading->setTextFormat(Qt::PlainText);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    summary_->setObjectName(QStringLiteral("lblCompareSummary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setText(summaryText(diff_->counts(), fileName));

    model_ = new DiffTreeModel(diff_, tr("the window"), this);
    table_->setObjectName(QStringLiteral("tblCompare"));
    table_->setAccessibleName(tr("Differences"));
    table_->setModel(model_);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setAlternatingRowColors(true);
    // Rows of one height: the view never measures the rows, however many.
    table_->setUniformRowHeights(true);
    table_->header()->setStretchLastSection(true);
    // Widths from the rows on the first screen only.
    table_->header()->setResizeContentsPrecision(100);
    table_->resizeColumnToContents(DiffTreeModel::WhatColumn);
    table_->resizeColumnToContents(DiffTreeModel::OldColumn);
    table_->setColumnWidth(
        DiffTreeModel::WhatColumn,
        std::max(table_->columnWidth(DiffTreeModel::WhatColumn),
                 table_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36));
    connect(table_, &QTreeView::activated, this, &CompareDialog::choose);

    auto* copy = new QAction(tr("Copy"), table_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &CompareDialog::copySelection);
    table_->addAction(copy);

    apply_->setObjectName(QStringLiteral("cmdApply"));
    apply_->setToolTip(tr("Takes the ticked differences from %1 into the window, as one step "
                          "that Undo takes back")
                           .arg(fileName));
    apply_->setAutoDefault(false);
    apply_->setEnabled(false);
    connect(apply_, &QPushButton::clicked, this, &CompareDialog::applyRequested);
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [this] { apply_->setEnabled(model_->tickedCount() > 0); });
    connect(model_, &QAbstractItemModel::modelReset, this,
            [this] { apply_->setEnabled(model_->tickedCount() > 0); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(apply_, QDialogButtonBox::ApplyRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* hint = new QLabel(tr("Tick what to take from %1 (Space ticks the current row), then "
                               "Apply. Configurations only in %1 are added after the last.")
                                .arg(fileName),
                            this);
    hint->setObjectName(QStringLiteral("lblCompareHint"));
    hint->setTextFormat(Qt::PlainText);
    hint->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(summary_);
    layout->addWidget(hint);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(760, 520);
}

const std::vector<bool>& CompareDialog::ticked() const {
    return model_->ticked();
}

void CompareDialog::setDiff(std::shared_ptr<const TableDiff> diff) {
    diff_ = std::move(diff);
    summary_->setText(summaryText(diff_->counts(), fileName_));
    model_->setDiff(diff_);
}

QString CompareDialog::summaryText(const DiffCounts& counts, const QString& fileName) const {
    if (counts.equal())
        return tr("No differences in %n configuration(s).", nullptr, counts.compared);
    QStringList parts;
    if (counts.differing > 0)
        parts += tr("%n configuration(s) differ", nullptr, counts.differing);
    if (counts.onlyInOld > 0)
        parts += tr("%n only in %1", nullptr, counts.onlyInOld).arg(fileName);
    if (counts.onlyInNew > 0)
        parts += tr("%n only in the window", nullptr, counts.onlyInNew);
    if (counts.headerDiffers)
        parts += tr("the header line differs");
    if (counts.trailingDiffers)
        parts += tr("the text after the last configuration differs");
    return parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

void CompareDialog::choose(const QModelIndex& index) {
    const int slot = index.data(DiffTreeModel::SlotRole).toInt();
    if (slot > 0)
        emit configurationChosen(slot);
}

void CompareDialog::copySelection() const {
    std::vector<int> differences;
    for (const QModelIndex& row : table_->selectionModel()->selectedRows()) {
        const std::vector<int> under = model_->differencesUnder(row);
        differences.insert(differences.end(), under.begin(), under.end());
    }
    std::sort(differences.begin(), differences.end());
    differences.erase(std::unique(differences.begin(), differences.end()), differences.end());
    QString text;
    for (const int i : differences)
        text += model_->line(i) + QLatin1Char('\n');
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

} // namespace weather
