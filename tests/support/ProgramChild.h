#pragma once

#include <algorithm>
#include <cstring>
#include <iterator>
#include <unistd.h>

// The program makes long texts into files and lists other programs' voices in
// children of its own executable; a test program's child
// is handed over to the program itself. Returns only when this is no such child.
inline void HandOverProgramChild(int argc, char **argv)
{
    const char *const children[] = {"--speak-flite", "--list-speech-dispatcher"};
    if (argc > 1 && std::any_of(std::begin(children), std::end(children),
                                [&](const char *option) { return std::strcmp(argv[1], option) == 0; })) {
        ::execv(PARLEWIND_BINARY, argv);
        ::_exit(127);
    }
}
