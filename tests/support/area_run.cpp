#include "support/area_run.h"

#include <cstring>
#include <filesystem>

#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/save_spots.h"
#include "platform/headless.h"
#include "shell/boot.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "support/fresh_state.h"
#include "support/wav_folder.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

std::int32_t* FlagOfKey(int key) {
    switch (key) {
        case VK_LEFT: return &KeyLeftPressed;
        case VK_RIGHT: return &KeyRightPressed;
        case VK_UP: return &KeyUpPressed;
        case VK_DOWN: return &KeyDownPressed;
        case VkLetter('A'): return &KeyAPressed;
        case VkLetter('D'): return &KeyDPressed;
        case VkLetter('F'): return &KeyFPressed;
        case VkLetter('G'): return &KeyGPressed;
        case VkLetter('Q'): return &KeyQPressed;
        case VkLetter('S'): return &KeySPressed;
        case VkLetter('X'): return &KeyXPressed;
        case VkLetter('Z'): return &KeyZPressed;
        default: return nullptr;
    }
}

namespace {

bool AnyDialogueChannel() {
    for (std::int32_t word : DialogueLineWords())
        if (word != 0) return true;
    return false;
}

// A line of a scene waits for Enter (not a menu screen's own prompt).
bool LineWaits() {
    return EnterConfirmState == 1 && (EventHoldsPlayer == 1 || MessageBoxOpen == 1 || AnyDialogueChannel());
}

// The game's own full data reset, run to its end.
void ResetAllGameData() {
    ResetGameData(0);
    for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
    }
}

}  // namespace

std::array<std::int32_t, 15> DialogueLineWords() {
    const DialogueChannelsRecord& d = DialogueChannels;
    return {d.storyLine, d.promptLine, d.rollText, d.shopLineA, d.shopLineB, d.shopLineC, d.gateLine, d.duelLine,
            d.fighterLine, d.arenaLine, d.fieldLine, d.finaleLine, d.sideLine, d.roundLine, d.eventLine};
}

void AreaRun::SetUp() {
    // Tiny sounds of our own: the boot loads every slot, one per frame.
    linkSounds = false;
    GameHarness::SetUp();
    WriteTinyWavFolder(Dir().string());
    SeedRandom(1);
}

void AreaRun::TearDown() {
    GameHarness::TearDown();
    ForgetRandomSeed();
}

void AreaRun::AnotherGame() {
    TearDown();
    ResetToStartValues();
    SetUp();
}

void AreaRun::StartFromSlot(std::function<void()> setWords) {
    ResetAllGameData();
    if (setWords) setWords();
    // The slot keeps the heroine's place as the menu takes it from the stage.
    MenuStageSnapshot = {PlayerState.facing, PlayerState.pose, ScrollX, ScrollY, PlayerState.x, PlayerState.y};
    SavedMenuPage = MenuPage;
    std::error_code ec;
    std::filesystem::create_directories(Dir() / "Data" / "Save", ec);
    ASSERT_TRUE(SaveGdata(1)) << "the prepared slot was not written";
    // Only what the slot holds comes back with the load.
    ResetAllGameData();
    GameFlow = GameFlowRecord{};
    BootState = BootStateRecord{};

    ASSERT_EQ(StartGame(), 0);
    ASSERT_NO_FATAL_FAILURE(ContinueFromTitle());
}

void AreaRun::ContinueFromTitle() {
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.bootStep == 13 && TitleScreenState.step == 6; }, 2000))
        << "the title never came up";
    // Continue, then slot 1 (the first row) with Enter.
    Press(VK_RIGHT);
    RunFrames(1);
    Release(VK_RIGHT);
    ASSERT_EQ(TitleScreenState.cursor, 2);
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return TitleLogoState.loadStep == 3; }, 200))
        << "no load screen (boot step " << GameFlow.bootStep << ", load step " << TitleLogoState.loadStep << ")";
    RunFrames(2);
    ASSERT_EQ(SaveScreenState.chosenSlot, 1u);
    ASSERT_EQ(EnterConfirmState, 1) << "the load screen does not take Enter";
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 600)) << "the slot never reached the stage";
}

