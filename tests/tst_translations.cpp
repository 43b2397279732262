// The window's language follows the locale: German under a German one, English under any other.
#include "translations.h"
#include "tst_window_support.h"

#include <QCoreApplication>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace windowtest;

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void followsTheLocale_data() {
        QTest::addColumn<QStringList>("languages"); // in order of preference
        QTest::addColumn<QString>("spring");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("cancel"); // Qt's own text for the standard button
        const QString german = "weather.cfg wurde nach dem Öffnen von einem anderen Programm "
                               "geändert. Mit den Konfigurationen in diesem Fenster überschreiben?";
        const QString english = "weather.cfg was changed by another program after it was opened. "
                                "Overwrite it with the configurations in this window?";
        // German first, so that the later rows show that a new locale replaces the translation.
        QTest::newRow("de_DE") << QStringList{"de-DE"} << "Frühling" << german << "Abbrechen";
        QTest::newRow("fr_FR") << QStringList{"fr-FR"} << "Spring" << english << "Cancel";
        QTest::newRow("de_AT") << QStringList{"de-AT"} << "Frühling" << german << "Abbrechen";
        // German as a second choice: after French it wins, after English it does not.
        QTest::newRow("fr, de") << QStringList{"fr-FR", "de-DE"} << "Frühling" << german
                                << "Abbrechen";
        QTest::newRow("en, de") << QStringList{"en-GB", "de-DE"} << "Spring" << english << "Cancel";
    }
    void followsTheLocale() {
        QFETCH(QStringList, languages);
        QFETCH(QString, spring);
        QFETCH(QString, question);
        QFETCH(QString, cancel);
        installTranslations(*QCoreApplication::instance(), languages);

        QTemporaryDir dir;
        const QString path = dir.filePath("weather.cfg");
        const Editor editor;
        QCOMPARE(editor.find<QTabWidget>("SSTab1")->tabText(0), spring);
        editor.openNumberedFile(path);
        writeNumberedFile(path, {5, 7});
        editor.click("cmdSave");
        QCOMPARE(editor.desktop->questions, QStringList{question});
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
