// The little of the platform and the trace log that the file readers touch,
// for the fuzz target, which links the readers alone.
#include "platform/platform.h"
#include "shell/shell_state.h"

namespace plat {
BackBufferDesc FrameworkBackBufferDesc() { return {}; }
bool FrameworkIsWindowed() { return true; }
DisplayMode DesktopSize() { return {}; }
LockState RunningLockState(const char*) { return LockState::Free; }
bool RunningLockAcquire(const char*) { return true; }
void RunningLockRelease() {}
}  // namespace plat

void SampleTraceValues() {}
void WriteTraceLog(int) {}
