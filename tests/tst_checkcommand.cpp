#include "checkcommand.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace testfiles;

class TestCheckCommand : public QObject {
    Q_OBJECT
private slots:
    void reportsEachFile() {
        QTemporaryDir dir;
        const QString one = dir.filePath("one.cfg");
        const QString bad = dir.filePath("bad.cfg");
        QVERIFY(writeAll(one, join(fileLines("1", recordLines("0 Only")))));
        QList<QByteArray> lines = fileLines("1", recordLines("0 Broken"));
        lines[9] = seasonLine(1, sampleValues(0).mid(0, 16));
        QVERIFY(writeAll(bad, join(lines)));

        QString text;
        QTextStream out(&text);
        QCOMPARE(runCheck({examplePath(), one}, out), 0);
        QCOMPARE(text, QDir::toNativeSeparators(examplePath()) + ": 8 configurations\n" +
                           QDir::toNativeSeparators(one) + ": 1 configuration\n");

        text.clear();
        QCOMPARE(runCheck({bad, one}, out), 1);
        const QStringList reported = text.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(reported.size(), 2);
        QCOMPARE(reported[0], QDir::toNativeSeparators(bad) +
                                  ":10: the Summer line holds 16 values; it must hold 18 (the "
                                  "start day and 17 weather values)");
        QVERIFY(reported[1].endsWith(": 1 configuration"));
    }
};

QTEST_APPLESS_MAIN(TestCheckCommand)
#include "tst_checkcommand.moc"
