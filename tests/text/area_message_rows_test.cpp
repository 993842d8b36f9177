// Every area's message table against the rows its scenes are written to:
// for each value of each channel, who speaks the first line, whether a
// second line follows and whose it is, where each line stands and in which
// font; values without rows show nothing. The fixed texts are checked word
// for word.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "areas/era03/records.h"
#include "areas/era04_encounters/records.h"
#include "core/area_flags.h"
#include "core/player.h"
#include "message_rows.h"

namespace {

using R = DialogueChannelsRecord;

// ---------------------------------------------------------------- Era00

class Era00Rows : public MessageRowsTest {};

TEST_F(Era00Rows, EveryValueHasItsSpeakersAndSecondLines) {
    BeginArea(Era00AreaFlag);
    Run(&R::promptLine, 1, "Hv H H H H V H I H I H I I H H H H H");
    Run(&R::promptLine, 30, "N N N N N N N N N N N N N N H N N H H N H");
    Under(&R::promptLine, {11}, "N", 265);
    Under(&R::promptLine, {32, 33, 34}, "+", 265);
    Run(&R::storyLine, 6, "N N N N N N N N N N N N N N");
    Under(&R::storyLine, {13, 15, 18, 19}, "+", 265);
    ExpectRows({{"リシェル　　：　", "H"}, {"リシェルの声：　", "Hv"}, {"ﾅﾚｰﾀ　：　", "N"}, {"？？？：　", "V"},
                {"カーラ：　", "I"}},
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

TEST_F(Era01Rows, EveryValueHasItsSpeakersAndSecondLines) {
    BeginArea(Era01AreaFlag);
    Run(&R::promptLine, 19, "H H H H H");
    Run(&R::fieldLine, 29, "H H H");
    Under(&R::fieldLine, {31}, "+");
    Run(&R::arenaLine, 1, "H N H N H N H W H W W");
    // The notice: its board, its text, its closing line and the day's date.
    Run(&R::storyLine, 20, "B");
    Run(&R::storyLine, 21, "+ +", 265);
    Under(&R::storyLine, {21, 22}, "+", 265);
    Run(&R::storyLine, 23, "+", 285);
    Rows(&R::storyLine, 23).push_back({"+", 305, 735, 6});
    Run(&R::storyLine, 25, "M M H H M H H M M H H M M M M M M M M M M H");
    Under(&R::storyLine, {26, 28, 31, 33, 35, 37, 39, 41, 43}, "+");
    Run(&R::storyLine, 50, "H H H T T T T T H T H T T T T T T T T T H H T T T T T T T T T N T T H H H H N T T T T");
    Under(&R::storyLine, {51, 71, 85, 87}, "T");
    Under(&R::storyLine, {54, 56, 62, 65, 73, 77, 90}, "H");
    Under(&R::storyLine, {67, 69, 75, 83}, "+");
    Run(&R::storyLine, 1001, "M H M H M H M H M H M H M M M H M H");
    Under(&R::storyLine, {1005, 1007, 1011, 1013, 1014, 1017}, "+");
    Run(&R::storyLine, 1021, "H T H T");
    Run(&R::storyLine, 1025, "H H H H N H H H H H H H H H H H H H N H N H N H H N H N H N H N H N H N N N H");
    Under(&R::storyLine, {1035, 1036, 1058}, "+");
    Run(&R::gateLine, 1, "H H H H N N N H Vv Vv H H H H H H H H");
    Under(&R::gateLine, {2, 4, 10}, "N");
    Under(&R::gateLine, {6, 7}, "H");
    Under(&R::gateLine, {12, 14, 17}, "Vv");
    Run(&R::fieldLine, 32, "H H H H H H H H H H H H H H H H H");
    Run(&R::fieldLine, 50, "H H H H H H H H H H H H H H H H H H H H H H H H H H N N N H N N");
    Under(&R::fieldLine, {33, 36, 38, 40, 42, 44, 46, 48, 57, 59, 61, 69}, "N");
    Under(&R::fieldLine, {53}, "V");
    Under(&R::fieldLine, {64, 77, 78}, "+");
    Rows(&R::fieldLine, 67).push_back({"Vv", 210, 725, 7});
    Rows(&R::fieldLine, 71).push_back({"V", 210, 725, 7});
    Rows(&R::fieldLine, 74).push_back({"V", 210, 725, 7});
    Under(&R::fieldLine, {80}, "H");
    Run(&R::fieldLine, 101, "H N H N H H N H H");
    Run(&R::sideLine, 1, "H");
    Run(&R::sideLine, 2, "H H H T T T H T H T T T T H T T H T T N T H", 210, 545);
    ExpectRows({{"リシェル　　：　", "H"}, {"ﾅﾚｰﾀ　：　", "N"}, {"セシル　：　", "T"}, {"きのこ番　：　", "M"},
                {"？？？　：　", "V"}, {"？？？の声　：　", "Vv"}, {"？？　：　", "W"}, {"おしらせ！　：　", "B"}},
               {{&R::promptLine, "promptLine", 30}, {&R::fieldLine, "fieldLine", 120},
                {&R::arenaLine, "arenaLine", 15}, {&R::storyLine, "storyLine", 1100},
                {&R::gateLine, "gateLine", 25}, {&R::sideLine, "sideLine", 30}});
    struct Pair {
        Channel channel;
        std::int32_t a, b;
    };
    const Pair pairs[] = {
        {&R::fieldLine, 30, 31}, {&R::fieldLine, 32, 33}, {&R::fieldLine, 35, 36}, {&R::fieldLine, 37, 38},
        {&R::fieldLine, 39, 40}, {&R::fieldLine, 41, 42}, {&R::fieldLine, 43, 44}, {&R::fieldLine, 45, 46},
        {&R::fieldLine, 47, 48}, {&R::fieldLine, 52, 53}, {&R::fieldLine, 56, 57}, {&R::fieldLine, 58, 59},
        {&R::fieldLine, 60, 61}, {&R::fieldLine, 63, 64}, {&R::fieldLine, 66, 67}, {&R::fieldLine, 68, 69},
        {&R::fieldLine, 70, 71}, {&R::fieldLine, 73, 74}, {&R::fieldLine, 77, 78}, {&R::storyLine, 25, 26},
        {&R::storyLine, 27, 28}, {&R::storyLine, 30, 31}, {&R::storyLine, 32, 33}, {&R::storyLine, 34, 35},
        {&R::storyLine, 36, 37}, {&R::storyLine, 38, 39}, {&R::storyLine, 40, 41}, {&R::storyLine, 42, 43},
        {&R::storyLine, 50, 51}, {&R::storyLine, 53, 54}, {&R::storyLine, 55, 56}, {&R::storyLine, 61, 62},
        {&R::storyLine, 64, 65}, {&R::storyLine, 66, 67}, {&R::storyLine, 68, 69}, {&R::storyLine, 70, 71},
        {&R::storyLine, 72, 73}, {&R::storyLine, 74, 75}, {&R::storyLine, 76, 77}, {&R::storyLine, 82, 83},
        {&R::storyLine, 84, 85}, {&R::storyLine, 86, 87},
        {&R::storyLine, 89, 90}, {&R::gateLine, 1, 2},    {&R::gateLine, 3, 4},    {&R::gateLine, 5, 6},
        {&R::gateLine, 5, 7},    {&R::gateLine, 9, 10},   {&R::gateLine, 11, 12},  {&R::gateLine, 13, 14},
        {&R::gateLine, 16, 17},
    };
    for (const Pair& p : pairs) ExpectSameFirstLine(p.channel, p.a, p.b);
}

// The gate's lines are all heard at her first contact, after which the gate
// stays shut until the key is used (a later contact shows no line): none of
// them may tell her the gate has opened or that she has brought what opens it.
TEST_F(Era01Rows, TheGatesTalkBelongsToTheFirstContactWithTheGateShut) {
    BeginArea(Era01AreaFlag);
    for (std::int32_t v = 1; v <= 18; ++v) {
        for (std::size_t i = 0; i < LinesOf(&R::gateLine, v).size(); ++i) {
            const std::string text = TextOf(&R::gateLine, v, i);
            for (const char* later : {"ひらいた", "もってきた", "とおるが　よい"})
                EXPECT_EQ(text.find(later), std::string::npos) << "gate line " << v << ": " << text;
        }
    }
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
    Notation(&R::eventLine, "114 H · 115 C123 · 116 H");
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
        // Her last line at the gate, in Era03's way, still up as she comes back.
        {"リシェル　　：　", "H", &R::eventLine, 114, 114},
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

class Era04Rows : public MessageRowsTest {};

TEST_F(Era04Rows, EveryValueHasItsSpeakersAndSecondLines) {
    BeginArea(Era04AreaFlag);
    const Channel f = &R::fieldLine;
    Run(f, 1, "H N H N H N H N");
    Run(f, 18, "G H H H G");
    Under(f, {18}, "+");
    Under(f, {20}, "G");
    Run(f, 23, "G H H H G G H S1 S2 G S1 S1 G S1 G S1 G S1 S1 H S1 H S1 H S1 H S1 H S1 H S1 H S1 H S1 H S1 S1 S1 S1");
    Under(f, {25}, "G");
    Under(f, {29, 32}, "+", 265);
    Under(f, {41, 51, 61}, "+", 266);
    Run(f, 65, "N H N H N G H H G G H G");
    Under(f, {65, 71, 72}, "+", 266);
    Run(f, 78, "S3 G S3 G S3 S3 H G N G G H G H G G");
    Under(f, {78, 79, 81, 90}, "+", 266);
    Run(f, 320, "H G N G G H G");
    Under(f, {326}, "+", 266);
    Run(f, 101, "A H A H A A A A A A A A A");
    Under(f, {104}, "+", 266);
    Run(f, 151, "A");
    Run(f, 153, "A A H A A A A");
    Run(f, 161, "B H B H B B N H H B B H H B H H B B B H B H N H N H B B B B");
    Under(f, {161, 163}, "+", 266);
    Run(f, 191, "H N N H H N N H H N H N H N");
    Under(f, {196}, "+", 275);
    Run(f, 209, "Q Q Q Q Q Q");
    Under(f, {209, 210, 211}, "+", 275);
    Run(f, 220, "Q H Q Q H H Q H H Q H Q H Q Q N H Q Q H H H H H H H Q H Q Q Q H Q H");
    Under(f, {235, 237, 249}, "+", 275);
    Run(f, 254, "Q H Q Q H Q Q Q Q Q H Q Q Q Q Q Q Q H");
    Under(f, {254, 259, 260, 261, 265, 266, 267, 272}, "+", 275);
    Run(f, 280, "H");
    Run(f, 300, "H N N N H N H N H H");
    const Channel s = &R::finaleLine;
    Run(s, 1, "H H H H H H Q Q H Q Q H Q Q Q");
    Run(s, 20, "Q H Q H Q Q H Q H Q Q Q Q H Q H Q H Q H Q Q Q Q Q Q Q H Q Q H Q Q H Q H Q");
    Under(s, {22, 24, 25, 27, 36, 38, 41, 52, 54, 56}, "+", 275);
    Run(s, 60, "N H N H H N H V H V H V H V H V V H V V H V H V V V");
    Run(s, 86, "H N H N H N H N H H N H H R H R H R R R H R R H H R H H R");
    Under(s, {89, 91, 101, 103, 104, 105, 107, 108, 113}, "+", 275);
    Run(s, 115, "R H R R H R R R H H R R R R R R H H H H H");
    Under(s, {115, 116, 121, 123}, "+", 275);
    Run(s, 136, "+ + +", 400, 715);
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
}

}  // namespace
