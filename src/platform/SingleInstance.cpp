#include "SingleInstance.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace platform {

SingleInstance::SingleInstance(QString name, const QString& lockFile)
    : m_name(std::move(name)), m_lock(lockFile) {
    m_lock.setStaleLockTime(0); // only a dead owner makes the lock stale, never its age
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Claim() {
    if (m_lock.tryLock(0)) return true;
    return m_lock.error() != QLockFile::LockFailedError;
}

QString SingleInstance::ServerName(qint64 pid) const {
    return QStringLiteral("%1-%2-%3").arg(m_name).arg(getuid()).arg(pid);
}

bool SingleInstance::Listen() {
    const QString name = ServerName(QCoreApplication::applicationPid());
    QLocalServer::removeServer(name); // a socket file left behind by a crashed process of the same id
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readClient(socket); });
            if (socket->bytesAvailable() > 0) readClient(socket);
        }
    });
    return m_server->listen(name);
}

void SingleInstance::readClient(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        const QByteArray message = socket->readLine().trimmed();
        socket->write("ok\n");
        socket->flush();
        emit MessageReceived(message);
    }
}

bool SingleInstance::Send(qint64 pid, const QByteArray& message, int timeoutMs) const {
    if (pid <= 0) return false;
    QLocalSocket socket;
    socket.connectToServer(ServerName(pid));
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(message + '\n');
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    return socket.readLine().trimmed() == "ok";
}

} // namespace platform
