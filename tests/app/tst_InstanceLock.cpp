#include "notebook/InstanceLock.h"
#include "startup/InstanceChannel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

class tst_InstanceLock : public QObject
{
    Q_OBJECT

    QTemporaryDir m_runtime;

private:
    static void start(QProcess &process, const QString &folder, const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder);
        process.start(JOTWELL_PATH, arguments);
        QVERIFY(process.waitForStarted());
    }

    static void stop(QProcess &process)
    {
        process.kill();
        process.waitForFinished();
    }

    // Running once it holds the lock and has created its note file.
    static bool waitUntilRunning(QProcess &process, const QString &folder)
    {
        return QTest::qWaitFor(
                   [&] {
                       return process.state() == QProcess::NotRunning
                           || (QFile::exists(QDir(folder).filePath("Notes.dat")) && !otherProcessAcquires(folder));
                   },
                   20000)
            && process.state() == QProcess::Running;
    }

    // The lock file of folder, made now so that its name is final.
    static QString touchedLock(const QString &folder)
    {
        QFile lock(QDir(folder).filePath("Notes.lck"));
        lock.open(QIODevice::WriteOnly);
        return lock.fileName();
    }

    // What a crash leaves: a socket file nobody listens on.
    static bool leaveDeadSocket(const QString &path)
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), std::min<size_t>(name.size(), sizeof address.sun_path - 1));
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(fd);
        return bound && QFileInfo::exists(path);
    }

    // Whether another process can take the lock on folder.
    static bool otherProcessAcquires(const QString &folder)
    {
        const pid_t child = fork();
        if (child == 0) {
            InstanceLock lock(folder);
            _exit(lock.acquire() ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

private slots:
    // The sockets of these tests' Jotwells live in a folder of their own.
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    void oneWriterPerFolder()
    {
        QTemporaryDir dir;
        InstanceLock first(dir.path());
        QVERIFY(first.acquire());
        QVERIFY(QFile::exists(dir.filePath("Notes.lck")));

        InstanceLock second(dir.path());
        QVERIFY(!second.acquire());
        QCOMPARE(second.lastError(), QString("Another Jotwell is already working with the notes in this folder."));
        QVERIFY(second.heldByAnother());
        QVERIFY(!otherProcessAcquires(dir.path()));

        QTemporaryDir otherFolder;
        QVERIFY(otherProcessAcquires(otherFolder.path()));

        first.release();
        QVERIFY(otherProcessAcquires(dir.path()));
        QVERIFY(second.acquire());
    }

    // Folders whose Notes.dat links to one file share one writer.
    void foldersLinkedToOneFileShareTheLock()
    {
        QTemporaryDir dir;
        QDir root(dir.path());
        for (const char *folder : {"real", "a", "b"})
            QVERIFY(root.mkdir(folder));
        QFile real(root.filePath("real/Notes.dat"));
        QVERIFY(real.open(QIODevice::WriteOnly));
        real.close();
        QVERIFY(QFile::link(real.fileName(), root.filePath("a/Notes.dat")));
        QVERIFY(QFile::link(real.fileName(), root.filePath("b/Notes.dat")));
        InstanceLock first(root.filePath("a"));
        QVERIFY(first.acquire());
        QVERIFY(!otherProcessAcquires(root.filePath("b")));
        QVERIFY(!otherProcessAcquires(root.filePath("real")));
    }

    // The program itself, twice in one folder: the second hands its request
    // to the first and ends with status 0; the first does what was asked.
    void secondStartHandsOver_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("staleSocket");
        QTest::addColumn<qint64>("notesAfter");
        // The first start's empty file holds no note; New saves the note on
        // screen and adds one.
        QTest::newRow("plain second start") << QStringList {} << false << qint64(0);
        QTest::newRow("--new-note") << QStringList {"--new-note"} << false << qint64(2 * 244);
        QTest::newRow("after a crash left the socket") << QStringList {"--new-note"} << true << qint64(2 * 244);
    }

    void secondStartHandsOver()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, staleSocket);
        QFETCH(qint64, notesAfter);
        QTemporaryDir dir;
        const QString socketPath = InstanceChannel::serverName(touchedLock(dir.path()));
        if (staleSocket)
            QVERIFY(leaveDeadSocket(socketPath));

        QProcess first;
        start(first, dir.path(), {});
        QVERIFY(waitUntilRunning(first, dir.path()));
        QCOMPARE(QFileInfo(dir.filePath("Notes.dat")).size(), qint64(0));

        QProcess second;
        start(second, dir.path(), arguments);
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());
        QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(dir.filePath("Notes.dat")).size(), notesAfter, 10000);
        QCOMPARE(first.state(), QProcess::Running);
        stop(first);
    }

    // Started where no Jotwell runs, --new-note starts one with a new note.
    void newNoteStartsJotwell()
    {
        QTemporaryDir dir;
        QProcess jotwell;
        start(jotwell, dir.path(), {"--new-note"});
        QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(dir.filePath("Notes.dat")).size(), qint64(2 * 244), 20000);
        QCOMPARE(jotwell.state(), QProcess::Running);
        stop(jotwell);
    }

    // A lock held by something that does not answer (here this test): the
    // second start still refuses, says why and leaves the notes alone.
    void silentHolderStillRefuses()
    {
        QTemporaryDir dir;
        InstanceLock held(dir.path());
        QVERIFY(held.acquire());
        QProcess second;
        start(second, dir.path(), {});
        // It waits on its message box for the user; the message is on its error output too.
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += second.readAllStandardError()).contains("Jotwell is already running in this folder"),
                                 20000);
        stop(second);
        QVERIFY(!QFile::exists(dir.filePath("Notes.dat")));
    }

    void lockFileThatIsALinkIsRefused()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::link(dir.filePath("elsewhere"), dir.filePath("Notes.lck")));
        InstanceLock lock(dir.path());
        QVERIFY(!lock.acquire());
        QVERIFY(lock.lastError().startsWith("The lock file Notes.lck could not be opened: "));
        // Not a second Jotwell: the user must not be told that one is running.
        QVERIFY(!lock.heldByAnother());
        QVERIFY(!QFile::exists(dir.filePath("elsewhere")));
    }
};

QTEST_GUILESS_MAIN(tst_InstanceLock)
#include "tst_InstanceLock.moc"
