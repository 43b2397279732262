// The table of every value in place of the record on display: switching to it and back, the
// columns it shows, and what the user does in it.
#include "frmweather.h"

#include "codepage.h"
#include "configlist.h"
#include "editcommands.h"
#include "seasontext.h"
#include "uitext.h"
#include "valuetable.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTimer>
#include <QUndoStack>

#include <array>

namespace weather {

void frmWeather::buildTable(QVBoxLayout* recordSide) {
    tblValues = new ValueTable(lstConfigs->configs()->records(), &table_);
    tblValues->setObjectName(QStringLiteral("pnlTable"));
    // Hidden, it leaves the record's controls to set the window's sizes.
    tblValues->hide();
    recordSide->insertWidget(1, tblValues, 1);
    connect(txtFind, &QLineEdit::textChanged, tblValues, &ValueTable::setFindText);
    connect(tblValues, &ValueTable::slotChosen, this, &frmWeather::tblValues_RowChange);
    // The question about typed values comes before a click or a key moves the selection.
    tblValues->setSelectionGate(
        [this](int slot) { return slot == shownSlot_ || settlePendingEdits(); });
    // One selection in two views: what the user selects in either is selected in the other.
    connect(tblValues, &ValueTable::selectionChosen, this, &frmWeather::tblValues_SelectionChange);
    connect(lstConfigs->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { tblValues->selectSlots(selectedEntries()); });
    connect(tblValues, &ValueTable::rowsFound, this,
            [this] { tblValues->selectSlots(selectedEntries()); });
    // After the editor has closed: the message about a refused value takes the focus.
    connect(tblValues, &ValueTable::valueEntered, this, &frmWeather::tblValues_ValueEntered,
            Qt::QueuedConnection);
}

void frmWeather::buildTableMenu() {
    mnuView->addSeparator();
    mnuTable = mnuView->addAction(tr("&Table"));
    mnuTable->setObjectName(QStringLiteral("mnuTable"));
    mnuTable->setCheckable(true);
    mnuTable->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuTable->setStatusTip(tr("Shows every configuration with all its values in a table."));
    connect(mnuTable, &QAction::triggered, this, &frmWeather::mnuTable_Click);

    mnuTableColumns = mnuView->addMenu(tr("Table &Columns"));
    mnuTableColumns->setObjectName(QStringLiteral("mnuTableColumns"));
    mnuTableColumns->menuAction()->setObjectName(QStringLiteral("mnuTableColumns"));
    auto* choices = new QActionGroup(mnuTableColumns);
    const std::array<QString, TableColumnsCount> texts = {
        tr("&All Values"),  seasonText(Spring), seasonText(Summer),
        seasonText(Autumn), seasonText(Winter), tr("&Start Days"),
        columnText(0),      columnText(1),      columnText(2)};
    for (int c = 0; c < TableColumnsCount; ++c) {
        if (c == int(TableColumns::Spring) || c == int(TableColumns::StartDays))
            mnuTableColumns->addSeparator();
        QAction* choice = mnuTableColumns->addAction(texts[std::size_t(c)]);
        choice->setObjectName(QStringLiteral("mnuTableColumns%1").arg(c));
        choice->setCheckable(true);
        choice->setChecked(c == int(TableColumns::All));
        choices->addAction(choice);
        connect(choice, &QAction::triggered, this,
                [this, c] { tblValues->showColumns(TableColumns(c)); });
    }
}

// Typed values are settled first: the boxes are out of sight while the table is shown.
void frmWeather::mnuTable_Click(bool table) {
    if (table && !settlePendingEdits()) {
        mnuTable->setChecked(false);
        return;
    }
    findChild<QWidget*>(QStringLiteral("scrRecord"))->setVisible(!table);
    tblValues->setVisible(table);
    if (table) {
        tblValues->setCurrentSlot(shownSlot_);
        tblValues->view()->setFocus(Qt::OtherFocusReason);
    }
}

void frmWeather::tblValues_RowChange(int slot) {
    if (slot == shownSlot_)
        return;
    if (settlePendingEdits()) {
        // The list's entry becomes current; what is selected follows the table's own selection,
        // which the view sets after this.
        const int row = lstConfigs->configs()->rowOf(slot);
        if (row >= 0) {
            const QScopedValueRollback quiet(selecting_, true);
            const QModelIndex entry = lstConfigs->model()->index(row, 0);
            lstConfigs->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::NoUpdate);
            lstConfigs->scrollTo(entry);
        }
        showRecord(slot);
        return;
    }
    // The view is still inside its own change of the current row and the selection: both back,
    // in the table and the list, once it has finished.
    const QList<int> before = selectedEntries();
    QTimer::singleShot(0, this, [this, before] {
        tblValues_SelectionChange(before);
        tblValues->selectSlots(before);
        tblValues->setCurrentSlot(shownSlot_);
    });
}

void frmWeather::tblValues_SelectionChange(const QList<int>& chosen) {
    const QScopedValueRollback quiet(selecting_, true);
    QItemSelection rows;
    for (const int slot : chosen) {
        const int row = lstConfigs->configs()->rowOf(slot);
        if (row >= 0)
            rows.select(lstConfigs->model()->index(row, 0), lstConfigs->model()->index(row, 0));
    }
    lstConfigs->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
}

void frmWeather::tblValues_ValueEntered(int slot, int season, int position, const QString& text) {
    if (slot < 1 || slot > table_.recordCount())
        return;
    const BoxValue value = readBoxValue(text);
    if (!value.ok()) {
        showFailure(boxProblemMessage(valueNameText(season, position), text, value.problem) +
                    QLatin1Char('\n') + tr("The value was not changed."));
        return;
    }
    // Updating typed values may change this season first: it is read after the question.
    if (table_.Configs(slot).season(season).at(position) == value.value || !settlePendingEdits())
        return;
    SeasonWeather weather = table_.Configs(slot).season(season);
    if (weather.at(position) == value.value)
        return;
    weather.at(position) = value.value;
    const QString name = menuName(fromWindows1252(table_.Configs(slot).Name));
    auto* step = new UpdateSeasonCommand(*this, slot, {{season, weather}});
    //: An undo step: "Update Summer Gale of Alpine Valley".
    step->setText(tr("Update %1 of %2").arg(valueNameText(season, position), name));
    undoStack_->push(step);
}

} // namespace weather
