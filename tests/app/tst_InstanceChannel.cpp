// The socket between two starts of Jotwell in one folder, driven from the
// other end with a plain local socket.

#include "startup/InstanceChannel.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

Q_DECLARE_METATYPE(InstanceChannel::Request)

class tst_InstanceChannel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_runtime;

    // Writes line to the channel listening on name; returns what came back
    // before the channel closed the connection.
    static QByteArray say(const QString &name, const QByteArray &line)
    {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (!socket.waitForConnected(2000))
            return "not connected";
        socket.write(line);
        QByteArray answer;
        const bool closed = QTest::qWaitFor([&] {
            answer += socket.readAll();
            return socket.state() == QLocalSocket::UnconnectedState;
        }, 5000);
        return closed ? answer + socket.readAll() : QByteArray("left open");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    // The name is the same for every spelling of the lock's path, differs
    // between folders, and lies in the runtime folder.
    void serverName()
    {
        QTemporaryDir a, b;
        QFile(a.filePath("Notes.lck")).open(QIODevice::WriteOnly);
        const QString name = InstanceChannel::serverName(a.filePath("Notes.lck"));
        QVERIFY(name.startsWith(m_runtime.path() + "/jotwell-"));
        QCOMPARE(InstanceChannel::serverName(a.path() + "/./Notes.lck"), name);
        QVERIFY(InstanceChannel::serverName(b.filePath("Notes.lck")) != name);
    }

    void answersEachRequest_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("requests");
        QTest::addColumn<InstanceChannel::Request>("request");
        QTest::newRow("open") << QByteArray("open\n") << QByteArray("accepted\n") << 1 << InstanceChannel::Request::Open;
        QTest::newRow("new-note") << QByteArray("new-note\n") << QByteArray("accepted\n") << 1
                                  << InstanceChannel::Request::NewNote;
        QTest::newRow("new-alarm") << QByteArray("new-alarm\n") << QByteArray("accepted\n") << 1
                                   << InstanceChannel::Request::NewAlarm;
        QTest::newRow("unknown word") << QByteArray("format-disk\n") << QByteArray() << 0 << InstanceChannel::Request::Open;
        QTest::newRow("endless line") << QByteArray(4096, 'x') << QByteArray() << 0 << InstanceChannel::Request::Open;
    }

    void answersEachRequest()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, requests);
        InstanceChannel channel;
        const QString name = m_runtime.filePath("channel");
        QString error;
        QVERIFY2(channel.listen(name, &error), qPrintable(error));
        QSignalSpy spy(&channel, &InstanceChannel::requested);
        QTEST(say(name, line), "answer");
        QTest::qWait(50);
        QCOMPARE(spy.size(), requests);
        if (requests)
            QTEST(spy.first().first().value<InstanceChannel::Request>(), "request");
    }

    // A socket file nobody listens on, as a crash leaves it, is taken over.
    void takesOverALeftSocket()
    {
        const QString name = m_runtime.filePath("left");
        {
            QFile left(name);
            QVERIFY(left.open(QIODevice::WriteOnly));
        }
        InstanceChannel channel;
        QString error;
        QVERIFY2(channel.listen(name, &error), qPrintable(error));
        QCOMPARE(say(name, "open\n"), QByteArray("accepted\n"));
    }

    // The socket is the user's alone while Jotwell runs, and goes with it;
    // send() reaches it as a second start would.
    void socketIsPrivateAndGoesAtTheEnd()
    {
        const QString name = m_runtime.filePath("private");
        {
            InstanceChannel channel;
            QString error;
            QVERIFY2(channel.listen(name, &error), qPrintable(error));
            QCOMPARE(QFileInfo(name).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                     QFile::Permissions());
            QSignalSpy spy(&channel, &InstanceChannel::requested);
            bool sent = false;
            std::thread second([&] { sent = InstanceChannel::send(name, InstanceChannel::Request::NewAlarm, 5000); });
            QTRY_COMPARE(spy.size(), 1);
            second.join();
            QVERIFY(sent);
            QCOMPARE(spy.first().first().value<InstanceChannel::Request>(), InstanceChannel::Request::NewAlarm);
        }
        QVERIFY(!QFileInfo::exists(name));
    }

    // Nothing listening: send gives up within its time and says so.
    void sendWithoutListener()
    {
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!InstanceChannel::send(m_runtime.filePath("nobody"), InstanceChannel::Request::Open, 500));
        QVERIFY(timer.elapsed() < 3000);
    }
};

QTEST_GUILESS_MAIN(tst_InstanceChannel)
#include "tst_InstanceChannel.moc"
