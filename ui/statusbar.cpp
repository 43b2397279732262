// The status bar: what a command did, for a while, and beside it for good the number of
// configurations and of those changed since the file was loaded or saved.
#include "frmweather.h"
#include "importcommand.h"
#include "statuscounts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <QUndoStack>

#include <algorithm>
#include <cstdlib>

namespace weather {

int changedConfigurations(const ConfigTable& now, const ConfigTable& file) {
    const int common = std::min(now.recordCount(), file.recordCount());
    int changed = std::abs(now.recordCount() - file.recordCount());
    for (int k = 1; k <= common; ++k) {
        if (!(now.Configs(k) == file.Configs(k)))
            ++changed;
    }
    return changed;
}

QString countsText(int count, int changed) {
    const QString configurations =
        count == 1 ? QCoreApplication::translate("StatusBar", "1 configuration")
                   : QCoreApplication::translate("StatusBar", "%1 configurations").arg(count);
    return changed == 0 ? configurations
                        : QCoreApplication::translate("StatusBar", "%1, %2 changed")
                              .arg(configurations)
                              .arg(changed);
}

void frmWeather::buildStatusBar() {
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    lblCounts = new QLabel(statusBar());
    lblCounts->setObjectName(QStringLiteral("lblCounts"));
    lblCounts->setToolTip(tr("Configurations in the file, and those changed since it was loaded "
                             "or saved"));
    statusBar()->addPermanentWidget(lblCounts);
}

void frmWeather::updateCounts() {
    lblCounts->setText(
        loadedPath_.isEmpty()
            ? QString()
            : countsText(table_.recordCount(), changedConfigurations(table_, fileTable_)));
}

// Says what Undo (`undone`) or Redo did: the step's own text, or for an import how many
// configurations are now in place.
void frmWeather::tellStep(const QUndoCommand* step, bool undone) {
    if (step == nullptr)
        return;
    if (dynamic_cast<const ImportCommand*>(step) != nullptr) {
        tell(undone ? tr("Undid import: %1 configurations restored").arg(table_.recordCount())
                    : tr("Redid import: %1 configurations imported").arg(table_.recordCount()));
        return;
    }
    tell(undone ? tr("Undid %1").arg(step->text()) : tr("Redid %1").arg(step->text()));
}

} // namespace weather
