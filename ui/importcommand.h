// Importing configurations from CSV as one undoable step.
#pragma once

#include "weathertable.h"

#include <QUndoCommand>

#include <functional>

namespace weather {

// Puts a whole imported table in place of the window's table, and back. Both directions swap
// the two tables and then call `refresh`, so that the window shows what the table now holds.
class ImportCommand : public QUndoCommand {
public:
    ImportCommand(ConfigTable& table, ConfigTable imported, std::function<void()> refresh);

    void redo() override;
    void undo() override;

private:
    void swapTables();

    ConfigTable& table_;
    ConfigTable other_; // the table that is not in place
    std::function<void()> refresh_;
};

} // namespace weather
