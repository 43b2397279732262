#include "valuetable.h"

#include "seasontext.h"
#include "selectiongate.h"
#include "uitext.h"
#include "valuetablemodel.h"
#include "windowlayout.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QStyledItemDelegate>

#include <algorithm>
#include <limits>

namespace weather {

namespace {

// Where a column starts something: 2 a season, 1 a value group within it, 0 nothing.
int boundaryAt(int column) {
    const int position = ValueTableModel::positionOf(column);
    if (position == 0)
        return 2;
    return std::any_of(layout::Columns.begin(), layout::Columns.end(),
                       [position](const layout::Column& c) { return c.firstPosition == position; })
               ? 1
               : 0;
}

// Whether `columns` shows the value column `column`.
bool shows(TableColumns columns, int column) {
    const int season = ValueTableModel::seasonOf(column);
    const int position = ValueTableModel::positionOf(column);
    const int choice = int(columns);
    if (season < 0 || columns == TableColumns::All)
        return true;
    if (choice <= int(TableColumns::Winter))
        return season == choice - int(TableColumns::Spring);
    if (columns == TableColumns::StartDays)
        return position == 0;
    const auto group = std::size_t(choice - int(TableColumns::Wind));
    const int first = layout::Columns[group].firstPosition;
    return position >= first && position < first + layout::rowsOf(group);
}

// Whether the season boxes' key filter lets every character of `text` through.
bool typesValue(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        int KeyAscii = c.unicode();
        filterSeasonKey(KeyAscii);
        return KeyAscii != 0;
    });
}

void drawBoundary(QPainter* painter, const QRect& rect, int column, const QPalette& palette) {
    const int boundary = boundaryAt(column);
    if (boundary == 0)
        return;
    painter->save();
    painter->setPen(
        QPen(palette.color(boundary == 2 ? QPalette::WindowText : QPalette::Mid), boundary));
    painter->drawLine(rect.topLeft(), rect.bottomLeft());
    painter->restore();
}

// The value name in the lower half of each value column's section; the season over its
// columns in the upper half. The number and the name take both halves.
class SeasonHeader final : public QHeaderView {
public:
    explicit SeasonHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setSectionsClickable(true);
        setHighlightSections(false);
    }

protected:
    [[nodiscard]] QSize sectionSizeFromContents(int logicalIndex) const override {
        QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
        size.setHeight(2 * size.height());
        return size;
    }

    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        if (logicalIndex < ValueTableModel::FirstValueColumn) {
            QHeaderView::paintSection(painter, rect, logicalIndex);
            return;
        }
        const QRect lower = rect.adjusted(0, rect.height() / 2, 0, 0);
        QHeaderView::paintSection(painter, lower, logicalIndex);
        drawBoundary(painter, rect, logicalIndex, palette());
    }

    void paintEvent(QPaintEvent* event) override {
        QHeaderView::paintEvent(event);
        QPainter painter(viewport());
        for (int s = 0; s < SeasonCount; ++s) {
            int left = std::numeric_limits<int>::max();
            int right = std::numeric_limits<int>::min();
            for (int p = 0; p < SeasonValueCount; ++p) {
                const int column = ValueTableModel::valueColumn(s, p);
                if (isSectionHidden(column))
                    continue;
                left = std::min(left, sectionViewportPosition(column));
                right = std::max(right, sectionViewportPosition(column) + sectionSize(column));
            }
            if (left >= right)
                continue;
            QStyleOptionHeader option;
            initStyleOption(&option);
            // The part in view, so that the season's name stays readable while scrolling.
            option.rect =
                QRect(left, 0, right - left, height() / 2).intersected(viewport()->rect());
            if (option.rect.isEmpty())
                continue;
            option.text = seasonText(s);
            option.textAlignment = Qt::AlignCenter;
            option.position = QStyleOptionHeader::Middle;
            option.section = ValueTableModel::valueColumn(s, 0);
            style()->drawControl(QStyle::CE_Header, &option, &painter, this);
            drawBoundary(&painter, option.rect, option.section, palette());
        }
    }
};

