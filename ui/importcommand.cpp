#include "importcommand.h"

#include <QCoreApplication>

namespace weather {

ImportCommand::ImportCommand(ConfigTable& table, ConfigTable imported,
                             std::function<void()> refresh)
    : QUndoCommand(QCoreApplication::translate("ImportCommand", "Import from CSV")), table_(table),
      other_(std::move(imported)), refresh_(std::move(refresh)) {
    // The import brings configurations; the file's header line and the text after its last
    // configuration stay the file's own.
    other_.HeaderLine = table_.HeaderLine;
    other_.TrailingText = table_.TrailingText;
}

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
