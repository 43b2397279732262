#include "importcommand.h"

#include <QCoreApplication>

namespace weather {

ImportCommand::ImportCommand(ConfigTable& table, ConfigTable imported,
                             std::function<void()> refresh)
    : QUndoCommand(QCoreApplication::translate("ImportCommand", "Import from CSV")), table_(table),
      other_(std::move(imported)), refresh_(std::move(refresh)) {}

void ImportCommand::redo() {
    swapTables();
}

void ImportCommand::undo() {
    swapTables();
}

void ImportCommand::swapTables() {
    table_.swap(other_);
    if (refresh_)
        refresh_();
}

} // namespace weather
