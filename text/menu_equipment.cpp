// The equipment and technique screen of the in-game menu. Page 1 lists the
// techniques, and the heroine demonstrates the one under the cursor; page 2
// lists the outfits and the worn piece, which Enter changes after a short
// wait. Right on the heading row flips the pages; F2 goes back.
#include <initializer_list>

#include "core/floors.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

MenuFlowStateRecord& flow = MenuFlowState;
EquipmentScreenStateRecord& equipment = EquipmentScreenState;

constexpr std::int32_t kMenuMusic = 4;
constexpr std::int32_t kHeading = 26;
constexpr std::int32_t kEntryLabel = 10;
constexpr std::int32_t kOutfitPicture = 32;
constexpr std::int32_t kEquipPicture = 41;
constexpr std::int32_t kUpMarker = 45;
constexpr std::int32_t kDownMarker = 46;
constexpr std::int32_t kSideMarker = 47;
constexpr double kSwitchTime = 1.31;
// Outfits cannot be changed this near the end of the world.
constexpr std::int32_t kOutfitLimitX = 77281 - 150;
constexpr std::int32_t kDemoY = 450;

// Technique rows 11..14: their element and whether the move is learned.
constexpr std::int32_t kMoveElement[15] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 21, 23, 24, 22};

bool Learned(std::int32_t row) {
    switch (row) {
        case 11: return LearnedMoveD != 0;
        case 12: return LearnedMoveF != 0;
        case 13: return LearnedMoveG != 0;
        case 14: return MoveQEnabled != 0;
        default: return row >= 1 && row <= 10;
    }
}

// Element of technique row 2..14 (row 1 is the tab).
std::int32_t TechniqueElement(std::int32_t row) { return row <= 10 ? row + 10 : kMoveElement[row]; }
// Element of equipment row 2..4.
std::int32_t EquipmentElement(std::int32_t row) { return row == 2 ? 34 : row == 3 ? 35 : 99; }

void PlayGeneral(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[0]); }
// The weapon-mode-2 demonstrations sound at the effects volume.
void PlayDemoSound(std::int32_t id) {
    const bool effects = id == 157 || id == 130 || id == 158 || id == 84;
    PlaySoundEffect(id, SoundVolumes[effects ? 1 : 0]);
}

std::int32_t& Word(std::int32_t n) { return MenuElementWord(n); }

void ShowLists() {
    for (std::int32_t n = 12; n <= 20; ++n) Word(n) = 1;
    for (std::int32_t m = 1; m <= 9; ++m) MenuElementWords.rowMarker[m] = 1;
    for (std::int32_t row = 11; row <= 14; ++row) {
        Word(kMoveElement[row]) = Learned(row) ? 1 : 0;
        MenuElementWords.rowMarker[row - 1] = Learned(row) ? 1 : 0;
    }
}

// ------------------------------------------------------------------ demos
struct DemoSegment {
    std::int32_t pose;
    std::int32_t x;          // 0: the row's x
    double hold;             // seconds
    std::int32_t sound1, sound2;   // played on leaving
};

struct DemoRange {
    std::int32_t first, count;
};

