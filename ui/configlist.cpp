#include "configlist.h"

#include "codepage.h"
#include "weathertable.h"

#include <QKeyEvent>

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

void ConfigListModel::setConfigs(const ConfigTable& table) {
    const auto count = std::size_t(table.recordCount());
    names_.resize(count);
    folded_.resize(count);
    numbers_.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const WeatherConfig& config = table.Configs(int(i) + 1);
        names_[i] = fromWindows1252(config.Name);
        folded_[i] = foldForFind(names_[i]);
        numbers_[i] = config.Number;
    }
    find();
}

void ConfigListModel::setName(int slot, const QString& name) {
    const auto i = std::size_t(slot - 1);
    if (i >= names_.size() || names_[i] == name)
        return;
    names_[i] = name;
    folded_[i] = foldForFind(name);
    if (findText_.isEmpty() && !findsNumber_) {
        const QModelIndex changed = index(rowOf(slot));
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    } else {
        find();
    }
}

void ConfigListModel::setFindText(const QString& text) {
    const QString trimmed = text.trimmed();
    bool number = false;
    findNumber_ = trimmed.toLongLong(&number);
    findsNumber_ = number;
    findText_ = foldForFind(trimmed);
    find();
}

bool ConfigListModel::matches(std::size_t record) const {
    return (findsNumber_ && numbers_[record] == findNumber_) ||
           folded_[record].contains(findText_);
}

void ConfigListModel::find() {
    beginResetModel();
    slots_.clear();
    rows_.assign(names_.size(), -1);
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (matches(i)) {
            rows_[i] = int(slots_.size());
            slots_.push_back(int(i) + 1);
        }
    }
    endResetModel();
}

int ConfigListModel::slotAt(int row) const {
    return row >= 0 && std::size_t(row) < slots_.size() ? slots_[std::size_t(row)] : 0;
}

int ConfigListModel::rowOf(int slot) const {
    const auto i = std::size_t(slot - 1);
    return slot > 0 && i < rows_.size() ? rows_[i] : -1;
}

int ConfigListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(slots_.size());
}

QVariant ConfigListModel::data(const QModelIndex& index, int role) const {
    const int slot = slotAt(index.row());
    if (slot == 0 || (role != Qt::DisplayRole && role != Qt::ToolTipRole &&
                      role != Qt::AccessibleTextRole))
        return {};
    // The tooltip shows a long name whole, as the list's column may cut it.
    return names_[std::size_t(slot - 1)];
}

ConfigList::ConfigList(QWidget* parent) : QListView(parent), model_(new ConfigListModel(this)) {
    setModel(model_);
}

QItemSelectionModel::SelectionFlags ConfigList::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
    const auto flags = QListView::selectionCommand(index, event);
    const bool user = event != nullptr && (event->type() == QEvent::KeyPress ||
                                event->type() == QEvent::MouseButtonPress ||
                                event->type() == QEvent::MouseButtonDblClick ||
                                event->type() == QEvent::MouseMove ||
                                event->type() == QEvent::MouseButtonRelease);
    if (!user || !gate_ || flags == QItemSelectionModel::NoUpdate || !index.isValid() ||
        selectionModel()->isSelected(index))
        return flags;
    if (refused_ || !gate_(index.row())) {
        refused_ = true;
        return QItemSelectionModel::NoUpdate;
    }
    return flags;
}

void ConfigList::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    if (refused_) {
        refused_ = false;
        if (const QModelIndexList selected = selectionModel()->selectedRows(); !selected.isEmpty())
            selectionModel()->setCurrentIndex(selected.first(), QItemSelectionModel::NoUpdate);
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
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
    };
    if (plain && step && nothingSelected()) {
        selectCurrent();
        event->accept();
        return;
    }
    const QModelIndexList before = selectionModel()->selectedRows();
    refused_ = false;
    QListView::keyPressEvent(event); // asks the gate through selectionCommand()
    // cppcheck-suppress knownConditionTrueFalse ; set by selectionCommand() during the call
    if (refused_) {
        // The current row stays with the selection the user chose to keep.
        refused_ = false;
        if (!before.isEmpty())
            selectionModel()->setCurrentIndex(before.first(), QItemSelectionModel::NoUpdate);
        return;
    }
    // From the current row to itself (Home on the first row) the list selects nothing.
    if (plain && jump && nothingSelected())
        selectCurrent();
}

} // namespace weather
