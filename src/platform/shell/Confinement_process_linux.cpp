#include "platform/shell/Confinement.h"

#include <csignal>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

// What the program itself takes of the confinement: apart from the filter, whose
// library only the reader needs (the program would load it at every start).

namespace Confinement {

std::function<void()> EndsWithParent()
{
    const pid_t parent = ::getpid();
    // Only calls that are safe between fork and exec.
    return [parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
    };
}

qint64 PeakMemory()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

} // namespace Confinement
