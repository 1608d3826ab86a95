#pragma once

#include <QString>

#include <functional>

// Shuts the calling process in before it handles input from outside, so that the
// worst such input can do is use up what the process is allowed and end it.
namespace Confinement {

struct TLimits
{
    qint64 MemoryBytes = 0; // address space; 0: no limit
    int CpuSeconds = 0;     // processor time, after which the process is ended; 0: no limit
};

// From now on the process has at most those limits, writes no file, dumps no
// core, makes no connection of any kind, starts no program and sends no signal to
// another process; it reads no file but the system's own data (where the kernel
// can tell them apart: ReadsKeptToSystemData). False, with the reason, when that
// could not be done; the process must then not go on.
bool Apply(const TLimits &limits, QString *error);
// Since Apply, files outside the system's own (/usr) cannot even be read.
bool ReadsKeptToSystemData();

// For a child process, run between its start and its program: the child ends
// when this process does (a killed program leaves no reader working on), and does
// not start at all if this process is already gone.
std::function<void()> EndsWithParent();

// The most memory (resident) the process has used so far, in bytes.
qint64 PeakMemory();

} // namespace Confinement
