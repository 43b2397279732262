// What differs between two tables of configurations, one line per difference, as
// `weather-editor --diff OLD NEW` prints it and the window's Compare with File shows it.
#pragma once

#include "weathertable.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

namespace weather {

// How many configurations differ. Configurations are matched by position (slot): those in
// both tables are compared; the longer table's extra ones are only in that table.
struct DiffCounts {
    int compared = 0;  // configurations in both tables
    int differing = 0; // of those, the ones with at least one difference
    int onlyInOld = 0;
    int onlyInNew = 0;

    [[nodiscard]] bool equal() const { return differing == 0 && onlyInOld == 0 && onlyInNew == 0; }
};

// Receives the comparison's lines in UTF-8, a block of whole lines at a time, each line ended by
// "\n". The block is only valid during the call.
using DiffTextSink = std::function<void(QByteArrayView lines)>;

// Compares the records of two tables in file order and passes a line for each difference to
// `sink`:
//   3 Continental Plains: number 3 -> 30
//   3 Continental Plains: name "Continental Plains" -> "Continental Steppe"
//   3 Continental Plains: Winter Very Hot 9 -> 11
//   9 Alpine Valley (copy): only in NEW.cfg
// A configuration's lines come in file order: number, name, then the 72 values from Spring
// Start Day to Winter Very Hot, named as the window names them (in English, like the reader's
// messages). The first field is the configuration's number and name in the old table (in the
// new one for a configuration only there). Names are decoded from Windows-1252 as the window
// shows them; in a name, a control character (including the five bytes that Windows-1252
// leaves undefined) is written \xNN, and inside the quotes of a name line a quote is \" and a
// backslash \\. `oldName` and `newName` are the files as the user named them ("-" for standard
// input); they are shown with native separators. The count lines of the files are not compared:
// only the configurations they hold.
DiffCounts compareTables(const ConfigTable& oldTable, const ConfigTable& newTable,
                         const QString& oldName, const QString& newName, const DiffTextSink& sink);

// The last line: "2 configurations differ, 1 only in NEW.cfg", "1 configuration differs",
// "3 configurations only in OLD.cfg"; for equal tables "8 configurations, no differences"
// ("1 configuration, no differences", "0 configurations, no differences").
[[nodiscard]] QString diffSummary(const DiffCounts& counts, const QString& oldName,
                                  const QString& newName);

// The whole comparison at once, for showing it in a window.
struct TableDiff {
    QStringList lines; // one per difference
    QString summary;
    DiffCounts counts;

    // The lines and the summary, each ended by a line break.
    [[nodiscard]] QString text() const;
};

[[nodiscard]] TableDiff compareTables(const ConfigTable& oldTable, const ConfigTable& newTable,
                                      const QString& oldName, const QString& newName);

} // namespace weather
