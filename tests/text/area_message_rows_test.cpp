// Every area's message table against the rows its scenes are written to:
// for each value of each channel, who speaks the first line, whether a
// second line follows and whose it is, where each line stands and in which
// font; values without rows show nothing. The fixed texts are checked word
// for word.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <utility>

#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "areas/era04_encounters/records.h"
#include "core/area_flags.h"
#include "core/player.h"
#include "core/trace_log.h"
#include "message_rows.h"

namespace {

using R = DialogueChannelsRecord;

// ---------------------------------------------------------------- Era00

class Era00Rows : public MessageRowsTest {};

TEST_F(Era00Rows, EveryValueHasItsSpeakersAndSecondLines) {
    BeginArea(Era00AreaFlag);
    // H the heroine, N the narrator, V the hidden voice, I the intruder.
    Run(&R::promptLine, 1, "H H H H H V H I H I H I I H H H H H");
    Under(&R::promptLine, {11}, "N", 265);
    Run(&R::promptLine, 30, "N N N N N N N N N N N N N N H N N H H N H");
    Under(&R::promptLine, {32, 33, 34}, "+", 265);
    Run(&R::storyLine, 6, "N N N N N N N N N N N N N N");
    Under(&R::storyLine, {13, 15, 18, 19}, "+", 265);
    // Her first words are heard from outside, before she comes in.
    ExpectRows({{"リシェル　　：　", "H"}, {"リシェルの声：　", "H", &R::promptLine, 1, 1}, {"ﾅﾚｰﾀ　：　", "N"},
                {"？？？：　", "V"}, {"カーラ：　", "I"}},
               {{&R::promptLine, "promptLine", 60}, {&R::storyLine, "storyLine", 30}});
    ExpectSameFirstLine(&R::storyLine, 12, 13);
    ExpectSameFirstLine(&R::storyLine, 14, 15);
    EXPECT_EQ(TextOf(&R::promptLine, 38, 0), "ﾅﾚｰﾀ　：　姫様!! Ｓボタンを押して　キックです！！");
    EXPECT_EQ(TextOf(&R::promptLine, 50, 0), "リシェル　　：　");
    EXPECT_EQ(TextOf(&R::storyLine, 18, 1), "ランプのそばなら、保存できます。");
    EXPECT_EQ(TextOf(&R::storyLine, 19, 0), "ﾅﾚｰﾀ　：　Ｆ２　ボタンでステータス画面に切り替わります。");
    EXPECT_EQ(TextOf(&R::storyLine, 19, 1), "もとの画面にもどるときも、Ｆ２　をおして下さい。");
    // The intruder taunts a heroine below 30 HP and grudges one at 30.
    PlayerState.hp = 29;
    const std::string taunt = TextOf(&R::promptLine, 12, 0);
    PlayerState.hp = 30;
    EXPECT_NE(TextOf(&R::promptLine, 12, 0), taunt);
}

// ---------------------------------------------------------------- Era01

class Era01Rows : public MessageRowsTest {};

// Written as the scenes' rows are grouped: values that show one line of a
// speaker, values that add a second line under the first (a continuation
// "+" or another speaker's own line), and pairs of values that share their
// first line. H the heroine, N the narrator, T her teacher, M the mushroom
// seller, V the hidden voice "？？？", W the hidden voice "？？", B the notice.
TEST_F(Era01Rows, EveryValueHasItsSpeakersAndSecondLines) {
    BeginArea(Era01AreaFlag);
    auto one = [&](Channel channel, std::initializer_list<std::int32_t> values, const char* speaker, int y = 700) {
        for (std::int32_t v : values) Run(channel, v, speaker, 210, y);
    };
    auto pairs = [&](Channel channel, std::initializer_list<std::int32_t> firsts) {
        for (std::int32_t a : firsts) ExpectSameFirstLine(channel, a, a + 1);
    };
    const Channel story = &R::storyLine, field = &R::fieldLine, gate = &R::gateLine;

    one(&R::promptLine, {19, 20, 21, 22, 23}, "H");
    one(field, {29, 30, 31}, "H");
    Under(field, {31}, "+");
    one(&R::arenaLine, {1, 3, 5, 7, 9}, "H");
    one(&R::arenaLine, {2, 4, 6}, "N");
    one(&R::arenaLine, {8, 10, 11}, "W");

    // The notice: its board, its text, its closing line and the day's date.
    one(story, {20}, "B");
    Run(story, 21, "+ +", 265);
    Under(story, {21, 22}, "+", 265);
    Run(story, 23, "+", 285);
    Rows(story, 23).push_back({"+", 305, 735, 6});
    // The mushroom seller's talk.
    one(story, {25, 26, 29, 32, 33, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45}, "M");
    one(story, {27, 28, 30, 31, 34, 35, 46}, "H");
    Under(story, {26, 28, 31, 33, 35, 37, 39, 41, 43}, "+");
    // The teacher's lesson, the examine spots and her sleep talk.
    one(story, {50, 51, 52, 58, 60, 84, 85, 86, 87}, "H");
    one(story, {53, 54, 55, 56, 57, 59, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80,
                82, 83, 89, 90, 91, 92},
        "T");
    one(story, {81, 88}, "N");
    Under(story, {51, 85, 87}, "T");
    Under(story, {54, 56, 62, 65, 73, 77, 90}, "H");
    Under(story, {67, 69, 71, 75, 79, 80, 83}, "+");
    // The seller's second talk, the lower-route talk and the armour scene.
    one(story, {1001, 1003, 1005, 1007, 1009, 1011, 1013, 1014, 1015, 1017}, "M");
    one(story, {1002, 1004, 1006, 1008, 1010, 1012, 1016, 1018, 1021, 1023}, "H");
    Under(story, {1005, 1007, 1011, 1013, 1014, 1017}, "+");
    one(story, {1022, 1024}, "T");
    one(story, {1025, 1026, 1027, 1028, 1030, 1031, 1032, 1033, 1034, 1035, 1036, 1037, 1038, 1039, 1040, 1041, 1042,
                1044, 1046, 1048, 1049, 1051, 1053, 1055, 1057, 1059, 1063},
        "H");
    one(story, {1029, 1043, 1045, 1047, 1050, 1052, 1054, 1056, 1058, 1060, 1061, 1062}, "N");
    Under(story, {1035, 1036, 1058}, "+");

    // The gate.
    one(gate, {1, 2, 3, 4, 8, 11, 12, 13, 14, 15, 16, 17, 18}, "H");
    one(gate, {5, 6, 7}, "N");
    one(gate, {9, 10}, "V");
    Under(gate, {2, 4, 10}, "N");
    Under(gate, {6, 7}, "H");
    Under(gate, {12, 14, 17}, "V");

    // The lessons around the field's enemies and the encounter.
    one(field, {32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48}, "H");
    one(field, {50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75},
        "H");
    one(field, {76, 77, 78, 79, 80, 81}, "N");
    Under(field, {33, 36, 38, 40, 42, 44, 46, 48, 57, 59, 61}, "N");
    Under(field, {53}, "V");
    Under(field, {64, 69, 77, 78}, "+");
    // The small creature's cry, in the small font.
    for (std::int32_t v : {67, 71, 74}) Rows(field, v).push_back({"V", 210, 725, 7});
    Under(field, {80}, "H");
    one(field, {101, 103, 105, 106, 108, 109}, "H");
    one(field, {102, 104, 107}, "N");

    // One line in the box; the reveal's lines stand white above it.
    one(&R::sideLine, {1}, "H");
    one(&R::sideLine, {2, 3, 4, 8, 10, 15, 18, 23}, "H", 545);
    one(&R::sideLine, {5, 6, 7, 9, 11, 12, 13, 14, 16, 17, 19, 20, 22}, "T", 545);
    one(&R::sideLine, {21}, "N", 545);

    ExpectRows({{"リシェル　　：　", "H"}, {"ﾅﾚｰﾀ　：　", "N"}, {"セシル　：　", "T"}, {"きのこ屋　：　", "M"},
                {"？？？　：　", "V"}, {"？？　：　", "W"}, {"おしらせ！　：　", "B"}},
               {{&R::promptLine, "promptLine", 30}, {field, "fieldLine", 120}, {&R::arenaLine, "arenaLine", 15},
                {story, "storyLine", 1100}, {gate, "gateLine", 25}, {&R::sideLine, "sideLine", 30}});

    pairs(field, {30, 32, 35, 37, 39, 41, 43, 45, 47, 52, 56, 58, 60, 63, 66, 68, 70, 73, 77});
    pairs(story, {25, 27, 30, 32, 34, 36, 38, 40, 42, 50, 53, 55, 61, 64, 66, 68, 70, 72, 74, 76, 82, 84, 86, 89});
    pairs(gate, {1, 3, 5, 9, 11, 13, 16});
    // 78 stays up under the verdicts of 79 and 80, each its own; 77 and 78
    // each add their own second line; 7 adds another line of hers to 5.
    ExpectSameFirstLine(story, 78, 80);
    EXPECT_NE(TextOf(story, 79, 1), TextOf(story, 80, 1));
    EXPECT_NE(TextOf(field, 77, 1), TextOf(field, 78, 1));
    ExpectSameFirstLine(gate, 5, 7);
    EXPECT_NE(TextOf(gate, 6, 1), TextOf(gate, 7, 1));

    // The fixed formats: the notice's date and the seller's offer.
    char date[64];
    const std::string dateLine = TextOf(story, 23, 1);
    std::snprintf(date, sizeof date, "%4d年%02d月%02d日 道の管理人より", static_cast<int>(TraceSample.year),
                  static_cast<int>(TraceSample.month), static_cast<int>(TraceSample.day));
    EXPECT_EQ(dateLine, date);
    Gold = 1234;
    EXPECT_EQ(TextOf(story, 41, 1), "　　　　　　やってく→　Y    所持金　      1234バル");
    // Once the later areas are open the teacher talks in her sleep: her
    // line changes, her speaker and the heroine's reply under 90 stay.
    std::string awake[4];
    for (std::int32_t v = 89; v <= 92; ++v) awake[v - 89] = TextOf(story, v, 0);
    const std::string reply = TextOf(story, 90, 1);
    Era02EventsUnlocked = 1;
    for (std::int32_t v = 89; v <= 92; ++v) {
        const std::string asleep = TextOf(story, v, 0);
        EXPECT_NE(asleep, awake[v - 89]) << v;
        EXPECT_EQ(asleep.rfind("セシル　：　", 0), 0u) << v;
    }
    EXPECT_EQ(TextOf(story, 90, 1), reply);
    Era02EventsUnlocked = 0;
}

// ---------------------------------------------------------------- Era02

// The rows of this area as "1 H · 2 =/S · 7–9 H · 36 K(x 110)+(x 160)":
// X one line of X; X+ a continuation under it; X/Y a line of Y under it;
// =/Y the line of the value before, again, with a line of Y under it; [n] a
// font other than the speaker's usual one; (x n) a line starting at x n.
class Era02Rows : public MessageRowsTest {
protected:
    int UsualFont(Channel channel, const std::string& code) const override {
        if (code == "S" || code == "K" || code == "P") return 8;
        if (code == "U") return 7;
        if (code[0] == 'C') return channel == &R::eventLine ? 8 : 7;
        return 6;
    }

