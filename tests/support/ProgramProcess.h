#pragma once

#include "support/TempHome.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <csignal>

#include <gtest/gtest.h>

#include <functional>

// The real program, started as a user would, on the test display and sound server.
class ProgramProcess
{
public:
    explicit ProgramProcess(const QStringList &args = {},
                            const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess &) = delete;
    ProgramProcess &operator=(const ProgramProcess &) = delete;

    QProcess &Process() { return m_Process; }
    // Asks the system: QProcess only learns of an exit while events are processed.
    bool Running() const;
    void Terminate() { Signal(SIGTERM); }
    void Signal(int signal);

private:
    QProcess m_Process;
};

// Polls without running the event loop until the condition holds or the time is up.
bool WaitFor(const std::function<bool()> &condition, int ms);

// Visible top-level windows whose title matches the pattern (xdotool's --name).
QStringList VisibleWindows(const QString &titlePattern);

// A fresh home for the program, and its trace log; needs the test display and
// sound server.
class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override;
    QString LogText() const;
    TempHome home;
    QString log;
};
