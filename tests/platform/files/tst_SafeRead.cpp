// Reading a whole file a user named: without blocking, regular files only,
// within a bound, and every failure reported.
#include "platform/files/SafeRead.h"
#include "support/FaultyFileOps.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>

Q_DECLARE_METATYPE(SafeRead::Status)

class tst_SafeRead : public QObject
{
    Q_OBJECT

private slots:
    void kindsOfFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<SafeRead::Status>("status");
        QTest::addColumn<QByteArray>("read");
        QTest::newRow("regular, at the bound") << "10 bytes" << SafeRead::Status::Ok << QByteArray("0123456789");
        QTest::newRow("regular, one byte over") << "11 bytes" << SafeRead::Status::TooLarge << QByteArray();
        QTest::newRow("empty") << "0 bytes" << SafeRead::Status::Ok << QByteArray();
        QTest::newRow("missing") << "missing" << SafeRead::Status::Missing << QByteArray();
        // Opening a pipe for reading would wait for a writer for good.
        QTest::newRow("pipe") << "fifo" << SafeRead::Status::NotRegular << QByteArray();
        QTest::newRow("folder") << "folder" << SafeRead::Status::NotRegular << QByteArray();
    }
    void kindsOfFile()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("file");
        if (kind.endsWith("bytes")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("0123456789X").left(kind.section(' ', 0, 0).toInt()));
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "folder") {
            QVERIFY(QDir(dir.path()).mkdir("file"));
        }
        QByteArray data("left over");
        QElapsedTimer timer;
        timer.start();
        const SafeRead::Result result = SafeRead::readAll(path, 10, &data);
        QVERIFY(timer.elapsed() < 5000);
        QTEST(result.status, "status");
        QTEST(data, "read");
        if (result.status == SafeRead::Status::TooLarge)
            QCOMPARE(result.size, 11);
    }

    // Failures a real file system does not produce on demand, injected.
    void failingCallsAreReported_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<SafeRead::Status>("status");
        QTest::newRow("open") << 1 << SafeRead::Status::OpenFailed;
        QTest::newRow("fstat") << 2 << SafeRead::Status::ReadFailed;
        QTest::newRow("pread") << 3 << SafeRead::Status::ReadFailed;
    }
    void failingCallsAreReported()
    {
        QFETCH(int, call);
        QTemporaryDir dir;
        const QString path = dir.filePath("Names.cat");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Ann\r\n") == 5);
        file.close();
        FaultyFileOps faults;
        faults.failCall(call, EIO);
        QByteArray data;
        SafeRead::Result result;
        {
            ScopedFileOps use(&faults);
            result = SafeRead::readAll(path, 100, &data);
        }
        QTEST(result.status, "status");
        QCOMPARE(result.error, EIO);
        QVERIFY(data.isEmpty());
        QVERIFY(SafeRead::problem("Names.cat", result).contains(FileOps::errorText(EIO)));
        // The descriptor is closed whatever failed after the open.
        QCOMPARE(faults.log().count("close"), call == 1 ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(tst_SafeRead)
#include "tst_SafeRead.moc"
