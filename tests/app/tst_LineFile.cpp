#include "notebook/LineFile.h"
#include "support/FaultyFileOps.h"
#include "support/NoteBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using NoteBytes::readFile;
using NoteBytes::writeFile;

class tst_LineFile : public QObject
{
    Q_OBJECT

private slots:
    void readsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("one line") << QByteArray("Work\r\n") << QStringList{"Work"};
        QTest::newRow("no ending on the last line") << QByteArray("Work\r\nHome") << QStringList{"Work", "Home"};
        QTest::newRow("line feeds only") << QByteArray("Work\nHome\n") << QStringList{"Work", "Home"};
        QTest::newRow("carriage returns only") << QByteArray("Work\rHome") << QStringList{"Work", "Home"};
        QTest::newRow("an empty line") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("empty line between") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("spaces kept") << QByteArray(" a b \r\n") << QStringList{" a b "};
        QTest::newRow("code page") << QByteArray("caf\xe9 \x80\r\n") << QStringList{QString::fromUtf8("café €")};
    }
    void readsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QString path = dir.filePath("Category.cat");
        QVERIFY(writeFile(path, bytes));
        QStringList read{"left over"};
        QString error;
        QVERIFY(LineFile::read(path, read, &error));
        QCOMPARE(read, lines);
        QVERIFY(error.isEmpty());
    }

    void missingFileReadsEmpty()
    {
        QTemporaryDir dir;
        QStringList read{"left over"};
        QVERIFY(LineFile::read(dir.filePath("Names.cat"), read));
        QVERIFY(read.isEmpty());
    }

    void unreadableFileIsReported()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Names.cat"));
        QStringList read;
        QString error;
        QVERIFY(!LineFile::read(dir.filePath("Names.cat"), read, &error));
        QVERIFY(error.startsWith("Names.cat "));
    }

    void writesCrLfLinesInTheCodePage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Names.cat");
        QVERIFY(LineFile::write(path, {"Ann", "", QString::fromUtf8("Zoë €"), QString::fromUtf8("日本")}));
        QCOMPARE(readFile(path), QByteArray("Ann\r\n\r\nZo\xeb \x80\r\n??\r\n"));
        QVERIFY(LineFile::write(path, {}));
        QCOMPARE(readFile(path), QByteArray());
        QVERIFY(!QFile::exists(path + ".tmp"));
    }

    void staleTempLinkIsNotFollowed()
    {
        QTemporaryDir dir;
        const QString victim = dir.filePath("victim");
        QVERIFY(writeFile(victim, "untouched"));
        QVERIFY(QFile::link(victim, dir.filePath("Names.cat.tmp")));
        QVERIFY(LineFile::write(dir.filePath("Names.cat"), {"Ann"}));
        QCOMPARE(readFile(victim), QByteArray("untouched"));
        QCOMPARE(readFile(dir.filePath("Names.cat")), QByteArray("Ann\r\n"));
    }

    // Whichever call fails, the old file stays whole and no temporary file is left.
    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Category.cat");
        for (int n = 1;; ++n) {
            QVERIFY(writeFile(path, "Old\r\n"));
            FaultyFileOps faults;
            faults.failCall(n, ENOSPC);
            QString error;
            bool written;
            {
                ScopedFileOps use(&faults);
                written = LineFile::write(path, {"New", "Lines"}, &error);
            }
            const QByteArray file = readFile(path);
            QVERIFY2(file == "Old\r\n" || file == "New\r\nLines\r\n", qPrintable(QString("call %1").arg(n)));
            QVERIFY(!QFile::exists(path + ".tmp"));
            if (!written)
                QVERIFY2(error.contains(FileOps::errorText(ENOSPC)), qPrintable(error));
            if (n > faults.calls())
                break;
        }
    }
};

QTEST_GUILESS_MAIN(tst_LineFile)
#include "tst_LineFile.moc"