// Edits a value in a line edit with the season boxes' key filter, and hands what the user
// entered to the view rather than to the model: every change is a step on the undo stack.
class ValueDelegate final : public QStyledItemDelegate {
public:
    explicit ValueDelegate(ValueTableView* view) : QStyledItemDelegate(view), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        drawBoundary(painter, option.rect, index.column(), option.palette);
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* box = qobject_cast<QLineEdit*>(editor))
            box->setAlignment(Qt::AlignRight);
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel* /*model*/,
                      const QModelIndex& index) const override {
        if (const auto* box = qobject_cast<QLineEdit*>(editor);
            box != nullptr && box->text() != index.data(Qt::EditRole).toString())
            emit view_->valueEntered(index, box->text());
    }

protected:
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && !takes(*static_cast<QKeyEvent*>(event)))
            return true;
        return QStyledItemDelegate::eventFilter(editor, event);
    }

private:
    // Whether the season boxes' key filter lets every character `key` types through; the Ctrl
    // combinations type nothing and pass.
    static bool takes(const QKeyEvent& key) {
        const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::ControlModifier ||
            modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
            return true;
        return typesValue(key.text());
    }

    ValueTableView* view_;
};

} // namespace

ValueTableView::ValueTableView(QWidget* parent) : QTableView(parent) {
    setHorizontalHeader(new SeasonHeader(this));
    setItemDelegate(new ValueDelegate(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    // Whole configurations are selected, several with Ctrl and Shift, for the changes to a
    // selection; the current cell is the one a key edits.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide(); // the number column numbers the rows
    // Fixed row heights: ten thousand rows scroll without measuring any of them.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const int valueWidth = fontMetrics().horizontalAdvance(QStringLiteral("-32768")) + 12;
    horizontalHeader()->setDefaultSectionSize(valueWidth);
    horizontalHeader()->setMinimumSectionSize(valueWidth / 2);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // No sorting until the user clicks a column: the rows stand in file order.
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);
}

bool ValueTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A key the season boxes drop does not start editing.
    if (trigger == AnyKeyPressed && event != nullptr && event->type() == QEvent::KeyPress) {
        if (!typesValue(static_cast<QKeyEvent*>(event)->text()))
            return false;
    }
    return QTableView::edit(index, trigger, event);
}

void ValueTableView::keyPressEvent(QKeyEvent* event) {
    refused_ = false;
    currentBefore_ = currentIndex();
    {
        const QScopedValueRollback user(userMoving_, true);
        QTableView::keyPressEvent(event); // asks the gate through selectionCommand()
    }
    // cppcheck-suppress knownConditionTrueFalse ; set by selectionCommand() during the call
    if (refused_) {
        // The current row stays with the selection the user chose to keep.
        if (currentBefore_.isValid())
            selectionModel()->setCurrentIndex(currentBefore_, QItemSelectionModel::NoUpdate);
        refused_ = false;
    }
    emit userActed();
}

void ValueTableView::mousePressEvent(QMouseEvent* event) {
    refused_ = false;
    currentBefore_ = currentIndex();
    // A plain press on a row selected already makes it current at once (it is selected alone
    // only on release): the gate is asked before that.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (gate_ && index.isValid() && index.row() != currentIndex().row() &&
        event->modifiers() == Qt::NoModifier && selectionModel()->isRowSelected(index.row(), {}) &&
        !gate_(index)) {
        refused_ = true;
        event->accept();
        return;
    }
    {
        const QScopedValueRollback user(userMoving_, true);
        QTableView::mousePressEvent(event);
    }
    emit userActed();
}

void ValueTableView::mouseMoveEvent(QMouseEvent* event) {
    const QScopedValueRollback user(userMoving_, true);
    QTableView::mouseMoveEvent(event);
}

void ValueTableView::mouseReleaseEvent(QMouseEvent* event) {
    {
        const QScopedValueRollback user(userMoving_, true);
        QTableView::mouseReleaseEvent(event);
    }
    if (refused_) {
        refused_ = false;
        if (currentBefore_.isValid())
            selectionModel()->setCurrentIndex(currentBefore_, QItemSelectionModel::NoUpdate);
    }
}

QItemSelectionModel::SelectionFlags ValueTableView::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const {
    const auto flags = QTableView::selectionCommand(index, event);
    if (isUserSelectionEvent(event) && flags != QItemSelectionModel::NoUpdate)
        clears_ = (flags & QItemSelectionModel::Clear) != 0;
    if (!gate_ || !asksSelectionGate(flags, index, event, selectionModel()))
        return flags;
    if (refused_ || !gate_(index)) {
        refused_ = true;
        return QItemSelectionModel::NoUpdate;
    }
    return flags;
}

