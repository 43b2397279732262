// The editor: the window, opened on FILE when one is given, and the event loop.
#include "frmweather.h"

#include <QApplication>
#include <QString>

int runWindow(const QString& file) {
    weather::frmWeather window;
    window.show();
    if (!file.isEmpty())
        window.openFile(file);
    return QApplication::exec();
}
