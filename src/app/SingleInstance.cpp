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

namespace {

// One request a connection, a line; the instance answers "ok" once it has taken it.
bool Send(const QByteArray &request, int wait)
{
    const QDeadlineTimer deadline(wait);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(SingleInstance::ServerName());
        if (socket.waitForConnected(200)) {
            socket.write(request);
            socket.waitForBytesWritten(1000);
            // The running instance answers once it has taken the request.
            const bool taken = socket.waitForReadyRead(2000) && socket.readLine() == "ok\n";
            socket.disconnectFromServer();
            return taken;
        }
        // The instance may still be starting, between taking the lock and listening.
        QThread::msleep(20);
    }
    return false;
}

} // namespace

bool SingleInstance::HandOver() { return Send(restoreRequest, 3000); }

bool SingleInstance::SendCommand(const QString &name, const QStringList &files, int wait)
{
    // "command NAME[ FILE…]": the files' names in percent-encoded UTF-8, so that a
    // space or a line break in one is carried whole.
    QByteArray request = "command " + name.toUtf8();
    for (const QString &file : files)
        request += ' ' + file.toUtf8().toPercentEncoding();
    return Send(request + '\n', wait);
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
            } else if (line.startsWith("command ") && line.endsWith('\n')) {
                const QList<QByteArray> words = line.trimmed().split(' ');
                QStringList files;
                for (qsizetype k = 2; k < words.size(); ++k)
                    files << QString::fromUtf8(QByteArray::fromPercentEncoding(words[k]));
                // Answered first: what the command does may take a while (a book opening).
                socket->write(QByteArrayLiteral("ok\n"));
                socket->flush();
                // Carried out from the event loop: it may run one of its own (a book
                // opening), in which this connection may end and go.
                QMetaObject::invokeMethod(
                    this, [this, name = QString::fromUtf8(words.value(1)), files] { emit CommandRequested(name, files); },
                    Qt::QueuedConnection);
            }
        });
    }
}
