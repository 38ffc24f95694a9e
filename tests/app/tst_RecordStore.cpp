#include "notebook/RecordStore.h"
#include "support/FaultyFileOps.h"
#include "support/NoteBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace NoteBytes;

class tst_RecordStore : public QObject
{
    Q_OBJECT

private:
    QByteArray notes(int count) const
    {
        QByteArray bytes;
        for (int n = 1; n <= count; ++n)
            bytes += numbered(n);
        return bytes;
    }

private slots:
    void countRoundsHalfToEven_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << 0 << 1;
        QTest::newRow("one") << 244 << 1;
        QTest::newRow("one and a byte") << 245 << 1;
        QTest::newRow("one and a half") << 366 << 2;
        QTest::newRow("just over one and a half") << 367 << 2;
        QTest::newRow("two and a half") << 610 << 2;
        QTest::newRow("just over two and a half") << 611 << 3;
        QTest::newRow("three and a half") << 854 << 4;
    }
    void countRoundsHalfToEven()
    {
        QFETCH(int, size);
        QFETCH(int, count);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("Notes.dat"), QByteArray(size, 'x')));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        QCOMPARE(store.RecordCount, count);
        QCOMPARE(store.CurrentRecord, 1);
    }

    void absentFileIsCreatedEmpty()
    {
        QTemporaryDir dir;
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        QVERIFY(QFile::exists(dir.filePath("Notes.dat")));
        QCOMPARE(QFileInfo(dir.filePath("Notes.dat")).size(), 0);
        QCOMPARE(store.RecordCount, 1);
        store.WorkingNote.Contact = "kept";
        QVERIFY(store.readRecord(1));
        QCOMPARE(store.WorkingNote.Contact, QString("kept"));
    }

    void fieldsAreCutAndPadded()
    {
        QTemporaryDir dir;
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        store.WorkingNote.NoteDate = 36526.5;
        store.WorkingNote.Category = "abc";
        store.WorkingNote.Contact = "ABCDEFGHIJKLMNOPQRSTUVWXY";
        store.WorkingNote.Interval = -3;
        store.WorkingNote.Notes = "";
        store.WorkingNote.Reminder = 1;
        store.WorkingNote.FollowUp = 2;
        QVERIFY(store.writeRecord(1));
        const QByteArray file = readFile(store.notesPath());
        QCOMPARE(file, record(36526.5, "abc", "ABCDEFGHIJKLMNOPQRST", -3, "", 1, 2));
        QCOMPARE(file.mid(8, 10), QByteArray("abc       "));
        QCOMPARE(file.mid(40, 200), QByteArray(200, ' '));

        NoteRecord back;
        QVERIFY(store.readRecord(1, back));
        QCOMPARE(back.NoteDate, 36526.5);
        QCOMPARE(back.Contact, QString("ABCDEFGHIJKLMNOPQRST"));
        QCOMPARE(back.Interval, qint16(-3));
        QCOMPARE(back.FollowUp, qint16(2));
    }

    void readsRecordsFromTheirOffsets()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("Notes.dat"), notes(3)));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        QCOMPARE(store.RecordCount, 3);
        QVERIFY(store.readRecord(2));
        QCOMPARE(store.WorkingNote.NoteDate, 40002.0);
        QCOMPARE(store.WorkingNote.Contact.trimmed(), QString("contact 2"));
        QCOMPARE(store.WorkingNote.Reminder, qint16(0));
        QCOMPARE(store.WorkingNote.FollowUp, qint16(0));
        // Past the end: nothing read, no error, WorkingNote as it was.
        QVERIFY(store.readRecord(4));
        QCOMPARE(store.WorkingNote.NoteDate, 40002.0);
    }

    void writeOverwritesAndAppends()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("Notes.dat"), notes(2)));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        QVERIFY(store.readRecord(1));
        store.WorkingNote.Contact = "changed";
        QVERIFY(store.writeRecord(1));
        store.WorkingNote.Contact = "appended";
        QVERIFY(store.writeRecord(3));
        const QByteArray file = readFile(store.notesPath());
        QCOMPARE(file.size(), 3 * 244);
        QCOMPARE(file.mid(18, 20), QByteArray("changed").leftJustified(20, ' '));
        QCOMPARE(file.mid(244, 244), numbered(2));
        QCOMPARE(file.mid(488 + 18, 20), QByteArray("appended").leftJustified(20, ' '));
        // A read after the write sees the new bytes, not an older read-ahead.
        QVERIFY(store.readRecord(1));
        QCOMPARE(store.WorkingNote.Contact.trimmed(), QString("changed"));
    }

    void partialLastRecordReadsAsZero()
    {
        QTemporaryDir dir;
        const QByteArray bytes = notes(2).left(366);
        QVERIFY(writeFile(dir.filePath("Notes.dat"), bytes));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        QCOMPARE(store.RecordCount, 2);
        char raw[244];
        bool found = false;
        QVERIFY(store.readRecordBytes(2, raw, found));
        QVERIFY(found);
        QCOMPARE(QByteArray(raw, 122), numbered(2).left(122));
        QCOMPARE(QByteArray(raw + 122, 122), QByteArray(122, '\0'));
    }

    // Bytes the count leaves out never become a note and are never lost: they
    // are moved into a file beside Notes.dat. A partial record the count takes
    // in is completed with zero bytes. Either way the file is whole records,
    // so appending and deleting keep whole notes.
    void fragmentNeverBecomesANote_data()
    {
        QTest::addColumn<int>("whole");
        QTest::addColumn<int>("fragment");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("keptAside");
        QTest::newRow("half a record after an even count") << 2 << 122 << 2 << true;
        QTest::newRow("half a record after an odd count") << 1 << 122 << 2 << false;
        QTest::newRow("a few bytes") << 2 << 1 << 2 << true;
        QTest::newRow("all but a byte") << 2 << 243 << 3 << false;
        QTest::newRow("nothing but a fragment") << 0 << 100 << 1 << true;
    }
    void fragmentNeverBecomesANote()
    {
        QFETCH(int, whole);
        QFETCH(int, fragment);
        QFETCH(int, count);
        QFETCH(bool, keptAside);
        QTemporaryDir dir;
        const QByteArray tail = QByteArray(fragment, 'Z');
        QVERIFY(writeFile(dir.filePath("Notes.dat"), notes(whole) + tail));
        {
            RecordStore store(dir.path());
            QVERIFY(store.openAndCount());
            QCOMPARE(store.RecordCount, count);
            const QString aside = dir.filePath("Notes.dat.fragment");
            QCOMPARE(QFile::exists(aside), keptAside);
            QCOMPARE(!store.notice().isEmpty(), keptAside);
            if (keptAside) {
                QCOMPARE(readFile(aside), tail);
                QVERIFY(store.notice().contains(aside));
            }
            QCOMPARE(readFile(store.notesPath()).size(), qMax(whole, keptAside ? whole : count) * 244);
            // New: the blank note is appended after the counted notes.
            store.WorkingNote = NoteRecord();
            store.WorkingNote.Contact = "blank";
            QVERIFY(store.writeRecord(count + 1));
            QCOMPARE(readFile(store.notesPath()).size(), (count + 1) * 244);
            QVERIFY(store.deleteRecord(1));
        }
        RecordStore again(dir.path());
        QVERIFY(again.openAndCount());
        QCOMPARE(again.RecordCount, count);
        QVERIFY(again.notice().isEmpty());
        QVERIFY(again.readRecord(count));
        QCOMPARE(again.WorkingNote.Contact.trimmed(), QString("blank"));
        QVERIFY(!QFile::exists(dir.filePath("Notes.dat.fragment.2")));
    }

    // A sparse file of 2^31 - 1 notes is the most that can be counted; one
    // more is refused and left as it is.
    void countAtItsLimit_data()
    {
        QTest::addColumn<qint64>("records");
        QTest::addColumn<bool>("opens");
        QTest::newRow("2^31 - 1") << qint64(2147483647) << true;
        QTest::newRow("2^31") << qint64(2147483648) << false;
    }
    void countAtItsLimit()
    {
        QFETCH(qint64, records);
        QFETCH(bool, opens);
        QTemporaryDir dir;
        const QString path = dir.filePath("Notes.dat");
        QVERIFY(writeFile(path, {}));
        QVERIFY(::truncate(QFile::encodeName(path).constData(), off_t(records * 244)) == 0);
        RecordStore store(dir.path());
        QCOMPARE(store.openAndCount(), opens);
        if (opens)
            QCOMPARE(store.RecordCount, 2147483647);
        else
            QVERIFY(store.lastError().contains("2147483647"));
        QCOMPARE(QFileInfo(path).size(), records * 244);
    }

    // A Notes.dat that links to a file elsewhere: the delete rewrites the real
    // file beside itself and the link stays; a link to nothing is refused.
    void linkedNotesFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("synced"));
        const QString real = dir.filePath("synced/Notes.dat");
        QVERIFY(writeFile(real, notes(3)));
        QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
                                                | QFile::ReadOther | QFile::WriteOther));
        QVERIFY(QDir(dir.path()).mkdir("work"));
        const QString link = dir.filePath("work/Notes.dat");
        QVERIFY(QFile::link(real, link));
        RecordStore store(dir.filePath("work"));
        QVERIFY(store.openAndCount());
        const mode_t umaskBefore = ::umask(022);
        const bool deleted = store.deleteRecord(2);
        ::umask(umaskBefore);
        QVERIFY(deleted);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readFile(real), numbered(1) + numbered(3));
        QVERIFY(!QFile::exists(dir.filePath("work/Notes.tmp")));
        // The rewrite keeps the old file's permissions, not the umask's.
        QCOMPARE(QFileInfo(real).permissions() & 0x0666, QFileDevice::Permissions(0x0666));
        store.WorkingNote.Contact = "after";
        QVERIFY(store.writeRecord(3));
        QCOMPARE(readFile(real).size(), 3 * 244);

        QVERIFY(QFile::link(dir.filePath("nowhere/Notes.dat"), dir.filePath("Notes.dat")));
        RecordStore dangling(dir.path());
        QVERIFY(!dangling.openAndCount());
        QVERIFY(dangling.lastError().contains("does not exist"));
        QVERIFY(!QFile::exists(dir.filePath("nowhere")));
    }

    // A note whose write fails and whose old bytes cannot be put back either
    // is reported as possibly damaged, not merely as unsaved.
    void failedRollbackIsReported()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("Notes.dat"), notes(2)));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        FaultyFileOps faults;
        faults.failFrom(2, EIO); // the read of the old bytes passes, every write after fails
        ScopedFileOps use(&faults);
        QVERIFY(!store.writeRecord(2));
        QVERIFY(store.lastError().contains("failed as well"));
        QVERIFY(store.lastError().contains("note 2"));
        faults.reset();
        faults.failCall(3, EIO); // only the flush of the note fails; putting back succeeds
        QVERIFY(!store.writeRecord(2));
        QVERIFY(!store.lastError().contains("failed as well"));
    }

    // The flush of the file written follows its last write and comes before
    // the rename; a new Notes.dat's folder is flushed as well.
    void flushesComeInOrder()
    {
        QTemporaryDir dir;
        FaultyFileOps faults;
        ScopedFileOps use(&faults);
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        const QString folder = QFileInfo(dir.path()).fileName();
        QStringList trace = faults.trace();
        QVERIFY(trace.indexOf("fsync " + folder) > trace.indexOf("open Notes.dat"));

        faults.reset();
        store.WorkingNote.Contact = "one";
        QVERIFY(store.writeRecord(1));
        QVERIFY(store.writeRecord(2));
        trace = faults.trace();
        QVERIFY(trace.lastIndexOf("fdatasync Notes.dat") > trace.lastIndexOf("pwrite Notes.dat"));

        faults.reset();
        QVERIFY(store.deleteRecord(1));
        trace = faults.trace();
        const qsizetype rename = trace.indexOf("rename Notes.tmp Notes.dat");
        QVERIFY(rename > 0);
        QVERIFY(trace.lastIndexOf("pwrite Notes.tmp") < trace.indexOf("fsync Notes.tmp"));
        QVERIFY(trace.indexOf("fsync Notes.tmp") < rename);
        QVERIFY(trace.lastIndexOf("fsync " + folder) > rename);
    }

    void deleteCases_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<int>>("left");
        QTest::addColumn<int>("newCurrent");
        QTest::newRow("the only note") << 1 << 1 << QList<int>{} << 1;
        QTest::newRow("the last of three") << 3 << 3 << QList<int>{1, 2} << 2;
        QTest::newRow("the middle of three") << 3 << 2 << QList<int>{1, 3} << 2;
        QTest::newRow("the first of three") << 3 << 1 << QList<int>{2, 3} << 1;
    }
    void deleteCases()
    {
        QFETCH(int, count);
        QFETCH(int, current);
        QFETCH(QList<int>, left);
        QFETCH(int, newCurrent);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("Notes.dat"), notes(count)));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        store.CurrentRecord = current;
        QVERIFY(store.readRecord(current));
        QVERIFY2(store.deleteRecord(current), qPrintable(store.lastError()));
        QByteArray expected;
        for (int n : left)
            expected += numbered(n);
        QCOMPARE(readFile(store.notesPath()), expected);
        QCOMPARE(store.RecordCount, std::max<int>(left.size(), 1));
        QCOMPARE(store.CurrentRecord, newCurrent);
        QVERIFY(!QFile::exists(store.tempPath()));
        // The deleted note stays in WorkingNote when nothing is there to read.
        QVERIFY(store.readRecord(store.CurrentRecord));
        const int shown = left.isEmpty() ? current : left.at(newCurrent - 1);
        QCOMPARE(store.WorkingNote.NoteDate, 40000.0 + shown);
        // The handle after the rewrite is the new file's.
        store.WorkingNote.Contact = "after";
        QVERIFY(store.writeRecord(store.RecordCount + (left.isEmpty() ? 0 : 1)));
        QVERIFY(readFile(store.notesPath()).contains("after"));
    }

    void staleTempIsRemovedNotFollowed_data()
    {
        QTest::addColumn<bool>("symlink");
        QTest::newRow("a regular file") << false;
        QTest::newRow("a link to another file") << true;
    }
    void staleTempIsRemovedNotFollowed()
    {
        QFETCH(bool, symlink);
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        QVERIFY(writeFile(dir.filePath("Notes.dat"), notes(3)));
        const QString victim = elsewhere.filePath("victim");
        QVERIFY(writeFile(victim, "must stay as it is"));
        if (symlink)
            QVERIFY(QFile::link(victim, dir.filePath("Notes.tmp")));
        else
            QVERIFY(writeFile(dir.filePath("Notes.tmp"), QByteArray(1000, 'z')));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        QVERIFY2(store.deleteRecord(2), qPrintable(store.lastError()));
        QCOMPARE(readFile(store.notesPath()), numbered(1) + numbered(3));
        QCOMPARE(readFile(victim), QByteArray("must stay as it is"));
        QVERIFY(!QFileInfo(store.tempPath()).exists() && !QFileInfo(store.tempPath()).isSymLink());
    }

    void tempThatCannotBeRemovedStopsTheDelete()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("Notes.dat"), notes(3)));
        QVERIFY(QDir(dir.path()).mkdir("Notes.tmp"));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        QVERIFY(!store.deleteRecord(2));
        QVERIFY(store.lastError().contains("Notes.tmp"));
        QCOMPARE(readFile(store.notesPath()), notes(3));
        QCOMPARE(store.RecordCount, 3);
        QVERIFY(store.readRecord(3));
        QCOMPARE(store.WorkingNote.NoteDate, 40003.0);
    }

    void openFailureIsReported()
    {
        QTemporaryDir dir;
        RecordStore missingFolder(dir.filePath("no such folder"));
        QVERIFY(!missingFolder.openAndCount());
        QVERIFY(missingFolder.lastError().startsWith("Notes.dat could not be opened: "));
        QVERIFY(!missingFolder.readRecord(1));
        QVERIFY(!missingFolder.writeRecord(1));

        QVERIFY(QDir(dir.path()).mkdir("Notes.dat"));
        RecordStore folderInPlace(dir.path());
        QVERIFY(!folderInPlace.openAndCount());
        QVERIFY(!folderInPlace.lastError().isEmpty());
    }

    void readFailureIsReported()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("Notes.dat"), notes(2)));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        FaultyFileOps faults;
        faults.failCall(1, EIO);
        ScopedFileOps use(&faults);
        store.WorkingNote.Contact = "kept";
        QVERIFY(!store.readRecord(1));
        QCOMPARE(store.lastError(), QString("Notes.dat could not be read: %1.").arg(FileOps::errorText(EIO)));
        QCOMPARE(store.WorkingNote.Contact, QString("kept"));
        QVERIFY(store.readRecord(1));
        QCOMPARE(store.WorkingNote.NoteDate, 40001.0);
    }

    // Every single failing call of a delete leaves Notes.dat with all the old
    // or all the new bytes, counters that match it and a store that still works.
    void deleteSurvivesAnyFailingCall_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("shortened");
        QTest::newRow("disk full") << ENOSPC << false;
        QTest::newRow("input/output error") << EIO << false;
        QTest::newRow("short reads and writes") << 0 << true;
    }
    void deleteSurvivesAnyFailingCall()
    {
        QFETCH(int, error);
        QFETCH(bool, shortened);
        const QByteArray before = notes(5);
        const QByteArray after = numbered(1) + numbered(3) + numbered(4) + numbered(5);
        for (int n = 1;; ++n) {
            QTemporaryDir dir;
            QVERIFY(writeFile(dir.filePath("Notes.dat"), before));
            RecordStore store(dir.path());
            QVERIFY(store.openAndCount());
            store.CurrentRecord = 2;
            FaultyFileOps faults;
            if (shortened)
                faults.shortCall(n);
            else
                faults.failCall(n, error);
            bool deleted;
            {
                ScopedFileOps use(&faults);
                deleted = store.deleteRecord(2);
            }
            const QByteArray file = readFile(store.notesPath());
            QVERIFY2(file == before || file == after, qPrintable(QString("call %1").arg(n)));
            QVERIFY2(!QFile::exists(store.tempPath()), qPrintable(QString("call %1").arg(n)));
            QCOMPARE(store.RecordCount, file == before ? 5 : 4);
            // False means nothing changed; true means deleted, perhaps with a warning.
            QCOMPARE(file == after, deleted);
            if (!deleted)
                QVERIFY(store.lastError().contains("could not be deleted"));
            else if (!store.lastError().isEmpty())
                QVERIFY(store.lastError().startsWith("The note was deleted, but"));
            if (shortened)
                QVERIFY(deleted);
            // Still usable: what it reads is what the file holds.
            QVERIFY(store.readRecord(store.RecordCount));
            QCOMPARE(store.WorkingNote.NoteDate, 40005.0);
            store.WorkingNote.Contact = "later";
            QVERIFY(store.writeRecord(store.RecordCount + 1));
            QCOMPARE(readFile(store.notesPath()).size(), (store.RecordCount + 1) * 244);
            if (n > faults.calls())
                break;
        }
    }

    void writeSurvivesAnyFailingCall_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("halfFirst"); // the call before the failing one moves half its bytes
        QTest::newRow("append, disk full") << 4 << ENOSPC << false;
        QTest::newRow("append, input/output error") << 4 << EIO << false;
        QTest::newRow("append, disk full halfway") << 4 << ENOSPC << true;
        QTest::newRow("save in place, input/output error") << 2 << EIO << false;
        QTest::newRow("save in place, failing halfway") << 2 << EIO << true;
        QTest::newRow("append, short writes") << 4 << 0 << false;
    }
    void writeSurvivesAnyFailingCall()
    {
        QFETCH(int, record);
        QFETCH(int, error);
        QFETCH(bool, halfFirst);
        const QByteArray before = notes(3);
        const QByteArray written = NoteBytes::record(45000, "", "new one", 1, QByteArray(200, 'x'), 1, 1);
        QByteArray after = before;
        after.replace(244 * (record - 1), std::min<int>(244, before.size() - 244 * (record - 1)), written);
        for (int n = 1;; ++n) {
            QTemporaryDir dir;
            QVERIFY(writeFile(dir.filePath("Notes.dat"), before));
            RecordStore store(dir.path());
            QVERIFY(store.openAndCount());
            store.WorkingNote = NoteRecord();
            store.WorkingNote.NoteDate = 45000;
            store.WorkingNote.Contact = "new one";
            store.WorkingNote.Interval = 1;
            store.WorkingNote.Notes = QString(200, 'x');
            store.WorkingNote.Reminder = 1;
            store.WorkingNote.FollowUp = 1;
            FaultyFileOps faults;
            if (error == 0 || halfFirst)
                faults.shortCall(n);
            if (error != 0)
                faults.failCall(halfFirst ? n + 1 : n, error);
            bool saved;
            {
                ScopedFileOps use(&faults);
                saved = store.writeRecord(record);
            }
            const QByteArray file = readFile(store.notesPath());
            QVERIFY2(file == before || file == after, qPrintable(QString("call %1").arg(n)));
            QCOMPARE(file == after, saved);
            if (!saved)
                QVERIFY(store.lastError().contains(FileOps::errorText(error)));
            if (error == 0)
                QVERIFY(saved);
            if (n > faults.calls())
                break;
        }
    }
};

QTEST_GUILESS_MAIN(tst_RecordStore)
#include "tst_RecordStore.moc"
