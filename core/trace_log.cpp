#include "core/trace_log.h"

#include "core/area_flags.h"
#include "core/file_io.h"
#include "core/game_clock.h"
#include "core/player.h"
#include "core/residency.h"
#include "platform/platform.h"

#include <cstdarg>
#include <cstdio>

namespace {

void Append(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Append(std::string& out, const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n > 0) out.append(buffer, static_cast<std::size_t>(n) < sizeof buffer ? n : sizeof buffer - 1);
}

void PrintOpenStatus(bool opened) {
    std::printf(opened ? "The file 'Data/Save/SaveS0.txt' was opened\n"
                       : "The file 'Data/Save/SaveS0.txt' was not opened\n");
}

std::int32_t ToMb(std::uint64_t bytes) { return static_cast<std::int32_t>(bytes / 1024u / 1024u); }

// The fixed beginning of the event lines, 30 characters each.
struct EventLabel {
    int code;
    const char* text;
};
constexpr EventLabel kEventLabels[] = {
    {1, "  1 A    App(                 "},
    {2, "  2 B    [05] Mes Recive      "},
    {3, "  3 C    Sund( wave           "},
    {4, "  4 D    GcLoad(              "},
    {5, "  5 E    [01] Font            "},
    {6, "  6 F    [02] Sprite          "},
    {7, "  7 G    [08] OnFrameMove     "},
    {8, "  8 s    Sund2(wave           "},
    {9, "  9 e    Sund2(wave           "},
    {10, " 10 J    [06] Keyboard        "},
    {11, " 11 K    DXUTMainLoop         "},
    {12, " Reset Data 1 -------------   "},
    {13, " Reset Data 2 -------------   "},
    {98, " 98 Y    [03] OnLostDevice    "},
    {99, " 99 Z    [04] OnDestroyDevice "},
    {101, "101 Gs[1] Load  C001          "},
    {102, "102 Gs[1] Free  C001          "},
    {103, "103 Gs[2] Load  Const   Gazo  "},
    {104, "104 Gs[2] Free  Const   Gazo  "},
    {105, "105 Gs[3] Load  Menu    Gazo  "},
    {106, "106 Gs[3] Free  Menu    Gazo  "},
    {107, "107 Gs[4] Load  Stconst Gazo1 "},
    {108, "108 Gs[4] Free  Stconst Gazo1 "},
    {109, "109 Gs[5] Load  D042 44 Gazo  "},
    {110, "110 Gs[5] Free  D042 44 Gazo  "},
    {111, "111 Gs[6] Load  Stconst Gazo2 "},
    {112, "112 Gs[6] Free  Stconst Gazo2 "},
};

// Lines the code-99 entry ends with, by the framework's exit code.
constexpr const char* kShutdownCodeLines[] = {
    "  0  It performed normally. \n",
    "  1  The unknown error occurred. \n",
    "  2  Direct3D has not been initialized. \n",
    "  3  Specified device setup Direct3D device is not found. \n",
    "  4  Required media are not found.  \n",
    "  5  Direct3D devices are references other than zero.   Since it had a count, a part of object was "
    "not released.  \n",
    "  6  When it was going to create Direct3D device, the error occurred. \n",
    "  7  When it was going to reset Direct3D device, the error occurred. \n",
    "  8  The error occurred by the device creation callback function.  \n",
    "  9  Device Reset The error occurred by the callback function. \n",
    " 10  Type of the device of the last used at the time of an end   It was REF.  \n",
    " 11  The device was deleted.  \n",
};

// Single textures that have load and free entries (codes 1000 + n, 2000 + n).
struct TextureLabel {
    int n;
    const char* name;
};
constexpr TextureLabel kTextureLabels[] = {
    {1, "A001"},  {4, "A004"},  {5, "A005"},  {17, "D017"}, {23, "D023"}, {39, "D039"}, {43, "D043"},
    {45, "D045"}, {46, "D046"}, {47, "D047"}, {48, "D048"}, {49, "D049"}, {50, "D050"}, {55, "D055"},
    {56, "D056"}, {57, "D057"}, {58, "D058"}, {59, "D059"}, {61, "D061"}, {65, "D065"}, {67, "D067"},
    {69, "D069"}, {70, "D070"}, {72, "D072"}, {73, "D073"}, {74, "D074"}, {75, "D075"},
};

const char* TextureLabelOf(int n) {
    for (const auto& t : kTextureLabels)
        if (t.n == n) return t.name;
    return nullptr;
}

const char* EventLabelOf(int code) {
    for (const auto& e : kEventLabels)
        if (e.code == code) return e.text;
    return nullptr;
}

void AppendPlanLines(std::string& out, int rows) {
    for (int i = 1; i <= rows && i < kPloadRowCapacity; ++i) {
        int from = PloadPlan.rowFrom[i];
        int to = PloadPlan.rowTo[i];
        Append(out, "GNoA[%3d]=%3d B[%3d]=%6d C[%3d]=%6d (%6d -> %6d)\n", i, PloadPlan.rowSet[i], i, from, i,
               to, from - 1200, to + 1200);
    }
}

const char* CpuName(const plat::SystemFacts& f) {
    switch (f.processorType) {
        case 386: return "Intel386        \n";
        case 486: return "Intel486        \n";
        case 10003: return "HITACHI SH3     \n";
        case 10005: return "HITACHI SH4     \n";
        case 2577: return "STRONGARM       \n";
        case 1824: return "ARM720          \n";
        case 4000: return "MIPSR4000       \n";
        case 21064: return "ALPHA_21064     \n";
        default: break;
    }
    switch (f.processorLevel) {
        case 5: return "Intel Pentium   \n";
        case 6: {
            // Family-6 models in the order the four names came out.
            unsigned model = f.processorRevision >> 8;
            if (model <= 2) return "Intel Pentium Pro \n";
            if (model <= 5) return "Intel Pentium 2   \n";
            if (model == 6) return "Celeron           \n";
            return "Intel Pentium 3   \n";
        }
        case 15: return "Intel Pentium 4 \n";
        default: return "Intel Pentium Unknouwn \n";
    }
}

}  // namespace

