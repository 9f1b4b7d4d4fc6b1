#pragma once
// A crash at an exact moment: the work runs in a child process that this one traces, and the child is
// killed on entering its n-th rename, before the rename is done, as a power cut would leave it.
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <functional>
#include <stdexcept>

inline bool IsRenameCall(unsigned long long nr) {
#ifdef SYS_rename
    if (nr == SYS_rename) return true;
#endif
#ifdef SYS_renameat
    if (nr == SYS_renameat) return true;
#endif
    return nr == SYS_renameat2;
}

// True when the child was killed at its n-th rename; false when it ended without making that many.
inline bool KilledAtRename(int n, const std::function<void()>& work) {
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("cannot fork");
    if (child == 0) {
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::raise(SIGSTOP);
        work();
        ::_exit(0);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFSTOPPED(status)) throw std::runtime_error("no child to trace");
    ::ptrace(PTRACE_SETOPTIONS, child, nullptr, reinterpret_cast<void*>(PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL));
    int renames = 0, signal = 0;
    for (;;) {
        if (::ptrace(PTRACE_SYSCALL, child, nullptr, reinterpret_cast<void*>(static_cast<long>(signal))) != 0 ||
            ::waitpid(child, &status, 0) != child)
            throw std::runtime_error("lost the traced child");
        if (WIFEXITED(status) || WIFSIGNALED(status)) return false;
        signal = WSTOPSIG(status) == (SIGTRAP | 0x80) ? 0 : WSTOPSIG(status);  // a signal of its own goes on
        __ptrace_syscall_info info{};
        if (signal != 0 || ::ptrace(PTRACE_GET_SYSCALL_INFO, child, reinterpret_cast<void*>(sizeof info), &info) <= 0 ||
            info.op != PTRACE_SYSCALL_INFO_ENTRY || !IsRenameCall(info.entry.nr) || ++renames < n)
            continue;
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        return true;
    }
}
