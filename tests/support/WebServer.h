#pragma once

#include <QProcess>
#include <QString>

// The tests' web server (web_server.py) on 127.0.0.1, serving a folder of pages,
// for as long as this lives.
class TWebServer
{
public:
    explicit TWebServer(const QString &pages)
    {
        m_Process.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(PARLEWIND_TEST_SUPPORT "/web_server.py"), pages});
        if (m_Process.waitForReadyRead(10000))
            m_Port = m_Process.readLine().trimmed().toInt();
    }
    ~TWebServer()
    {
        m_Process.kill();
        m_Process.waitForFinished();
    }
    bool Running() const { return m_Port > 0; }
    QString Address(const QString &path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(m_Port).arg(path); }

private:
    QProcess m_Process;
    int m_Port = 0;
};
