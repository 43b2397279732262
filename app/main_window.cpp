// The editor: the window, opened on FILE when one is given, and the event loop.
#include "frmweather.h"
#include "translations.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <QSettings>
#include <QString>

// Gives the application its window icon and the name of its desktop entry (also called by the
// icon test).
void setUpDesktopIdentity() {
    // Our own drawing, from the weather_icon resource; the SVG icon engine draws it sharp at any
    // scale. The desktop file name lets the desktop match the window to the installed entry
    // (example.weather.editor.desktop) and its icon.
#ifdef Q_OS_WIN
    // Without an SVG module: the same drawing, rendered at 256 pixels.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/weather-editor.png")));
#else
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/weather-editor.svg")));
#endif
    QGuiApplication::setDesktopFileName(QStringLiteral("example.weather.editor"));
}

namespace {

// Earlier versions named no organisation, and Qt kept their settings under "Unknown
// Organization": take them over while the editor's own place holds none.
void adoptEarlierSettings() {
    QSettings settings;
    if (!settings.allKeys().isEmpty())
        return;
    const QSettings earlier(QStringLiteral("Unknown Organization"),
                            QCoreApplication::applicationName());
    const QStringList keys = earlier.allKeys();
    for (const QString& key : keys)
        settings.setValue(key, earlier.value(key));
}

} // namespace

int runWindow(const QString& file) {
    setUpDesktopIdentity();
    adoptEarlierSettings();
    // QLocale::system() follows LC_ALL, LC_MESSAGES and LANG.
    installTranslations(*QCoreApplication::instance(), QLocale::system());
    weather::frmWeather window;
    window.show();
    if (!file.isEmpty())
        window.openFile(file);
    return QApplication::exec();
}
