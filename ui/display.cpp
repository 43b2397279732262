// What the window shows: the list, the configuration on display, its boxes and the marks of the
// season tabs.
#include "frmweather.h"

#include "codepage.h"
#include "configlist.h"
#include "configtablemodel.h"
#include "pendingedits.h"
#include "seasonpage.h"
#include "seasontext.h"
#include "valuetable.h"

#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTabWidget>

namespace weather {

void frmWeather::showRecord(int slot) {
    shownSlot_ = slot;
    tblValues->setCurrentSlot(slot);
    showName(slot);
    for (int s = 0; s < SeasonCount; ++s)
        showSeason(slot, s);
    updateEditActions();
}

void frmWeather::showName(int slot) {
    const WeatherConfig& config = table_.Configs(slot);
    const QString name = fromWindows1252(config.Name);
    // The row keeps its place, even when the new name no longer matches the find text.
    lstConfigs->configs()->records()->recordChanged(slot);
    if (slot != shownSlot_)
        return;
    txtName->setText(name);
    lblNumber->setText(QString::number(config.Number));
}

void frmWeather::showSeason(int slot, int season) {
    if (slot != shownSlot_)
        return;
    const SeasonWeather& values = table_.Configs(slot).season(season);
    for (int p = 0; p < SeasonValueCount; ++p)
        seasonBox(season, p)->setText(QString::number(values.at(p)));
    seasonEdited(season); // the record may have changed under texts that did not
}

void frmWeather::showChange(int slot, const QList<int>& seasons, int tab) {
    if (slot != shownSlot_) {
        showSlot(slot);
    } else {
        showName(slot);
        for (const int s : seasons)
            showSeason(slot, s);
    }
    if (tab >= 0)
        SSTab1->setCurrentIndex(tab);
}

void frmWeather::showSlot(int slot) {
    selectEntry(slot);
    if (slot > 0)
        showRecord(slot);
    else
        clearShown();
}

// Selects the entry of `slot` without showing it (the caller does), or nothing when it is not
// listed.
void frmWeather::selectEntry(int slot) {
    const QScopedValueRollback quiet(selecting_, true);
    const int row = lstConfigs->configs()->rowOf(slot);
    if (row >= 0 && slot == shownSlot_ && lstConfigs->selectionModel()->isRowSelected(row, {})) {
        const QModelIndex entry = lstConfigs->model()->index(row, 0);
        lstConfigs->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::NoUpdate);
        lstConfigs->scrollTo(entry);
    } else if (row >= 0) {
        const QModelIndex entry = lstConfigs->model()->index(row, 0);
        lstConfigs->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect |
                                                                 QItemSelectionModel::Rows);
        lstConfigs->scrollTo(entry);
    } else {
        lstConfigs->selectionModel()->clearSelection();
    }
}

void frmWeather::clearShown() {
    shownSlot_ = 0;
    tblValues->setCurrentSlot(0);
    txtName->clear();
    lblNumber->clear();
    for (int s = 0; s < SeasonCount; ++s) {
        for (int p = 0; p < SeasonValueCount; ++p)
            seasonBox(s, p)->clear();
    }
    updateEditActions();
}

void frmWeather::refreshList() {
    // The entries selected with the one on display stay selected while they are listed.
    const QList<int> selected = selectedEntries();
    {
        const QScopedValueRollback quiet(selecting_, true);
        lstConfigs->configs()->records()->sync();
    }
    updateFindCount();
    fitListToNames();
    // What is on display may have changed with the table: show it afresh, or nothing when it
    // is gone.
    if (shownSlot_ > table_.recordCount()) {
        clearShown();
        selectEntry(0); // the rows that went took the selection to a neighbour
    } else {
        selectEntry(shownSlot_);
        // Not beside one on display that is no longer listed.
        const bool listed = lstConfigs->configs()->rowOf(shownSlot_) >= 0;
        if (shownSlot_ > 0 && listed && selected.contains(shownSlot_)) {
            const QScopedValueRollback quiet(selecting_, true);
            selectAlso(selected);
        }
        if (shownSlot_ > 0)
            showRecord(shownSlot_);
    }
    updateEditActions();
}

void frmWeather::updateFindCount() {
    const int listed = lstConfigs->model()->rowCount();
    const int all = table_.recordCount();
    lblFindCount->setText(loadedPath_.isEmpty() ? QString() : tr("%1 of %2").arg(listed).arg(all));
}

QStringList frmWeather::seasonTexts(int season) const {
    QStringList texts;
    texts.reserve(SeasonValueCount);
    for (int p = 0; p < SeasonValueCount; ++p)
        texts << seasonBox(season, p)->text();
    return texts;
}

void frmWeather::seasonEdited(int season) {
    const QStringList texts = seasonTexts(season);
    const SeasonWeather* stored =
        shownSlot_ > 0 ? &table_.Configs(shownSlot_).season(season) : nullptr;
    const bool pending = stored != nullptr && seasonDiffers(*stored, texts);
    const QString caption = seasonTabText(season, pending);
    if (SSTab1->tabText(season) != caption)
        SSTab1->setTabText(season, caption);
    pgSeason[season]->follow(stored);
    StartDays starts;
    for (int s = 0; s < SeasonCount; ++s) {
        const BoxValue start = readBoxValue(txtStart[s]->text());
        starts << (start.ok() ? std::optional<int>(start.value) : std::nullopt);
    }
    for (SeasonPage* page : pgSeason)
        page->showStartDays(starts);
}

QList<int> frmWeather::pendingSeasons() const {
    QList<int> seasons;
    if (shownSlot_ == 0)
        return seasons;
    for (int s = 0; s < SeasonCount; ++s) {
        if (seasonDiffers(table_.Configs(shownSlot_).season(s), seasonTexts(s)))
            seasons << s;
    }
    return seasons;
}

void frmWeather::enableRecordControls(bool enable) {
    txtName->setEnabled(enable);
    for (QGroupBox* frame : fraDetails)
        frame->setEnabled(enable);
}

} // namespace weather
