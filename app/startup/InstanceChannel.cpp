#include "startup/InstanceChannel.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <optional>

#include <unistd.h>

namespace {

// One line each way: the request's word, then the answer.
constexpr qsizetype MaxLine = 64;
const QByteArray Accepted = QByteArrayLiteral("accepted\n");
// A peer that connects and says nothing must not hold a socket for ever.
constexpr int PeerTimeoutMs = 5000;

QByteArray word(InstanceChannel::Request request)
{
    switch (request) {
    case InstanceChannel::Request::Open:
        return QByteArrayLiteral("open");
    case InstanceChannel::Request::NewNote:
        return QByteArrayLiteral("new-note");
    case InstanceChannel::Request::NewAlarm:
        return QByteArrayLiteral("new-alarm");
    }
    return {};
}

std::optional<InstanceChannel::Request> fromWord(const QByteArray &text)
{
    for (InstanceChannel::Request request :
         {InstanceChannel::Request::Open, InstanceChannel::Request::NewNote, InstanceChannel::Request::NewAlarm}) {
        if (text == word(request))
            return request;
    }
    return std::nullopt;
}

} // namespace

InstanceChannel::InstanceChannel(QObject *parent) : QObject(parent), m_server(new QLocalServer(this))
{
    // Only this user's programs may hand requests over.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection())
            accept(socket);
    });
}

QString InstanceChannel::serverName(const QString &lockPath)
{
    const QFileInfo lock(lockPath);
    const QString key = lock.exists() ? lock.canonicalFilePath() : lock.absoluteFilePath();
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    // XDG_RUNTIME_DIR belongs to the user alone; the temporary folder is
    // shared, so the name there carries the user's id as well.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(QStringLiteral("jotwell-%1").arg(QString::fromLatin1(hash)));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("jotwell-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash)));
}

bool InstanceChannel::listen(const QString &name, QString *error)
{
    QLocalServer::removeServer(name);
    if (m_server->listen(name))
        return true;
    *error = m_server->errorString();
    return false;
}

void InstanceChannel::accept(QLocalSocket *socket)
{
    socket->setParent(this);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(PeerTimeoutMs, socket, &QLocalSocket::abort);
    auto read = [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > MaxLine)
                socket->abort();
            return;
        }
        const std::optional<Request> request = fromWord(socket->readLine(MaxLine).trimmed());
        if (!request) {
            socket->abort();
            return;
        }
        socket->write(Accepted);
        socket->disconnectFromServer();
        // The request may open windows and message boxes: not from inside
        // the socket's own signal.
        QMetaObject::invokeMethod(this, [this, request] { emit requested(*request); }, Qt::QueuedConnection);
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    read();
}

bool InstanceChannel::send(const QString &name, Request request, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(name);
        if (socket.waitForConnected(int(std::min<qint64>(deadline.remainingTime(), 1000))))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    socket.write(word(request) + '\n');
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    QByteArray answer;
    while (!answer.endsWith('\n') && answer.size() <= MaxLine) {
        if (!socket.bytesAvailable() && !socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
        answer += socket.readAll();
    }
    return answer + socket.readAll() == Accepted;
}
