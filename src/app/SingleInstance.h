#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLocalServer;

// One running Parlewind per user. The first start holds a lock file and listens on a
// local socket in $XDG_RUNTIME_DIR; a later start asks it to come to the front.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the one instance and listens for later starts.
    bool TryBecomePrimary();
    enum class TAnswer { Taken, Refused, NoAnswer };
    // Asks the running instance to restore itself. Waits up to three seconds for
    // it to answer.
    TAnswer HandOver();
    // Hands a command (see TDesktopCommands) and its files to the running
    // instance. Waits as HandOver does, `wait` ms. A command the instance cannot
    // carry out is refused, with its reason in `why`.
    TAnswer SendCommand(const QString &name, const QStringList &files = {}, int wait = 3000, QString *why = nullptr);

    // Asked of each command before it is answered: why it cannot be carried out, or
    // nothing. Unset, every command is taken.
    std::function<QString(const QString &name)> Refusal;

    static QString RuntimeDir();
    static QString LockPath();
    static QString ServerName();

signals:
    void RestoreRequested();
    void CommandRequested(const QString &name, const QStringList &files);

private:
    void OnNewConnection();

    std::unique_ptr<QLockFile> m_Lock;
    QLocalServer *m_Server = nullptr;
};
