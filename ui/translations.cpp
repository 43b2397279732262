#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

namespace {

const QString InstalledName = QStringLiteral("weather-editor translation");

QTranslator* newTranslator(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    translator->setObjectName(InstalledName);
    return translator;
}

} // namespace

void installTranslations(QCoreApplication& app, const QLocale& locale) {
    installTranslations(app, locale.uiLanguages());
}

void installTranslations(QCoreApplication& app, const QStringList& languages) {
    for (QTranslator* old :
         app.findChildren<QTranslator*>(InstalledName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    // Ours are built into the program (:/i18n/weather-editor_de.qm, ...). English is the texts'
    // own language and has no file: a user who puts it before German (LANGUAGE=en:de) must not
    // get German just because it is the first language with a file.
    QTranslator* ours = newTranslator(app);
    const auto found = std::find_if(languages.begin(), languages.end(), [ours](const QString& l) {
        const QLocale language(l);
        return language.language() == QLocale::English ||
               ours->load(language, QStringLiteral("weather-editor"), QStringLiteral("_"),
                          QStringLiteral(":/i18n"));
    });
    if (found == languages.end() || ours->isEmpty()) {
        delete ours;
        return;
    }
    QCoreApplication::installTranslator(ours);
    QTranslator* qt = newTranslator(app);
    // Qt's own, for its standard buttons: built in where no system folder holds them (Windows).
    const QLocale language(ours->language());
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QStringLiteral(":/i18n")) ||
        qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}
