#include "notebook/InstanceLock.h"

#include <QFile>
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
