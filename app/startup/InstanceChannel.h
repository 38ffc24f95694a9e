#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The local socket through which a Jotwell started a second time in a folder
// hands its request to the Jotwell already working there. Only the holder of
// the folder's InstanceLock listens; the lock, not the socket, is what keeps
// a second writer away.
class InstanceChannel : public QObject
{
    Q_OBJECT
public:
    // What a start asks of the Jotwell of its folder.
    enum class Request { Open, NewNote, NewAlarm };
    Q_ENUM(Request)

    explicit InstanceChannel(QObject *parent = nullptr);
    // Stops listening and removes the socket.
    ~InstanceChannel() override;

    // The socket's path for the notes guarded by the lock file lockPath, in the
    // user's runtime folder (or the temporary folder, named with the user's id).
    static QString serverName(const QString &lockPath);

    // Listens on name. Called by the lock's holder only, so a socket already
    // there was left by a Jotwell that ended without closing it, and goes.
    bool listen(const QString &name, QString *error);

    // Hands request to the Jotwell listening on name and waits, at most
    // timeoutMs in all, for it to accept. A Jotwell that holds the lock but
    // is still starting gets the time to begin listening.
    static bool send(const QString &name, Request request, int timeoutMs);

signals:
    // A request accepted from another start; emitted from the event loop,
    // after the other start has been answered.
    void requested(InstanceChannel::Request request);

private:
    void accept(int peer);

    // A Unix socket of its own rather than Qt's network module, which would
    // load a dozen libraries into every start for one line each way.
    int m_listener = -1;
    QByteArray m_path;
};
