// The find box above the list: narrowing the list as the user types, and the keys that go from
// the box to the list.
#include "frmweather.h"

#include "configlist.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace weather {

// Narrows the list as the user types; the configuration on display stays on display.
void frmWeather::txtFind_Change() {
    const QList<int> selected = selectedEntries();
    {
        // Rows that go take the selection to a neighbour: nothing to show, nothing to ask.
        const QScopedValueRollback quiet(selecting_, true);
        lstConfigs->configs()->setFindText(txtFind->text());
        lstConfigs->selectionModel()->clearSelection();
    }
    selectEntry(shownSlot_);
    // The others selected with the one on display stay selected while they are listed.
    if (shownSlot_ > 0 && lstConfigs->configs()->rowOf(shownSlot_) >= 0 &&
        selected.contains(shownSlot_)) {
        const QScopedValueRollback quiet(selecting_, true);
        selectAlso(selected);
    }
    updateFindCount();
    // Rows the find text hides leave the selection without a signal: what Revert would change
    // is found afresh.
    updateRevertActions();
}

bool frmWeather::txtFind_KeyDown(int KeyCode) {
    if (KeyCode == Qt::Key_Escape && !txtFind->text().isEmpty()) {
        txtFind->clear();
        return true;
    }
    if (KeyCode != Qt::Key_Down && KeyCode != Qt::Key_Return && KeyCode != Qt::Key_Enter)
        return false;
    // To the first match, which shows it after the question about typed values. The one on
    // display keeps what is typed into its boxes; with no match, or when the user goes back to
    // the boxes, the cursor stays here.
    if (lstConfigs->model()->rowCount() == 0)
        return true;
    const int slot = lstConfigs->configs()->slotAt(0);
    if (slot != shownSlot_ && !settlePendingEdits())
        return true;
    lstConfigs->setFocus(Qt::TabFocusReason);
    selectEntry(slot);
    if (slot != shownSlot_)
        showRecord(slot);
    return true;
}

} // namespace weather
