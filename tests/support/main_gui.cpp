#include "platform/shell/Messages.h"
#include "support/EndTestProcess.h"
#include "support/ProgramChild.h"
#include "platform/shell/ShellOpen.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    HandOverProgramChild(argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // No modal message box may block a test; each test reads what was shown.
    Messages::SetRecording(true);
    ShellOpen::SetRecording(true);
    ::testing::InitGoogleTest(&argc, argv);
    EndTestProcess(RUN_ALL_TESTS());
}
