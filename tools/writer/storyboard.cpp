// The storyboard: the whole game's road (the playthrough's) played headless,
// with the frames a player would look at rendered with the real pictures:
// every dialogue value (area, channel, value) on the frame it is first shown
// over, and a frame every second of play while no line is shown (the fights
// and walks between lines). Each frame is written whole as
// <folder>/<area>/<number>_<what>.png, the number counting frames over the
// whole run; each area gets one contact sheet <folder>/<area>.png of them all
// in order, and <folder>/index.txt names every frame with the texts drawn on
// it, so a line can be read beside its picture. The sheets of the long areas
// are too tall to look at whole, so the frames that show a line for the first
// time are also laid out on pages of their own, 36 to a page
// (<folder>/<area>_lines_<page>.png), each under its number and over the
// texts it shows, written large enough to read.
//
// The road taps Enter in the frame a line appears, so the lines of a talk
// are frames of play one or two frames apart: a talk of fourteen lines is
// over in less than half a second, and what flies, hops or flashes under it
// has no time to move from one of its frames to the next. Each frame is
// captioned with the seconds of play it was taken at, so the sheets and
// pages say how much time lies between two of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "areas/finale/records.h"
#include "core/area_flags.h"
#include "core/game_flow.h"
#include "game/playthrough.h"
#include "platform/common/internal.h"
#include "platform/headless.h"
#include "shell/reset.h"
#include "text/text_state.h"
#include "tools/art/canvas.h"
#include "writer.h"

namespace fs = std::filesystem;

namespace {

// The channels in the order DialogueLineWords gives them.
constexpr std::array<const char*, 15> kChannelNames = {
    "storyLine", "promptLine", "rollText", "shopLineA", "shopLineB", "shopLineC", "gateLine", "duelLine",
    "fighterLine", "arenaLine", "fieldLine", "finaleLine", "sideLine", "roundLine", "eventLine"};

// A sheet shows each frame at a kShrink-th of its size under its caption.
constexpr int kShrink = 4;
constexpr int kThumbW = 1024 / kShrink, kThumbH = 768 / kShrink;
constexpr int kColumns = 8;
constexpr int kCaption = 12;
constexpr int kGap = 4;
constexpr double kBetweenLines = 1.0;   // seconds of play between two frames without a line
// The staff roll is taken every kRollStep pixels of its way up, less than
// the screen's height, so every line of it is seen whole on some frame.
constexpr std::int32_t kRollStep = 360;

// A page of line frames: six by six, each thumbnail over a strip with its
// texts in the game's own dialogue face.
constexpr int kPageColumns = 6, kPageRows = 6;
constexpr int kStripH = 54;
constexpr int kStripFont = 16;

// A frame's seconds of play as its caption gives them: two decimals tell
// apart frames a sixty-fourth of a second apart.
std::string Seconds(double time) {
    char text[24];
    std::snprintf(text, sizeof text, "%.2fs", time);
    return text;
}

// Which sheet a frame belongs on: the menu side, the area the heroine is
// in, or the final section (from its locked door on, through the ending).
std::string AreaOfFrame() {
    if (GameFlow.phase == 0) return "menu";
    if (Era04AreaFlag == 1) return FinalSectionState.lock == 1 ? "finale" : "era04";
    if (Era03AreaFlag == 1) return "era03";
    if (Era02AreaFlag == 1) return "era02";
    if (Era01AreaFlag == 1) return "era01";
    if (Era00AreaFlag == 1) return "era00";
    return GameFlow.phase == 903 ? "finale" : "menu";
}

// Frames rendered on the game's thread are packed and written by a few
// workers of their own, so the road goes on meanwhile.
class FrameWriters {
public:
    explicit FrameWriters(int count) {
        for (int i = 0; i < count; ++i) threads_.emplace_back([this] { Work(); });
    }
    ~FrameWriters() { Finish(); }

    void Write(fs::path file, std::vector<std::uint8_t> rgba, int w, int h) {
        std::unique_lock lock(mutex_);
        // A few frames wait at most: each holds a whole frame's pixels.
        roomy_.wait(lock, [this] { return jobs_.size() < 2 * threads_.size(); });
        jobs_.push_back({std::move(file), std::move(rgba), w, h});
        ready_.notify_one();
    }
    // Waits for every frame given; the files that could not be written.
    std::vector<fs::path> Finish() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        ready_.notify_all();
        for (std::thread& t : threads_)
            if (t.joinable()) t.join();
        return failed_;
    }

private:
    struct Job {
        fs::path file;
        std::vector<std::uint8_t> rgba;
        int w = 0, h = 0;
    };

