#include "notebook/RecordStore.h"
#include "reminders/ReminderScan.h"
#include "support/NoteBytes.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace NoteBytes;

class tst_ReminderScan : public QObject
{
    Q_OBJECT

private:
    static constexpr double Tenth = 45300; // a day; the 7th is Tenth - 3

private slots:
    void dueTest_data()
    {
        QTest::addColumn<double>("date");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("reminder");
        QTest::addColumn<double>("today");
        QTest::addColumn<bool>("due");
        QTest::newRow("0 days before, on its date") << Tenth << 0 << 1 << Tenth << true;
        QTest::newRow("0 days before, the day before") << Tenth << 0 << 1 << Tenth - 1 << false;
        QTest::newRow("3 days before, on the 7th") << Tenth << 3 << 1 << Tenth - 3 << true;
        QTest::newRow("3 days before, on the 6th") << Tenth << 3 << 1 << Tenth - 4 << false;
        QTest::newRow("dated in the past") << Tenth - 400 << 1 << 1 << Tenth << true;
        QTest::newRow("flag 0") << Tenth - 400 << 1 << 0 << Tenth << false;
        QTest::newRow("flag 2, greyed") << Tenth - 400 << 1 << 2 << Tenth << false;
        QTest::newRow("a time of day, on its date") << Tenth + 0.75 << 0 << 1 << Tenth << true;
        QTest::newRow("before 1899, 3 days before") << -10.25 << 3 << 1 << -13.0 << true;
        QTest::newRow("before 1899, 4 days early") << -10.25 << 3 << 1 << -14.0 << false;
        QTest::newRow("negative days before") << Tenth << -2 << 1 << Tenth + 1 << false;
        QTest::newRow("damaged date") << std::numeric_limits<double>::quiet_NaN() << 0 << 1 << Tenth << false;
        QTest::newRow("date out of range") << 1e300 << 0 << 1 << Tenth << false;
        QTest::newRow("first day of the range, at noon") << -657434.5 << 0 << 1 << Tenth << true;
    }
    void dueTest()
    {
        QFETCH(double, date);
        QFETCH(int, interval);
        QFETCH(int, reminder);
        QFETCH(double, today);
        QFETCH(bool, due);
        NoteRecord note;
        note.NoteDate = date;
        note.Interval = qint16(interval);
        note.Reminder = qint16(reminder);
        QCOMPARE(ReminderScan::isDue(note, today), due);
        QCOMPARE(ReminderScan::isDue(record(date, "", "", interval, "", reminder).constData(), today), due);
    }

    void passShowsEveryDueNoteInTurn()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("Notes.dat"),
                          record(Tenth, "", " Ann ", 3, "first", 1) + record(Tenth, "", "Bob", 3, "also", 1)
                              + record(Tenth - 10, "", "Cy", 0, "off", 0) + record(Tenth - 1, "", "Di", 0, "second", 1)
                              + record(Tenth + 5, "", "Ed", 0, "last, not due", 1)));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        QStringList shown;
        QVERIFY(ReminderScan::runPass(store, Tenth - 1, [&] { shown << store.WorkingNote.Notes.trimmed(); }));
        QCOMPARE(shown, (QStringList{"first", "also", "second"}));
        // WorkingNote holds the last record read.
        QCOMPARE(store.WorkingNote.Contact.trimmed(), QString("Ed"));
    }

    void pastTheEndExaminesTheNoteReadBefore()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("Notes.dat"), record(Tenth, "", "", 0, "a", 0) + record(Tenth, "", "", 0, "due", 1)));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        store.RecordCount = 4;
        int calls = 0;
        QVERIFY(ReminderScan::runPass(store, Tenth, [&] { ++calls; }));
        QCOMPARE(calls, 3);
    }

    // The only note was deleted: WorkingNote still holds it, due, but the
    // file holds nothing to remind of.
    void emptyFileExaminesNoNote()
    {
        QTemporaryDir dir;
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        store.WorkingNote.NoteDate = Tenth;
        store.WorkingNote.Reminder = 1;
        int calls = 0;
        QVERIFY(ReminderScan::runPass(store, Tenth, [&] { ++calls; }));
        QCOMPARE(calls, 0);
    }

    // A delete from a reminder window shortens the file; the pass keeps its count.
    void deleteDuringThePass()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("Notes.dat"), record(Tenth, "", "", 0, "one", 1) + record(Tenth, "", "", 0, "two", 1)
                                                         + record(Tenth, "", "", 0, "three", 1)));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        QStringList shown;
        QVERIFY(ReminderScan::runPass(store, Tenth, [&] {
            shown << store.WorkingNote.Notes.trimmed();
            if (shown.size() == 1) {
                store.CurrentRecord = 1;
                QVERIFY(store.deleteRecord(1));
            }
        }));
        // "two" moved into place 1 and is skipped; place 3 lies past the new end.
        QCOMPARE(shown, (QStringList{"one", "three", "three"}));
    }

    void tickerCountsToThePeriod_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("passes"); // one character a tick: x = pass
        QTest::newRow("1, every tick") << "1" << "xxxx";
        QTest::newRow("6, every sixth") << "6" << ".....x.....x";
        QTest::newRow("spaces around") << " 2 " << ".x.x";
        QTest::newRow("zero never") << "0" << "......";
        QTest::newRow("negative never") << "-3" << "......";
        QTest::newRow("text never") << "abc" << "......";
        QTest::newRow("empty never") << "" << "......";
        QTest::newRow("fraction never") << "1.5" << "......";
        QTest::newRow("beyond 16 bits never") << "40000" << "......";
    }
    void tickerCountsToThePeriod()
    {
        QFETCH(QString, period);
        QFETCH(QString, passes);
        ReminderTicker ticker;
        QString seen;
        for (int i = 0; i < passes.size(); ++i) {
            const bool pass = ticker.tick(period);
            seen += pass ? 'x' : '.';
            if (pass)
                ticker.passFinished();
        }
        QCOMPARE(seen, passes);
    }

    void loweredPeriodStartsAPassAtOnce()
    {
        ReminderTicker ticker;
        for (int i = 0; i < 4; ++i)
            QVERIFY(!ticker.tick("6"));
        QCOMPARE(ticker.count(), qint16(4));
        QVERIFY(ticker.tick("2"));
        ticker.passFinished();
        QCOMPARE(ticker.count(), qint16(0));
    }

    void noSecondPassWhileOneRuns()
    {
        ReminderTicker ticker;
        QVERIFY(ticker.tick("1"));
        QVERIFY(ticker.passRunning());
        for (int i = 0; i < 5; ++i)
            QVERIFY(!ticker.tick("1"));
        ticker.passFinished();
        QVERIFY(!ticker.passRunning());
        QVERIFY(ticker.tick("1"));
    }

    void countNeverLeaves16Bits()
    {
        ReminderTicker ticker;
        int passes = 0;
        for (int i = 0; i < 70000; ++i) {
            if (ticker.tick("32767")) {
                ++passes;
                ticker.passFinished();
            }
            QVERIFY(ticker.count() >= 0);
        }
        QCOMPARE(passes, 2);
    }
};

QTEST_GUILESS_MAIN(tst_ReminderScan)
#include "tst_ReminderScan.moc"
