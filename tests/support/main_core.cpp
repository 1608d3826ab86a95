#include "platform/shell/Messages.h"
#include "support/EndTestProcess.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstring>
#include <unistd.h>

int main(int argc, char **argv)
{
    // The program reads documents (and makes long texts of Flite's into files) in
    // children of its own executable; a test's child is the program's.
    if (argc > 1 && (std::strcmp(argv[1], "--read-document") == 0 || std::strcmp(argv[1], "--speak-flite") == 0)) {
        ::execv(PARLEWIND_BINARY, argv);
        return 127;
    }
    QCoreApplication app(argc, argv);
    Messages::SetRecording(true);
    ::testing::InitGoogleTest(&argc, argv);
    EndTestProcess(RUN_ALL_TESTS());
}
