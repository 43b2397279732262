// The steps on the window's undo stack: every change to the table is one of these, so that it
// can be undone and redone and the window follows each change at once. Undoing or redoing a
// step selects and shows the configuration it changes, and its text names that configuration.
#pragma once

#include "tableedit.h"
#include "weathertable.h"

#include <QList>
#include <QUndoCommand>

#include <utility>

namespace weather {

class frmWeather;

// Update of one or more seasons of one record: "Update Winter of Alpine Valley".
class UpdateSeasonCommand final : public QUndoCommand {
public:
    using SeasonValues = std::pair<int, SeasonWeather>; // season, its eighteen values
    UpdateSeasonCommand(frmWeather& window, int slot, QList<SeasonValues> values);
    void undo() override { apply(before_); }
    void redo() override { apply(after_); }

private:
    void apply(const QList<SeasonValues>& values);

    frmWeather& window_;
    int slot_;
    QList<SeasonValues> before_;
    QList<SeasonValues> after_;
    bool pushed_ = false; // the first redo is the push: the window already shows the step
};

// A new name for one record: "Rename Alpine Valley".
class RenameCommand final : public QUndoCommand {
public:
    RenameCommand(frmWeather& window, int slot, QByteArray name);
    void undo() override { apply(before_); }
    void redo() override { apply(after_); }

private:
    void apply(const QByteArray& name);

    frmWeather& window_;
    int slot_;
    QByteArray before_;
    QByteArray after_;
};

// A record added or removed at the end of the table: Duplicate appends a copy of the record on
// display ("Duplicate Alpine Valley"), Delete Last removes the last record ("Delete Alpine
// Valley"). Either way the window shows the last record afterwards, or, when Duplicate is
// undone, the record that was copied.
class LastRecordCommand final : public QUndoCommand {
public:
    // Appends a copy of `slot` (check appendProblem() first).
    static LastRecordCommand* duplicate(frmWeather& window, int slot);
    // Removes the last record.
    static LastRecordCommand* deleteLast(frmWeather& window);

    void undo() override { appends_ ? remove() : append(); }
    void redo() override { appends_ ? append() : remove(); }

private:
    LastRecordCommand(frmWeather& window, const QString& text, bool appends, WeatherConfig record,
                      int shownAfterRemoval);
    void append();
    void remove();

    frmWeather& window_;
    bool appends_;
    WeatherConfig record_;
    int shownAfterRemoval_;
};

// A change to several records at once, and records appended after the last: the changes to a
// selection, a merge, a revert. `text` names it ("Scale Summer Wind of 12 configurations to
// 100"). Both directions put the records in place and refresh the window; the configuration on
// display stays on display while it exists.
class RecordsCommand final : public QUndoCommand {
public:
    using Record = std::pair<int, WeatherConfig>; // slot, the record's new contents
    RecordsCommand(frmWeather& window, const QString& text, QList<Record> changed,
                   QList<WeatherConfig> appended = {});
    void undo() override;
    void redo() override;

private:
    frmWeather& window_;
    QList<Record> before_;
    QList<Record> after_;
    QList<WeatherConfig> appended_;
};

// A name as menu texts give it: at most `length` characters, a longer one cut with "...".
[[nodiscard]] QString menuName(const QString& name, qsizetype length = 40);
// `text` with each "&" doubled, so that a menu shows it rather than underlining what follows.
[[nodiscard]] QString menuEscaped(QString text);

// Why a typed name was refused, in words for the user: names the character at fault.
[[nodiscard]] QString nameProblemText(const EncodedName& name);

} // namespace weather