    void Work() {
        for (;;) {
            Job job;
            {
                std::unique_lock lock(mutex_);
                ready_.wait(lock, [this] { return done_ || !jobs_.empty(); });
                if (jobs_.empty()) return;
                job = std::move(jobs_.front());
                jobs_.pop_front();
                roomy_.notify_one();
            }
            if (!plat::detail::WritePng(job.file.string(), job.rgba.data(), job.w, job.h)) {
                std::lock_guard lock(mutex_);
                failed_.push_back(job.file);
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable ready_, roomy_;
    std::deque<Job> jobs_;
    std::vector<fs::path> failed_;
    bool done_ = false;
    std::vector<std::thread> threads_;
};

// The frame at a kShrink-th of its size (RGB), each pixel the mean of its
// block.
std::vector<std::uint8_t> Shrunk(const std::vector<std::uint8_t>& rgba, int w, int h) {
    std::vector<std::uint8_t> out(static_cast<std::size_t>(kThumbW) * kThumbH * 3);
    for (int y = 0; y < kThumbH && (y + 1) * kShrink <= h; ++y)
        for (int x = 0; x < kThumbW && (x + 1) * kShrink <= w; ++x) {
            int sum[3] = {};
            for (int dy = 0; dy < kShrink; ++dy) {
                const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y * kShrink + dy) * w + x * kShrink) * 4];
                for (int dx = 0; dx < kShrink; ++dx, p += 4)
                    for (int k = 0; k < 3; ++k) sum[k] += p[k];
            }
            std::uint8_t* q = &out[(static_cast<std::size_t>(y) * kThumbW + x) * 3];
            for (int k = 0; k < 3; ++k) q[k] = static_cast<std::uint8_t>(sum[k] / (kShrink * kShrink));
        }
    return out;
}

class Storyboard : public Playthrough {
public:
    explicit Storyboard(fs::path folder) : folder_(std::move(folder)) {}

private:
    // An area's sheet as its frames come: their captions, and their shrunk
    // pixels kept aside in a file until the sheet is drawn at the end.
    struct Sheet {
        std::vector<std::string> captions;
        // Seconds of play at each frame (the clock of its start of the program).
        std::vector<double> times;
        // The texts of each frame that shows a line for the first time; empty
        // for the frames between lines.
        std::vector<std::string> lineTexts;
        fs::path pixels;
        std::ofstream out;
    };

    void TestBody() override {
        index_.open(folder_ / "index.txt");
        ASSERT_TRUE(index_) << "cannot write " << (folder_ / "index.txt");
        afterEachFrame = [this] { Look(); };
        // A road that stops short still leaves the sheets of what it saw.
        WholeGame();
        afterEachFrame = nullptr;
        for (const fs::path& f : writers_.Finish()) ADD_FAILURE() << "cannot write " << f;
        for (auto& [area, sheet] : sheets_) WriteSheet(area, sheet);
        std::cout << "storyboard: " << taken_ << " frames, " << seen_.size() << " dialogue values, " << sheets_.size()
                  << " sheets in " << folder_.string() << "\n";
    }

    // The staff roll as the player sees it. The road's Enter would end it
    // on its first frame, still below the screen, so while it rolls the
    // storyboard holds Enter back and moves the roll on to each place it
    // takes (what the roll shows there, as its own clock would bring it),
    // to its last picture, which waits for Enter; then the road goes on.
    // True while the roll is being taken.
    bool LookAtTheRoll() {
        const bool rolls = GameFlow.phase == 903 && DialogueChannels.rollText == 2;
        if (!rolling_) {
            if (!rolls || EndingState.state != 2) return false;
            rolling_ = true;
            autoEnter = false;
            seen_.insert({AreaOfFrame(), 2, 2});   // its frames are named here
            CreditsRoll = rollTarget_ = CreditsRoll - kRollStep;
            return true;
        }
        char what[48];
        if (EndingState.state == 2 && CreditsRoll <= rollTarget_) {
            std::snprintf(what, sizeof what, "rollText_2_y%05d", static_cast<int>(CreditsRoll));
            Take(AreaOfFrame(), what, true);
            CreditsRoll = rollTarget_ = CreditsRoll - kRollStep;
        } else if (EndingState.state != 2) {
            if (rolls) {
                std::snprintf(what, sizeof what, "rollText_2_end");
                Take(AreaOfFrame(), what, true);
            }
            rolling_ = false;
            autoEnter = true;
        }
        return true;
    }

