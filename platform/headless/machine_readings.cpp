// The headless backend's machine and calendar: fixed memory figures, and a
// local time that starts at a fixed moment and runs on the virtual clock. A
// headless run is then decided by its keys and its seed alone: the date a
// save carries, the day on the field's notice and the trace log's times and
// figures come out the same in every run, on every machine.
#include "platform/platform.h"

#include "platform/common/internal.h"

#include <cmath>
#include <ctime>

namespace plat {

namespace {

constexpr std::uint64_t kMb = 1024u * 1024u;
// 2026-04-01 09:00:00, the calendar's moment at clock 0.
constexpr std::time_t kCalendarStart = 1775034000;

}  // namespace

bool QueryMemoryStatus(MemoryStatus& out) {
    out.totalPhysical = 8192 * kMb;
    out.availablePhysical = 6144 * kMb;
    out.totalVirtual = std::uint64_t{1} << 47;
    out.availableVirtual = out.totalVirtual - 2048 * kMb;
    return true;
}

bool QueryLocalTime(LocalDateTime& out) {
    const double clock = TimerGetTime();
    const std::time_t now = kCalendarStart + static_cast<std::time_t>(std::floor(clock > 0 ? clock : 0));
    std::tm t{};
    if (!gmtime_r(&now, &t)) return false;
    detail::DateTimeOf(t, out);
    return true;
}

}  // namespace plat