ValueTable::ValueTable(const ConfigTableModel* records, const ConfigTable* table, QWidget* parent)
    : QWidget(parent), model_(new ValueTableModel(records, table, this)),
      proxy_(new ValueTableProxy(model_, this)), view_(new ValueTableView(this)),
      cboFilterValue_(new QComboBox(this)), cboFilterComparison_(new QComboBox(this)),
      spnFilterNumber_(new QSpinBox(this)), cmdClearFilter_(new QPushButton(tr("&Clear"), this)) {
    view_->setObjectName(QStringLiteral("tblValues"));
    view_->setAccessibleName(tr("Configurations and their values"));
    view_->setModel(proxy_);
    view_->setColumnWidth(ValueTableModel::NameColumn, fontMetrics().averageCharWidth() * 24);
    cboFilterValue_->setObjectName(QStringLiteral("cboFilterValue"));
    cboFilterComparison_->setObjectName(QStringLiteral("cboFilterComparison"));
    spnFilterNumber_->setObjectName(QStringLiteral("spnFilterNumber"));
    cmdClearFilter_->setObjectName(QStringLiteral("cmdClearFilter"));
    cboFilterValue_->setAccessibleName(tr("Filter Value"));
    cboFilterComparison_->setAccessibleName(tr("Filter Comparison"));
    spnFilterNumber_->setAccessibleName(tr("Filter Number"));

    cboFilterValue_->addItem(tr("Every value"), -1);
    for (int s = 0; s < SeasonCount; ++s) {
        for (int p = 0; p < SeasonValueCount; ++p)
            cboFilterValue_->addItem(valueNameText(s, p), ValueTableModel::valueColumn(s, p));
    }
    cboFilterValue_->setMaxVisibleItems(SeasonValueCount);
    const std::array<QString, ComparisonCount> comparisons = {
        QStringLiteral("="),      QStringLiteral("\u2260"), QStringLiteral("<"),
        QStringLiteral("\u2264"), QStringLiteral(">"),      QStringLiteral("\u2265")};
    const std::array<QString, ComparisonCount> comparisonNames = {
        tr("equal to"),  tr("not equal to"),         tr("less than"), tr("less than or equal to"),
        tr("more than"), tr("more than or equal to")};
    for (int c = 0; c < ComparisonCount; ++c) {
        cboFilterComparison_->addItem(comparisons[std::size_t(c)], c);
        cboFilterComparison_->setItemData(c, comparisonNames[std::size_t(c)], Qt::ToolTipRole);
        cboFilterComparison_->setItemData(c, comparisonNames[std::size_t(c)],
                                          Qt::AccessibleTextRole);
    }
    cboFilterComparison_->setCurrentIndex(int(Comparison::Greater));
    spnFilterNumber_->setRange(std::numeric_limits<qint16>::min(),
                               std::numeric_limits<qint16>::max());
    spnFilterNumber_->setAccelerated(true);

    auto* label = new QLabel(tr("&Show rows where"), this);
    label->setBuddy(cboFilterValue_);
    auto* filterRow = new QHBoxLayout;
    filterRow->setContentsMargins(0, 0, 0, 0);
    filterRow->addWidget(label);
    filterRow->addWidget(cboFilterValue_);
    filterRow->addWidget(cboFilterComparison_);
    filterRow->addWidget(spnFilterNumber_);
    filterRow->addWidget(cmdClearFilter_);
    filterRow->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(filterRow);
    column->addWidget(view_, 1);

    connect(cboFilterValue_, &QComboBox::currentIndexChanged, this, &ValueTable::applyFilter);
    connect(cboFilterComparison_, &QComboBox::currentIndexChanged, this, &ValueTable::applyFilter);
    connect(spnFilterNumber_, &QSpinBox::valueChanged, this, &ValueTable::applyFilter);
    connect(cmdClearFilter_, &QPushButton::clicked, this,
            [this] { cboFilterValue_->setCurrentIndex(0); });
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (view_->userMoving())
            chooseCurrentRow();
    });
    // The view may have made a row current by itself (when it took the focus without one): a
    // click or key on that row chooses it too.
    connect(view_, &ValueTableView::userActed, this, &ValueTable::chooseCurrentRow);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!view_->userMoving())
            return;
        // Added to or taken from, the selection keeps the configurations selected in the list
        // that this table's filter hides.
        QList<int> chosen = selectedSlots();
        if (!view_->selectsAfresh()) {
            chosen += hiddenSelected_;
            std::sort(chosen.begin(), chosen.end());
        }
        emit selectionChosen(chosen);
    });
    connect(view_, &ValueTableView::valueEntered, this,
            [this](const QModelIndex& index, const QString& text) {
                const int column = index.column();
                emit valueEntered(proxy_->slotAt(index.row()), ValueTableModel::seasonOf(column),
                                  ValueTableModel::positionOf(column), text);
            });
    applyFilter();
}

