// Where the game's file is on Windows and what a failed write there means: the pure functions
// behind the Open dialog's first folder, the VirtualStore offer and the save messages.
#include "windowsfiles.h"

#include <QSet>
#include <QTest>

using weather::WriteFault;

class TestWindowsFiles : public QObject {
    Q_OBJECT

private slots:
    void dataFolderIsTheFirstThatExists_data() {
        QTest::addColumn<QString>("programFilesX86");
        QTest::addColumn<QString>("programFiles");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        const QString x86 = QStringLiteral("C:\\Program Files (x86)\\Pitchmaster 00-01\\data\\");
        const QString x64 = QStringLiteral("C:\\Program Files\\Pitchmaster 00-01\\data\\");
        const QString d = QStringLiteral("D:\\Games\\Pitchmaster 00-01\\data\\");
        QTest::newRow("32-bit place wins") << "C:\\Program Files (x86)"
                                           << "C:\\Program Files" << QStringList{x64, x86} << x86;
        QTest::newRow("only Program Files") << "C:\\Program Files (x86)"
                                            << "C:\\Program Files" << QStringList{x64} << x64;
        QTest::newRow("neither: fallback") << "C:\\Program Files (x86)"
                                           << "C:\\Program Files" << QStringList{} << "FALLBACK";
        QTest::newRow("32-bit Windows has no x86 folder")
            << ""
            << "C:\\Program Files" << QStringList{x64} << x64;
        QTest::newRow("trailing separator, forward slashes")
            << "D:/Games/"
            << "C:\\Program Files\\" << QStringList{d, x64} << d;
    }
    void dataFolderIsTheFirstThatExists() {
        QFETCH(QString, programFilesX86);
        QFETCH(QString, programFiles);
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        const QSet<QString> folders(existing.begin(), existing.end());
        QStringList asked;
        const QString chosen = weather::firstExistingFolder(
            weather::gameDataFolders(programFilesX86, programFiles),
            [&](const QString& folder) {
                asked << folder;
                return folders.contains(folder);
            },
            QStringLiteral("FALLBACK"));
        QCOMPARE(chosen, expected);
        QCOMPARE(QSet<QString>(asked.begin(), asked.end()).size(), asked.size()); // each asked once
    }

    void virtualStoreCopy_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        const QString store = QStringLiteral("C:\\Users\\Ann\\AppData\\Local\\VirtualStore");
        QTest::newRow("Program Files (x86)")
            << R"(C:\Program Files (x86)\Pitchmaster 00-01\data\weather.cfg)"
            << store + R"(\Program Files (x86)\Pitchmaster 00-01\data\weather.cfg)";
        QTest::newRow("Program Files, forward slashes, other case")
            << "c:/program files/Pitchmaster 00-01/data/weather.cfg"
            << store + R"(\program files\Pitchmaster 00-01\data\weather.cfg)";
        QTest::newRow("the Windows folder")
            << "C:\\Windows\\game.ini" << store + "\\Windows\\game.ini";
        QTest::newRow("a folder of the user's") << R"(C:\Users\Ann\Documents\weather.cfg)"
                                                << "";
        QTest::newRow("a name that only begins like Program Files")
            << "C:\\Program Files Extra\\weather.cfg"
            << "";
        QTest::newRow("another drive's Program Files") << "D:\\Program Files\\weather.cfg"
                                                       << "";
        QTest::newRow("the virtualised folder itself") << "C:\\Program Files"
                                                       << "";
        QTest::newRow("a network share") << R"(\\server\games\weather.cfg)"
                                         << "";
        QTest::newRow("a POSIX path") << "/home/ann/weather.cfg"
                                      << "";
    }
    void virtualStoreCopy() {
        QFETCH(QString, file);
        QFETCH(QString, expected);
        const QStringList virtualised = {"C:\\Program Files (x86)", "C:\\Program Files\\",
                                         "C:\\Windows", "", "C:\\ProgramData"};
        QCOMPARE(weather::virtualStorePath(file, virtualised,
                                           QStringLiteral("C:\\Users\\Ann\\AppData\\Local\\")),
                 expected);
        // Without LOCALAPPDATA (another system) there is no store at all.
        QCOMPARE(weather::virtualStorePath(file, virtualised, QString()), QString());
    }

    void writeErrorsAreClassified_data() {
        QTest::addColumn<quint32>("code");
        QTest::addColumn<WriteFault>("fault");
        QTest::newRow("ERROR_ACCESS_DENIED") << 5U << WriteFault::AccessDenied;
        QTest::newRow("ERROR_SHARING_VIOLATION") << 32U << WriteFault::SharingViolation;
        QTest::newRow("ERROR_LOCK_VIOLATION") << 33U << WriteFault::SharingViolation;
        QTest::newRow("ERROR_USER_MAPPED_FILE") << 1224U << WriteFault::SharingViolation;
        QTest::newRow("success") << 0U << WriteFault::Other;
        QTest::newRow("ERROR_DISK_FULL") << 112U << WriteFault::Other;
        QTest::newRow("ERROR_FILE_NOT_FOUND") << 2U << WriteFault::Other;
    }
    void writeErrorsAreClassified() {
        QFETCH(quint32, code);
        QFETCH(WriteFault, fault);
        QCOMPARE(weather::classifyWriteError(code), fault);
    }
};

QTEST_GUILESS_MAIN(TestWindowsFiles)
#include "tst_windowsfiles.moc"
