// Files a user may pick by mistake, and the exact line the editor shows for each.
#include "configfile.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstdio>
#include <thread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace weather;
using namespace testfiles;

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

#ifdef Q_OS_LINUX
// The process's peak resident memory in KiB since the last resetPeakMemory(), or -1.
qint64 peakMemoryKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool resetPeakMemory() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}
#endif

#ifdef Q_OS_UNIX
// Writes `data` to `fd` and closes it; the reader may stop early (a broken pipe is fine).
void writeAndClose(int fd, const QByteArray& data) {
    for (qsizetype done = 0; done < data.size();) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
    ::close(fd);
}

// Reads `path` while another thread feeds `data` to it: through a FIFO at `path`, or through a
// pipe put in place of standard input ("-" and "/dev/stdin").
std::optional<FileError> readFedInput(const QString& path, const QByteArray& data,
                                      QByteArray& out) {
    if (path != QLatin1String("-") && path != QLatin1String("/dev/stdin")) {
        if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            return FileError{path, 0, QStringLiteral("mkfifo failed")};
        std::thread writer([&] { writeAndClose(::open(QFile::encodeName(path), O_WRONLY), data); });
        auto error = readInputFile(path, out);
        writer.join();
        return error;
    }
    int ends[2];
    if (::pipe(ends) != 0)
        return FileError{path, 0, QStringLiteral("pipe failed")};
    const int savedInput = ::dup(0);
    ::dup2(ends[0], 0);
    ::close(ends[0]);
    std::thread writer([&] { writeAndClose(ends[1], data); });
    auto error = readInputFile(path, out);
    ::dup2(savedInput, 0); // closes our read end: a writer still at work sees a broken pipe
    ::close(savedInput);
    writer.join();
    return error;
}
#endif

} // namespace

class TestHardeningInput : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    // Bytes that are not a weather file at all: the user learns that, not a line-2 puzzle.
    void binaryFiles_data() {
        QTest::addColumn<QByteArray>("data");
        QByteArray everyByte;
        for (int b = 0; b < 256; ++b)
            everyByte += static_cast<char>(b);
        QByteArray noLineFeed = everyByte;
        noLineFeed.remove('\n', 1);
        QTest::newRow("every byte") << everyByte;
        QTest::newRow("no line feed, a carriage return") << noLineFeed;
        QTest::newRow("zero-filled, as after a crash") << QByteArray(4096, '\0');
        QTest::newRow("text header, NUL count")
            << QByteArray("# Number of weather configurations in file\r\n\0\0\0\r\n", 49);
    }
    void binaryFiles() {
        QFETCH(QByteArray, data);
        const QString path = dir_.filePath(QStringLiteral("binary.cfg"));
        QVERIFY(writeAll(path, data));
        ConfigTable table = makeTable(2);
        const ConfigTable before = table;
        const auto error = loadConfigFile(path, table);
        QVERIFY(error.has_value());
        QCOMPARE(error->toString(),
                 native(path) + QStringLiteral(":1: the file holds binary data, not the plain "
                                               "text of a weather configuration file"));
        QCOMPARE(table, before);
    }

    // Inputs without a size are read to their end, in many pieces, and still refused past the
    // limit.
    void streamedInput_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("error");
        const QByteArray large = formatConfig(makeTable(400)); // several pipe buffers
        QTest::newRow("standard input as -") << "-" << large << "";
        QTest::newRow("/dev/stdin") << "/dev/stdin" << large << "";
        QTest::newRow("FIFO") << "fifo.cfg" << large << "";
        QTest::newRow("too large through standard input")
            << "-" << QByteArray(MaxFileSize + 100, '#')
            << ": the file is more than 67108864 bytes, too large for a weather configuration "
               "file (at most 64 MiB)";
    }
    void streamedInput() {
#ifndef Q_OS_UNIX
        QSKIP("needs pipes and FIFOs");
#else
        QFETCH(QString, name);
        QFETCH(QByteArray, data);
        QFETCH(QString, error);
        std::signal(SIGPIPE, SIG_IGN);
        QTemporaryDir dir;
        const QString path = name.startsWith('/') || name == "-" ? name : dir.filePath(name);
        QByteArray read;
        const auto failure = readFedInput(path, data, read);
        if (error.isEmpty()) {
            QVERIFY2(!failure, failure ? qPrintable(failure->toString()) : "");
            QCOMPARE(read, data);
            return;
        }
        QVERIFY(failure.has_value());
        QCOMPARE(failure->toString(), path + error);
        QVERIFY(read.isEmpty());
#endif
    }

    // A single line of 100 MB is refused by its size, quickly, without being read into memory.
    void hugeFileRefusedUnread() {
        const QString path = dir_.filePath(QStringLiteral("huge.cfg"));
        constexpr qint64 Size = 100LL * 1024 * 1024;
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(Size)); // sparse: nothing is written to disk
        }
        ConfigTable table = makeTable(1);
        const ConfigTable before = table;
