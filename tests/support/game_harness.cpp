#include "support/game_harness.h"

#include "platform/common/internal.h"
#include "shell/frame.h"
#include "shell/graphics.h"
#include "shell/picture_resources.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path MakeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "quillmarch_test_XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) return {};
    return fs::path(buffer.data());
}

// The effect file the device creation loads: from the built game folder, or
// the source tree when the build has not copied it yet.
fs::path FindEffectFile() {
    const fs::path candidates[] = {
        fs::path(QM_GAME_DIR) / "Quillmarch.fx",
        fs::path(QM_SOURCE_DIR) / "platform" / "data" / "Quillmarch.fx",
    };
    for (const auto& c : candidates) {
        std::error_code ec;
        if (fs::is_regular_file(c, ec)) return c;
    }
    return {};
}

}  // namespace

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void GameHarness::SetUp() {
    previousDir_ = fs::current_path();
    dir_ = MakeTempFolder();
    ASSERT_FALSE(dir_.empty()) << "cannot create a temporary folder";
    fs::current_path(dir_);
    plat::headless::Reset();
}

void GameHarness::TearDown() {
    if (started_ && !stopped_) StopGame();
    std::error_code ec;
    if (!previousDir_.empty()) fs::current_path(previousDir_, ec);
    if (!dir_.empty()) fs::remove_all(dir_, ec);
}

bool GameHarness::MoveToACopyOfTheFolder() {
    const fs::path copy = MakeTempFolder();
    if (copy.empty()) return false;
    std::error_code ec;
    fs::copy(dir_, copy, fs::copy_options::recursive | fs::copy_options::copy_symlinks, ec);
    if (ec) return false;
    fs::current_path(copy, ec);
    if (ec) return false;
    dir_ = copy;
    return true;
}

int GameHarness::TryStartGame() {
    std::error_code ec;
    fs::create_directories(dir_ / "Data", ec);
    if (linkSounds) {
        fs::path wav = fs::path(QM_GAME_DIR) / "Data" / "Wav";
        if (fs::is_directory(wav, ec) && !fs::exists(dir_ / "Data" / "Wav", ec))
            fs::create_directory_symlink(wav, dir_ / "Data" / "Wav", ec);
    }
    fs::path effect = FindEffectFile();
    if (!effect.empty() && !fs::exists(dir_ / "Quillmarch.fx", ec))
        fs::copy_file(effect, dir_ / "Quillmarch.fx", ec);
    plat::headless::SetFrameStep(frameStep);
    plat::headless::SetFrameHistory(frameHistory);
    plat::headless::SetBackBuffer(backBufferWidth, backBufferHeight);
    started_ = true;
    return GameStartUp();
}

int GameHarness::StartGame() {
    int result = TryStartGame();
    EXPECT_EQ(result, 0) << "the game did not start";
    return result;
}

int GameHarness::StopGame() {
    if (!started_ || stopped_) return exitCode_;
    stopped_ = true;
    // Let the framework end its loop the way the real window does: the close
    // request finishes, then the device is lost and destroyed.
    if (!plat::headless::WindowClosed()) plat::FrameworkCloseWindow();
    plat::headless::SetMainLoopFrameLimit(1);
    plat::FrameworkMainLoop();
    exitCode_ = GameShutDown();
    return exitCode_;
}

int GameHarness::RestartGame(const std::function<void()>& betweenRuns) {
    StopGame();
    if (betweenRuns) betweenRuns();
    plat::headless::Reset();
    started_ = stopped_ = false;
    return StartGame();
}

int GameHarness::RunFrames(int n) {
    if (!afterEachFrame && !beforeEachFrame) {
        const int ran = plat::headless::RunFrames(n);
        framesRun_ += ran;
        return ran;
    }
    int ran = 0;
    for (; ran < n; ++ran) {
        if (beforeEachFrame) beforeEachFrame();
        if (plat::headless::RunFrames(1) != 1) break;
        ++framesRun_;
        if (afterEachFrame) afterEachFrame();
    }
    return ran;
}

int GameHarness::RunScript(const std::vector<ScriptedKey>& script, int frames) {
    int ran = 0;
    for (int f = 0; f < frames; ++f) {
        for (const auto& k : script)
            if (k.frame == f) {
                if (onKeyEvent) onKeyEvent(k.key, k.down);
                plat::headless::QueueKey(k.key, k.down);
            }
        if (RunFrames(1) == 0) break;
        ++ran;
    }
    return ran;
}

void GameHarness::Press(int key) {
    if (onKeyEvent) onKeyEvent(key, true);
    plat::headless::QueueKey(key, true);
}
void GameHarness::Release(int key) {
    if (onKeyEvent) onKeyEvent(key, false);
    plat::headless::QueueKey(key, false);
}
void GameHarness::Tap(int key) {
    if (onKeyEvent) {
        onKeyEvent(key, true);
        onKeyEvent(key, false);
    }
    plat::headless::TapKey(key);
}

const std::vector<plat::headless::FrameRecord>& GameHarness::Frames() const {
    return plat::headless::Frames();
}

const plat::headless::FrameRecord& GameHarness::LastFrame() const {
    return plat::headless::LastFrame();
}

std::string GameHarness::ReadText(const std::string& relPath) const {
    std::ifstream in(dir_ / relPath, std::ios::binary);
    if (!in) return {};
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool GameHarness::HasFile(const std::string& relPath) const {
    std::error_code ec;
    return fs::is_regular_file(dir_ / relPath, ec);
}

void GameHarness::WriteText(const std::string& relPath, const std::string& text) const {
    fs::path p = dir_ / relPath;
    std::error_code ec;
    fs::create_directories(p.parent_path(), ec);
    std::ofstream out(p, std::ios::binary);
    out << text;
}

std::string GameHarness::TraceLog() const { return ReadText("Data/Save/SaveS0.txt"); }

std::vector<std::string> GameHarness::TraceLines() const { return SplitLines(TraceLog()); }

std::vector<std::string> GameHarness::ListFiles() const {
    std::vector<std::string> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dir_, ec); it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (ec) break;
        if (it->is_symlink()) {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file()) files.push_back(fs::relative(it->path(), dir_).string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

double FirstMakingOfSlot(int slot, std::size_t from) {
    std::size_t size = 0;
    const std::uint8_t* picture = PictureResource(SlotResourceId(slot), &size);
    const auto& makings = plat::detail::PictureMakings();
    for (std::size_t i = from; i < makings.size(); ++i)
        if (makings[i].bytes == picture) return makings[i].time;
    return -1;
}
