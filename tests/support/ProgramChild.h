#pragma once

#include <cstring>
#include <unistd.h>

// The program reads documents (and makes long texts of Flite's into files) in
// children of its own executable; a test program's child is handed over to the
// program itself. Returns only when this is no such child.
inline void HandOverProgramChild(int argc, char **argv)
{
    if (argc > 1 && (std::strcmp(argv[1], "--read-document") == 0 || std::strcmp(argv[1], "--speak-flite") == 0)) {
        ::execv(PARLEWIND_BINARY, argv);
        ::_exit(127);
    }
}