#ifdef Q_OS_LINUX
        const bool measured = resetPeakMemory();
        const qint64 peakBefore = peakMemoryKiB();
#endif
        QElapsedTimer timer;
        timer.start();
        const auto error = loadConfigFile(path, table);
        const qint64 elapsed = timer.elapsed();
        QVERIFY(error.has_value());
        QCOMPARE(error->toString(),
                 native(path) + QStringLiteral(": the file is 104857600 bytes, too large for a "
                                               "weather configuration file (at most 64 MiB)"));
        QCOMPARE(table, before);
        QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("took %1 ms").arg(elapsed)));
#ifdef Q_OS_LINUX
        if (!measured)
            QSKIP("cannot reset the peak memory mark here; refused quickly, memory not checked");
        const qint64 grown = peakMemoryKiB() - peakBefore;
        QVERIFY2(grown < 32LL * 1024, qPrintable(QStringLiteral("peak memory grew by %1 KiB while "
                                                                "refusing the file")
                                                     .arg(grown)));
#endif
    }

    // The file is deleted and put back while it is being loaded, as when it vanishes between
    // the moment the user chose it and the moment it is read. Every load either gets the whole
    // file or says plainly that the file is gone; nothing in between.
    void vanishingFile() {
#ifdef Q_OS_WIN
        QSKIP("Windows does not remove a file while a load holds it open, so it never vanishes "
              "part-way through one");
#endif
        const QString path = dir_.filePath(QStringLiteral("vanishing.cfg"));
        const QString spare = dir_.filePath(QStringLiteral("spare.cfg"));
        const QByteArray content = join(
            fileLines("3", recordLines("0 A") + recordLines("1 B", 1) + recordLines("2 C", 2)));
        ConfigTable expected;
        QVERIFY(!parseConfig(content, expected));
        QVERIFY(writeAll(path, content));

        const QStringList gone = {native(path) + QStringLiteral(": the file does not exist"),
                                  native(path) + QStringLiteral(": cannot open the file: No such "
                                                                "file or directory")};
        std::atomic<bool> stop = false;
        std::thread churn([&] {
            while (!stop) {
                QFile::remove(path);
                std::this_thread::sleep_for(std::chrono::microseconds(300));
                // Put back whole: written aside, then renamed into place.
                if (!writeAll(spare, content) ||
                    std::rename(QFile::encodeName(spare).constData(),
                                QFile::encodeName(path).constData()) != 0)
                    return;
                std::this_thread::sleep_for(std::chrono::microseconds(300));
            }
        });
        int loaded = 0;
        int missing = 0;
        QString unexpected;
        QElapsedTimer timer;
        timer.start();
        while ((loaded < 20 || missing < 20) && timer.elapsed() < 10000 && unexpected.isEmpty()) {
            ConfigTable table = makeTable(1);
            const ConfigTable before = table;
            if (const auto error = loadConfigFile(path, table)) {
                if (!gone.contains(error->toString()))
                    unexpected = error->toString();
                else if (!(table == before))
                    unexpected = QStringLiteral("a failed load changed the table");
                ++missing;
            } else if (table == expected) {
                ++loaded;
            } else {
                unexpected = QStringLiteral("a load succeeded with the wrong table");
            }
        }
        stop = true;
        churn.join();
        qInfo("%d loads found the file, %d found it gone", loaded, missing);
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
        QVERIFY(loaded > 0);
        QVERIFY(missing > 0);
    }

    void unreadableFile() {
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("running as root, which may read any file: an unreadable file cannot be made");
#endif
        const QString path = dir_.filePath(QStringLiteral("locked.cfg"));
        QVERIFY(writeAll(path, join(fileLines("0"))));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        if (QFile file(path); file.open(QIODevice::ReadOnly))
            QSKIP("this file system ignores permissions: an unreadable file cannot be made");
        ConfigTable table = makeTable(1);
        const ConfigTable before = table;
        const auto error = loadConfigFile(path, table);
        QVERIFY(error.has_value());
        QCOMPARE(error->toString(),
                 native(path) + QStringLiteral(": cannot open the file: Permission denied"));
        QCOMPARE(table, before);
    }
};

QTEST_APPLESS_MAIN(TestHardeningInput)
#include "tst_hardening_input.moc"
