#include "configlist.h"

#include "configtablemodel.h"
#include "selectiongate.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace weather {

ConfigFindModel::ConfigFindModel(QObject* parent)
    : QSortFilterProxyModel(parent), records_(new ConfigTableModel(this)) {
    // A rename must not move rows under the mouse: rows are found again only when asked.
    setDynamicSortFilter(false);
    setSourceModel(records_);
}

void ConfigFindModel::setFindText(const QString& text) {
    find_.setText(text);
    invalidate();
}

bool ConfigFindModel::filterAcceptsRow(int sourceRow, const QModelIndex& /*parent*/) const {
    return find_.matches(*records_, sourceRow);
}

int ConfigFindModel::recordCount() const {
    return records_->recordCount();
}

int ConfigFindModel::slotAt(int row) const {
    const QModelIndex source = mapToSource(index(row, 0));
    return source.isValid() ? source.row() + 1 : 0;
}

int ConfigFindModel::rowOf(int slot) const {
    if (slot < 1 || slot > records_->recordCount())
        return -1;
    return mapFromSource(records_->index(slot - 1, 0)).row();
}

namespace {

// Draws a row's one-line texts straight, cut with "..." where too long, without the style's
// multi-line text layout: the list repaints every visible row at each keystroke in the find box.
class RowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem panel = option;
        initStyleOption(&panel, index);
        const QString text = panel.text;
        panel.text.clear();
        const QWidget* view = option.widget;
        QStyle* style = view != nullptr ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &panel, painter, view);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        const QPalette::ColorGroup group =
            (option.state & QStyle::State_Enabled) == 0  ? QPalette::Disabled
            : (option.state & QStyle::State_Active) != 0 ? QPalette::Active
                                                         : QPalette::Inactive;
        painter->save();
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect room = option.rect.adjusted(margin, 0, -margin, 0);
        painter->setFont(panel.font);
        painter->drawText(room, int(panel.displayAlignment | Qt::AlignVCenter),
                          QFontMetrics(panel.font).elidedText(text, Qt::ElideRight, room.width()));
        painter->restore();
    }
};

} // namespace

ConfigList::ConfigList(QWidget* parent) : QTreeView(parent), model_(new ConfigFindModel(this)) {
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true); // lets a list of thousands fill quickly
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Ctrl and Shift with a click or an arrow select several, for the changes to a selection.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header()->hide();
    setItemDelegate(new RowDelegate(this));
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(ConfigTableModel::NameColumn, QHeaderView::Stretch);
    header()->setSectionResizeMode(ConfigTableModel::NumberColumn, QHeaderView::Fixed);
    const ConfigTableModel* records = model_->records();
    connect(records, &QAbstractItemModel::modelReset, this, &ConfigList::fitNumberColumn);
    connect(records, &QAbstractItemModel::rowsInserted, this, &ConfigList::fitNumberColumn);
    connect(records, &QAbstractItemModel::rowsRemoved, this, &ConfigList::fitNumberColumn);
    connect(records, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last) {
                if (first.column() <= ConfigTableModel::NumberColumn &&
                    last.column() >= ConfigTableModel::NumberColumn)
                    fitNumberColumn();
            });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, const QWidget* now) {
        if (now == this)
            focusBefore_ = old;
    });
    fitNumberColumn();
}

void ConfigList::fitNumberColumn() {
    const ConfigTableModel* records = model_->records();
    qint64 low = 0;
    qint64 high = 0;
    for (int row = 0; row < records->recordCount(); ++row) {
        low = std::min(low, records->number(row));
        high = std::max(high, records->number(row));
    }
    // Digits are as wide as each other in most faces; 8 is among the widest.
    const qsizetype digits = std::max(QString::number(low).size(), QString::number(high).size());
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    header()->resizeSection(ConfigTableModel::NumberColumn,
                            fontMetrics().horizontalAdvance(QString(digits, u'8')) + 2 * margin);
}

QItemSelectionModel::SelectionFlags ConfigList::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
    const auto flags = QTreeView::selectionCommand(index, event);
    if (!gate_ || !asksSelectionGate(flags, index, event, selectionModel()))
        return flags;
    if (refused_ || !gate_(index.row())) {
        refused_ = true;
        return QItemSelectionModel::NoUpdate;
    }
    return flags;
}

void ConfigList::mousePressEvent(QMouseEvent* event) {
    currentBefore_ = currentIndex();
    // A plain press on an entry selected already makes it current at once (it is selected alone
    // only on release): the gate is asked before that.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (gate_ && index.isValid() && index.row() != currentIndex().row() &&
        event->modifiers() == Qt::NoModifier && selectionModel()->isRowSelected(index.row(), {}) &&
        !gate_(index.row())) {
        refused_ = true;
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
}

void ConfigList::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (refused_) {
        refused_ = false;
        if (currentBefore_.isValid())
            selectionModel()->setCurrentIndex(currentBefore_, QItemSelectionModel::NoUpdate);
        // Back to the box being edited, unless the answer put the cursor elsewhere.
        if (hasFocus() && focusBefore_ != nullptr && focusBefore_->isEnabled())
            focusBefore_->setFocus(Qt::OtherFocusReason);
    }
}

void ConfigList::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool step = key == Qt::Key_Up || key == Qt::Key_Down;
    const bool jump = key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_PageUp ||
                      key == Qt::Key_PageDown;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const auto nothingSelected = [this] {
        return currentIndex().isValid() && selectionModel()->selectedIndexes().isEmpty();
    };
    const auto selectCurrent = [this] {
        selectionModel()->select(currentIndex(),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    };
    if (plain && step && nothingSelected()) {
        selectCurrent();
        event->accept();
        return;
    }
    const QPersistentModelIndex before = currentIndex();
    refused_ = false;
    QTreeView::keyPressEvent(event); // asks the gate through selectionCommand()
    // cppcheck-suppress knownConditionTrueFalse ; set by selectionCommand() during the call
    if (refused_) {
        // The current row stays with the selection the user chose to keep.
        refused_ = false;
        if (before.isValid())
            selectionModel()->setCurrentIndex(before, QItemSelectionModel::NoUpdate);
        return;
    }
    // From the current row to itself (Home on the first row) the list selects nothing.
    if (plain && jump && nothingSelected())
        selectCurrent();
}

} // namespace weather
