// What differs between two tables of configurations, one entry per difference, from which both
// `weather-editor --diff OLD NEW` prints its lines and the window's Compare with File fills its
// table.
#pragma once

#include "weathertable.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <vector>

namespace weather {

// How many configurations differ. Configurations are matched by position (slot): those in
// both tables are compared; the longer table's extra ones are only in that table.
struct DiffCounts {
    int compared = 0;  // configurations in both tables
    int differing = 0; // of those, the ones with at least one difference
    int onlyInOld = 0;
    int onlyInNew = 0;
    bool headerDiffers = false;   // the file's first line
    bool trailingDiffers = false; // the text after the last configuration

    [[nodiscard]] bool equal() const {
        return differing == 0 && onlyInOld == 0 && onlyInNew == 0 && !headerDiffers &&
               !trailingDiffers;
    }
};

// One difference.
struct Difference {
    enum Kind : quint8 {
        HeaderLine,   // the file's first line
        Number,       // a configuration's number
        Name,         // its name
        BlockLine,    // one of the five lines in front of its name line: `item` 0 to 4
        Value,        // one of its 72 values: `item` is season * 18 + position
        OnlyInOld,    // a configuration only the old table holds
        OnlyInNew,    // a configuration only the new table holds
        TrailingText, // the text after the last configuration
    };
    int slot = 0; // the configuration's slot; 0 for the file's own lines
    Kind kind = Value;
    quint8 item = 0;
};

// Receives the comparison's lines in UTF-8, a block of whole lines at a time, each line ended by
// "\n". The block is only valid during the call.
using DiffTextSink = std::function<void(QByteArrayView lines)>;

// The differences between two tables, in file order: the header line, then each configuration's
// number, name, the five lines in front of its name line and its 72 values from Spring Start Day
// to Winter Very Hot, then the configurations only in one table, then the text after the last
// configuration. It keeps copies of both tables, so it stays valid when they change.
class TableDiff {
public:
    // `oldName` and `newName` are the sides as the user named them ("-" for standard input, a
    // file name, or "the window"); they are shown with native separators.
    TableDiff(ConfigTable oldTable, ConfigTable newTable, QString oldName, QString newName);

    [[nodiscard]] const std::vector<Difference>& differences() const { return differences_; }
    [[nodiscard]] const DiffCounts& counts() const { return counts_; }
    [[nodiscard]] const QString& oldName() const { return oldName_; }
    [[nodiscard]] const QString& newName() const { return newName_; }
    // The tables as compared.
    [[nodiscard]] const ConfigTable& oldTable() const { return old_; }
    [[nodiscard]] const ConfigTable& newTable() const { return new_; }

    // The parts of one difference. The configuration as the old table has it ("3 Continental
    // Plains"; as the new one has it when only there; empty for the file's own lines); what
    // differs ("Winter Very Hot", "name", "comment line 3", "only in NEW.cfg"); the old and the
    // new text ("9", "\"Continental Plains\"", "3 lines"; empty for a configuration only in one).
    [[nodiscard]] QString configuration(const Difference& d) const;
    [[nodiscard]] QString what(const Difference& d) const;
    [[nodiscard]] QString oldText(const Difference& d) const;
    [[nodiscard]] QString newText(const Difference& d) const;

    // The line that --diff prints for it, without its line end:
    //   3 Continental Plains: number 3 -> 30
    //   3 Continental Plains: name "Continental Plains" -> "Continental Steppe"
    //   3 Continental Plains: comment line 1 "# Start Day," -> "# Start Day, tuned"
    //   3 Continental Plains: Winter Very Hot 9 -> 11
    //   9 Alpine Valley (copy): only in NEW.cfg
    //   header line "# Number of weather configurations in file" -> "# My weather"
    //   text after the last configuration: 0 lines -> 50 lines
    // Names and file text are decoded from Windows-1252 as the window shows them, invisible
    // characters written as visibleText() writes them, and inside quotes a quote is \" and a
    // backslash \\. Values and numbers are named in English, like the reader's messages.
    [[nodiscard]] QString line(const Difference& d) const;

    // Every line in order, each ended by "\n", to `sink` in blocks.
    void writeLines(const DiffTextSink& sink) const;

    // The last line: "2 configurations differ, 1 only in NEW.cfg", "1 configuration differs",
    // "3 configurations only in OLD.cfg"; for equal tables "8 configurations, no differences"
    // ("1 configuration, no differences", "0 configurations, no differences"). A differing
    // header line or trailing text adds "; the header line differs" or "; the text after the
    // last configuration differs".
    [[nodiscard]] QString summary() const;

private:
    [[nodiscard]] const WeatherConfig& config(const Difference& d) const;

    ConfigTable old_;
    ConfigTable new_;
    QString oldName_;
    QString newName_;
    std::vector<Difference> differences_;
    DiffCounts counts_;
};

} // namespace weather
