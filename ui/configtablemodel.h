// The configurations of the open file as the rows of a table, in file order: row r is the
// record in slot r + 1. The list shows its first two columns; a view of every value can add
// columns after them.
#pragma once

#include <QAbstractTableModel>

#include <vector>

namespace weather {

class ConfigTable;

class ConfigTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn, NumberColumn, ColumnCount };
    enum Role {
        // Whether the record differs from the file as last loaded or saved (or is not in it).
        ChangedRole = Qt::UserRole,
    };

    using QAbstractTableModel::QAbstractTableModel;

    // The records shown, and the file they are compared with; both must outlive the model.
    void setTables(const ConfigTable* table, const ConfigTable* file);
    // Follows the table after any change: records appended or removed at the end come and go
    // as rows; when others changed too, every row is read afresh.
    void sync();
    // One record's name or number changed; its row stays where it is.
    void recordChanged(int slot);
    // The table or the file changed: the marks of changed records are read afresh.
    void marksChanged();

    [[nodiscard]] int recordCount() const { return int(names_.size()); }
    // The name without case and accents, for finding; and the number.
    [[nodiscard]] const QString& foldedName(int row) const { return folded_[std::size_t(row)]; }
    [[nodiscard]] qint64 number(int row) const;
    [[nodiscard]] bool changed(int row) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    void read(std::size_t row);

    const ConfigTable* table_ = nullptr;
    const ConfigTable* file_ = nullptr;
    // What the rows were read from, to tell appended and removed records from other changes.
    std::vector<QByteArray> bytes_;
    std::vector<QString> names_;
    std::vector<QString> folded_;
};

// `text` without case and accents: "Süd" and "SUD" both become "sud".
[[nodiscard]] QString foldForFind(const QString& text);

// What the find box keeps: the records whose name holds its text, ignoring case and accents, or
// whose number is the text when it is a whole number; every record when it is empty.
class FindRule {
public:
    void setText(const QString& text);
    [[nodiscard]] bool matches(const ConfigTableModel& records, int row) const {
        return (findsNumber_ && records.number(row) == number_) ||
               records.foldedName(row).contains(text_);
    }

private:
    QString text_; // folded
    qint64 number_ = 0;
    bool findsNumber_ = false;
};

} // namespace weather
