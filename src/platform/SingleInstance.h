#pragma once
// One running program per parameter folder: a lock file held for the life of the first
// instance, and a local socket on which it takes short messages from later starts. The socket
// name carries the first instance's process id, which later starts find in the INI file.
#include <QByteArray>
#include <QLockFile>
#include <QObject>

class QLocalServer;
class QLocalSocket;

namespace platform {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The name prefixes the socket ("ProjGarvex"); lockFile is where the lock lives.
    SingleInstance(QString name, const QString& lockFile);
    ~SingleInstance() override;

    // True when this process is the first instance, or when the lock cannot be taken at all (a
    // read-only folder): then nothing can be enforced and the program runs alone.
    bool Claim();
    // Opens the socket of this process. False when it cannot listen.
    bool Listen();

    // The socket name of the instance running as `pid` for this user.
    QString ServerName(qint64 pid) const;
    // Hands one message to the instance running as `pid`; true once it has acknowledged it.
    bool Send(qint64 pid, const QByteArray& message, int timeoutMs) const;

signals:
    void MessageReceived(const QByteArray& message);

private:
    void readClient(QLocalSocket* socket);

    QString m_name;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};

} // namespace platform
