// The View menu: the list's width and the season tabs from the keyboard.
#include "frmweather.h"

#include "configlist.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>

#include <algorithm>

namespace weather {

namespace {

// How far one Wider List or Narrower List moves the splitter: about eight characters.
int listStep(const QWidget* list) {
    return 8 * list->fontMetrics().averageCharWidth();
}

} // namespace

void frmWeather::buildViewMenu() {
    mnuView = menuBar()->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    const auto add = [this](const QString& text, const char* name, const QKeySequence& keys,
                            void (frmWeather::*slot)()) {
        QAction* item = mnuView->addAction(text);
        item->setObjectName(QLatin1String(name));
        item->setShortcut(keys);
        connect(item, &QAction::triggered, this, slot);
        return item;
    };
    mnuWiderList = add(tr("&Wider List"), "mnuWiderList", QKeySequence(Qt::CTRL | Qt::Key_Period),
                       &frmWeather::mnuWiderList_Click);
    mnuNarrowerList =
        add(tr("&Narrower List"), "mnuNarrowerList", QKeySequence(Qt::CTRL | Qt::Key_Comma),
            &frmWeather::mnuNarrowerList_Click);
    mnuResetList =
        add(tr("&Reset List Width"), "mnuResetList", {}, &frmWeather::mnuResetList_Click);
    mnuView->addSeparator();
    mnuNextSeason =
        add(tr("N&ext Season"), "mnuNextSeason", QKeySequence(Qt::CTRL | Qt::Key_PageDown),
            &frmWeather::mnuNextSeason_Click);
    mnuPreviousSeason =
        add(tr("&Previous Season"), "mnuPreviousSeason", QKeySequence(Qt::CTRL | Qt::Key_PageUp),
            &frmWeather::mnuPreviousSeason_Click);
    buildTableMenu();
}

// The splitter keeps each side at least as wide as its minimum. A width chosen here, as one
// dragged, is kept when another file opens.
void frmWeather::mnuWiderList_Click() {
    listWidthChosen_ = true;
    QList<int> sizes = splMain->sizes();
    const int step = std::min(listStep(lstConfigs), sizes[1] - splMain->widget(1)->minimumWidth());
    if (step > 0)
        splMain->setSizes({sizes[0] + step, sizes[1] - step});
}

void frmWeather::mnuNarrowerList_Click() {
    listWidthChosen_ = true;
    QList<int> sizes = splMain->sizes();
    const int step = std::min(listStep(lstConfigs), sizes[0] - splMain->widget(0)->minimumWidth());
    if (step > 0)
        splMain->setSizes({sizes[0] - step, sizes[1] + step});
}

// The record side as wide as its controls, the list the rest.
void frmWeather::mnuResetList_Click() {
    listWidthChosen_ = true;
    const QList<int> sizes = splMain->sizes();
    const auto* scroller = qobject_cast<QScrollArea*>(splMain->widget(1));
    const int record = scroller != nullptr ? scroller->widget()->width() : sizes[1];
    const int total = sizes[0] + sizes[1];
    const int list = std::max(splMain->widget(0)->minimumWidth(), total - record);
    splMain->setSizes({list, total - list});
}

void frmWeather::mnuNextSeason_Click() {
    SSTab1->setCurrentIndex((SSTab1->currentIndex() + 1) % SeasonCount);
}

void frmWeather::mnuPreviousSeason_Click() {
    SSTab1->setCurrentIndex((SSTab1->currentIndex() + SeasonCount - 1) % SeasonCount);
}

} // namespace weather
