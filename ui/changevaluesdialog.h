// Edit > Change Values: what to do to the selected configurations, chosen from controls (an
// operation, a season, a value or a group, a number) rather than typed as a formula.
#pragma once

#include "selectionedit.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;

namespace weather {

class ChangeValuesDialog final : public QDialog {
    Q_OBJECT

public:
    // Starts on `season`; `count` is the number of configurations the change reaches.
    ChangeValuesDialog(int season, int count, QWidget* parent = nullptr);

    [[nodiscard]] ValueChange change() const;

private:
    // Scaling takes a group and a total of at least 0; multiplying a factor with decimals.
    void followOperation();

    QComboBox* cboOperation;
    QComboBox* cboSeason;
    QComboBox* cboValue;
    QLabel* lblNumber;
    QDoubleSpinBox* txtNumber;
};

} // namespace weather
