#include "app/SingleInstance.h"
#include "platform/shell/Session.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <unistd.h>

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

// The word that carries the activation token of the program that sends a request,
// so that the window it raises may take the focus.
const QByteArray tokenWord = QByteArrayLiteral("token=");

QByteArray WithToken(QByteArray request)
{
    const QString token = Session::ActivationToken();
    if (!token.isEmpty())
        request += ' ' + tokenWord + token.toUtf8().toPercentEncoding();
    return request + '\n';
}

// One request a connection, a line; the instance answers "ok" once it has taken it,
// or "error" and the reason.
SingleInstance::TAnswer Send(const QByteArray &request, int wait, QString *why)
{
    const QDeadlineTimer deadline(wait);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(SingleInstance::ServerName());
        if (socket.waitForConnected(200)) {
            socket.write(request);
            socket.waitForBytesWritten(1000);
            // The running instance answers once it has taken the request.
            const QByteArray answer = socket.waitForReadyRead(2000) ? socket.readLine() : QByteArray();
            socket.disconnectFromServer();
            if (answer == "ok\n")
                return SingleInstance::TAnswer::Taken;
            if (answer.startsWith("error ")) {
                if (why)
                    *why = QString::fromUtf8(answer.mid(6).trimmed());
                return SingleInstance::TAnswer::Refused;
            }
            return SingleInstance::TAnswer::NoAnswer;
        }
        // The instance may still be starting, between taking the lock and listening.
        QThread::msleep(20);
    }
    return SingleInstance::TAnswer::NoAnswer;
}

} // namespace

SingleInstance::TAnswer SingleInstance::HandOver() { return Send(WithToken("restore"), 3000, nullptr); }

SingleInstance::TAnswer SingleInstance::SendCommand(const QString &name, const QStringList &files, int wait, QString *why)
{
    // "command NAME[ FILE…]": the files' names in percent-encoded UTF-8, so that a
    // space or a line break in one is carried whole.
    QByteArray request = "command " + name.toUtf8();
    for (const QString &file : files)
        request += ' ' + file.toUtf8().toPercentEncoding();
    return Send(WithToken(request), wait, why);
}

void SingleInstance::OnNewConnection()
{
    while (QLocalSocket *socket = m_Server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray line = socket->readLine();
            if (!line.endsWith('\n'))
                return;
            QList<QByteArray> words = line.trimmed().split(' ');
            // The sender's activation token, for the window it may raise.
            if (words.size() > 1 && words.last().startsWith(tokenWord))
                Session::UseActivationToken(QString::fromUtf8(QByteArray::fromPercentEncoding(words.takeLast().mid(tokenWord.size()))));
            const auto answer = [socket](const QByteArray &text) {
                socket->write(text);
                socket->flush();
            };
            if (words.size() == 1 && words.front() == "restore") {
                emit RestoreRequested();
                answer(QByteArrayLiteral("ok\n"));
            } else if (words.size() >= 2 && words.front() == "command") {
                const QString name = QString::fromUtf8(words[1]);
                QStringList files;
                for (qsizetype k = 2; k < words.size(); ++k)
                    files << QString::fromUtf8(QByteArray::fromPercentEncoding(words[k]));
                const QString refused = Refusal ? Refusal(name) : QString();
                if (!refused.isEmpty()) {
                    answer("error " + refused.simplified().toUtf8() + '\n');
                    return;
                }
                // Answered first: what the command does may take a while (a book opening).
                answer(QByteArrayLiteral("ok\n"));
                // Carried out from the event loop: it may run one of its own (a book
                // opening), in which this connection may end and go.
                QMetaObject::invokeMethod(
                    this, [this, name, files] { emit CommandRequested(name, files); }, Qt::QueuedConnection);
            } else {
                answer(QByteArrayLiteral("error Parlewind did not understand the request.\n"));
            }
        });
    }
}