void AreaRun::StartProgramAgain() {
    held_.clear();
    answers_.clear();
    answerKeyDown_ = 0;
    RestartGame([] {
        // A new process: every word of the game at its start value.
        ResetAllGameData();
        GameFlow = GameFlowRecord{};
        GameFlowExtra = GameFlowExtraRecord{};
        BootState = BootStateRecord{};
        PlayerState = PlayerStateRecord{};
        SaveSpotFlag = 0;
    });
}

void AreaRun::SendKey(int key, bool down) {
    if (down) Press(key);
    else Release(key);
}

void AreaRun::Hold(int key) {
    held_.insert(key);
    Press(key);
}

void AreaRun::LetGo(int key) {
    held_.erase(key);
    Release(key);
    for (int k : held_) Press(k);
}

void AreaRun::AnswerYes() { answers_.push_back({VkLetter('Y')}); }
void AreaRun::AnswerNo() { answers_.push_back({VkLetter('N')}); }
void AreaRun::AnswerNumber(int n) { answers_.push_back({VkDigit(n)}); }

bool AreaRun::DriveOneFrame() {
    bool sent = false;
    if (answerKeyDown_ != 0) {
        SendKey(answerKeyDown_, false);
        answerKeyDown_ = 0;
        sent = true;
    }
    const bool lineWaits = autoEnter && LineWaits();
    bool answering = false;
    if (!answers_.empty()) {
        const bool number = answers_.front().key >= VkDigit(1) && answers_.front().key <= VkDigit(6);
        // A question is on screen: a line is shown (Y and N) or the number
        // keys are open.
        const bool canPress = number ? NumberKeysBlocked == 0 : AnyDialogueChannel();
        // Answers and Enter take turns, so the lines before a prompt still
        // move on while an answer waits for its prompt.
        answering = canPress && (!lineWaits || !enterTurn_);
    }
    if (lineWaits && !answering) {
        Tap(VK_RETURN);
        ++entersGiven_;
        enterTurn_ = false;
        sent = true;
    }
    // A held key repeats: after any other key event, and whenever it is free
    // to act and its flag has gone.
    const bool keysFree = MessageBoxOpen == 0 && PlayerKeysBlocked == 0;
    for (int k : held_) {
        std::int32_t* flag = FlagOfKey(k);
        if (sent || (keysFree && flag && *flag == 0)) Press(k);
    }
    if (answering) {
        // Pressed last: its event clears the held keys' flags, as a real
        // key pressed while others are held does.
        Press(answers_.front().key);
        enterTurn_ = true;
    }

    const DialogueChannelsRecord linesBefore = DialogueChannels;
    const std::int32_t enterBefore = EnterConfirmState;
    if (RunFrames(1) == 0) return false;

    if (answering) {
        const Answer a = answers_.front();
        // A prompt took Y or N when it cleared the key and moved on; a scene
        // that only clears the keys as its question comes up has not.
        const bool movedOn = std::memcmp(&linesBefore, &DialogueChannels, sizeof linesBefore) != 0 ||
                             enterBefore != EnterConfirmState;
        bool taken = false;
        if (a.key == VkLetter('Y')) taken = KeyYPressed == 0 && movedOn;
        else if (a.key == VkLetter('N')) taken = KeyNPressed == 0 && movedOn;
        else taken = NumberKeyValue != a.key - VkDigit(0);
        if (taken) answers_.pop_front();
        answerKeyDown_ = a.key;
    }
    return true;
}

bool AreaRun::Play(std::function<bool()> until, int maxFrames) {
    for (int i = 0; i < maxFrames; ++i) {
        if (!DriveOneFrame()) return until();
        if (until()) return true;
    }
    return false;
}

void AreaRun::PlayFrames(int n) {
    for (int i = 0; i < n; ++i)
        if (!DriveOneFrame()) return;
}
