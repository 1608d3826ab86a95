#include "app/SingleInstance.h"
#include "platform/shell/ProgramPaths.h"
#include "platform/shell/Session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

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

} // namespace

SingleInstance::SingleInstance(QObject *parent) : QObject(parent)
{
    m_Dir = ProgramPaths::PrivateRuntimeDir(&m_Problem);
    if (m_Dir.isEmpty())
        m_Problem =
            QCoreApplication::translate(
                "SingleInstance",
                "Parlewind talks to its running window through a folder only you may use, and "
                "there is none: %1 Set XDG_RUNTIME_DIR to a folder of yours with mode 700.")
                .arg(m_Problem);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::TryBecomePrimary()
{
    if (m_Dir.isEmpty())
        return false;
    auto lock = std::make_unique<QLockFile>(m_Dir + QStringLiteral("/parlewind.lock"));
    // Only a lock whose owner has died is stale; age alone never is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_Lock = std::move(lock);
    Listen();
    // Should the server ever stop listening (Qt closes it when a connection cannot
    // be accepted), it listens again.
    m_Watch = new QTimer(this);
    m_Watch->setInterval(IdleMs);
    connect(m_Watch, &QTimer::timeout, this, [this] {
        if (!m_Server || !m_Server->isListening())
            Listen();
    });
    m_Watch->start();
    return true;
}

void SingleInstance::Listen()
{
    const QString name = m_Dir + QStringLiteral("/parlewind.socket");
    delete m_Server;
    // A socket left by a crashed instance would make listen() fail.
    QLocalServer::removeServer(name);
    m_Server = new QLocalServer(this);
    m_Server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_Server, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
    if (!m_Server->listen(name))
        qWarning("Cannot listen on %s: %s", qPrintable(name), qPrintable(m_Server->errorString()));
}

// One request a connection, a line; the instance answers "ok" once it has taken it,
// or "error" and the reason.
SingleInstance::TAnswer SingleInstance::Send(const QByteArray &request, int wait, QString *why)
{
    const auto refuse = [why](const QString &reason) {
        if (why)
            *why = reason;
        return TAnswer::Refused;
    };
    if (m_Dir.isEmpty())
        return refuse(m_Problem);
    const QDeadlineTimer deadline(wait);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_Dir + QStringLiteral("/parlewind.socket"));
        if (socket.waitForConnected(200)) {
            // Only our own program hears what we ask (a file's name is private).
            if (!ProgramPaths::PeerIsThisUser(socket.socketDescriptor()))
                return refuse(
                    QCoreApplication::translate(
                        "SingleInstance",
                        "The program listening in %1 runs as another user; nothing was sent.")
                        .arg(m_Dir));
            socket.write(request);
            socket.waitForBytesWritten(1000);
            // The running instance answers once it has taken the request.
            const QByteArray answer = socket.waitForReadyRead(2000) ? socket.readLine(MaxLine) : QByteArray();
            socket.disconnectFromServer();
            if (answer == "ok\n")
                return TAnswer::Taken;
            if (answer.startsWith("error "))
                return refuse(QString::fromUtf8(answer.mid(6).trimmed()));
            // Closed before any answer: the request was not taken (the running
            // program makes room for new connections), so it is asked again.
            if (!answer.isEmpty())
                return TAnswer::NoAnswer;
        }
        // The instance may still be starting, between taking the lock and listening.
        QThread::msleep(20);
    }
    return TAnswer::NoAnswer;
}

SingleInstance::TAnswer SingleInstance::HandOver(QString *why) { return Send(WithToken("restore"), 3000, why); }

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
        if (!ProgramPaths::PeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // A few at a time, each for a moment: a flood of idle connections must not
        // take every descriptor (and with them the channel). The oldest gives way to
        // the newest, which has its request to say.
        std::erase_if(m_Open, [](const QPointer<QLocalSocket> &open) { return open.isNull(); });
        while (int(m_Open.size()) >= MaxConnections) {
            if (QLocalSocket *oldest = m_Open.front()) {
                oldest->abort();
                oldest->deleteLater();
            }
            m_Open.pop_front();
        }
        m_Open.emplace_back(socket);
        socket->setReadBufferSize(MaxLine);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(IdleMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnLine(socket); });
    }
}

void SingleInstance::OnLine(QLocalSocket *socket)
{
    const auto answer = [socket](const QByteArray &text) {
        socket->write(text);
        socket->flush();
    };
    if (!socket->canReadLine()) {
        // A line longer than any request: not ours to buffer.
        if (socket->bytesAvailable() >= MaxLine) {
            socket->abort();
            socket->deleteLater();
        }
        return;
    }
    const QByteArray line = socket->readLine(MaxLine);
    QList<QByteArray> words = line.trimmed().split(' ');
    // The sender's activation token, for the window it may raise.
    if (words.size() > 1 && words.last().startsWith(tokenWord))
        Session::UseActivationToken(QString::fromUtf8(QByteArray::fromPercentEncoding(words.takeLast().mid(tokenWord.size()))));
    if (words.size() == 1 && words.front() == "restore") {
        emit RestoreRequested();
        answer(QByteArrayLiteral("ok\n"));
        return;
    }
    if (words.size() < 2 || words.front() != "command") {
        answer(QByteArrayLiteral("error Parlewind did not understand the request.\n"));
        return;
    }
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
    // Carried out from the event loop: it may run one of its own (a book opening),
    // in which this connection may end and go.
    QMetaObject::invokeMethod(this, [this, name, files] { emit CommandRequested(name, files); }, Qt::QueuedConnection);
}
