#include "changevaluesdialog.h"

#include "uitext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>

#include <cmath>

namespace weather {

namespace {

// The value list: the three groups first, then every position of a season.
constexpr int GroupEntries = 3;

} // namespace

ChangeValuesDialog::ChangeValuesDialog(int season, int count, QWidget* parent)
    : QDialog(parent), cboOperation(new QComboBox(this)), cboSeason(new QComboBox(this)),
      cboValue(new QComboBox(this)), lblNumber(new QLabel(this)),
      txtNumber(new QDoubleSpinBox(this)) {
    setObjectName(QStringLiteral("dlgChangeValues"));
    setWindowTitle(count == 1 ? tr("Change Values of 1 Configuration")
                              : tr("Change Values of %1 Configurations").arg(count));
    cboOperation->setObjectName(QStringLiteral("cboOperation"));
    cboOperation->addItems(
        {tr("Set to"), tr("Add"), tr("Multiply by"), tr("Scale group to total")});
    cboSeason->setObjectName(QStringLiteral("cboSeason"));
    for (int s = 0; s < SeasonCount; ++s)
        cboSeason->addItem(seasonText(s));
    cboSeason->setCurrentIndex(season);
    cboValue->setObjectName(QStringLiteral("cboValue"));
    for (int column = 0; column < GroupEntries; ++column)
        cboValue->addItem(tr("%1 (every value)").arg(columnText(column)));
    cboValue->insertSeparator(GroupEntries);
    for (int p = 0; p < SeasonValueCount; ++p)
        cboValue->addItem(valueText(p), p);
    cboValue->setCurrentIndex(GroupEntries + 2); // Calm
    txtNumber->setObjectName(QStringLiteral("txtNumber"));
    txtNumber->setAccelerated(true);

    auto* form = new QFormLayout;
    form->addRow(tr("&Operation:"), cboOperation);
    form->addRow(tr("&Season:"), cboSeason);
    form->addRow(tr("&Value:"), cboValue);
    form->addRow(lblNumber, txtNumber);
    lblNumber->setBuddy(txtNumber);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Change"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons);
    connect(cboOperation, &QComboBox::currentIndexChanged, this,
            &ChangeValuesDialog::followOperation);
    followOperation();
}

void ChangeValuesDialog::followOperation() {
    const auto kind = ValueChange::Kind(cboOperation->currentIndex());
    const bool scale = kind == ValueChange::ScaleToTotal;
    // Only the groups can be scaled; a single value cannot be chosen for it.
    auto* entries = qobject_cast<QStandardItemModel*>(cboValue->model());
    for (int row = GroupEntries + 1; entries != nullptr && row < entries->rowCount(); ++row)
        entries->item(row)->setEnabled(!scale);
    if (scale && cboValue->currentIndex() > GroupEntries)
        cboValue->setCurrentIndex(0);
    const double before = txtNumber->value();
    switch (kind) {
    case ValueChange::Set:
    case ValueChange::Add:
        lblNumber->setText(kind == ValueChange::Set ? tr("&Number:") : tr("&Amount:"));
        txtNumber->setDecimals(0);
        txtNumber->setRange(kind == ValueChange::Set ? -32768 : -65535,
                            kind == ValueChange::Set ? 32767 : 65535);
        break;
    case ValueChange::Multiply:
        lblNumber->setText(tr("&Factor:"));
        txtNumber->setDecimals(3);
        txtNumber->setRange(-1000, 1000);
        break;
    case ValueChange::ScaleToTotal:
        lblNumber->setText(tr("&Total:"));
        txtNumber->setDecimals(0);
        txtNumber->setRange(0, 7 * 32767);
        break;
    }
    txtNumber->setValue(before);
}

ValueChange ChangeValuesDialog::change() const {
    ValueChange change;
    change.kind = ValueChange::Kind(cboOperation->currentIndex());
    change.target.season = cboSeason->currentIndex();
    const int entry = cboValue->currentIndex();
    if (entry < GroupEntries) {
        change.target.group = ValueTarget::Group(ValueTarget::Wind + entry);
    } else {
        change.target.group = ValueTarget::Single;
        change.target.position = cboValue->currentData().toInt();
    }
    change.amount = std::llround(txtNumber->value());
    change.factor = txtNumber->value();
    return change;
}

} // namespace weather
