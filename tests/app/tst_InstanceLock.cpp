#include "notebook/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

class tst_InstanceLock : public QObject
{
    Q_OBJECT

private:
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

    // The program itself: a second one started in the same folder refuses,
    // says why and leaves the first running.
    void programStartedTwiceInOneFolder()
    {
        QTemporaryDir dir;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess first;
        first.setProcessEnvironment(environment);
        first.setWorkingDirectory(dir.path());
        first.start(JOTWELL_PATH, {});
        QVERIFY(first.waitForStarted());
        // Running once it holds the lock and has created its note file.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("Notes.dat")) && !otherProcessAcquires(dir.path()), 20000);

        QProcess second;
        second.setProcessEnvironment(environment);
        second.setWorkingDirectory(dir.path());
        second.start(JOTWELL_PATH, {});
        QVERIFY(second.waitForStarted());
        // It waits on its message box for the user; the message is on its error output too.
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += second.readAllStandardError()).contains("Jotwell is already running in this folder"),
                                 20000);
        QCOMPARE(first.state(), QProcess::Running);
        second.kill();
        second.waitForFinished();
        first.kill();
        first.waitForFinished();
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
