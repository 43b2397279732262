#include "comparedialog.h"

#include "difftablemodel.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace weather {

CompareDialog::CompareDialog(std::shared_ptr<const TableDiff> diff, const QString& fileName,
                             QWidget* parent)
    : QDialog(parent), table_(new QTableView(this)), summary_(new QLabel(this)) {
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
    summary_->setText(summaryText(diff->counts(), fileName));

    model_ = new DiffTableModel(std::move(diff), tr("the window"), this);
    table_->setObjectName(QStringLiteral("tblCompare"));
    table_->setAccessibleName(tr("Differences"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setShowGrid(false);
    table_->setAlternatingRowColors(true);
    // Fixed row heights and no row header: the view never measures the rows, however many.
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    // Widths from the rows on the first screen only.
    table_->horizontalHeader()->setResizeContentsPrecision(100);
    table_->resizeColumnsToContents();
    connect(table_, &QTableView::activated, this, &CompareDialog::choose);

    auto* copy = new QAction(tr("Copy"), table_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &CompareDialog::copySelection);
    table_->addAction(copy);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(summary_);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(720, 480);
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
    const int slot = index.data(DiffTableModel::SlotRole).toInt();
    if (slot > 0)
        emit configurationChosen(slot);
}

void CompareDialog::copySelection() const {
    QModelIndexList rows = table_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QString text;
    for (const QModelIndex& row : rows)
        text += model_->line(row.row()) + QLatin1Char('\n');
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

} // namespace weather
