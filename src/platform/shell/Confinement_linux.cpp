#include "platform/shell/Confinement.h"

#include <QCoreApplication>

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
    *error = QCoreApplication::translate("Documents", "a limit could not be set: %1")
                 .arg(QString::fromLocal8Bit(std::strerror(errno)));
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
        *error =
            QCoreApplication::translate("Documents", "the system-call filter could not be made");
        return false;
    }
    scmp_filter_ctx context = filter.get();
    int failed = 0;
    const auto refuse = [&](int call, int code) {
        failed |= seccomp_rule_add(context, SCMP_ACT_ERRNO(code), call, 0);
    };
    // No connection, local or remote (io_uring makes sockets of its own); no other
    // program; no one else to signal, inspect or take a descriptor from; no new
    // namespaces, mounts, keys or kernel programs.
    for (const int call :
         {SCMP_SYS(socket),           SCMP_SYS(socketpair),        SCMP_SYS(execve),           SCMP_SYS(execveat),
          SCMP_SYS(ptrace),           SCMP_SYS(process_vm_writev), SCMP_SYS(process_vm_readv), SCMP_SYS(io_uring_setup),
          SCMP_SYS(io_uring_enter),   SCMP_SYS(io_uring_register), SCMP_SYS(pidfd_open),       SCMP_SYS(pidfd_send_signal),
          SCMP_SYS(pidfd_getfd),      SCMP_SYS(tkill),             SCMP_SYS(kcmp),             SCMP_SYS(unshare),
          SCMP_SYS(setns),            SCMP_SYS(mount),             SCMP_SYS(umount2),          SCMP_SYS(pivot_root),
          SCMP_SYS(chroot),           SCMP_SYS(add_key),           SCMP_SYS(request_key),      SCMP_SYS(keyctl),
          SCMP_SYS(bpf),              SCMP_SYS(perf_event_open),   SCMP_SYS(userfaultfd),      SCMP_SYS(open_by_handle_at),
          SCMP_SYS(name_to_handle_at)})
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
    for (const int call : {SCMP_SYS(tgkill), SCMP_SYS(rt_sigqueueinfo), SCMP_SYS(rt_tgsigqueueinfo)})
        failed |= seccomp_rule_add(context, SCMP_ACT_ERRNO(EPERM), call, 1, SCMP_A0(SCMP_CMP_NE, self));
    if (failed != 0 || seccomp_load(context) != 0) {
        *error =
            QCoreApplication::translate("Documents", "the system-call filter could not be applied");
        return false;
    }
    return true;
}

bool readsKept = false;

// Landlock's attributes as later kernels know them (the system's headers may be
// older than the kernel); a kernel is given as much of them as its version reads.
struct TRulesetAttr
{
    __u64 handled_access_fs = 0;
    __u64 handled_access_net = 0; // version 4
    __u64 scoped = 0;             // version 6
};
constexpr __u64 NetBindTcp = 1ULL << 0, NetConnectTcp = 1ULL << 1;
constexpr __u64 ScopeAbstractUnixSocket = 1ULL << 0, ScopeSignal = 1ULL << 1;

// Where the kernel can (Landlock, Linux 5.13 and later), nothing but the system's
// own data may be opened any more: not a user's files, not the document's
// neighbours. Later kernels also shut TCP (version 4) and abstract local sockets
// and signals to processes outside (version 6). Elsewhere the filter above still
// keeps everything from being written.
bool KeepReadsToSystemData()
{
    const long abi = ::syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    if (abi < 1)
        return false;
    TRulesetAttr ruleset;
    // Every file right of the version: make, remove, write, refer (2), truncate (3), device ioctl (5).
    const int fsRights = abi >= 5 ? 16 : abi >= 3 ? 15 : abi >= 2 ? 14 : 13;
    ruleset.handled_access_fs = (1ULL << fsRights) - 1;
    size_t size = sizeof ruleset.handled_access_fs;
    if (abi >= 4) {
        ruleset.handled_access_net = NetBindTcp | NetConnectTcp;
        size += sizeof ruleset.handled_access_net;
    }
    if (abi >= 6) {
        ruleset.scoped = ScopeAbstractUnixSocket | ScopeSignal;
        size += sizeof ruleset.scoped;
    }
    const int rules = int(::syscall(SYS_landlock_create_ruleset, &ruleset, size, 0));
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

} // namespace Confinement
