#include "notebook/LineFile.h"
#include "support/FaultyFileOps.h"
#include "support/NoteBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>

using NoteBytes::readFile;
using NoteBytes::writeFile;

namespace {

QStringList files(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name);
}

// count lines of name, each ended as given.
QByteArray lines(int count, const QByteArray &ending, const QByteArray &name = "Ann")
{
    QByteArray data;
    data.reserve(count * (name.size() + ending.size()));
    for (int i = 0; i < count; ++i)
        data += name + ending;
    return data;
}

} // namespace

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
        QCOMPARE(files(dir.path()), QStringList{"Names.cat"});
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
            QCOMPARE(files(dir.path()), QStringList{"Category.cat"});
            if (!written)
                QVERIFY2(error.contains(FileOps::errorText(ENOSPC)), qPrintable(error));
            if (n > faults.calls())
                break;
        }
    }

    // A list holds at most MaxEntries (32,767) lines, however they end; one
    // more and the file is refused, unread and untouched.
    void entryBound_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("entries"); // -1: refused
        QTest::newRow("32,767 CR LF lines") << lines(32767, "\r\n") << 32767;
        QTest::newRow("32,767 lines, the last unended") << lines(32766, "\n") + "Ann" << 32767;
        QTest::newRow("32,767 empty lines") << QByteArray(32767, '\n') << 32767;
        QTest::newRow("32,768 CR LF lines") << lines(32768, "\r\n") << -1;
        QTest::newRow("32,767 ended lines and an unended one") << lines(32767, "\r") + "Ann" << -1;
        QTest::newRow("16,000,000 bare line feeds") << QByteArray(16000000, '\n') << -1;
        // The byte bound: 8,388,352 bytes in 32,767 lines.
        const QByteArray longLine(254, 'x');
        QTest::newRow("32,767 lines of 256 bytes") << lines(32767, "\r\n", longLine) << 32767;
        QTest::newRow("one byte more") << lines(32767, "\r\n", longLine) + "x" << -1;
    }
    void entryBound()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, entries);
        QTemporaryDir dir;
        const QString path = dir.filePath("Names.cat");
        QVERIFY(writeFile(path, bytes));
        QStringList read{"left over"};
        QString error;
        QCOMPARE(LineFile::read(path, read, &error), entries >= 0);
        if (entries >= 0) {
            QCOMPARE(read.size(), entries);
            return;
        }
        QVERIFY(read.isEmpty());
        QVERIFY2(error.startsWith("Names.cat ") && (error.contains("32") || error.contains("too large")), qPrintable(error));
        QCOMPARE(readFile(path).size(), bytes.size());
    }

    // What the next reading would refuse is never written: the old file stays.
    void writeKeepsWithinTheBound_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("written");
        QTest::newRow("32,767 names") << QStringList(32767, "Ann") << true;
        QTest::newRow("32,768 names") << QStringList(32768, "Ann") << false;
        QStringList broken(32766, "Ann");
        broken << "Bob\nCarl"; // read back as two lines
        QTest::newRow("32,767 names, one holding a line break") << broken << false;
        QStringList longNames(32767, QString(254, 'x'));
        QTest::newRow("32,767 names of 254 characters") << longNames << true;
        longNames.last() += 'x';
        QTest::newRow("one character more") << longNames << false;
    }
    void writeKeepsWithinTheBound()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = dir.filePath("Names.cat");
        QVERIFY(writeFile(path, "Old\r\n"));
        QString error;
        QCOMPARE(LineFile::write(path, entries, &error), written);
        QStringList back;
        QVERIFY(LineFile::read(path, back));
        QCOMPARE(back.size(), written ? entries.size() : 1);
        if (!written)
            QVERIFY2(error.contains("not written"), qPrintable(error));
        QCOMPARE(files(dir.path()), QStringList{"Names.cat"});
    }

    // A pipe in the file's place is refused at once instead of waiting for a writer.
    void pipeIsRefusedWithoutWaiting()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Names.cat");
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QStringList read;
        QString error;
        QVERIFY(!LineFile::read(path, read, &error));
        QCOMPARE(error, QStringLiteral("Names.cat is not a regular file."));
    }
};

QTEST_GUILESS_MAIN(tst_LineFile)
#include "tst_LineFile.moc"
