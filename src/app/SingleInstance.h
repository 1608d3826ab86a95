#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

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
    // Asks the running instance to restore itself: true once it has the request.
    // Waits up to three seconds for it to answer.
    bool HandOver();
    // Hands a command (see InstanceCommands) and its files to the running
    // instance: true once it has taken it. Waits as HandOver does, `wait` ms.
    bool SendCommand(const QString &name, const QStringList &files = {}, int wait = 3000);

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
