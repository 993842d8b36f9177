// The OS lock that tells a running copy of the game from a stale running
// mark. flock() locks belong to the open file description: the system drops
// them when the process ends, crash or kill included.
#include "platform/platform.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace plat {

namespace {
int g_lockFd = -1;
}

LockState RunningLockState(const char* lockPath) {
    if (g_lockFd >= 0) return LockState::Free;   // this process holds it
    int fd = ::open(lockPath, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return LockState::Unknown;
    LockState state = LockState::Free;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        state = (errno == EWOULDBLOCK) ? LockState::HeldByOther : LockState::Unknown;
    // Closing the probe's descriptor drops its lock again.
    ::close(fd);
    return state;
}

bool RunningLockAcquire(const char* lockPath) {
    if (g_lockFd >= 0) return true;
    int fd = ::open(lockPath, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    g_lockFd = fd;
    return true;
}

void RunningLockRelease() {
    if (g_lockFd < 0) return;
    ::flock(g_lockFd, LOCK_UN);
    ::close(g_lockFd);
    g_lockFd = -1;
}

}  // namespace plat
