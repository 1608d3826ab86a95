#include "platform/shell/Messages.h"
#include "support/EndTestProcess.h"
#include "support/ProgramChild.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    HandOverProgramChild(argc, argv);
    QCoreApplication app(argc, argv);
    Messages::SetRecording(true);
    ::testing::InitGoogleTest(&argc, argv);
    EndTestProcess(RUN_ALL_TESTS());
}
