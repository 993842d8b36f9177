// Key flags to the heroine's requests and intents, once per stage step. It
// moves nothing itself: the walk, run, slide, jump, crouch and attack
// routines later in the same step act on what it writes.
#include "core/player.h"

#include "core/area_hooks.h"
#include "core/combos.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/menu_words.h"

namespace {

bool AllCombosIdle() {
    const PlayerMoveStateRecord& m = PlayerMoveState;
    return m.comboS == 0 && m.comboD == 0 && m.comboF == 0 && m.comboG == 0 && m.comboQ == 0;
}

void RequestJump(std::int32_t kind) {
    PlayerMoveState.jumpKind = kind;
    PlayerState.pose = 14;
    PlayerMoveState.poseStepTime = GameClock.gameClock;
}

// What the heroine is doing when an attack key comes, the later rows
// winning: Busy lets no attack start.
enum class AttackSituation { Busy, Standing, Moving, KeysBlocked };

AttackSituation CurrentAttackSituation() {
    const PlayerMoveStateRecord& m = PlayerMoveState;
    AttackSituation s = AttackSituation::Busy;
    if (m.busy == 0) s = AttackSituation::Standing;
    if (m.jumpKind >= 10 && m.jumpKind <= 49) s = AttackSituation::Moving;
    if (m.runZ == 1) s = AttackSituation::Moving;
    if (m.runX == 1) s = AttackSituation::Moving;
    if (PlayerKeysBlocked == 1) s = AttackSituation::KeysBlocked;
    return s;
}

// Standing (10) or air (20) start of an S, D, F or G attack, or 0 when the
// heroine is doing something that lets no attack start.
std::int32_t AttackStartValue() {
    switch (CurrentAttackSituation()) {
        case AttackSituation::Busy: return 0;
        case AttackSituation::Standing: return 10;
        case AttackSituation::Moving:
        case AttackSituation::KeysBlocked: return 20;
    }
    return 0;
}

// The Q attack's speed divisor for the same situations; 0 = no start.
std::int32_t QSpeedDivisor() {
    switch (CurrentAttackSituation()) {
        case AttackSituation::Busy: return 0;
        case AttackSituation::Standing: return 1;
        case AttackSituation::Moving: return 3;
        case AttackSituation::KeysBlocked: return 2;
    }
    return 0;
}

void StartAttacks() {
    if (AskArea(AreaHooks.attacksHeld)) return;
    struct AttackKey {
        const std::int32_t* flag;
        const std::int32_t* learned;   // null: always available
        std::int32_t PlayerMoveStateRecord::*word;
    };
    const AttackKey keys[] = {
        {&KeySPressed, nullptr, &PlayerMoveStateRecord::comboS},
        {&KeyDPressed, &LearnedMoveD, &PlayerMoveStateRecord::comboD},
        {&KeyFPressed, &LearnedMoveF, &PlayerMoveStateRecord::comboF},
        {&KeyGPressed, &LearnedMoveG, &PlayerMoveStateRecord::comboG},
    };
    for (const AttackKey& k : keys) {
        if (*k.flag != 1 || (k.learned && *k.learned == 0) || !AllCombosIdle()) continue;
        const std::int32_t word = AttackStartValue();
        if (word != 0) PlayerMoveState.*k.word = word;
    }
    if (KeyQPressed == 1 && AllCombosIdle() &&
        (MoveQEnabled != 0 || PlayerState.weaponMode2 == 1)) {
        const std::int32_t divisor = QSpeedDivisor();
        if (divisor != 0) {
            PlayerMoveState.comboQ = 10;
            AttackQSpeedDivisor = divisor;
        }
    }
}

void UpdateWalkIntent(std::int32_t flag, std::int32_t& intent) {
    const PlayerMoveStateRecord& m = PlayerMoveState;
    if (flag == 1 && m.jumpKind == 0 && m.runSlideState == 0 && m.runZ == 0 && m.runX == 0 &&
        m.comboS == 0)
        intent = 1;
    if (flag == 0 && intent == 1) {
        intent = 0;
        PlayerState.pose = 1;
    }
}

void UpdateRunIntent(std::int32_t flag, std::int32_t& intent, std::int32_t armedSlide) {
    PlayerMoveStateRecord& m = PlayerMoveState;
    if (flag == 1 && m.jumpKind == 0 && m.comboS == 0) {
        intent = 1;
        // A run key during a slide turns it back into an armed run.
        if (m.runSlideState >= 98) m.runSlideState = armedSlide;
    }
    if (flag == 0) intent = 0;
}

}  // namespace

void UpdatePlayerInput() {
    PlayerMoveStateRecord& m = PlayerMoveState;

    if (KeyDownPressed == 1 && m.comboS == 0 && m.jumpKind == 0) m.crouch = 10;

    if (KeyUpPressed == 1 && m.jumpKind == 0) {
        const bool lowerRouteBar = AskArea(AreaHooks.movingJumpsBarred);
        if (PlayerState.pose == 1 || PlayerState.pose == 22) RequestJump(10);
        if (!lowerRouteBar) {
            if (m.walkRight == 1 || m.walkLeft == 1) RequestJump(20);
            if (m.runZ == 1) RequestJump(30);
            if (m.runX == 1) RequestJump(40);
        }
    }

    StartAttacks();

    UpdateWalkIntent(KeyRightPressed, m.walkRight);
    UpdateWalkIntent(KeyLeftPressed, m.walkLeft);
    UpdateRunIntent(KeyZPressed, m.runZ, 1);
    UpdateRunIntent(KeyXPressed, m.runX, 2);

    ApplyBusyRule();
    if (m.busy == 0) PlayerState.pose = 1;
}