    void Look() {
        if (LookAtTheRoll()) return;
        const std::string area = AreaOfFrame();
        const std::array<std::int32_t, 15> words = DialogueLineWords();
        std::string what;
        bool anyLine = false;
        for (std::size_t c = 0; c < words.size(); ++c) {
            if (words[c] == 0) continue;
            anyLine = true;
            if (seen_.insert({area, static_cast<int>(c), words[c]}).second)
                what += (what.empty() ? "" : "+") + std::string(kChannelNames[c]) + "_" + std::to_string(words[c]);
        }
        const double now = plat::headless::LastFrame().time;
        // The clock starts again with each start of the program.
        if (now < lastBetween_) lastBetween_ = now - kBetweenLines;
        if (what.empty() && !anyLine && now - lastBetween_ >= kBetweenLines) {
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, "t%06.1f", now);
            what = seconds;
            lastBetween_ = now;
        }
        if (!what.empty()) Take(area, what, anyLine);
    }

    void Take(const std::string& area, const std::string& what, bool lineShown) {
        std::vector<std::uint8_t> rgba;
        int w = 0, h = 0;
        if (!plat::headless::RenderLastFrame(rgba, w, h)) return;
        char number[16];
        std::snprintf(number, sizeof number, "%05d", taken_++);
        const std::string name = std::string(number) + "_" + what;
        Sheet& sheet = sheets_[area];
        if (sheet.captions.empty()) {
            std::error_code ec;
            fs::create_directories(folder_ / area, ec);
            sheet.pixels = folder_ / (area + ".thumbs");
            sheet.out.open(sheet.pixels, std::ios::binary | std::ios::trunc);
        }
        sheet.captions.push_back(name);
        sheet.times.push_back(plat::headless::LastFrame().time);
        const std::vector<std::uint8_t> small = Shrunk(rgba, w, h);
        sheet.out.write(reinterpret_cast<const char*>(small.data()), static_cast<std::streamsize>(small.size()));
        // The texts on it, the HUD's apart.
        index_ << area << "/" << name << ".png";
        std::string texts;
        for (const plat::headless::TextDrawRecord& t : plat::headless::LastFrame().texts)
            if (t.font != TextFontSet.font[1] && t.font != TextFontSet.font[2]) {
                index_ << " | " << t.text;
                texts += (texts.empty() ? "" : "  ") + t.text;
            }
        index_ << "\n";
        std::replace(texts.begin(), texts.end(), '\n', ' ');
        sheet.lineTexts.push_back(lineShown ? (texts.empty() ? std::string("(no text drawn)") : texts) : std::string());
        writers_.Write(folder_ / area / (name + ".png"), std::move(rgba), w, h);
    }

    void WriteSheet(const std::string& area, Sheet& sheet) {
        sheet.out.close();
        std::ifstream in(sheet.pixels, std::ios::binary);
        const int count = static_cast<int>(sheet.captions.size());
        const int columns = std::min(kColumns, count);
        const int rows = (count + columns - 1) / columns;
        art::Canvas canvas(columns * (kThumbW + kGap) + kGap, rows * (kThumbH + kCaption + kGap) + kGap);
        art::FillRect(canvas, 0, 0, canvas.width, canvas.height, art::Rgb{40, 40, 40});
        std::vector<std::uint8_t> small(static_cast<std::size_t>(kThumbW) * kThumbH * 3);
        LinePages pages(folder_, area);
        for (int i = 0; i < count; ++i) {
            in.read(reinterpret_cast<char*>(small.data()), static_cast<std::streamsize>(small.size()));
            const std::size_t at = static_cast<std::size_t>(i);
            const std::string& line = sheet.lineTexts[at];
            if (!line.empty()) pages.Add(sheet.captions[at], sheet.times[at], line, small);
            const int left = kGap + (i % columns) * (kThumbW + kGap);
            const int top = kGap + (i / columns) * (kThumbH + kCaption + kGap);
            art::DrawText(canvas, left, top + 2, sheet.captions[at] + "  " + Seconds(sheet.times[at]), 1,
                          art::Rgb{240, 240, 200});
            for (int y = 0; y < kThumbH; ++y)
                for (int x = 0; x < kThumbW; ++x) {
                    const std::uint8_t* q = &small[(static_cast<std::size_t>(y) * kThumbW + x) * 3];
                    canvas.Put(left + x, top + kCaption + y, art::Rgb{q[0], q[1], q[2]});
                }
        }
        in.close();
        pages.Flush();
        std::error_code ec;
        fs::remove(sheet.pixels, ec);
        const fs::path file = folder_ / (area + ".png");
        WriteCanvas(canvas, file);
        std::cout << "sheet " << file.string() << " (" << count << " frames, " << pages.Written()
                  << " pages of lines)\n";
    }

    static void WriteCanvas(const art::Canvas& canvas, const fs::path& file) {
        std::vector<std::uint8_t> rgba(static_cast<std::size_t>(canvas.width) * canvas.height * 4, 255);
        for (std::size_t i = 0; i < canvas.pixels.size(); ++i) {
            rgba[i * 4] = canvas.pixels[i].r;
            rgba[i * 4 + 1] = canvas.pixels[i].g;
            rgba[i * 4 + 2] = canvas.pixels[i].b;
        }
        if (!plat::detail::WritePng(file.string(), rgba.data(), canvas.width, canvas.height))
            ADD_FAILURE() << "cannot write " << file;
    }

    // An area's line frames, 36 to a page, each thumbnail under its frame's
    // name and over its texts, wrapped to the thumbnail's width.
    class LinePages {
    public:
        LinePages(fs::path folder, std::string area) : folder_(std::move(folder)), area_(std::move(area)) {}

        void Add(const std::string& caption, double time, const std::string& texts,
                 const std::vector<std::uint8_t>& small) {
            if (used_ == 0) {
                canvas_ = art::Canvas(kPageColumns * (kThumbW + kGap) + kGap,
                                      kPageRows * (kCaption + kThumbH + kStripH + kGap) + kGap);
                art::FillRect(canvas_, 0, 0, canvas_.width, canvas_.height, art::Rgb{40, 40, 40});
            }
            const int left = kGap + (used_ % kPageColumns) * (kThumbW + kGap);
            const int top = kGap + (used_ / kPageColumns) * (kCaption + kThumbH + kStripH + kGap);
            // The frame's number and the seconds of play it was taken at.
            art::DrawText(canvas_, left, top + 2, caption.substr(0, caption.find('_')) + "  " + Seconds(time), 1,
                          art::Rgb{240, 240, 200});
            for (int y = 0; y < kThumbH; ++y)
                for (int x = 0; x < kThumbW; ++x) {
                    const std::uint8_t* q = &small[(static_cast<std::size_t>(y) * kThumbW + x) * 3];
                    canvas_.Put(left + x, top + kCaption + y, art::Rgb{q[0], q[1], q[2]});
                }
            PutTexts(texts, left, top + kCaption + kThumbH);
            if (++used_ == kPageColumns * kPageRows) Flush();
        }

        void Flush() {
            if (used_ == 0) return;
            char name[64];
            std::snprintf(name, sizeof name, "_lines_%02d.png", ++written_);
            WriteCanvas(canvas_, folder_ / (area_ + name));
            used_ = 0;
        }
        int Written() const { return written_; }

    private:
        // The texts in black on the message box's parchment, broken into rows
        // that fit the strip's width (a row ends at the character that would
        // cross it).
        void PutTexts(const std::string& texts, int left, int top) {
            if (font_ == 0) font_ = plat::FontCreate(kTextFonts[6].face, kStripFont, kTextFonts[6].weight);
            std::vector<plat::headless::TextDrawRecord> rows;
            std::string row;
            auto rowDone = [&] {
                rows.push_back({font_, row, 3, 1 + static_cast<int>(rows.size()) * (kStripFont + 1), 0, 0, 0, 1, 1, 1});
                row.clear();
            };
            for (std::size_t i = 0; i < texts.size();) {
                std::size_t n = 1;
                const unsigned char lead = static_cast<unsigned char>(texts[i]);
                if (lead >= 0xF0) n = 4;
                else if (lead >= 0xE0) n = 3;
                else if (lead >= 0xC0) n = 2;
                const std::string next = row + texts.substr(i, n);
                if (!row.empty() && plat::TextWidth(font_, next.c_str()) > kThumbW - 6) rowDone();
                row += texts.substr(i, n);
                i += n;
            }
            if (!row.empty()) rowDone();
            std::vector<std::uint8_t> rgba;
            if (!plat::headless::RenderTexts(rows, kThumbW, kStripH, 0xF4E8C8, rgba)) return;
            for (int y = 0; y < kStripH; ++y)
                for (int x = 0; x < kThumbW; ++x) {
                    const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * kThumbW + x) * 4];
                    canvas_.Put(left + x, top + y, art::Rgb{p[0], p[1], p[2]});
                }
        }

        fs::path folder_;
        std::string area_;
        art::Canvas canvas_{1, 1};
        plat::FontId font_ = 0;
        int used_ = 0;
        int written_ = 0;
    };

    fs::path folder_;
    std::ofstream index_;
    std::set<std::tuple<std::string, int, std::int32_t>> seen_;
    std::map<std::string, Sheet> sheets_;
    FrameWriters writers_{2};
    double lastBetween_ = -kBetweenLines;
    int taken_ = 0;
    bool rolling_ = false;
    std::int32_t rollTarget_ = 0;
};

}  // namespace

void AddStoryboardJob(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    // The job works in a folder of its own: the storyboard's is made absolute first.
    const fs::path where = fs::absolute(folder);
    ::testing::RegisterTest("storyboard", "whole_game", nullptr, nullptr, __FILE__, __LINE__,
                            [where]() -> ::testing::Test* { return new Storyboard(where); });
}
