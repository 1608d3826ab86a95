#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <unistd.h>

namespace {
const QByteArray restoreRequest = QByteArrayLiteral("restore\n");
}

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::RuntimeDir()
{
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QDir(dir).exists())
        dir = QDir::tempPath() + QStringLiteral("/parlewind-") + QString::number(::getuid());
    QDir().mkpath(dir);
    return dir;
}

QString SingleInstance::LockPath() { return RuntimeDir() + QStringLiteral("/parlewind.lock"); }

QString SingleInstance::ServerName() { return RuntimeDir() + QStringLiteral("/parlewind.socket"); }

bool SingleInstance::TryBecomePrimary()
{
    auto lock = std::make_unique<QLockFile>(LockPath());
    // Only a lock whose owner has died is stale; age alone never is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_Lock = std::move(lock);

    // A socket left by a crashed instance would make listen() fail.
    QLocalServer::removeServer(ServerName());
    m_Server = new QLocalServer(this);
    m_Server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_Server, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
    if (!m_Server->listen(ServerName()))
        qWarning("Cannot listen on %s: %s", qPrintable(ServerName()),
                 qPrintable(m_Server->errorString()));
    return true;
}

bool SingleInstance::HandOver()
{
    const QDeadlineTimer deadline(3000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(ServerName());
        if (socket.waitForConnected(200)) {
            socket.write(restoreRequest);
            socket.waitForBytesWritten(1000);
            // The running instance answers once it has taken the request.
            socket.waitForReadyRead(1000);
            socket.disconnectFromServer();
            return true;
        }
        // The instance may still be starting, between taking the lock and listening.
        QThread::msleep(20);
    }
    return false;
}

void SingleInstance::OnNewConnection()
{
    while (QLocalSocket *socket = m_Server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray line = socket->readLine();
            if (line == restoreRequest) {
                emit RestoreRequested();
                socket->write(QByteArrayLiteral("ok\n"));
                socket->flush();
            }
        });
    }
}
