#include "platform/shell/Messages.h"
#include "support/EndTestProcess.h"
#include "platform/shell/ShellOpen.h"

#include <QApplication>

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
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // No modal message box may block a test; each test reads what was shown.
    Messages::SetRecording(true);
    ShellOpen::SetRecording(true);
    ::testing::InitGoogleTest(&argc, argv);
    EndTestProcess(RUN_ALL_TESTS());
}
