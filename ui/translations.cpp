#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString InstalledName = QStringLiteral("weather-editor translation");

QTranslator* newTranslator(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    translator->setObjectName(InstalledName);
    return translator;
}

} // namespace

void installTranslations(QCoreApplication& app, const QLocale& locale) {
    for (QTranslator* old :
         app.findChildren<QTranslator*>(InstalledName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    // Ours are built into the program (:/i18n/weather-editor_de.qm, ...): the one that best
    // matches the locale's languages decides the language, and Qt's own texts follow it.
    QTranslator* ours = newTranslator(app);
    if (!ours->load(locale, QStringLiteral("weather-editor"), QStringLiteral("_"),
                    QStringLiteral(":/i18n"))) {
        delete ours;
        return;
    }
    QCoreApplication::installTranslator(ours);
    QTranslator* qt = newTranslator(app);
    if (qt->load(QLocale(ours->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}
