#include "platform/shell/Confinement.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/landlock.h>
#include <seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <memory>

namespace {

bool Limit(int resource, rlim_t soft, rlim_t hard, QString *error)
{
    const rlimit limit{soft, hard};
    if (::setrlimit(resource, &limit) == 0)
        return true;
    *error =
        QStringLiteral("a limit could not be set: ") + QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

// Starts from "everything allowed" and refuses what a reader of documents never
// needs; a refused call fails with an error rather than ending the process, so the
// libraries report it the ordinary way.
bool Filter(QString *error)
{
    const std::unique_ptr<void, void (*)(scmp_filter_ctx)> filter(seccomp_init(SCMP_ACT_ALLOW),
                                                                  seccomp_release);
    if (!filter) {
        *error = QStringLiteral("the system-call filter could not be made");
        return false;
    }
    scmp_filter_ctx context = filter.get();
    int failed = 0;
    const auto refuse = [&](int call, int code) {
        failed |= seccomp_rule_add(context, SCMP_ACT_ERRNO(code), call, 0);
    };
    // No connection, local or remote; no other program; no one else to signal or inspect.
    for (const int call : {SCMP_SYS(socket), SCMP_SYS(execve), SCMP_SYS(execveat), SCMP_SYS(ptrace),
                           SCMP_SYS(process_vm_writev), SCMP_SYS(process_vm_readv)})
        refuse(call, EACCES);
    // Nothing written, made, renamed or removed.
    for (const int call :
         {SCMP_SYS(creat),     SCMP_SYS(unlink),    SCMP_SYS(unlinkat), SCMP_SYS(rename),
          SCMP_SYS(renameat),  SCMP_SYS(renameat2), SCMP_SYS(mkdir),    SCMP_SYS(mkdirat),
          SCMP_SYS(rmdir),     SCMP_SYS(link),      SCMP_SYS(linkat),   SCMP_SYS(symlink),
          SCMP_SYS(symlinkat), SCMP_SYS(truncate),  SCMP_SYS(chmod),    SCMP_SYS(fchmodat),
          SCMP_SYS(chown),     SCMP_SYS(fchownat),  SCMP_SYS(lchown),   SCMP_SYS(mknod),
          SCMP_SYS(mknodat),   SCMP_SYS(utimensat)})
        refuse(call, EACCES);
    // Files open for reading only (openat2 takes its flags in a structure the
    // filter cannot see: the C library then falls back to openat).
    refuse(SCMP_SYS(openat2), ENOSYS);
    for (const int flag : {O_WRONLY, O_RDWR, O_CREAT, O_TRUNC}) {
        failed |=
            seccomp_rule_add(context, SCMP_ACT_ERRNO(EACCES), SCMP_SYS(open), 1,
                             SCMP_A1(SCMP_CMP_MASKED_EQ, scmp_datum_t(flag), scmp_datum_t(flag)));
        failed |=
            seccomp_rule_add(context, SCMP_ACT_ERRNO(EACCES), SCMP_SYS(openat), 1,
                             SCMP_A2(SCMP_CMP_MASKED_EQ, scmp_datum_t(flag), scmp_datum_t(flag)));
    }
    // Signals only to itself (abort() is one).
    const auto self = scmp_datum_t(::getpid());
    failed |= seccomp_rule_add(context, SCMP_ACT_ERRNO(EPERM), SCMP_SYS(kill), 1,
                               SCMP_A0(SCMP_CMP_NE, self));
    failed |= seccomp_rule_add(context, SCMP_ACT_ERRNO(EPERM), SCMP_SYS(tgkill), 1,
                               SCMP_A0(SCMP_CMP_NE, self));
    if (failed != 0 || seccomp_load(context) != 0) {
        *error = QStringLiteral("the system-call filter could not be applied");
        return false;
    }
    return true;
}

bool readsKept = false;

// Where the kernel can (Landlock, Linux 5.13 and later), nothing but the system's
// own data may be opened any more: not a user's files, not the document's
// neighbours. Elsewhere the filter above still keeps everything from being written.
bool KeepReadsToSystemData()
{
    landlock_ruleset_attr ruleset{};
    ruleset.handled_access_fs =
        (LANDLOCK_ACCESS_FS_MAKE_SYM << 1) - 1; // every right of the first version
    const int rules = int(::syscall(SYS_landlock_create_ruleset, &ruleset, sizeof ruleset, 0));
    if (rules < 0)
        return false;
    for (const char *path : {"/usr", "/proc/self"}) {
        const int folder = ::open(path, O_PATH | O_CLOEXEC);
        if (folder < 0)
            continue;
        landlock_path_beneath_attr beneath{};
        beneath.allowed_access = LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_READ_DIR;
        beneath.parent_fd = folder;
        ::syscall(SYS_landlock_add_rule, rules, LANDLOCK_RULE_PATH_BENEATH, &beneath, 0);
        ::close(folder);
    }
    const bool kept = ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
                      ::syscall(SYS_landlock_restrict_self, rules, 0) == 0;
    ::close(rules);
    return kept;
}

} // namespace

namespace Confinement {

bool ReadsKeptToSystemData()
{
    return readsKept;
}

bool Apply(const TLimits &limits, QString *error)
{
    // The address-sanitizer build reserves terabytes of address space for itself.
#if !defined(__SANITIZE_ADDRESS__)
    if (limits.MemoryBytes > 0 &&
        !Limit(RLIMIT_AS, rlim_t(limits.MemoryBytes), rlim_t(limits.MemoryBytes), error))
        return false;
#endif
    // Past the soft limit the process is told (and ended); the hard one kills it.
    if (limits.CpuSeconds > 0 &&
        !Limit(RLIMIT_CPU, rlim_t(limits.CpuSeconds), rlim_t(limits.CpuSeconds + 5), error))
        return false;
    // No file size limit: it would hold for the standard error too, when that is a file.
    if (!Limit(RLIMIT_CORE, 0, 0, error))
        return false;
    readsKept = KeepReadsToSystemData();
    return Filter(error);
}

qint64 PeakMemory()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

} // namespace Confinement