constexpr DemoSegment kSegments[] = {
    // 0: row 10, weapon mode 1
    {19, 0, 0.03, 0, 0}, {20, 0, 0.03, 5, 0}, {21, 0, 0.2, 0, 0}, {22, 0, 0.5, 0, 0},
    // 4: row 10, weapon mode 2
    {22, 85, 1.53, 0, 0}, {201, 136, 0.2, 157, 130}, {202, 179, 0.1, 0, 0}, {203, 194, 0.18, 0, 0},
    {204, 140, 0.1, 158, 0}, {205, 85, 0.15, 0, 0},
    // 10: row 11, weapon mode 1
    {33, 0, 0.05, 0, 0}, {34, 0, 0.05, 5, 0}, {35, 0, 0.05, 0, 0}, {36, 0, 0.2, 0, 0}, {37, 0, 0.05, 0, 0},
    {38, 0, 0.5, 0, 0},
    // 16: row 11, weapon mode 2: the spin cycles four poses, swishing at
    // every second change
    {22, 85, 1.53, 0, 0}, {206, 85, 0.02, 157, 130}, {207, 85, 0.05, 0, 0}, {208, 85, 0.09, 130, 0},
    {209, 85, 0.05, 0, 0}, {210, 85, 0.10, 130, 0}, {207, 85, 0.05, 0, 0}, {208, 85, 0.09, 130, 0},
    {209, 85, 0.05, 0, 0}, {210, 85, 0.09, 130, 0}, {207, 85, 0.05, 0, 0}, {208, 85, 0.09, 130, 0},
    {209, 85, 0.05, 0, 0}, {210, 85, 0.09, 158, 0}, {206, 85, 0.1, 0, 0},
    // 31: row 12, weapon mode 1
    {22, 80, 0.52, 0, 0}, {120, 112, 0.02, 0, 0}, {121, 112, 0.22, 5, 0}, {122, 112, 0.02, 0, 0},
    {123, 128, 0.02, 0, 0}, {124, 128, 0.3, 0, 0}, {120, 112, 0.02, 0, 0},
    // 38: row 12, weapon mode 2
    {22, 85, 1.52, 157, 0}, {211, 150, 0.1, 0, 0}, {212, 150, 0.1, 0, 0}, {217, 150, 0.3, 130, 0},
    {218, 150, 0.04, 0, 0}, {219, 160, 0.04, 0, 0}, {220, 190, 0.02, 0, 0}, {221, 205, 0.02, 0, 0},
    {222, 200, 0.1, 0, 0}, {217, 170, 0.1, 0, 0}, {212, 170, 0.1, 158, 0}, {211, 170, 0.1, 0, 0},
    // 50: row 13, weapon mode 1
    {22, 80, 0.52, 0, 0}, {120, 112, 0.02, 0, 0}, {121, 112, 0.02, 0, 0}, {122, 112, 0.02, 0, 0},
    {123, 128, 0.02, 0, 0}, {125, 140, 0.03, 5, 0}, {126, 140, 0.03, 0, 0}, {127, 140, 0.03, 0, 0},
    {128, 140, 0.06, 0, 0}, {120, 112, 0.06, 0, 0},
    // 60: row 13, weapon mode 2
    {22, 80, 1.52, 157, 0}, {211, 150, 0.1, 0, 0}, {212, 150, 0.1, 0, 0}, {213, 80, 0.3, 130, 0},
    {214, 60, 0.04, 0, 0}, {215, 60, 2.04, 0, 0}, {216, 60, 0.42, 0, 0}, {212, 183, 0.1, 158, 0},
    {211, 180, 0.1, 0, 0},
    // 69: row 14, weapon mode 1
    {101, 0, 0.177, 0, 0}, {102, 0, 0.035, 5, 0}, {103, 0, 0.035, 0, 0}, {104, 0, 0.07, 0, 0},
    {105, 0, 0.07, 0, 0}, {22, 0, 0.5, 0, 0},
    // 75: row 14, weapon mode 2
    {22, 0, 1.0, 84, 0}, {223, 0, 1.0, 0, 0},
    // 77: rows 3 and 4, the walk
    {2, 0, 0.0763636, 0, 0}, {3, 0, 2 * 0.0572727, 0, 0}, {4, 0, 2 * 0.07, 0, 0}, {5, 0, 2 * 0.07, 0, 0},
    {6, 0, 2 * 0.07, 0, 0}, {7, 0, 2 * 0.07, 0, 0},
};

// [row][weapon mode - 1] for rows 10..14; rows 3 and 4 share the walk.
constexpr DemoRange kDemoRanges[15][2] = {
    {}, {}, {}, {{77, 6}, {77, 6}}, {{77, 6}, {77, 6}}, {}, {}, {}, {}, {},
    {{0, 4}, {4, 6}}, {{10, 6}, {16, 15}}, {{31, 7}, {38, 12}}, {{50, 10}, {60, 9}}, {{69, 6}, {75, 2}},
};

std::int32_t RowX(std::int32_t row) { return row == 1 || row == 14 ? 110 : 138; }

void RestartDemo(std::int32_t row) {
    equipment.demoRow = row;
    equipment.demoStep = 0;
    equipment.swishFlag = 0;
    equipment.demoStamp = RealNow();
}

void PlaySegments(const DemoRange& range, std::int32_t row) {
    if (range.count == 0) return;
    if (equipment.demoStep < 0 || equipment.demoStep >= range.count) equipment.demoStep = 0;
    const DemoSegment& s = kSegments[range.first + equipment.demoStep];
    PlayerState.pose = s.pose;
    PlayerState.x = s.x != 0 ? s.x : RowX(row);
    if (RealNow() - equipment.demoStamp >= s.hold) {
        if (s.sound1 != 0) PlayDemoSound(s.sound1);
        if (s.sound2 != 0) PlayDemoSound(s.sound2);
        equipment.demoStep = (equipment.demoStep + 1) % range.count;
        equipment.demoStamp = RealNow();
    }
}

