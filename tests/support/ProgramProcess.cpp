#include "support/ProgramProcess.h"

#include "support/TempHome.h"

#include <QDeadlineTimer>
#include <QThread>

#include <csignal>

ProgramProcess::ProgramProcess(const QStringList &args, const QProcessEnvironment &env)
{
    m_Process.setProgram(QStringLiteral(PARLEWIND_BINARY));
    m_Process.setArguments(args);
    m_Process.setProcessEnvironment(env);
    m_Process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_Process.start();
}

ProgramProcess::~ProgramProcess()
{
    if (m_Process.state() != QProcess::NotRunning) {
        m_Process.kill();
        m_Process.waitForFinished(3000);
    }
}

bool ProgramProcess::Running() const
{
    const qint64 pid = m_Process.processId();
    if (pid <= 0)
        return false;
    const QByteArray stat = TempHome::ReadFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const int end = stat.lastIndexOf(')');
    return end > 0 && stat.size() > end + 2 && stat.at(end + 2) != 'Z' && stat.at(end + 2) != 'X';
}

void ProgramProcess::Signal(int signal)
{
    // A process that has ended has no id; kill(0) would reach the whole process group.
    const qint64 pid = m_Process.processId();
    if (pid > 0)
        ::kill(static_cast<pid_t>(pid), signal);
}

bool WaitFor(const std::function<bool()> &condition, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(25);
    }
    return true;
}

QStringList VisibleWindows(const QString &titlePattern)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), titlePattern});
    search.waitForFinished(5000);
    return QString::fromUtf8(search.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void ProgramTest::SetUp()
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "run through scripts/test";
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run through scripts/test";
    log = home.ProgramDir() + QStringLiteral("/parlewind.dbg");
}

QString ProgramTest::LogText() const { return QString::fromUtf8(TempHome::ReadFile(log)); }
