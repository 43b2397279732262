// The language of the window: German texts under a German locale, English under any other.
#pragma once

#include <QStringList>

class QCoreApplication;
class QLocale;

// Installs into `app` the editor's translation for `locale` and, with it, Qt's own texts (the
// standard buttons) in the same language; when there is none, the texts stay English. Replaces
// what an earlier call installed.
void installTranslations(QCoreApplication& app, const QLocale& locale);

// The same for the user's languages in order of preference ("en-GB", "de-DE", as
// QLocale::uiLanguages() gives them): the first that is English or has a translation wins.
void installTranslations(QCoreApplication& app, const QStringList& languages);
