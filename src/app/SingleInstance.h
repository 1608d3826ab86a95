#pragma once

#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QTimer;

// One running Parlewind per user. The first start holds a lock file and listens on a
// local socket in a folder only this user may enter; a later start hands it its
// command (or asks it to come to the front).
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the one instance and listens for later starts.
    // False when another holds the lock, or when there is no private folder for the
    // channel (Problem() says why).
    bool TryBecomePrimary();
    // Why the channel cannot be used at all, in the user's words; empty when it can.
    QString Problem() const { return m_Problem; }

    enum class TAnswer { Taken, Refused, NoAnswer };
    // Asks the running instance to restore itself. Waits up to three seconds for
    // it to answer.
    TAnswer HandOver(QString *why = nullptr);
    // Hands a command (see TDesktopCommands) and its files to the running
    // instance. Waits as HandOver does, `wait` ms. A command the instance cannot
    // carry out is refused, with its reason in `why`; so is every command when the
    // channel cannot be used safely.
    TAnswer SendCommand(const QString &name, const QStringList &files = {}, int wait = 3000, QString *why = nullptr);

    // Asked of each command before it is answered: why it cannot be carried out, or
    // nothing. Unset, every command is taken.
    std::function<QString(const QString &name)> Refusal;

    static constexpr int MaxConnections = 16;
    static constexpr int IdleMs = 2000;
    static constexpr qint64 MaxLine = 64 * 1024;

signals:
    void RestoreRequested();
    void CommandRequested(const QString &name, const QStringList &files);

private:
    TAnswer Send(const QByteArray &request, int wait, QString *why);
    void Listen();
    void OnNewConnection();
    void OnLine(QLocalSocket *socket);

    QString m_Dir;
    QString m_Problem;
    std::unique_ptr<QLockFile> m_Lock;
    QLocalServer *m_Server = nullptr;
    QTimer *m_Watch = nullptr;
    std::deque<QPointer<QLocalSocket>> m_Open; // oldest first
};