void ValueTable::setSelectionGate(std::function<bool(int slot)> gate) {
    view_->setSelectionGate([this, gate = std::move(gate)](const QModelIndex& index) {
        return gate(proxy_->slotAt(index.row()));
    });
}

void ValueTable::chooseCurrentRow() {
    // A refused move is put back; a row only made current (Ctrl+click taking it out of the
    // selection, a press before the release selects it) shows nothing yet.
    const QModelIndex current = view_->currentIndex();
    if (view_->refusedMove() || !current.isValid() ||
        !view_->selectionModel()->isRowSelected(current.row(), {}) ||
        proxy_->slotAt(current.row()) == currentSlot_)
        return;
    currentSlot_ = proxy_->slotAt(current.row());
    emit slotChosen(currentSlot_);
}

void ValueTable::applyFilter() {
    const int column = cboFilterValue_->currentData().toInt();
    ValueFilter filter;
    if (column >= 0) {
        filter.season = ValueTableModel::seasonOf(column);
        filter.position = ValueTableModel::positionOf(column);
    }
    filter.comparison = Comparison(cboFilterComparison_->currentData().toInt());
    filter.number = qint16(spnFilterNumber_->value());
    cboFilterComparison_->setEnabled(filter.active());
    spnFilterNumber_->setEnabled(filter.active());
    cmdClearFilter_->setEnabled(filter.active());
    proxy_->setValueFilter(filter);
    setCurrentSlot(currentSlot_);
    emit rowsFound();
}

void ValueTable::setFindText(const QString& text) {
    proxy_->setFindText(text);
    setCurrentSlot(currentSlot_);
    emit rowsFound();
}

void ValueTable::showColumns(TableColumns columns) {
    for (int c = ValueTableModel::FirstValueColumn; c < ValueTableModel::ColumnCount; ++c)
        view_->setColumnHidden(c, !shows(columns, c));
}

QList<int> ValueTable::selectedSlots() const {
    QList<int> chosen;
    for (const QModelIndex& row : view_->selectionModel()->selectedRows())
        chosen << proxy_->slotAt(row.row());
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

void ValueTable::selectSlots(const QList<int>& chosen) {
    QItemSelection wanted;
    hiddenSelected_.clear();
    const int last = proxy_->columnCount() - 1;
    for (const int slot : chosen) {
        const int row = proxy_->rowOf(slot);
        if (row >= 0)
            wanted.select(proxy_->index(row, 0), proxy_->index(row, last));
        else
            hiddenSelected_ << slot;
    }
    if (wanted != view_->selectionModel()->selection())
        view_->selectionModel()->select(wanted, QItemSelectionModel::ClearAndSelect);
}

void ValueTable::setCurrentSlot(int slot) {
    currentSlot_ = slot;
    if (view_->userMoving())
        return; // the view sets its own current row and selection as the user asked

    const int row = proxy_->rowOf(slot);
    QItemSelectionModel* selection = view_->selectionModel();
    if (row < 0) {
        // No current row either: a click on any row then shows its configuration. The rows
        // selected with it stay selected, as in the list.
        selection->clearCurrentIndex();
    } else {
        const int column = std::max(view_->currentIndex().column(), 0);
        const QModelIndex index = proxy_->index(row, column);
        // A row among several selected keeps the others selected.
        selection->setCurrentIndex(index, selection->isRowSelected(row, {})
                                              ? QItemSelectionModel::NoUpdate
                                              : QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
        view_->scrollTo(index);
    }
}

} // namespace weather
