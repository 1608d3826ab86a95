#pragma once

#include <QStringList>

// `parlewind --convert …`: text into speech files from a terminal or a script,
// with no display and no sound server. Returns the exit status.
int ConvertMain(int argc, char *argv[]);
