// Saving survives being killed at any moment: the file on disk is always a whole file.
#include "configfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace weather;
using namespace testfiles;

namespace {

// Records per saved file: enough that a save takes a few milliseconds, so kills land inside.
constexpr int Records = 1500;

// The bytes of version `k` of the file; every version differs from the one before.
QByteArray version(int k) {
    return formatConfig(makeTable(Records, k * 7));
}

// Saves version first, first + 1, ... until killed, announcing each on `announce` before it
// starts. Runs in a forked child, so it leaves by _exit and never returns.
[[noreturn]] void saveForever(const QString& path, int first, int announce) {
    for (int k = first;; ++k) {
        if (write(announce, &k, sizeof k) != sizeof k)
            _exit(3);
        if (saveConfigFile(path, makeTable(Records, k * 7)))
            _exit(2);
    }
}

// The last version the child announced, or nothing; reads until the pipe is closed.
std::optional<int> lastAnnounced(int fd) {
    std::optional<int> last;
    int k = 0;
    ssize_t n = 0;
    while ((n = read(fd, &k, sizeof k)) == sizeof k)
        last = k;
    return last;
}

// What a user sees in the folder, and everything that is in it.
QStringList visibleEntries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
}
QStringList allEntries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

// What writers put into the pipe or FIFO read at `fd` until the last one closes it; gives up
// after two seconds without a byte, so that a write that went elsewhere fails instead of hanging.
QByteArray drain(int fd) {
    constexpr int PatienceMs = 2000;
    QByteArray received;
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, PatienceMs) <= 0)
            return received;
        char piece[65536];
        const ssize_t n = ::read(fd, piece, sizeof piece);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
            return received;
        if (n > 0)
            received.append(piece, n);
    }
}

} // namespace

class TestHardeningSave : public QObject {
    Q_OBJECT
private slots:
    // A child saves over and over and is killed with SIGKILL at a random moment, many times.
    // After each kill the file is exactly the version before the save that was cut short or
    // the one it was writing, the folder shows nothing but the file, and whatever hidden file
    // the kill left is gone after the next save.
    void killedWhileSaving() {
        constexpr int Trials = 200;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("weather.cfg"));
        int onDisk = 0; // the version the file holds
        QVERIFY(writeAll(path, version(onDisk)));

        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        int keptOld = 0;  // killed inside a save
        int tookNew = 0;  // killed after a save had finished
        int tooEarly = 0; // killed before the child began its first save
        int leftHidden = 0;
        for (int trial = 0; trial < Trials; ++trial) {
            int fds[2];
            QCOMPARE(pipe(fds), 0);
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                close(fds[0]);
                saveForever(path, onDisk + 1, fds[1]);
            }
            close(fds[1]);
            usleep(random.bounded(500U, 15000U));
            QCOMPARE(kill(child, SIGKILL), 0);
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            const std::optional<int> started = lastAnnounced(fds[0]);
            close(fds[0]);
            QVERIFY2(
                WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                qPrintable(
                    QStringLiteral("the saving child stopped by itself (status %1)").arg(status)));