void DemoJump() {
    PlayerStateRecord& p = PlayerState;
    p.facing = 1;
    if (equipment.demoStep != 1) {
        equipment.demoStep = 1;
        equipment.demoStamp = RealNow();
        PlayDemoSound(18);
    }
    const double t = RealNow() - equipment.demoStamp;
    p.pose = 14;
    if (t >= 0.05) p.pose = 1018;
    if (t >= 0.4612546) p.pose = 16;
    p.y = kDemoY - ArcRise(750.0, t);
    if (p.pose == 16 && p.y >= kDemoY) {
        p.pose = 1;
        PlayerMoveState.jumpKind = 0;
        p.y = kDemoY;
        equipment.demoStep = 0;   // the arc starts again, with its sound
    }
}

void DemoWalkCycle(double period) {
    PlayerMoveState.runTimeBase = period;
    const double holds[4] = {period * 61 / 59, period * 61 / 49, period, period * 61 / 48};
    if (equipment.demoStep < 0 || equipment.demoStep > 3) equipment.demoStep = 0;
    PlayerState.pose = 8 + equipment.demoStep;
    if (RealNow() - equipment.demoStamp > holds[equipment.demoStep]) {
        equipment.demoStep = (equipment.demoStep + 1) % 4;
        equipment.demoStamp = RealNow();
    }
}

void RunDemo(std::int32_t row) {
    PlayerStateRecord& p = PlayerState;
    if (row != equipment.demoRow) RestartDemo(row);
    const std::int32_t mode = p.weaponMode2 == 1 ? 2 : 1;
    if (row != 5) p.y = kDemoY;
    p.x = RowX(row);
    p.facing = row == 4 ? -1 : 1;
    switch (row) {
        case 2:
            p.pose = 1;
            p.facing = 1;
            break;
        case 3:
        case 4:
            p.facing = row == 3 ? 1 : -1;
            PlaySegments(kDemoRanges[row][0], row);
            break;
        case 5: DemoJump(); break;
        case 6: p.pose = 26; break;
        case 7: p.pose = 40; break;
        case 8: DemoWalkCycle(0.09); break;
        case 9: DemoWalkCycle(0.02); break;
        case 10: case 11: case 12: case 13: case 14:
            PlaySegments(kDemoRanges[row][mode - 1], row);
            break;
        default: break;
    }
}

// -------------------------------------------------------------- techniques
void TechniquePage() {
    std::int32_t& cursor = equipment.cursor;
    MenuSpriteParams.actionListX = 303;
    MenuSpriteParams.equipListX = 503;
    if (KeyDownPressed == 1) {
        KeyDownPressed = 0;
        if (cursor < 10) {
            ++cursor;
            PlayGeneral(3);
        } else {
            for (std::int32_t r = cursor + 1; r <= 14; ++r) {
                if (!Learned(r)) continue;
                cursor = r;
                PlayGeneral(3);
                break;
            }
        }
    }
    if (KeyUpPressed == 1) {
        KeyUpPressed = 0;
        if (cursor >= 2 && cursor < 12) {
            --cursor;
            PlayGeneral(3);
        } else if (cursor >= 12) {
            std::int32_t to = 10;
            for (std::int32_t r = cursor - 1; r >= 11; --r) {
                if (Learned(r)) {
                    to = r;
                    break;
                }
            }
            cursor = to;
            PlayGeneral(3);
        }
    }
    if (cursor >= 2) {
        Word(kEntryLabel) = 2;
        Word(TechniqueElement(cursor)) = 2;
        MenuElementWords.rowMarker[cursor - 1] = 2;
    } else {
        MenuSpriteParams.actionTabShown = 2;
        Word(kUpMarker) = 2;
    }
    Word(kDownMarker) = cursor == 2 ? 2 : cursor >= 3 ? 1 : 0;
    Word(kSideMarker) = cursor == 1 ? 2 : 1;
    Word(kOutfitPicture) = 0;
    MenuSpriteParams.equipTabShown = 1;
    Word(34) = 1;
    Word(35) = EquipmentFlags.acquiredA != 0 ? 1 : 0;
    RunDemo(cursor);
}

// --------------------------------------------------------------- equipment
bool SwitchPending() { return equipment.switchStamp != 0; }

