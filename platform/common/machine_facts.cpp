// Memory, clock and processor readings for the game's trace log. The memory
// and the clock are read here for the real backend; the headless one keeps a
// machine and a calendar of its own (platform/headless/machine_readings.cpp).
#include "platform/platform.h"

#include "platform/common/internal.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace plat {

namespace {

// Reads "Key:   123 kB" from /proc/meminfo; false when absent.
bool MeminfoValue(const char* text, const char* key, std::uint64_t& bytes) {
    const char* p = std::strstr(text, key);
    if (!p) return false;
    p += std::strlen(key);
    unsigned long long kb = 0;
    if (std::sscanf(p, " %llu", &kb) != 1) return false;
    bytes = static_cast<std::uint64_t>(kb) * 1024u;
    return true;
}

std::size_t ReadSmallFile(const char* path, char* buffer, std::size_t capacity) {
    std::FILE* f = std::fopen(path, "r");
    if (!f) return 0;
    std::size_t n = std::fread(buffer, 1, capacity - 1, f);
    std::fclose(f);
    buffer[n] = '\0';
    return n;
}

unsigned CpuinfoNumber(const char* text, const char* key) {
    const char* p = std::strstr(text, key);
    if (!p) return 0;
    p = std::strchr(p, ':');
    if (!p) return 0;
    unsigned value = 0;
    if (std::sscanf(p + 1, " %u", &value) != 1) return 0;
    return value;
}

}  // namespace

bool detail::ReadMemoryStatus(MemoryStatus& out) {
    char text[8192];
    if (ReadSmallFile("/proc/meminfo", text, sizeof text) == 0) return false;
    std::uint64_t total = 0, available = 0;
    if (!MeminfoValue(text, "MemTotal:", total)) return false;
    if (!MeminfoValue(text, "MemAvailable:", available) && !MeminfoValue(text, "MemFree:", available))
        return false;
    out.totalPhysical = total;
    out.availablePhysical = available;
    // The address space a process may use: its limit when one is set, else
    // the user half of a 64-bit space (47 bits).
    std::uint64_t space = std::uint64_t{1} << 47;
    struct rlimit limit {};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) space = limit.rlim_cur;
    std::uint64_t used = 0;
    char status[8192];
    if (ReadSmallFile("/proc/self/status", status, sizeof status) > 0) MeminfoValue(status, "VmSize:", used);
    out.totalVirtual = space;
    out.availableVirtual = used < space ? space - used : 0;
    return true;
}

void detail::DateTimeOf(const std::tm& t, LocalDateTime& out) {
    out.year = t.tm_year + 1900;
    out.month = t.tm_mon + 1;
    out.day = t.tm_mday;
    out.hour = t.tm_hour;
    out.minute = t.tm_min;
    out.second = t.tm_sec;
}

bool detail::ReadLocalTime(LocalDateTime& out) {
    std::time_t now = std::time(nullptr);
    if (now == static_cast<std::time_t>(-1)) return false;
    std::tm local {};
    if (!localtime_r(&now, &local)) return false;
    DateTimeOf(local, out);
    return true;
}

SystemFacts QuerySystemFacts() {
    SystemFacts facts;
    long page = sysconf(_SC_PAGESIZE);
    facts.pageSize = page > 0 ? static_cast<std::uint32_t>(page) : 4096u;
    // Memory is reserved in whole pages here; there is no larger unit.
    facts.allocationGranularity = facts.pageSize;
    long cpus = sysconf(_SC_NPROCESSORS_ONLN);
    facts.numberOfProcessors = cpus > 0 ? static_cast<std::uint32_t>(cpus) : 1u;
    facts.activeProcessorMask =
        facts.numberOfProcessors >= 32 ? 0xFFFFFFFFu : ((1u << facts.numberOfProcessors) - 1u);
#if defined(__x86_64__)
    facts.processorType = 8664;
#elif defined(__i386__)
    facts.processorType = 586;
#else
    facts.processorType = 0;
#endif
    static char cpuinfo[16384];
    if (ReadSmallFile("/proc/cpuinfo", cpuinfo, sizeof cpuinfo) > 0) {
        facts.processorLevel = CpuinfoNumber(cpuinfo, "cpu family");
        facts.processorRevision = CpuinfoNumber(cpuinfo, "model\t") * 256u + CpuinfoNumber(cpuinfo, "stepping");
    }
    return facts;
}

}  // namespace plat
