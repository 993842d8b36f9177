#include "support/roads/key_hands.h"

#include <algorithm>

#include "core/player.h"
#include "support/area_run.h"

bool KeyHands::Play(const std::function<bool()>& until, int maxFrames) {
    return watch_([&] {
        if (bot) bot();
        return until();
    }, maxFrames);
}

void KeyHands::PlayFrames(int n) {
    int ran = 0;
    Play([&] { return ++ran >= n; }, n);
}

void KeyHands::Key(int key, bool down) {
    bool& now = held_[key];
    if (down && !now) run_.Hold(key);
    if (!down && now) run_.LetGo(key);
    now = down;
}

void KeyHands::LetAllGo() {
    for (auto& [key, down] : held_)
        if (down) {
            run_.LetGo(key);
            down = false;
        }
}

void KeyHands::Only(std::initializer_list<int> keys) {
    for (auto& [key, down] : held_)
        if (down && std::find(keys.begin(), keys.end(), key) == keys.end()) Key(key, false);
    for (int key : keys) Key(key, true);
}

void KeyHands::Tap(int key) { run_.Tap(key); }
void KeyHands::Press(int key) { run_.Press(key); }
void KeyHands::Release(int key) { run_.Release(key); }

void KeyHands::AutoEnter(bool on) { run_.autoEnter = on; }

bool KeyHands::Idle() {
    const PlayerMoveStateRecord& m = PlayerMoveState;
    return m.comboS == 0 && m.comboD == 0 && m.comboF == 0 && m.comboG == 0 && m.jumpKind == 0;
}