    void Notation(Channel channel, const std::string& rows, int y = 700) {
        std::size_t at = 0;
        std::int32_t before = 0;
        while (at < rows.size()) {
            std::size_t end = rows.find(" · ", at);
            if (end == std::string::npos) end = rows.size();
            const std::string item = rows.substr(at, end - at);
            at = end == rows.size() ? end : end + std::string(" · ").size();
            const std::size_t blank = item.find(' ');
            const std::string values = item.substr(0, blank);
            const std::size_t dash = values.find("–");
            const std::int32_t from = std::stoi(values.substr(0, dash));
            const std::int32_t to = dash == std::string::npos ? from : std::stoi(values.substr(dash + std::string("–").size()));
            for (std::int32_t v = from; v <= to; ++v) {
                Lines(channel, v, item.substr(blank + 1), before, y);
                before = v;
            }
        }
    }

private:
    static std::string Code(const std::string& s, std::size_t& i) {
        const std::size_t start = i;
        while (i < s.size() && std::string("[(+/").find(s[i]) == std::string::npos) ++i;
        return s.substr(start, i - start);
    }
    static int Bracket(const std::string& s, std::size_t& i, char open, int otherwise) {
        if (i >= s.size() || s[i] != open) return otherwise;
        const std::size_t close = s.find(open == '[' ? ']' : ')', i);
        const std::string inside = s.substr(i + 1, close - i - 1);
        i = close + 1;
        return std::stoi(open == '(' ? inside.substr(2) : inside);
    }
    void Lines(Channel channel, std::int32_t v, const std::string& entry, std::int32_t before, int y) {
        std::vector<RowLine>& lines = Rows(channel, v);
        std::size_t i = 0;
        if (entry.rfind("=/", 0) == 0) {
            lines.push_back(Rows(channel, before).front());
            i = 2;
        } else {
            const std::string code = Code(entry, i);
            const int font = Bracket(entry, i, '[', UsualFont(channel, code));
            lines.push_back({code, Bracket(entry, i, '(', 210), y, font});
            if (i < entry.size() && entry[i] == '+') {
                ++i;
                lines.push_back({"+", Bracket(entry, i, '(', 210), 725, font});
                return;
            }
            if (i >= entry.size()) return;
            ++i;   // the '/' of a second speaker
        }
        const std::string second = Code(entry, i);
        lines.push_back({second, 210, 725, Bracket(entry, i, '[', UsualFont(channel, second))});
    }
};

TEST_F(Era02Rows, EveryValueHasItsSpeakersAndSecondLines) {
    BeginArea(Era02AreaFlag);
    Notation(&R::fieldLine,
             "1 H · 2 =/S · 3 H · 4 =/S · 5 H · 6 =/S · 7–9 H · 10–13 U · 14 =/U · 15 H · 16 U · 17 =/U · 18 H · "
             "19 U · 20 =/U · 21 H · 22 U[8] · 23 K+ · 24 K · 25 C1 · 26 C2 · 27 C3 · 28 C1[8] · 29–30 H · 31 K+ · "
             "32 K · 33 C123 · 34 H · 35 =/K · 36 K(x 110)+(x 160) · 37–39 P · 40 H · 41 K · 42–43 H · "
             "44 K(x 160) · 45–47 K · 48 H[8] · 49 K · 50 K[6]");
    Notation(&R::fieldLine, "54–56 K · 57 O1 · 58 =/H · 59 O1 · 60 =/H · 61 O1+ · 62 H");
    Notation(&R::fieldLine, "63 H+ · 64 O1 · 65 H · 66 O1 · 67 H · 68–69 K");
    Notation(&R::fieldLine,
             "70 K+ · 71 K · 72 H · 73 O2+ · 74 H · 75–76 O2 · 77 H · 78 O2 · 79 H · 80 O2 · 81 H · 82–83 O2 · "
             "84 K · 85 O2 · 86 H");
    Notation(&R::fieldLine, "87 O2+ · 88–89 O2 · 90 O2+ · 91 O2 · 92 H · 93 O2");
    Notation(&R::sideLine,
             "1 O2 · 2 H · 3 O2+ · 4 O2(x 180)+ · 5 H(x 180) · 6 O2+ · 7 H · 8 O2 · 9 H · 10 O2 · 11 H · "
             "12–15 O2 · 16 H · 17 O2 · 18 H · 19–20 O2 · 21 H · 22 O2 · 23 N · 24 H · 25 N · 26 H · 27 N · "
             "28 H+ · 29 O2 · 30 N · 31 H · 32 O2 · 33–34 H · 35–38 O2 · 39 K · 40 H · 41 N · 42 H · 43 K · 44 H+");
    Notation(&R::sideLine, "50 K+ · 51 K · 52 O3 · 53–54 H · 55 O3 · 56 H · 57–58 O3+ · 59–60 H · 61–62 O3");
    Notation(&R::sideLine, "63 H · 64 O3 · 65 H · 66 O3 · 67 N · 68 H · 69 O3 · 70 H · 71 N · 72 H · 73 O3");
    Notation(&R::sideLine,
             "74 O3 · 75 H · 76 O3+ · 77 H · 78–79 O3 · 80–81 H · 82–83 K · 84 O3 · 85 H · 86 O3 · 87 H");
    Notation(&R::eventLine,
             "1 K+ · 2 H · 3–4 K · 5 O4 · 6 H · 7 O4 · 8 H · 9 O4+(x 265) · 10 K+(x 265) · 11 O4+(x 215) · "
             "12 O4+(x 255) · 13 H · 14 O4 · 15 H · 16–17 O4 · 18 K · 19 O4 · 20 H");
    Notation(&R::eventLine, "21–24 H · 25 O4 · 26 H");
    Notation(&R::eventLine,
             "27 O4 · 28 O4+(x 255) · 29 H+(x 255) · 30 O4+(x 255) · 31 H · 32 O4 · 33 H+(x 255) · 34–35 O4 · "
             "36 H · 37 H+(x 255) · 38 K · 39 O4 · 40 K · 41 O4 · 42 K · 43 O4 · 44 K+ · 45 H · 46 K · 47 N · "
             "48 H · 49 O4+(x 255) · 50 H · 52 C1 · 53 C2 · 54 C3 · 55 C12 · 56 H · 57 C3 · 58 C1 · 59 C2 · 60 H · "
             "61 C123 · 62 K · 63 C123 · 64 K · 65 C123 · 66 H");
    Notation(&R::eventLine, "115 C123 · 116 H");
    Notation(&R::eventLine,
             "117 K · 118 K[7]/O4 · 119 H · 120 O4 · 121 K · 122 H · 123 K · 124–125 O4+(x 255) · 126 H · 127 K · "
             "128 K[7]/O4 · 129 O4+(x 255) · 130 H · 131 K · 132 K[7]/O4 · 133 K · 134–135 O4 · 136 K · 137 O4 · "
             "138 K · 139 O4 · 140 K · 141 O4 · 142 O4/H · 144 K[6] · 145 O4 · 146 K[6] · 147 O4 · 148 K[6] · "
             "149 O4 · 150 K[6] · 151 O4 · 152–154 H · 155 N+ · 156 H · 157 N");
    Notation(&R::eventLine, "158–159 K · 160–161 H · 162–164 K · 165 N · 166–169 K · 170 H · 171 K · 172–173 H");
    Notation(&R::roundLine, "1 H · 2 N · 3–4 H · 5 N", 725);
    const std::vector<SpeakerLabel> labels = {
        {"リシェル　　： ", "H"}, {"兵士の声　 ： ", "S"}, {"？？？　 ： ", "U"}, {"ガロ　 ： ", "C1"},
        {"ベス　 ： ", "C2"}, {"ポポ　 ： ", "C3"}, {"ガロ＆ベス　 ： ", "C12"}, {"ガロ＆ベス＆ポポ　 ： ", "C123"},
        {"観客　 ： ", "P"}, {"ﾅﾚｰﾀ　 ： ", "N"}, {"カーラ　 ： ", "O1"}, {"セシル　 ： ", "O2"},
        {"ミヅハ　 ： ", "O3"}, {"ミヅハの声　 ： ", "O3", &R::sideLine, 84, 86}, {"エルザ　 ： ", "O4"},
        // The trio's last cry, heard from inside the gate they have gone through.
        {"ガロ＆ベス＆ポポの声　 ： ", "C123", &R::eventLine, 65, 65},
        // The king, heard from the royal box, under his title until he
        // names himself.
        {"王様の声　 ： ", "K", &R::fieldLine, 23, 35}, {"ドルム王の声　 ： ", "K", &R::fieldLine, 36},
        {"ドルム王の声　 ： ", "K", &R::sideLine}, {"ドルム王の声　 ： ", "K", &R::eventLine}};
    ExpectRows(labels, {{&R::fieldLine, "fieldLine", 100}, {&R::sideLine, "sideLine", 100},
                        {&R::eventLine, "eventLine", 180}});
    // The side remarks show only under a line of the argument.
    DialogueChannels.eventLine = 51;
    ExpectRows(labels, {{&R::roundLine, "roundLine", 8}});
    DialogueChannels.eventLine = 0;
    for (std::int32_t a : {1, 3, 5, 13, 16, 19, 34, 57, 59}) ExpectSameFirstLine(&R::fieldLine, a, a + 1);
    EXPECT_EQ(TextOf(&R::sideLine, 27, 0), "ﾅﾚｰﾀ　 ： はい、新技の起動ボタンは　ＦとＧ ですので、お役だてください。");
    // Back from Era03 in the second weapon mode she answers the trio in
    // other words, in the same place and under the same label.
    const auto plain = LinesOf(&R::eventLine, 116);
    PlayerState.weaponMode2 = 1;
    const auto armed = LinesOf(&R::eventLine, 116);
    PlayerState.weaponMode2 = 0;
    ASSERT_EQ(plain.size(), 1u);
    ASSERT_EQ(armed.size(), 1u);
    EXPECT_NE(armed[0].text, plain[0].text);
    EXPECT_EQ(armed[0].text.rfind("リシェル　　： ", 0), 0u);
    EXPECT_EQ(armed[0].y, plain[0].y);
}

// ---------------------------------------------------------------- Era03

// The codes name the label a line opens with: "D?" and "F?" the duel
// opponent and the fighter under the label that hides their names, "E1?" and
// "E2?" the first two arena enemies under their villain labels, "+" a line
// without a label.
class Era03Rows : public MessageRowsTest {
protected:
    // One line of `code` at (x, y) for each of `values`, under any line
    // the value already has.
    void At(Channel channel, std::initializer_list<std::int32_t> values, const std::string& code, int x, int y) {
        for (std::int32_t v : values) Rows(channel, v).push_back({code, x, y, 6});
    }
};

TEST_F(Era03Rows, EveryValueHasItsSpeakersAndSecondLines) {
    BeginArea(Era03AreaFlag);
    ScrollX = 0;   // far from the camp
    const Channel ev = &R::eventLine;
    Run(ev, 1, "H N N H N N H N H N H");
    Under(ev, {2, 3}, "+", 255);
    Run(ev, 12, "H");
    Run(ev, 13, "H N H E2? E1? E2 E1? E2 E1? E1? E2 E1? E1? E1? E1 E1 E2 E1 N H H E1 H E1 E1 E1");
    Under(ev, {19, 21, 22, 24, 25, 34, 35, 37}, "+", 255);
    Run(ev, 39, "E1 E1 E1");
    Run(ev, 42, "E2 H E2 H E2 H H E2 E2 E2 E2 E2 E2 H E2 H E2");
    Run(ev, 59, "E2 E2 E1 E1 E2 E1 H H");
    Run(ev, 67, "E3 H H E3 E3 E3 E3 E3 E3 E3 E3 E3 H E3 H E3 E3 E3 H E3 H E3 E3 H E3");
    Under(ev, {73, 74, 76, 77, 80, 83, 85}, "+", 275);
    Run(ev, 92, "E3 H E3 E1 E1");
    Under(ev, {92, 94}, "+", 255);
    Run(ev, 97, "N H N H N H H H H H N N H H");
    Run(ev, 111, "H H H H");
    const Channel c = &R::shopLineC;
    Run(c, 1, "H K H H K H K H K H K H K H K K K K");
    Under(c, {11, 16}, "+", 255);
    Run(c, 19, "H H K H K K H K H K K H K H");
    Under(c, {19, 20, 31}, "+", 255);
    Run(c, 33, "K H K H");
    // The camp: one word carries the line at y 700, the other the one at 725.
    const Channel a = &R::shopLineA, b = &R::shopLineB;
    At(b, {1}, "K", 210, 700);
    At(a, {20, 26}, "H", 210, 725);
    At(a, {21, 22, 23, 24}, "H", 210, 700);
    At(a, {22, 24}, "K", 210, 725);
    At(b, {19}, "K", 210, 700);
    At(a, {27, 28, 29, 30}, "+", 255, 725);
    At(b, {2, 3, 4}, "K", 210, 700);
    At(a, {31, 32}, "K", 210, 700);
    At(b, {100}, "+", 255, 725);
    At(b, {31}, "H", 210, 725);
    At(a, {33, 34, 35, 36, 37, 38}, "H", 210, 700);
    At(b, {33, 34, 35, 36, 37, 39}, "K", 210, 725);
    At(b, {38}, "K", 210, 700);
    At(a, {39}, "K", 210, 700);
    At(b, {40}, "H", 210, 700);
    At(b, {41, 42, 43}, "K", 210, 700);
    At(a, {41, 42}, "H", 210, 725);
    At(a, {44}, "K", 210, 700);
    At(b, {44, 49, 50}, "H", 210, 725);
    At(a, {45, 46, 47, 48, 51, 53, 54, 56}, "H", 210, 700);
    At(b, {46, 47, 52, 53, 56}, "K", 210, 725);
    At(b, {48}, "+", 255, 725);
    At(a, {49}, "K", 210, 700);
    At(b, {54}, "H", 210, 700);
    At(a, {55}, "K", 210, 725);
    const Channel d = &R::duelLine;
    Run(d, 1, "D? H D? H H D? H D? H D? D H D D H D H D H D D H");
    Under(d, {13, 14}, "+");
    Run(d, 25, "D D H D D H D");
    const Channel f = &R::fighterLine;
    Run(f, 1, "F? H H F F F F F H H");
    Under(f, {3}, "F");
    Under(f, {5}, "H");
    Under(f, {6, 8}, "+");
    Under(f, {10}, "N");
    Run(f, 12, "F?");
    Under(f, {12}, "+");
    Run(f, 13, "F F F F F F H F F H H");
    Under(f, {18, 21}, "+");
    Under(f, {23}, "F");
    Run(f, 24, "H H F F H H");
    Under(f, {25}, "+");
    Run(&R::fieldLine, 27, "N N");
    Under(&R::fieldLine, {28}, "H");
    ExpectRows({{"リシェル　　：　", "H"}, {"ﾅﾚｰﾀ　：　", "N"}, {"ベルン　　　：　", "K"}, {"？？？　　　：　", "D?"},
                {"ガルド　　　：　", "D"}, {"？？？の声　：　", "F?"}, {"ミレイユ　　：　", "F"},
                {"あやしい女　：　", "E1?"}, {"ヴェラ　　　：　", "E1"}, {"あやしい男　：　", "E2?"},
                {"ゴルド　　　：　", "E2"}, {"カーラ　　　：　", "E3"}},
               {{ev, "eventLine", 120}, {c, "shopLineC", 40}, {a, "shopLineA", 110}, {b, "shopLineB", 110},
                {d, "duelLine", 35}, {f, "fighterLine", 35}, {&R::fieldLine, "fieldLine", 35}});
    for (std::int32_t v : {21, 23}) ExpectSameFirstLine(a, v, v + 1);
    for (std::int32_t v : {2, 4, 7, 9, 17, 20, 22, 24}) ExpectSameFirstLine(f, v, v + 1);
    ExpectSameFirstLine(f, 1, 12);
    ExpectSameFirstLine(&R::fieldLine, 27, 28);
    EXPECT_EQ(TextOf(b, 1, 0),
              "ベルン　　　：　出発は１　セーブは ２、　お買い物なら ３　お泊まりなら ４  を押してくださいね。");
    EXPECT_EQ(TextOf(a, 29, 0), "            バルがたりません。");
    EXPECT_EQ(TextOf(a, 30, 0), "            ありがとうございます。");
    EXPECT_EQ(TextOf(b, 100, 0), "　　　　　　 　　泊まる→Ｙ　泊まらない→Ｎ");
    Era03NpcScene.ownedCount = 3;
    Gold = 1234;
    EXPECT_EQ(TextOf(a, 28, 0),
              "　　所持数         3　　　かう→Y   次→Enter 　買物終了→Ｎ　  所持金　      1234バル");
}

// ---------------------------------------------------------------- Era04

// The rows of this area, a run of values at a time: the speaker of each
// value's first line in value order, and the values that draw a second line
// ("25 G": G's own line under it; "51, 61 +266": an unlabelled continuation
// at x 266), as "values what · values what".
struct Era04Row {
    Channel channel;
    std::int32_t from, to;
    const char* speakers;
    const char* seconds;
    int x = 210, y = 700;
};

class Era04Rows : public MessageRowsTest {
protected:
    void Apply(const Era04Row& row) {
        std::istringstream codes(row.speakers);
        std::int32_t count = 0;
        for (std::string code; codes >> code;) ++count;
        ASSERT_EQ(count, row.to - row.from + 1) << "the run from " << row.from;
        Run(row.channel, row.from, row.speakers, row.x, row.y);
        std::string rest = row.seconds;
        while (!rest.empty()) {
            const std::size_t dot = rest.find(" · ");
            const std::string item = rest.substr(0, dot);
            rest = dot == std::string::npos ? "" : rest.substr(dot + std::string(" · ").size());
            const std::size_t what = item.find_last_of(' ');
            const std::string second = item.substr(what + 1);
            std::istringstream values(item.substr(0, what));
            for (std::string v; std::getline(values, v, ',');) {
                if (second[0] == '+')
                    Under(row.channel, {std::stoi(v)}, "+", std::stoi(second.substr(1)));
                else
                    Under(row.channel, {std::stoi(v)}, second);
            }
        }
    }
};

TEST_F(Era04Rows, EveryValueHasItsSpeakersAndSecondLines) {
    BeginArea(Era04AreaFlag);
    const Channel f = &R::fieldLine;
    const Channel s = &R::finaleLine;
    const Era04Row rows[] = {
        {f, 1, 8, "H N H N H N H N", ""},
        {f, 18, 22, "G H H H G", "18 +210 · 20 G"},
        {f, 23, 62,
         "G H H H G G H S1 S2 G S1 S1 G S1 G S1 G S1 S1 H S1 H S1 H S1 H S1 H S1 H S1 H S1 H S1 H H S1 S1 S1",
         "25 G · 29 +265 · 32 +265 · 51, 61 +266"},
        {f, 65, 76, "N H N H N G H H G G H G", "65 +266 · 71, 72 +266"},
        {f, 78, 93, "S3 G S3 G S3 S3 H G N G G H G H G G", "78, 79, 81, 90 +266"},
        {f, 320, 326, "H G N G G H G", "326 +266"},
        {f, 101, 113, "A H A H A A A A A A A A A", "104 +266"},
        {f, 151, 151, "A", ""},
        {f, 153, 159, "A A H A A A A", ""},
        {f, 161, 190, "B H B H B B N H H B B H H B H H B B B H B H N H N H B B B B", "161, 163 +266"},
        {f, 191, 204, "H N N H H N N H H N H N H N", "196 +275"},
        {f, 209, 214, "Q Q Q Q Q Q", "209, 210, 211 +275"},
        {f, 220, 253, "Q H Q Q H H Q H H Q H Q H Q Q N H Q Q H H H H H H H Q H Q Q Q H Q H",
         "235 +275 · 237, 249 +275"},
        {f, 254, 272, "Q H Q Q H Q Q Q Q Q H Q Q Q Q Q Q Q H", "254, 259, 260, 261, 265, 266, 267 +275 · 272 +275"},
        {f, 280, 280, "H", ""},
        {f, 300, 309, "H N N N H N H N H H", ""},
        {s, 1, 15, "H H H H H H Q Q H Q Q H Q Q Q", ""},
        {s, 20, 30, "Q H Q H Q Q H Q H Q Q", "22, 24, 25, 27 +275"},
        {s, 31, 41, "Q Q H Q H Q H Q H Q Q", "36, 38, 41 +275"},
        {s, 42, 45, "Q Q Q Q", ""},
        {s, 46, 48, "Q H Q", ""},
        {s, 49, 56, "Q H Q Q H Q H Q", "52, 54, 56 +275"},
        {s, 60, 85, "N H N H H N H V H V H V H V H V V H V V H V H V V V", ""},
        {s, 86, 114, "H N H N H N H N H H N H H R H R H R R R H R R H H R H H R",
         "89, 91 +275 · 101, 103, 104, 105, 107, 108 +275 · 113 +275"},
        {s, 115, 118, "R H R R", "115 +275 · 116 +275"},
        {s, 119, 130, "H R R R H H R R R R R R", "121 +275 · 123 +275"},
        {s, 131, 135, "H H H H H", ""},
        {s, 136, 138, "+ + +", "", 400, 715},
    };
    for (const Era04Row& row : rows) Apply(row);
    EncounterATrialTime = 12.3456;
    EncounterAHitCount = 7;
    ExpectRows({{"リシェル　　：　", "H"}, {"ﾅﾚｰﾀ　：　", "N"}, {"隊長の声　：　", "G"}, {"兵士Ａ　：　", "S1"},
                {"兵士Ｂ　：　", "S2"}, {"兵士Ｃ　：　", "S3"}, {"機兵　　：　", "A"}, {"剣士　　：　", "B"},
                {"？？？　　：　", "V"}, {"女王　　：　", "R"},
                // The sorceress as a clerk, as an ordinary clerk, then as herself.
                {"店員　　：　", "Q", f, 209, 228}, {"ただの店員　：　", "Q", f, 229, 257}, {"魔女　　：　", "Q", f, 259},
                {"店員　　：　", "Q", s, 7, 15}, {"魔女　　：　", "Q", s, 20}},
               {{f, "fieldLine", 340}, {s, "finaleLine", 145}});
    ExpectSameFirstLine(f, 19, 20);
    ExpectSameFirstLine(f, 24, 25);
    EXPECT_EQ(TextOf(f, 108, 0), "機兵　　：　二十の円盤を　くだくまで　12.346　秒。");
    EXPECT_EQ(TextOf(f, 109, 0), "機兵　　：　そのあいだに　わたしを　打った数　     7　回。");
    EXPECT_EQ(TextOf(f, 209, 1), "買うなら　１　　いらないなら　２　　をえらぶ。");
    EXPECT_EQ(TextOf(f, 210, 1), "買うなら　１　　いらないなら　２　　を選んで、");
    EXPECT_EQ(TextOf(f, 211, 1), "クリスタルは　１　　たべものは　２　　を選ぶといいの、");
    EXPECT_EQ(TextOf(f, 237, 0), "ただの店員　：　赤なら１、青なら２　");
    EXPECT_EQ(TextOf(f, 237, 1), "どっちにする？");
    EXPECT_EQ(TextOf(f, 301, 0), "ﾅﾚｰﾀ　：　");
    // The talk after the first fight gives the errand and the barrier turns
    // back one in the first outfit: each must name the outfit that opens the
    // way. She fights with kicks in the first outfit, so neither speaks of a
    // sword.
    for (const auto& [from, to] : {std::pair{27, 40}, std::pair{300, 309}}) {
        std::string talk;
        for (std::int32_t v = from; v <= to; ++v)
            for (const auto& line : LinesOf(f, v)) talk += line.text + "\n";
        EXPECT_NE(talk.find("永遠の鎧"), std::string::npos) << talk;
        EXPECT_EQ(talk.find("剣"), std::string::npos) << talk;
    }
}

}  // namespace
