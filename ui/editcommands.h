// The steps on the window's undo stack: every change to the table is one of these, so that it
// can be undone and redone and the window follows each change at once.
#pragma once

#include "tableedit.h"
#include "weathertable.h"

#include <QUndoCommand>

namespace weather {

class frmWeather;

// Update of one season of one record: "Update Summer".
class UpdateSeasonCommand final : public QUndoCommand {
public:
    UpdateSeasonCommand(frmWeather& window, int slot, int season, const SeasonWeather& values);
    void undo() override { apply(before_); }
    void redo() override { apply(after_); }

private:
    void apply(const SeasonWeather& values);

    frmWeather& window_;
    int slot_;
    int season_;
    SeasonWeather before_;
    SeasonWeather after_;
};

// A new name for one record: "Rename".
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
// display, Delete Last removes the last record. Either way the window shows the last record
// afterwards, or, when Duplicate is undone, the record that was copied.
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

// Why a typed name was refused, in words for the user: names the character at fault.
[[nodiscard]] QString nameProblemText(const EncodedName& name);

} // namespace weather
