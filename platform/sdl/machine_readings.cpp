// The real backend reads the machine's memory and the local time as they are.
#include "platform/platform.h"

#include "platform/common/internal.h"

namespace plat {

bool QueryMemoryStatus(MemoryStatus& out) { return detail::ReadMemoryStatus(out); }
bool QueryLocalTime(LocalDateTime& out) { return detail::ReadLocalTime(out); }

}  // namespace plat
