#include "notebook/CategoryList.h"
#include "support/NoteBytes.h"

#include <QTemporaryDir>
#include <QTest>

using NoteBytes::readFile;
using NoteBytes::writeFile;

class tst_CategoryList : public QObject
{
    Q_OBJECT

private slots:
    void typedCategoryRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("added");
        QTest::newRow("a new one") << "Travel" << true;
        QTest::newRow("the same") << "Work" << false;
        QTest::newRow("differs in case") << "work" << true;
        QTest::newRow("empty, equal to the spare slot") << "" << false;
        QTest::newRow("longer than a note holds, added whole") << "Correspondence" << true;
        QTest::newRow("trailing space is different") << "Work " << true;
    }
    void typedCategoryRule()
    {
        QFETCH(QString, typed);
        QFETCH(bool, added);
        CategoryList list;
        list.append("Work");
        list.append("Home");
        QCOMPARE(list.addIfNew(typed), added);
        QStringList expected{"Work", "Home"};
        if (added)
            expected.append(typed);
        QCOMPARE(list.entries(), expected);
        QCOMPARE(list.slotCount(), expected.size() + 1);
        QVERIFY(list.slot(list.slotCount() - 1).isEmpty());
        QVERIFY(!list.addIfNew(typed)); // never twice
    }

    void loadKeepsLinesAsTheyStand()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Category.cat");
        QVERIFY(writeFile(path, "Work\r\n\r\n Home\r\nWork\r\n"));
        CategoryList list;
        list.append("stale");
        QVERIFY(list.load(path));
        QCOMPARE(list.entries(), (QStringList{"Work", "", " Home", "Work"}));
        // Written back without the empty line, duplicates kept.
        QVERIFY(list.save(path));
        QCOMPARE(readFile(path), QByteArray("Work\r\n Home\r\nWork\r\n"));
    }

    void missingFileIsAnEmptyList()
    {
        QTemporaryDir dir;
        CategoryList list;
        list.append("stale");
        QVERIFY(list.load(dir.filePath("Category.cat")));
        QCOMPARE(list.slotCount(), 1);
        QVERIFY(list.save(dir.filePath("Category.cat")));
        QCOMPARE(readFile(dir.filePath("Category.cat")), QByteArray());
    }

    void fullListAddsNothingMore()
    {
        CategoryList list;
        for (int i = 0; i < CategoryList::MaxEntries; ++i)
            list.append(QString::number(i));
        QVERIFY(!list.addIfNew("one more"));
        QCOMPARE(list.slotCount(), CategoryList::MaxEntries + 1);
    }
};

QTEST_GUILESS_MAIN(tst_CategoryList)
#include "tst_CategoryList.moc"
