#include "notebook/ContactSearch.h"
#include "notebook/RecordStore.h"
#include "platform/text/FixedText.h"
#include "support/FaultyFileOps.h"
#include "support/NoteBytes.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace NoteBytes;

class tst_ContactSearch : public QObject
{
    Q_OBJECT

private:
    // The rule written the slow way: decode, trim the spaces, upper-case, compare.
    static bool slowMatch(const QByteArray &field, const QString &answer)
    {
        return FixedText::trimSpaces(FixedText::decodeField(field)).toUpper() == answer.toUpper();
    }

    static QByteArray field(const QByteArray &contact)
    {
        return contact.leftJustified(20, ' ', true);
    }

private slots:
    void matchRule_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("matches");
        QTest::newRow("case and spaces around ignored") << QByteArray("  Ann Smith") << "ann smith" << true;
        QTest::newRow("part of a name") << QByteArray("Ann Smithson") << "ann smith" << false;
        QTest::newRow("typed answer is not trimmed") << QByteArray("Ann") << " ann" << false;
        QTest::newRow("inner spaces count") << QByteArray("Ann  Smith") << "ann smith" << false;
        QTest::newRow("empty contact, empty answer") << QByteArray("") << "" << true;
        QTest::newRow("empty contact, some answer") << QByteArray("") << "x" << false;
        QTest::newRow("code page letters") << QByteArray("Andr\xe9") << QString::fromUtf8("andré") << true;
        QTest::newRow("sharp s grows to SS") << QByteArray("Stra\xdf" "e") << "strasse" << true;
        QTest::newRow("y with diaeresis") << QByteArray("\xff") << QString::fromUtf8("Ÿ") << true;
        QTest::newRow("zero bytes are not spaces") << QByteArray("Ann\0", 4) << "ann" << false;
    }
    void matchRule()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, answer);
        QFETCH(bool, matches);
        const QByteArray bytes = field(stored);
        QCOMPARE(ContactSearch::contactMatches(bytes.constData(), answer.toUpper()), matches);
        QCOMPARE(slowMatch(bytes, answer), matches);
    }

    // The byte-table comparison equals the slow rule for every byte and for random fields.
    void fastMatchEqualsSlowRule()
    {
        for (int b = 0; b < 256; ++b) {
            const QByteArray bytes = field(QByteArray(1, char(b)));
            const QString answer = FixedText::trimSpaces(FixedText::decodeField(QByteArray(1, char(b)))).toUpper();
            QVERIFY2(ContactSearch::contactMatches(bytes.constData(), answer), qPrintable(QString::number(b)));
            QCOMPARE(ContactSearch::contactMatches(bytes.constData(), answer + "X"), false);
            QVERIFY2(ContactSearch::Matcher(answer).matches(bytes.constData()), qPrintable(QString::number(b)));
            QCOMPARE(ContactSearch::Matcher(answer + "X").matches(bytes.constData()), false);
            QVERIFY2(!ContactSearch::Matcher(answer + " ").matches(bytes.constData()), qPrintable(QString::number(b)));
        }
        QRandomGenerator random(12345);
        const QByteArray alphabet("aAbB \xdf\xe9\xc9\xff\x9f\x8a\x9a\xb5");
        for (int i = 0; i < 5000; ++i) {
            QByteArray stored;
            for (int n = random.bounded(21); n > 0; --n)
                stored += alphabet[random.bounded(int(alphabet.size()))];
            QByteArray typed;
            for (int n = random.bounded(4); n > 0; --n)
                typed += alphabet[random.bounded(int(alphabet.size()))];
            const QString answer = i % 2 ? FixedText::fromCodePage(stored).trimmed() : FixedText::fromCodePage(typed);
            const QByteArray bytes = field(stored);
            QCOMPARE(ContactSearch::contactMatches(bytes.constData(), answer.toUpper()), slowMatch(bytes, answer));
            QCOMPARE(ContactSearch::Matcher(answer.toUpper()).matches(bytes.constData()), slowMatch(bytes, answer));
        }
    }

    void findsTheFirstMatchingNote()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("Notes.dat"), record(1, "", "Bob", 0, "") + record(2, "", " ann ", 0, "")
                                                         + record(3, "", "ANN", 0, "")));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        store.WorkingNote.Contact = "untouched";
        QCOMPARE(ContactSearch::find(store, "Ann").record, 2);
        QCOMPARE(ContactSearch::find(store, "bob").record, 1);
        const ContactSearch::Result none = ContactSearch::find(store, "Carl");
        QCOMPARE(none.record, 0);
        QVERIFY(none.ok);
        QCOMPARE(store.WorkingNote.Contact, QString("untouched"));
    }

    void emptyFileMatchesAnEmptyAnswerOnly()
    {
        QTemporaryDir dir;
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        QCOMPARE(ContactSearch::find(store, "").record, 1);
        QCOMPARE(ContactSearch::find(store, "Ann").record, 0);
    }

    // Past the end the scratch record keeps the last note read.
    void pastTheEndComparesTheLastNoteAgain()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("Notes.dat"), record(1, "", "Ann", 0, "")));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        store.RecordCount = 3;
        QCOMPARE(ContactSearch::find(store, "ann").record, 1);
        QCOMPARE(ContactSearch::find(store, "").record, 0);
    }

    void readFailureIsReported()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("Notes.dat"), record(1, "", "Ann", 0, "")));
        RecordStore store(dir.path());
        QVERIFY(store.openAndCount());
        FaultyFileOps faults;
        faults.failCall(1, EIO);
        ScopedFileOps use(&faults);
        const ContactSearch::Result result = ContactSearch::find(store, "ann");
        QVERIFY(!result.ok);
        QCOMPARE(result.record, 0);
        QVERIFY(result.error.contains("Notes.dat"));
    }
};

QTEST_GUILESS_MAIN(tst_ContactSearch)
#include "tst_ContactSearch.moc"
