// Taking differences ticked in Compare with File into the window's table.
#include "comparedialog.h"
#include "configmerge.h"
#include "editcommands.h"
#include "frmweather.h"

#include <QUndoStack>

namespace weather {

// Settles typed values first, then takes the ticked differences as one step and shows the
// comparison afresh. Configurations only in the file are appended while the table has room;
// those that do not fit are named in a message.
void frmWeather::mergeFromCompare(CompareDialog& dialog) {
    if (!settlePendingEdits())
        return;
    const TableDiff& diff = dialog.diff();
    const Merge merge = mergeTicked(table_, diff.oldTable(), diff.differences(), dialog.ticked());
    const QString file = diff.oldName();
    if (merge.leftOut > 0) {
        const QString text =
            merge.leftOut == 1
                ? tr("1 configuration only in %1 did not fit: a file holds at most %2 "
                     "configurations, or a number above the last would be too large. The others "
                     "were taken.")
                      .arg(file)
                      .arg(ConfigTable::MaxRecords)
                : tr("%1 configurations only in %2 did not fit: a file holds at most %3 "
                     "configurations, or a number above the last would be too large. The others "
                     "were taken.")
                      .arg(merge.leftOut)
                      .arg(file)
                      .arg(ConfigTable::MaxRecords);
        showFailure(text);
    }
    if (merge.configurations() > 0) {
        const QString text =
            merge.configurations() == 1
                ? tr("Merge 1 configuration from %1").arg(file)
                : tr("Merge %1 configurations from %2").arg(merge.configurations()).arg(file);
        undoStack_->push(new RecordsCommand(
            *this, text, QList<RecordsCommand::Record>(merge.changed.begin(), merge.changed.end()),
            QList<WeatherConfig>(merge.appended.begin(), merge.appended.end())));
        tell(text);
    }
    dialog.setDiff(
        std::make_shared<const TableDiff>(diff.oldTable(), table_, file, diff.newName()));
}

} // namespace weather
