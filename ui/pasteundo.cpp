// Taking back a Paste Season. A paste fills boxes as typing does and changes no configuration,
// so it is no step on the undo stack; Undo takes it back, as a text box takes back its typing,
// while nothing else happened since.
#include "frmweather.h"

#include "codepage.h"
#include "editcommands.h"
#include "uitext.h"

#include <QAction>
#include <QLineEdit>
#include <QUndoStack>

namespace weather {

void frmWeather::pasted(int season, const QStringList& before) {
    const QStringList after = seasonTexts(season);
    if (after == before)
        pasted_.reset();
    else
        pasted_ = PastedSeason{shownSlot_, season, undoStack_->index(), table_.Configs(shownSlot_),
                               before,     after};
    // Typing over the pasted values ends the chance to take the paste back.
    for (int p = 0; p < SeasonValueCount; ++p)
        connect(seasonBox(season, p), &QLineEdit::textChanged, this, &frmWeather::updateUndoActions,
                Qt::UniqueConnection);
    updateUndoActions();
}

QString frmWeather::pastedSeasonText() const {
    if (!pasted_ || pasted_->slot != shownSlot_ || pasted_->undoIndex != undoStack_->index() ||
        pasted_->record != table_.Configs(shownSlot_) ||
        seasonTexts(pasted_->season) != pasted_->after)
        return {};
    return tr("Paste %1 of %2")
        .arg(seasonText(pasted_->season),
             menuName(fromWindows1252(table_.Configs(shownSlot_).Name)));
}

bool frmWeather::undoPaste() {
    if (pastedSeasonText().isEmpty())
        return false;
    const PastedSeason paste = *pasted_;
    pasted_.reset();
    for (int p = 0; p < SeasonValueCount; ++p)
        seasonBox(paste.season, p)->setText(paste.before[p]);
    updateUndoActions();
    return true;
}

} // namespace weather