            const QByteArray now = readAll(path);
            const int newest = started.value_or(onDisk);
            const QString where = QStringLiteral("trial %1 (seed %2)").arg(trial).arg(seed);
            if (now == version(newest)) {
                ++(started ? tookNew : tooEarly);
                onDisk = newest;
            } else if (started && now == version(newest - 1)) {
                ++keptOld;
                onDisk = newest - 1;
            } else {
                QFAIL(qPrintable(where + QStringLiteral(": the file holds neither the old nor the "
                                                        "new version (%1 bytes)")
                                             .arg(now.size())));
            }
            QVERIFY2(visibleEntries(dir.path()) == QStringList{QStringLiteral("weather.cfg")},
                     qPrintable(where + QStringLiteral(": left in sight: ") +
                                visibleEntries(dir.path()).join(QStringLiteral(", "))));
            leftHidden += allEntries(dir.path()).size() > 1 ? 1 : 0;
        }
        qInfo("%d kills: %d cut a save short (old bytes kept), %d came after a save finished, "
              "%d before the first save; %d left a hidden file for the next save to remove",
              Trials, keptOld, tookNew, tooEarly, leftHidden);
        QVERIFY2(keptOld > 0, "no kill landed inside a save; the test proved nothing");

        // And saving still works afterwards, and clears what the last kill left.
        QVERIFY(!saveConfigFile(path, makeTable(2)));
        QCOMPARE(readAll(path), formatConfig(makeTable(2)));
        QCOMPARE(allEntries(dir.path()), QStringList{QStringLiteral("weather.cfg")});
    }

    // What an interrupted save leaves is removed by the next save; the files of the user's and
    // the leftovers of other files' saves are not touched, whatever their names hold.
    void nextSaveRemovesLeftovers_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("leftovers");
        QTest::addColumn<QStringList>("others");
        QTest::newRow("plain name")
            << "weather.cfg" << QStringList{".weather.cfg.saving", ".weather.cfg.saving.aB3xYz"}
            << QStringList{"weather.cfg.backup", "weather.cfg.Ab12Cd", ".weather.cfg.swp",
                           ".other.cfg.saving", ".weather.cfg.saving.toolong"};
        QTest::newRow("wildcards in the name")
            << "weather[1].cfg" << QStringList{".weather[1].cfg.saving.AbC123"}
            << QStringList{".weather1.cfg.saving.AbC123", ".weatherX.cfg.saving"};
        QTest::newRow("another case is another file")
            << "weather.cfg" << QStringList{}
            << QStringList{".WEATHER.CFG.saving.XyZ789", ".Weather.cfg.saving"};
    }
    void nextSaveRemovesLeftovers() {
        QFETCH(QString, target);
        QFETCH(QStringList, leftovers);
        QFETCH(QStringList, others);
        QTemporaryDir dir;
        for (const QString& name : leftovers + others)
            QVERIFY(writeAll(dir.filePath(name), name.toUtf8()));
        QVERIFY(!saveConfigFile(dir.filePath(target), makeTable(1)));
        QStringList expected = others + QStringList{target};
        QStringList found = allEntries(dir.path());
        expected.sort();
        found.sort();
        QCOMPARE(found, expected);
        for (const QString& name : others)
            QCOMPARE(readAll(dir.filePath(name)), name.toUtf8());
    }

    // A save replaces the file's bytes and nothing else about it: its permissions stay, and a
    // symbolic link stays a link to the file that now holds the new bytes.
    void saveKeepsPermissionsAndLinks() {
        QTemporaryDir dir;
        const QString real = dir.filePath(QStringLiteral("real.cfg"));
        const QString link = dir.filePath(QStringLiteral("weather.cfg"));
        QVERIFY(writeAll(real, "old"));
        const auto permissions =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(real, permissions));
        QVERIFY(QFile::link(real, link));

        QVERIFY(!saveConfigFile(link, makeTable(1)));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(real), formatConfig(makeTable(1)));
        QCOMPARE(QFile::permissions(real) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 permissions);
        QCOMPARE(allEntries(dir.path()),
                 (QStringList{QStringLiteral("real.cfg"), QStringLiteral("weather.cfg")}));
    }

    // -o into a FIFO, a pipe (what ">(...)" hands over as /dev/fd/N) or a device writes into it
    // and leaves it what it was; a device that takes nothing gives an error that names it. The
    // window's save refuses them all, rather than putting a regular file in their place.
    void pipesAndDevicesStayWhatTheyAre_data() {
        QTest::addColumn<QString>("target"); // "fifo", "pipe" or a device
        QTest::addColumn<bool>("save");      // the window's save rather than -o
        QTest::addColumn<QString>("error");  // the error after the path, or empty
        const QString refused = QStringLiteral(": cannot save the file: it is a pipe or a device, "
                                               "not a regular file, and saving would put a "
                                               "regular file in its place");
        QTest::newRow("-o FIFO") << "fifo" << false << "";
        QTest::newRow("-o >(...)") << "pipe" << false << "";
        QTest::newRow("-o /dev/null") << "/dev/null" << false << "";
        QTest::newRow("-o /dev/full")
            << "/dev/full" << false << ": cannot write the file: No space left on device";
        QTest::newRow("save FIFO") << "fifo" << true << refused;
        QTest::newRow("save /dev/null") << "/dev/null" << true << refused;
    }
    void pipesAndDevicesStayWhatTheyAre() {
        QFETCH(QString, target);
        QFETCH(bool, save);
        QFETCH(QString, error);
        QString path = target;
        if (path.startsWith(QLatin1Char('/')) && !QFileInfo::exists(path))
            QSKIP("this system has no such device");
        QTemporaryDir dir;
        int readEnd = -1;
        int writeEnd = -1;
        if (target == QLatin1String("fifo")) {
            path = dir.filePath(QStringLiteral("out.fifo"));
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            readEnd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
        } else if (target == QLatin1String("pipe")) {
            int ends[2];
            QCOMPARE(::pipe(ends), 0);
            readEnd = ends[0];
            writeEnd = ends[1];
            path = QStringLiteral("/dev/fd/%1").arg(writeEnd);
        }
        QCOMPARE(diskState(path, FileStamp::of("old")), DiskState::Stream);
        const QByteArray data = version(1);
        std::optional<FileError> failure;
        std::thread writer([&] {
            failure = save ? writeFileAtomically(path, data) : writeOutputFile(path, data);
            if (writeEnd >= 0)
                ::close(writeEnd);
        });
        const QByteArray received = readEnd >= 0 && !save ? drain(readEnd) : QByteArray();
        writer.join();
        if (readEnd >= 0)
            ::close(readEnd);
        QCOMPARE(failure ? failure->toString() : QString(),
                 error.isEmpty() ? QString() : QDir::toNativeSeparators(path) + error);
        if (readEnd >= 0 && !save)
            QCOMPARE(received.size(), data.size());
        if (target != QLatin1String("pipe")) // whose /dev/fd/N went with the writer's end
            QVERIFY(QFileInfo::exists(path) && !QFileInfo(path).isFile());
        QCOMPARE(allEntries(dir.path()),
                 target == QLatin1String("fifo") ? QStringList{"out.fifo"} : QStringList{});
    }

    void readOnlyFileIsNotReplaced() {
        if (geteuid() == 0)
            QSKIP("running as root, which may write any file: a read-only file cannot be made");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("weather.cfg"));
        QVERIFY(writeAll(path, "old"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        const auto error = saveConfigFile(path, makeTable(1));
        QVERIFY(error.has_value());
        QCOMPARE(error->toString(), QDir::toNativeSeparators(path) +
                                        QStringLiteral(": cannot save the file: the file is "
                                                       "read-only"));
        QCOMPARE(readAll(path), QByteArray("old"));
        QCOMPARE(allEntries(dir.path()), QStringList{QStringLiteral("weather.cfg")});
    }
};

QTEST_APPLESS_MAIN(TestHardeningSave)
#include "tst_hardening_save.moc"