void TakeMemoryReadings() {
    plat::MemoryStatus memory;
    if (plat::QueryMemoryStatus(memory)) {
        TraceSample.totalMb = ToMb(memory.totalPhysical);
        TraceSample.availableMb = ToMb(memory.availablePhysical);
    }
    if (TraceSample.firstAvailableMb == 0) {
        TraceSample.firstAvailableMb = TraceSample.availableMb;
        TraceSample.lowestAvailableMb = TraceSample.availableMb;
    }
    if (TraceSample.availableMb < TraceSample.lowestAvailableMb)
        TraceSample.lowestAvailableMb = TraceSample.availableMb;
}

void TakeClockReading() {
    plat::LocalDateTime now;
    if (plat::QueryLocalTime(now)) {
        TraceSample.year = now.year;
        TraceSample.month = now.month;
        TraceSample.day = now.day;
        TraceSample.hour = now.hour;
        TraceSample.minute = now.minute;
        TraceSample.second = now.second;
    } else if (!RunOnceMarks.clockFailureReported) {
        // A clock that cannot be read is no reason to end the game: the
        // entries keep the last time read.
        RunOnceMarks.clockFailureReported = true;
        std::fprintf(stderr, "Quillmarch: the local time could not be read; the logs keep the last time read.\n");
    }
}

void TakeTraceReadings() {
    TakeMemoryReadings();
    TakeClockReading();
}

void SampleTraceValues() {
    // The memory figures are read by the entry that follows every sampling.
    TakeClockReading();
    if (!RunOnceMarks.entry100Written) {
        RunOnceMarks.entry100Written = true;
        WriteTraceLog(100);
    }
}

std::string TraceHeaderText() {
    std::string out;
    out += "Quillmarch trace log  (c) Quillmarch developers\n";
    out += " \n";
    // The system names list only the desktop systems the log was made for;
    // any other system is reported as unknown.
    out += "os     Unknown Windows     \n";
    plat::SystemFacts f = plat::QuerySystemFacts();
    out += "cpu    ";
    out += CpuName(f);
    Append(out, "       dwPageSize              = %d, \n", static_cast<int>(f.pageSize));
    Append(out, "       dwActiveProcessorMask   = %d, \n", static_cast<int>(f.activeProcessorMask));
    Append(out, "       dwNumberOfProcessors    = %d, \n", static_cast<int>(f.numberOfProcessors));
    Append(out, "       dwProcessorType         = %d, \n", static_cast<int>(f.processorType));
    Append(out, "       dwAllocationGranularity = %d, \n", static_cast<int>(f.allocationGranularity));
    Append(out, "       wProcessorLevel         = %d, \n", static_cast<int>(f.processorLevel));
    Append(out, "       wProcessorRevision      = %d, \n", static_cast<int>(f.processorRevision));
    out += "\n";
    plat::MemoryStatus m;
    plat::QueryMemoryStatus(m);
    Append(out, "memory Physical(Total %6d Mb    Avail %6d Mb)\n", ToMb(m.totalPhysical), ToMb(m.availablePhysical));
    Append(out, "       Virtual (Total %6d Mb    Avail %6d Mb)\n\n", ToMb(m.totalVirtual), ToMb(m.availableVirtual));
    out += "\n\n";
    return out;
}

