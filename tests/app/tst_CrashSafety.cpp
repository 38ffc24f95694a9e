#include "notebook/RecordStore.h"
#include "support/FaultyFileOps.h"
#include "support/NoteBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace NoteBytes;

// The process dies before each file operation in turn, as by a crash or a kill;
// afterwards every note written before must still be in Notes.dat, whole.
class tst_CrashSafety : public QObject
{
    Q_OBJECT

private:
    static constexpr int Killed = 42;
    static constexpr int Finished = 7;

    // Runs operation in a child that ends itself just before file call n.
    // Returns the child's exit code.
    int runChild(const QString &folder, int n, const std::function<bool(RecordStore &)> &operation)
    {
        const pid_t child = fork();
        if (child == 0) {
            RecordStore store(folder);
            if (!store.openAndCount())
                _exit(1);
            FaultyFileOps dying;
            dying.beforeCall = [n](int call, const char *) {
                if (call == n)
                    _exit(Killed);
            };
            FileOps::install(&dying);
            const bool ok = operation(store);
            _exit(ok ? Finished : 2);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    QByteArray notes(int count)
    {
        QByteArray bytes;
        for (int n = 1; n <= count; ++n)
            bytes += numbered(n);
        return bytes;
    }

    void checkAtEveryStep(const std::function<bool(RecordStore &)> &operation, const QByteArray &after)
    {
        const QByteArray before = notes(5);
        for (int n = 1;; ++n) {
            QTemporaryDir dir;
            QVERIFY(writeFile(dir.filePath("Notes.dat"), before));
            const int code = runChild(dir.path(), n, operation);
            QVERIFY2(code == Killed || code == Finished, qPrintable(QString("step %1 ended with %2").arg(n).arg(code)));
            const QByteArray file = readFile(dir.filePath("Notes.dat"));
            QVERIFY2(file == before || file == after, qPrintable(QString("killed before step %1").arg(n)));
            if (code == Finished)
                QCOMPARE(file, after);

            // The next start works on what was left, a stale Notes.tmp included.
            RecordStore store(dir.path());
            QVERIFY(store.openAndCount());
            QCOMPARE(store.RecordCount, file.size() / 244);
            store.CurrentRecord = 1;
            QVERIFY2(store.deleteRecord(1), qPrintable(store.lastError()));
            QCOMPARE(readFile(dir.filePath("Notes.dat")), file.mid(244));
            QVERIFY(!QFile::exists(dir.filePath("Notes.tmp")));
            if (code == Finished)
                break;
        }
    }

private slots:
    void killedDuringDelete()
    {
        checkAtEveryStep([](RecordStore &store) {
            store.CurrentRecord = 3;
            return store.deleteRecord(3);
        }, numbered(1) + numbered(2) + numbered(4) + numbered(5));
    }

    void killedDuringNew()
    {
        // New: save the note on screen, then append a blank one.
        const QByteArray blank = record(46000, "", "", 1, "");
        QByteArray after = notes(5);
        after.replace(2 * 244, 244, numbered(3)); // note 3 saved unchanged
        after += blank;
        checkAtEveryStep([](RecordStore &store) {
            if (!store.readRecord(3) || !store.writeRecord(3))
                return false;
            ++store.RecordCount;
            store.WorkingNote = NoteRecord();
            store.WorkingNote.NoteDate = 46000;
            store.WorkingNote.Interval = 1;
            store.CurrentRecord = store.RecordCount;
            return store.readRecord(store.CurrentRecord) && store.writeRecord(store.CurrentRecord);
        }, after);
    }
};

QTEST_GUILESS_MAIN(tst_CrashSafety)
#include "tst_CrashSafety.moc"
