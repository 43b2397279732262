// Changes to the selected configurations, each one step: Change Values, Paste Season into
// several, Copy and Paste Configuration, and Revert to the file as last loaded or saved.
#include "frmweather.h"

#include "codepage.h"
#include "configlist.h"
#include "editcommands.h"
#include "seasonclip.h"
#include "selectionedit.h"
#include "uitext.h"
#include "valuetable.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <QUndoStack>

#include <algorithm>

namespace weather {

namespace {

// "Summer Wind", "Summer Calm": what a change reaches.
QString targetText(const ValueTarget& target) {
    return target.group == ValueTarget::Single
               ? valueNameText(target.season, target.position)
               : QStringLiteral("%1 %2").arg(seasonText(target.season),
                                             columnText(int(target.group) - ValueTarget::Wind));
}

} // namespace

QList<int> frmWeather::selectedEntries() const {
    QList<int> chosen;
    for (const QModelIndex& row : lstConfigs->selectionModel()->selectedRows())
        chosen << lstConfigs->configs()->slotAt(row.row());
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

QList<int> frmWeather::selectedSlots() const {
    QList<int> chosen = selectedEntries();
    if (chosen.isEmpty() && shownSlot_ > 0)
        chosen << shownSlot_;
    return chosen;
}

void frmWeather::selectAlso(const QList<int>& chosen) {
    for (const int slot : chosen) {
        const int row = lstConfigs->configs()->rowOf(slot);
        if (row >= 0)
            lstConfigs->selectionModel()->select(lstConfigs->model()->index(row, 0),
                                                 QItemSelectionModel::Select |
                                                     QItemSelectionModel::Rows);
    }
}

int frmWeather::slotToShow() const {
    const QItemSelectionModel* selection = lstConfigs->selectionModel();
    const QModelIndex current = lstConfigs->currentIndex();
    if (current.isValid() && selection->isRowSelected(current.row(), {}))
        return lstConfigs->configs()->slotAt(current.row());
    const QList<int> selected = selectedEntries();
    if (selected.contains(shownSlot_) || selected.isEmpty())
        return shownSlot_;
    return selected.first();
}

QString frmWeather::slotsText(const QList<int>& chosen) const {
    return chosen.size() == 1 ? menuName(fromWindows1252(table_.Configs(chosen.first()).Name))
                              : tr("%1 configurations").arg(chosen.size());
}

void frmWeather::mnuChangeValues_Click() {
    if (shownSlot_ == 0 || !settlePendingEdits())
        return;
    const QList<int> chosen = selectedSlots();
    const auto change =
        desktop_->chooseValueChange(this, SSTab1->currentIndex(), int(chosen.size()));
    if (!change)
        return;
    const ChangeOutcome outcome = computeChange(table_, chosen, *change);
    if (outcome.problem == ChangeOutcome::OutOfRange) {
        showNotice(tr("%1 of %2 would become %3, but a value runs from -32768 to 32767.\nNothing "
                      "was changed.")
                       .arg(valueNameText(change->target.season, outcome.position),
                            fromWindows1252(table_.Configs(outcome.slot).Name),
                            QString::number(outcome.result, 'g', 12)));
        return;
    }
    const QString what = tr("%1 of %2").arg(targetText(change->target), slotsText(chosen));
    QString text;
    switch (change->kind) {
    case ValueChange::Set:
        text = tr("Set %1 to %2").arg(what).arg(change->amount);
        break;
    case ValueChange::Add:
        text = tr("Add %1 to %2").arg(change->amount).arg(what);
        break;
    case ValueChange::Multiply:
        text = tr("Multiply %1 by %2").arg(what, QLocale().toString(change->factor, 'g', 6));
        break;
    case ValueChange::ScaleToTotal:
        text = tr("Scale %1 to %2").arg(what).arg(change->amount);
        break;
    }
    pushRecords(text, outcome.changed);
    if (!outcome.leftAlone.isEmpty()) {
        QStringList names;
        for (const int slot : outcome.leftAlone)
            names << fromWindows1252(table_.Configs(slot).Name);
        showNotice(tr("%1 holds only zeros or a negative value in these configurations, which "
                      "were left alone:\n%2")
                       .arg(targetText(change->target), names.join(QLatin1Char('\n'))));
    }
}

void frmWeather::pushRecords(const QString& text,
                             const QList<std::pair<int, WeatherConfig>>& changed) {
    if (!changed.isEmpty())
        undoStack_->push(new RecordsCommand(*this, text, changed));
    tell(changed.isEmpty() ? tr("Nothing changed: %1").arg(text) : text);
}

void frmWeather::pasteSeasonInto(const QList<int>& chosen, int season, const SeasonPaste& paste) {
    if (!settlePendingEdits())
        return;
    QList<RecordsCommand::Record> changed;
    for (const int slot : chosen) {
        WeatherConfig record = table_.Configs(slot);
        for (int p = paste.withStartDay ? 0 : 1; p < SeasonValueCount; ++p)
            record.season(season).at(p) = paste.values.at(std::size_t(p));
        if (record != table_.Configs(slot))
            changed.append({slot, record});
    }
    pushRecords(tr("Paste %1 into %2").arg(seasonText(season), slotsText(chosen)), changed);
}

// The configuration on display as stored: four rows of 18 numbers, Spring to Winter.
void frmWeather::mnuCopyConfig_Click() {
    if (shownSlot_ == 0 || !settlePendingEdits())
        return;
    QStringList rows;
    for (int s = 0; s < SeasonCount; ++s)
        rows << seasonRowText(table_.Configs(shownSlot_).season(s));
    QGuiApplication::clipboard()->setText(rows.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    tell(tr("Copied %1").arg(slotsText({shownSlot_})));
}

// Four rows of 18 numbers into every selected configuration; names and numbers stay.
void frmWeather::mnuPasteConfig_Click() {
    if (shownSlot_ == 0)
        return;
    QStringList rows = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    rows.removeIf([](const QString& row) { return row.trimmed().isEmpty(); });
    std::array<SeasonWeather, SeasonCount> seasons{};
    bool ok = rows.size() == SeasonCount;
    for (int s = 0; ok && s < SeasonCount; ++s) {
        const SeasonPaste paste = parseSeasonText(rows[s]);
        ok = paste.outcome == SeasonPaste::Values && paste.withStartDay;
        if (ok)
            unflatten(paste.values, seasons[std::size_t(s)]);
    }
    if (!ok) {
        showNotice(tr("The clipboard holds no configuration: Copy Configuration puts one there "
                      "as four rows of 18 numbers, Spring to Winter."));
        return;
    }
    if (!settlePendingEdits())
        return;
    const QList<int> chosen = selectedSlots();
    QList<RecordsCommand::Record> changed;
    for (const int slot : chosen) {
        WeatherConfig record = table_.Configs(slot);
        for (int s = 0; s < SeasonCount; ++s)
            record.season(s) = seasons[std::size_t(s)];
        if (record != table_.Configs(slot))
            changed.append({slot, record});
    }
    pushRecords(tr("Paste configuration into %1").arg(slotsText(chosen)), changed);
}

QList<std::pair<int, WeatherConfig>> frmWeather::revertedRecords(int season) const {
    QList<std::pair<int, WeatherConfig>> changed;
    for (const int slot : selectedSlots()) {
        if (slot > fileTable_.recordCount())
            continue; // added since: the file has nothing to put back
        WeatherConfig record = table_.Configs(slot);
        if (season >= 0)
            record.season(season) = fileTable_.Configs(slot).season(season);
        else
            record = fileTable_.Configs(slot);
        if (record != table_.Configs(slot))
            changed.append({slot, record});
    }
    return changed;
}

void frmWeather::revert(int season) {
    if (shownSlot_ == 0 || !settlePendingEdits())
        return;
    const QList<std::pair<int, WeatherConfig>> changed = revertedRecords(season);
    if (changed.isEmpty())
        return;
    QList<int> chosen;
    for (const auto& [slot, unused] : changed)
        chosen << slot;
    const QString text = season >= 0
                             ? tr("Revert %1 of %2").arg(seasonText(season), slotsText(chosen))
                             : tr("Revert %1").arg(slotsText(chosen));
    undoStack_->push(new RecordsCommand(*this, text, changed));
    const QList<int> selected = selectedSlots();
    const auto added = std::count_if(selected.begin(), selected.end(),
                                     [this](int slot) { return slot > fileTable_.recordCount(); });
    tell(added == 0 ? text
                    : tr("%1; %2 added since the file was loaded or saved stayed as they are")
                          .arg(text)
                          .arg(added));
}

void frmWeather::mnuRevertConfig_Click() {
    revert(-1);
}

void frmWeather::mnuRevertSeason_Click() {
    revert(SSTab1->currentIndex());
}

void frmWeather::updateRevertActions() {
    if (mnuRevertConfig == nullptr)
        return;
    const bool shown = shownSlot_ > 0;
    mnuRevertConfig->setEnabled(shown && !revertedRecords(-1).isEmpty());
    mnuRevertSeason->setEnabled(shown && !revertedRecords(SSTab1->currentIndex()).isEmpty());
}

} // namespace weather
