#include "message_rows.h"

#include <algorithm>
#include <sstream>

#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/hud.h"
#include "text/menu_state.h"

namespace {

bool StartsWith(const std::string& text, const char* opening) {
    return text.rfind(opening, 0) == 0;
}

// A line whose first words end in a colon opens with a label, known or not.
std::string UnknownLabel(const std::string& text) {
    const std::size_t colon = text.find("：");
    if (colon == std::string::npos || colon > 36) return "";
    if (text[0] == ' ' || StartsWith(text, "　")) return "";
    return "?" + text.substr(0, colon);
}

std::string Describe(const std::vector<RowLine>& lines) {
    if (lines.empty()) return "nothing";
    std::ostringstream out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out << " | ";
        out << lines[i].speaker << " (" << lines[i].x << ", " << lines[i].y << ") font " << lines[i].font;
    }
    return out.str();
}

}  // namespace

void MessageRowsTest::BeginArea(std::int32_t& areaFlag) {
    Begin(1);
    Era00AreaFlag = Era01AreaFlag = Era02AreaFlag = Era03AreaFlag = Era04AreaFlag = 0;
    areaFlag = 1;
    // The area stays whatever the view: no border is crossed.
    StageFrozenByMenu = 1;
    HudState.shown = 0;
}

std::vector<RowLine>& MessageRowsTest::Rows(Channel channel, std::int32_t value) {
    for (ValueRows& r : rows_)
        if (r.channel == channel && r.value == value) return r.lines;
    rows_.push_back({channel, value, {}});
    return rows_.back().lines;
}

void MessageRowsTest::Run(Channel channel, std::int32_t from, const std::string& speakers, int x, int y) {
    std::istringstream in(speakers);
    std::string code;
    for (std::int32_t v = from; in >> code; ++v) Rows(channel, v).push_back({code, x, y, UsualFont(channel, code)});
}

void MessageRowsTest::Under(Channel channel, std::initializer_list<std::int32_t> values, const std::string& speaker,
                            int x) {
    for (std::int32_t v : values) {
        std::vector<RowLine>& lines = Rows(channel, v);
        ASSERT_FALSE(lines.empty()) << "a line under value " << v << " needs its first line";
        const int font = speaker == "+" ? lines.front().font : UsualFont(channel, speaker);
        lines.push_back({speaker, x, 725, font});
    }
}

std::vector<plat::headless::TextDrawRecord> MessageRowsTest::LinesOf(Channel channel, std::int32_t value) {
    DialogueChannels.*channel = value;
    // No stage step in this frame: a scene would move the channel on.
    GameClock.lastStepTime = 1e12;
    std::vector<plat::headless::TextDrawRecord> lines;
    for (const auto& t : DrawFrame())
        if (t.font != TextFontSet.font[1]) lines.push_back(t);
    DialogueChannels.*channel = 0;
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& p, const auto& q) { return p.y != q.y ? p.y < q.y : p.x < q.x; });
    return lines;
}

void MessageRowsTest::ExpectRows(const std::vector<SpeakerLabel>& labels, const std::vector<ChannelSweep>& sweeps) {
    for (const ChannelSweep& sweep : sweeps) {
        for (std::int32_t v = 1; v <= sweep.last; ++v) {
            std::vector<RowLine> drawn;
            for (const auto& t : LinesOf(sweep.channel, v)) {
                const SpeakerLabel* best = nullptr;
                for (const SpeakerLabel& l : labels) {
                    if (l.channel != nullptr && (l.channel != sweep.channel || v < l.from || v > l.to)) continue;
                    if (!StartsWith(t.text, l.opening)) continue;
                    if (best == nullptr || std::string(l.opening).size() > std::string(best->opening).size()) best = &l;
                }
                std::string speaker = best != nullptr ? best->code : UnknownLabel(t.text);
                if (speaker.empty()) speaker = "+";
                int font = 0;
                for (int n = 1; n <= 8; ++n)
                    if (TextFontSet.font[n] == t.font) font = n;
                drawn.push_back({speaker, t.x, t.y, font});
                const float shade = t.y == 545 ? 1.0f : 0.0f;
                EXPECT_TRUE(t.r == shade && t.g == shade && t.b == shade && t.a == 1.0f)
                    << sweep.name << " " << v << ": colour of \"" << t.text << "\"";
            }
            std::vector<RowLine> wanted;
            for (const ValueRows& r : rows_)
                if (r.channel == sweep.channel && r.value == v) wanted = r.lines;
            EXPECT_EQ(Describe(drawn), Describe(wanted)) << sweep.name << " " << v;
        }
    }
}

void MessageRowsTest::ExpectSameFirstLine(Channel channel, std::int32_t a, std::int32_t b) {
    const auto first = LinesOf(channel, a);
    const auto second = LinesOf(channel, b);
    ASSERT_FALSE(first.empty()) << a;
    ASSERT_FALSE(second.empty()) << b;
    EXPECT_EQ(second[0].text, first[0].text) << a << " and " << b;
}

std::string MessageRowsTest::TextOf(Channel channel, std::int32_t value, std::size_t index) {
    const auto lines = LinesOf(channel, value);
    return index < lines.size() ? lines[index].text : std::string("(no line ") + std::to_string(index) + ")";
}