// Arms the Enter handshake of an allowed switch; after Enter the change
// waits 1.31 s, and `change` is applied.
template <typename Change>
void RunSwitch(bool allowed, Change change) {
    if (allowed && !SwitchPending() && EnterConfirmState == 0) {
        EnterConfirmState = 1;
        equipment.switchStamp = RealNow();
    }
    if (!SwitchPending()) return;
    if (EnterConfirmState == 2) {
        EnterConfirmState = 0;
        equipment.switchStamp = RealNow();
        PlayGeneral(1);
        return;
    }
    if (EnterConfirmState != 0) return;
    std::int32_t& picture = Word(kOutfitPicture);
    if (picture == 2) picture = 3;
    else if (picture == 4) picture = 5;
    if (RealNow() - equipment.switchStamp >= kSwitchTime) {
        equipment.switchStamp = 0;
        change();
    }
}

void EquipCursorMoved() {
    PlayGeneral(3);
    equipment.switchStamp = 0;
    EnterConfirmState = 0;
}

void EquipmentPage() {
    PlayerStateRecord& p = PlayerState;
    EquipmentFlagsRecord& q = EquipmentFlags;
    std::int32_t& cursor = equipment.cursor;
    MenuSpriteParams.actionListX = 503;
    MenuSpriteParams.equipListX = 303;
    p.x = 110;
    if (KeyDownPressed == 1) {
        KeyDownPressed = 0;
        if (cursor < 4) {
            ++cursor;
            if (cursor == 3 && q.acquiredA == 0) cursor = q.acquiredB != 0 ? 4 : 2;
            if (cursor == 4 && q.acquiredB == 0) cursor = 3;
            EquipCursorMoved();
        }
    }
    if (KeyUpPressed == 1) {
        KeyUpPressed = 0;
        if (cursor >= 2) {
            --cursor;
            EquipCursorMoved();
        }
    }
    if (cursor == 3 && q.acquiredA == 0) cursor = 2;

    Word(kUpMarker) = 2;
    Word(kSideMarker) = 2;
    Word(kOutfitPicture) = 1;
    MenuSpriteParams.equipTabShown = 2;
    Word(34) = 1;
    Word(35) = q.acquiredA != 0 ? 1 : 0;
    Word(99) = q.acquiredB != 0 ? 1 : 0;
    MenuElementWords.rowMarker[1] = 1;
    MenuElementWords.rowMarker[2] = q.acquiredA != 0 ? 1 : 0;
    MenuElementWords.rowMarker[3] = q.acquiredB != 0 ? 1 : 0;
    for (std::int32_t m = 4; m <= 13; ++m) MenuElementWords.rowMarker[m] = 0;
    Word(kEntryLabel) = 0;
    MenuSpriteParams.actionTabShown = 1;
    for (std::int32_t n = 12; n <= 20; ++n) Word(n) = 1;
    for (std::int32_t row = 11; row <= 14; ++row) Word(kMoveElement[row]) = Learned(row) ? 1 : 0;

    if (cursor <= 1) {
        Word(kOutfitPicture) = 1;
        MenuSpriteParams.equipTabShown = 2;
        Word(kUpMarker) = 2;
        EquipTextNo = 0;
        EquipStateText = 0;
        Word(kEquipPicture) = 0;
        return;
    }
    Word(kOutfitPicture) = 2;
    MenuSpriteParams.equipTabShown = 1;
    Word(kUpMarker) = 0;
    Word(kSideMarker) = 1;
    Word(EquipmentElement(cursor)) = 2;
    Word(kDownMarker) = cursor == 2 ? 2 : 1;
    MenuElementWords.rowMarker[cursor - 1] = 2;

    const bool placeAllowed = PlayerPrevFrame.x < kOutfitLimitX;
    std::int32_t& picture = Word(kOutfitPicture);
    if (cursor == 2) {
        EquipTextNo = 1;
        Word(kEquipPicture) = 1;
        EquipStateText = p.weaponMode1 == 1 ? 2 : 1;
        picture = p.weaponMode1 == 1 ? 2 : 4;
        if (!placeAllowed) {
            EquipStateText = 5;
            return;
        }
        RunSwitch(q.acquiredB != 0, [&] {
            if (p.weaponMode1 == 1) {
                p.weaponMode1 = 0;
                p.weaponMode2 = 1;
                MoveQEnabled = 1;
            } else {
                p.weaponMode1 = 1;
                q.worn = 0;
                p.weaponMode2 = 0;
                MoveQEnabled = 0;
            }
        });
    } else if (cursor == 3) {
        EquipTextNo = 2;
        Word(kEquipPicture) = 2;
        if (q.worn == 1 && p.weaponMode1 != 1) q.worn = 0;
        if (q.worn == 1) {
            EquipStateText = 2;
            picture = 2;
        } else {
            EquipStateText = p.weaponMode1 == 1 ? 1 : 3;
            picture = 4;
        }
        RunSwitch(p.weaponMode1 == 1, [&] {
            q.worn = q.worn == 1 ? 0 : 1;
            MoveQEnabled = q.worn;
        });
    } else {
        EquipTextNo = 3;
        Word(kEquipPicture) = 3;
        EquipStateText = p.weaponMode2 == 1 ? 2 : 1;
        picture = p.weaponMode2 == 1 ? 2 : 4;
        if (!placeAllowed) {
            EquipStateText = 5;
            return;
        }
        RunSwitch(true, [&] {
            if (p.weaponMode2 == 1) {
                p.weaponMode1 = 1;
                p.weaponMode2 = 0;
                MoveQEnabled = 0;
            } else {
                p.weaponMode1 = 0;
                q.worn = 0;
                p.weaponMode2 = 1;
                MoveQEnabled = 1;
            }
        });
    }
}

