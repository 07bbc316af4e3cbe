// SPDX-License-Identifier: GPL-3.0-or-later
// A child process with mounts of its own, for tests that mount as root (or a namespace) can:
// nothing else ever sees them.
#pragma once

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace kestro::test {

constexpr int kNoMounts = 2;  // the status where mounts cannot be made

// Runs `work` there and gives its exit status.
inline int inOwnMounts(const std::function<int()>& work) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(::unshare(CLONE_NEWNS) != 0 ||
                        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
                    ? kNoMounts
                    : work());
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace kestro::test