std::string TraceEntryText(int code) {
    const TraceSampleRecord& s = TraceSample;
    const int taken = s.firstAvailableMb - s.availableMb;
    const int mostTaken = s.firstAvailableMb - s.lowestAvailableMb;
    const int check = s.hour + s.minute - s.second - s.availableMb;
    std::string out;

    if (const char* label = EventLabelOf(code)) {
        out += label;
        Append(out, "%2d:%2d:%2d %6d %6d %5.3f  %1.3f cc%10d\n", s.hour, s.minute, s.second, taken, mostTaken,
               GameClock.gameClock, GameClock.frameTime, check);
        if (code == 99) {
            out += "Direct3D Shutdown Code ";
            int exitCode = plat::FrameworkExitCode();
            if (exitCode >= 0 && exitCode <= 11) out += kShutdownCodeLines[exitCode];
        }
        return out;
    }
    if (code == 100) {
        int ownCheck = s.year + s.month + s.day - s.hour - s.minute + s.second + s.totalMb - s.availableMb;
        Append(out, "100 H_00 Memory %4d/%2d/%2d    %2d:%2d:%2d %6d %6d  cc%10d\n", s.year, s.month, s.day, s.hour,
               s.minute, s.second, s.totalMb, s.availableMb, ownCheck);
        return out;
    }
    if (code >= 951 && code <= 956) {
        const bool save = code <= 953;
        Append(out, "%s Gdata0%1d %2d %2d %2d %2d %2d --------------------------------------------------------\n",
               save ? "Save" : "Load", save ? code - 950 : code - 953, Era00AreaFlag, Era01AreaFlag,
               Era02AreaFlag, Era03AreaFlag, Era04AreaFlag);
        return out;
    }
    switch (code) {
        case 957: return "Era00 --> Era01 \n";
        case 989: out = "Era01 Pload data new \n"; AppendPlanLines(out, 37); return out;
        case 971: out = "Era03 Pload data new \n"; AppendPlanLines(out, 12); return out;
        case 972: out = "Era04 Pload data new \n"; AppendPlanLines(out, 8); return out;
        case 990: {
            plat::BackBufferDesc bb = plat::FrameworkBackBufferDesc();
            const bool windowed = plat::FrameworkIsWindowed();
            double fps = GameClock.frameTime > 0 ? 1.0 / GameClock.frameTime : 0.0;
            out += " Kiddo Ok ----------  \n\n";
            out += " Direct3D Settings ------------ \n";
            Append(out, "  1 Render Device Type:Display_Adapter    ( %s )  \n", "HAL: Quillmarch renderer");
            Append(out, "  2 Vsync (Resolution) Adapter_format ( Depth/Stencil Format) ( %s (%dx%d), X8R8G8B8 (D32) )  \n",
                   windowed ? "vsync off" : "vsync on", bb.width, bb.height);
            Append(out, "  3 FPS =  %f  \n", fps);
            Append(out, "  4 Windowmode %d \n", windowed ? 1 : 0);
            out += "\n\n";
            return out;
        }
        case 991: return "Stage  --> Menu  \n";
        case 992: return "Menu   --> Stage \n";
        case 993: return "Era01 --> Era02 \n";
        case 994: return "Era02 --> Era01 \n";
        case 995: return "Era02 --> Era03 \n";
        case 996: return "Era03 --> Era02 \n";
        case 997: return "Gameover        \n";
        case 998: return "Ending          \n";
        case 999: return "Esc             \n";
        default: break;
    }
    if (code > 1000 && code < 1100) {
        if (const char* name = TextureLabelOf(code - 1000))
            Append(out, " load %s            %6d           %6d %6d  \n", name, ScrollX, taken, mostTaken);
        return out;
    }
    if (code > 2000 && code < 2100) {
        if (const char* name = TextureLabelOf(code - 2000))
            Append(out, " free %s            %6d           %6d %6d  \n", name, ScrollX, taken, mostTaken);
        return out;
    }
    if (code > 99000 && code <= 99100) {
        int n = code - 99000;
        Append(out, "Pload   GNo[%3d]=%3d  %6d           %6d %6d  \n", n, static_cast<int>(PloadPlan.state[n]), ScrollX,
               taken, mostTaken);
        return out;
    }
    if (code > 77000 && code <= 77100) {
        int n = code - 77000;
        Append(out, "Pfree   GNo[%3d]=%3d  %6d           %6d %6d  \n", n, static_cast<int>(PloadPlan.state[n]), ScrollX,
               taken, mostTaken);
        return out;
    }
    return out;
}

void WriteTraceLog(int code) {
    EnsureDirectory("Data/Save");
    if (code == 0) {
        std::string header = TraceHeaderText();
        bool ok = WriteFileAtomically(kTraceLogPath, header);
        PrintOpenStatus(ok);
        return;
    }
    // The memory figures an entry prints are read now, not every frame.
    TakeMemoryReadings();
    std::FILE* f = OpenForAppend(kTraceLogPath);
    PrintOpenStatus(f != nullptr);
    if (!f) return;
    std::string entry = TraceEntryText(code);
    if (!entry.empty()) std::fwrite(entry.data(), 1, entry.size(), f);
    if (std::fclose(f) != 0) std::printf("FILE CLOSE ERROR\n");
}
