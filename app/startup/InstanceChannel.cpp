#include "startup/InstanceChannel.h"

#include "platform/files/FileOps.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

bool socketAddress(const QString &name, sockaddr_un *address)
{
    const QByteArray path = QFile::encodeName(name);
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

} // namespace

InstanceChannel::InstanceChannel(QObject *parent) : QObject(parent) {}

InstanceChannel::~InstanceChannel()
{
    if (m_listener < 0)
        return;
    ::close(m_listener);
    ::unlink(m_path.constData());
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
    sockaddr_un address;
    if (!socketAddress(name, &address)) {
        *error = tr("The socket's path is too long: %1.").arg(name);
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        *error = FileOps::errorText(errno);
        return false;
    }
    ::unlink(address.sun_path);
    // Only this user's programs may hand requests over.
    const mode_t mask = ::umask(0077);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(fd, 8) != 0) {
        *error = FileOps::errorText(errno);
        ::close(fd);
        return false;
    }
    m_listener = fd;
    m_path = address.sun_path;
    auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        int peer;
        while ((peer = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0)
            accept(peer);
    });
    return true;
}

void InstanceChannel::accept(int peer)
{
    auto *notifier = new QSocketNotifier(peer, QSocketNotifier::Read, this);
    auto received = std::make_shared<QByteArray>();
    auto finish = [notifier, peer] {
        if (!notifier->isEnabled())
            return;
        notifier->setEnabled(false);
        ::close(peer);
        notifier->deleteLater();
    };
    QTimer::singleShot(PeerTimeoutMs, notifier, finish);
    connect(notifier, &QSocketNotifier::activated, this, [this, peer, received, finish] {
        char chunk[MaxLine + 1];
        const ssize_t got = ::read(peer, chunk, sizeof chunk);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (got <= 0) {
            finish();
            return;
        }
        received->append(chunk, got);
        const qsizetype end = received->indexOf('\n');
        if (end < 0) {
            if (received->size() > MaxLine)
                finish();
            return;
        }
        const std::optional<Request> request = fromWord(received->left(end).trimmed());
        if (request)
            ::send(peer, Accepted.constData(), size_t(Accepted.size()), MSG_NOSIGNAL);
        finish();
        // The request may open windows and message boxes: not from inside
        // the notifier's own signal.
        if (request)
            QMetaObject::invokeMethod(this, [this, request] { emit requested(*request); }, Qt::QueuedConnection);
    });
}

bool InstanceChannel::send(const QString &name, Request request, int timeoutMs)
{
    sockaddr_un address;
    if (!socketAddress(name, &address))
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    int fd = -1;
    for (;;) {
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
            break;
        ::close(fd);
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    const QByteArray line = word(request) + '\n';
    bool sent = ::send(fd, line.constData(), size_t(line.size()), MSG_NOSIGNAL) == line.size();
    QByteArray answer;
    while (sent && !answer.endsWith('\n') && answer.size() <= MaxLine) {
        pollfd wait {fd, POLLIN, 0};
        if (::poll(&wait, 1, int(std::max<qint64>(0, deadline.remainingTime()))) <= 0)
            break;
        char chunk[MaxLine];
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got <= 0)
            break;
        answer.append(chunk, got);
    }
    ::close(fd);
    return sent && answer == Accepted;
}
