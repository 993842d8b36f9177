// Era04's two soldier fights played from a save near door 1: the opening and
// the melee of fight 1, the duel won with a blow from behind, the errand, the
// last blocker in weapon mode 2, then fight 2 from its row to the disc.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldier_frames.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "platform/headless.h"
#include "shell/graphics.h"
#include "support/area_run.h"
#include "support/roads/era04.h"
#include "text/menu_state.h"
#include "text/text_state.h"
#include "tools/art/canvas.h"
#include "tools/art/picture_art.h"
#include "tools/picture_catalogue.h"

namespace {

constexpr std::int32_t S0 = Era04Start;
std::vector<std::int32_t> Range(std::int32_t a, std::int32_t b) {
    std::vector<std::int32_t> v;
    for (std::int32_t i = a; i <= b; ++i) v.push_back(i);
    return v;
}

// The world pixels soldier i covers as its frame is painted (mirrored about
// its point when it faces left), its spear aside: a spear may cross a
// neighbour, a body may not stand in one.
std::vector<std::pair<int, int>> SoldierBody(const art::Canvas& sheet, int i) {
    const auto& s = Era04SoldierSlots;
    std::vector<std::pair<int, int>> out;
    for (const soldier_frames::Frame& f : soldier_frames::kFrames) {
        if (f.frame != s.frame[i]) continue;
        for (int v = f.rect.top; v < f.rect.bottom; ++v)
            for (int u = f.rect.left; u < f.rect.right; ++u) {
                const art::Rgb p = sheet.At(u, v);
                const bool spear = (p.r == 130 && p.g == 90 && p.b == 54) || (p.r == 214 && p.g == 222 && p.b == 236);
                if (p == art::kTransparent || spear) continue;
                const int dx = int(float(u - f.rect.left) - f.pivotX), dy = int(float(v - f.rect.top) - f.pivotY);
                out.emplace_back(s.x[i] + s.facing[i] * dx, s.y[i] + dy);
            }
    }
    std::sort(out.begin(), out.end());
    return out;
}

class Era04SoldierFightsRun : public AreaRun {
protected:
    // Plays until `until`, noting the lines shown; `bot` runs each frame.
    bool Watch(const std::function<bool()>& until, int maxFrames, const std::function<void()>& bot = {}) {
        return Play(
            [&] {
                const std::int32_t line = DialogueChannels.fieldLine;
                if (line != 0 && (lines.empty() || lines.back() != line)) lines.push_back(line);
                if (keepAlive && PlayerState.hp < 60) PlayerState.hp = PlayerState.maxHp;
                if (bot) bot();
                return until();
            },
            maxFrames);
    }
    // Lines seen since the last call.
    std::vector<std::int32_t> TakeLines() {
        std::vector<std::int32_t> out;
        out.swap(lines);
        return out;
    }
    std::vector<std::int32_t> lines;
    bool keepAlive = true;
    Era04Hands hands{*this};
};

TEST_F(Era04SoldierFightsRun, BothFightsFromTheRowsToTheOpenDoors) {
    StartFromSlot([] {
        Era03AreaFlag = 1;   // the area switch takes her on into Era04
        PlayerState.x = 71000;
        ScrollX = 71000 - 400;
        PlayerState.weaponMode1 = 1;
        PlayerState.weaponMode2 = 0;
        LearnedMoveD = 1;
        Era04Progress.dialogueTriggerState = 2;
    });
    ASSERT_TRUE(Play([] { return Era04AreaFlag == 1; }, 200));
    HoldsEndedUnkept = 0;
    auto& s = Era04SoldierSlots;

    // Fight 1 waits while she stays short of its rows.
    PlayFrames(30);
    EXPECT_EQ(MessageBoxOpen, 0);
    EXPECT_EQ(s.frame[8], 1);
    Hold(VK_RIGHT);
    ASSERT_TRUE(Watch([] { return MessageBoxOpen == 1; }, 600));
    LetGo(VK_RIGHT);
    EXPECT_EQ(PlayerState.x, S0 + 6346);

    // The rows turn, the camera pans, the captain speaks (18..22); the melee.
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 0 && MessageBoxOpen == 0; }, 3000));
    EXPECT_EQ(ScrollX, 71707);
    // The soldiers on screen are drawn from the soldier sheet.
    int soldierDraws = 0;
    for (const auto& d : LastFrame().sprites) soldierDraws += d.texture != 0 && d.texture == TextureSlots[98];
    EXPECT_GE(soldierDraws, 4);
    // The four fighters worn down through the hook, then soldier 6.
    for (int n : {1, 2, 7, 8}) s.hp[n] = 0;
    ASSERT_TRUE(Watch([&] { return s.frame[1] + s.frame[2] + s.frame[7] + s.frame[8] == 0; }, 600));
    PlayFrames(2);
    s.hp[6] = 0;
    // The squeeze, line 23, the charge scene, lines 24..26.
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 26; }, 4000));
    EXPECT_EQ(ScrollX, 71707);
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 0 && MessageBoxOpen == 0; }, 200));

    // The duel: soldier 4 worn down through the hook. Resting at the left
    // end it raises its sword (frame 12) half a second before it charges
    // right; she jumps then, lands as it passes under her and launches it
    // from behind with D.
    s.hp[4] = 150;
    auto duelBot = [&] { hands.DuelStep(); };
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 27; }, 6000, duelBot)) << "soldier 4 at " << s.x[4];
    ASSERT_TRUE(Watch([] { return ErrandState == 1; }, 2000));
    EXPECT_EQ(TakeLines(), Range(18, 40));
    EXPECT_EQ(s.frame[3], 0);

    // Back in weapon mode 2 (the equipment screen's switch) she walks right
    // into the last blocker's talk and blow (41..62).
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    const std::int32_t exp = PlayerState.exp;
    Hold(VK_RIGHT);
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 41; }, 1500));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(Watch([] { return Era04Progress.soldierFight1Done == 1; }, 3000));
    EXPECT_EQ(TakeLines(), Range(41, 62));
    EXPECT_EQ(ErrandState, 3);
    EXPECT_EQ(PlayerState.exp - exp, 300 + 120) << "the errand's 300 and the blocker's bursts";
    EXPECT_EQ(TextureFlags[61], 0u) << "the soldier sheet is freed";
    EXPECT_EQ(MessageBoxOpen, 0);

    // Fight 2: through door 2 to the row; soldier 4 struck in weapon mode 2
    // flies, and confirming line 69 refills her HP and pays 500 gold.
    Hold(VK_RIGHT);
    ASSERT_TRUE(Watch([] { return Era04DoorLocks[3] == 1; }, 3000)) << "door 3 locked from the first step";
    ASSERT_TRUE(Watch([&] { return s.x[4] - PlayerState.x < 160; }, 3000));
    LetGo(VK_RIGHT);
    keepAlive = false;
    PlayerState.hp = PlayerState.maxHp - 30;
    const std::int32_t gold = Gold;
    std::int32_t goldAt70 = -1, hpAt70 = -1;
    // Struck from among the row, she steps out of the soldier she stands in
    // and says the talk beside it: its lines find her clear of the row.
    std::vector<std::int32_t> insideOn;
    // Soldier 4, resting where its flight left it, kneels clear of the row
    // beside it through the talk.
    const art::Canvas sheet = art::DrawPicture(*FindPicture(199));
    std::size_t restingInTheRow = 0;
    auto restingOverlap = [&] {
        const auto rest = SoldierBody(sheet, 4);
        std::size_t most = 0;
        for (int i = 1; i <= 8; ++i) {
            if (i == 4 || s.frame[i] == 0) continue;
            const auto other = SoldierBody(sheet, i);
            std::vector<std::pair<int, int>> both;
            std::set_intersection(rest.begin(), rest.end(), other.begin(), other.end(), std::back_inserter(both));
            most = std::max(most, both.size());
        }
        return most;
    };
    auto insideARowSoldier = [&] {
        for (int i = 1; i <= 8; ++i) {
            if (i == 4 || s.frame[i] == 0) continue;
            for (const soldier_frames::Frame& f : soldier_frames::kFrames)
                if (f.frame == s.frame[i] && PlayerState.x + 14 > s.x[i] + f.hit.left &&
                    PlayerState.x - 14 < s.x[i] + f.hit.right)
                    return true;
        }
        return false;
    };
    ASSERT_TRUE(Watch([&] {
        hands.FlightStep();
        const std::int32_t line = DialogueChannels.fieldLine;
        if (line >= 69 && line <= 73 && (insideOn.empty() || insideOn.back() != line) && insideARowSoldier())
            insideOn.push_back(line);
        if (line == 73) restingInTheRow = std::max(restingInTheRow, restingOverlap());
        if (DialogueChannels.fieldLine == 70 && goldAt70 < 0) {
            goldAt70 = Gold;
            hpAt70 = PlayerState.hp;
        }
        return Era04DoorLocks[2] == 1;
    }, 1500));
    EXPECT_EQ(TakeLines(), Range(69, 73));
    EXPECT_TRUE(insideOn.empty()) << "inside a soldier of the row on line " << insideOn.front();
    EXPECT_LE(restingInTheRow, 150u) << "resting soldier 4 kneels inside a soldier of the row";
    EXPECT_EQ(hpAt70, PlayerState.maxHp);
    EXPECT_GE(goldAt70 - gold, 500) << "coins from the flight come on top";
    keepAlive = true;

    // The alert, the charges and the line-up at the right end, where the
    // melee waits for the camera.
    auto fighterBot = [&] { hands.FighterStep(); };
    ASSERT_TRUE(Watch([] { return Fight2Side != 0 && Era04CameraStage == 3; }, 1500));
    for (int i : {1, 2, 3, 6, 7, 8}) s.hp[i] = 1;
    auto sixDown = [&] {
        for (int i : {1, 2, 3, 6, 7, 8})
            if (s.reaction[i] != 99) return false;
        return true;
    };
    ASSERT_TRUE(Watch(sixDown, 8000, fighterBot));
    // The melee waits until the camera shows the room's right end.
    Hold(VK_RIGHT);
    // The melee: the six leap in and fall to single blows; the second wave
    // comes in with 1500 hp (74..76), worn down through the hook.
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 74; }, 1500));
    LetGo(VK_RIGHT);
    ASSERT_TRUE(Watch([] { return DialogueChannels.fieldLine == 0; }, 600));
    PlayFrames(2);
    for (int i : {1, 2, 3, 6, 7, 8}) {
        EXPECT_EQ(s.hp[i], 1500);
        s.hp[i] = 0;
    }
    // The finale: the guard (78..83), her finishing move, the walk to soldier
    // 4, 84..86 and 87..92, the disc, 93 and soldier 4's fall.
    ASSERT_TRUE(Watch([] { return Era04Progress.soldierFight2Done == 1; }, 6000));
    std::vector<std::int32_t> expected = Range(74, 76);
    for (auto r : {Range(78, 83), Range(84, 86), Range(87, 92), Range(93, 93)})
        expected.insert(expected.end(), r.begin(), r.end());
    EXPECT_EQ(TakeLines(), expected);
    EXPECT_EQ(Era04DoorLocks[2], 0);
    EXPECT_EQ(Era04DoorLocks[3], 0);
    EXPECT_EQ(Era04CameraStage, 4);
    EXPECT_EQ(s.frame[4], 0);
    EXPECT_EQ(HoldsEndedUnkept, 0u) << "a hold left by " << LastHoldEndedUnkept;
}

}  // namespace