// ------------------------------------------------------------ the screen
void RunIntro() {
    PlayerStateRecord& p = PlayerState;
    std::uint32_t& intro = flow.equipmentIntro;
    if (intro == 0) {
        equipment.cursor = 0;
        equipment.leaveStep = 0;
        equipment.switchStamp = 0;
        equipment.demoRow = 0;
        p.x = 148;
        p.y = 5;
        p.pose = 16;
        p.facing = 1;
        equipment.page = 1;
        MenuSpriteParams.actionListX = 303;
        MenuSpriteParams.equipListX = 503;
        flow.hudUpdateOn = 1;
        Word(kHeading) = 1;
        MenuSpriteParams.actionTabShown = 1;
        MenuSpriteParams.equipTabShown = 1;
        ShowLists();
        Word(34) = 1;
        Word(35) = EquipmentFlags.acquiredA != 0 ? 1 : 0;
        Word(99) = EquipmentFlags.acquiredB != 0 ? 1 : 0;
        ScrollX = 0;
        PlayerFigureShown = 1;
        equipment.introStamp = RealNow();
        intro = 1;
    }
    StepMenuFallIn(intro, equipment.introStamp, kSubScreenFloor);
}

void HideEquipmentScreen() {
    for (std::int32_t n : {kHeading, kEntryLabel, kOutfitPicture, kEquipPicture, kUpMarker, kDownMarker, kSideMarker,
                           34, 35, 99})
        Word(n) = 0;
    for (std::int32_t n = 12; n <= 24; ++n) Word(n) = 0;
    MenuSpriteParams.actionTabShown = 0;
    MenuSpriteParams.equipTabShown = 0;
    for (std::int32_t m = 1; m <= 13; ++m) MenuElementWords.rowMarker[m] = 0;
    EquipTextNo = 0;
    EquipStateText = 0;
}

void RunBackKey() {
    if (PhaseChangeRequest == 1 && equipment.leaveStep == 0) {
        PhaseChangeRequest = 0;
        equipment.leaveStep = 1;
    }
    if (equipment.leaveStep == 2) {
        flow.equipmentOpen = 0;
        flow.equipmentStart = 0;
        equipment.leaveStep = 0;
        HideEquipmentScreen();
        ReturnToMainMenu();
    } else if (equipment.leaveStep == 1) {
        if (Word(kHeading) != 2) {
            Word(kHeading) = 2;
            equipment.leaveStamp = RealNow();
        }
        if (RealNow() - equipment.leaveStamp >= 0.4) {
            equipment.leaveStep = 2;
            PlayGeneral(3);
        }
    }
}

}  // namespace

void UpdateEquipmentScreen() {
    if (RealNow() < equipment.introStamp) equipment.introStamp = equipment.demoStamp = equipment.leaveStamp = equipment.switchStamp = 0;
    if (flow.equipmentStart == 1) RunIntro();
    if (flow.equipmentIntro >= 6) {
        flow.hudUpdateOn = 1;
        Word(kEntryLabel) = 1;
        MenuSpriteParams.actionTabShown = 1;
        ShowLists();
        Word(kUpMarker) = 0;
        Word(kDownMarker) = 0;
        if (equipment.cursor == 0) {
            KeyUpPressed = KeyDownPressed = KeyLeftPressed = KeyRightPressed = 0;
            equipment.cursor = 1;
        }
        if (KeyRightPressed == 1) {
            KeyRightPressed = 0;
            if (equipment.cursor == 1) {
                PlayGeneral(3);
                equipment.page = equipment.page == 1 ? 2 : 1;
            }
        }
        if (equipment.page == 2) EquipmentPage();
        else TechniquePage();
    }
    RunBackKey();
    PlayGeneral(kMenuMusic);
}
