// The driver the tournament's later flows share: Enter goes to every line on
// screen (once per frame the game has taken it), the lines shown on the
// side and event channels are noted in turn, and the heroine walks to a spot.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "areas/era02/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/player.h"
#include "core/random.h"
#include "support/area_run.h"
#include "support/roads/era02.h"
#include "text/text_state.h"

class TournamentFlow : public AreaRun {
protected:
    std::vector<std::int32_t> sideLines_, eventLines_, roundLines_;
    bool enterSent_ = false;
    static void Note(std::vector<std::int32_t>& seen, std::int32_t v) {
        if (v != 0 && (seen.empty() || seen.back() != v)) seen.push_back(v);
    }
    bool Play(const std::function<bool()>& until, int maxFrames) {
        autoEnter = false;
        return AreaRun::Play(
            [&] {
                Note(sideLines_, DialogueChannels.sideLine);
                Note(eventLines_, DialogueChannels.eventLine);
                Note(roundLines_, DialogueChannels.roundLine);
                const bool shown = DialogueChannels.sideLine != 0 || DialogueChannels.fieldLine != 0 ||
                                   DialogueChannels.eventLine != 0;
                if (!enterSent_ && EnterConfirmState == 1 && shown) {
                    Tap(VK_RETURN);
                    enterSent_ = true;
                } else {
                    enterSent_ = false;
                }
                return until();
            },
            maxFrames);
    }
    void Step() { Play([] { return true; }, 1); }
    // The game from a slot in the arena with the tournament's sequencer at
    // `round`, the heroine strong enough to stand any fight, near the marker.
    void StartAtRound(std::int32_t round) {
        static std::int32_t sequencer;
        sequencer = round;
        StartFromSlot([] {
            Era00AreaFlag = 0;
            Era02AreaFlag = 1;
            ArrivalScene.step = 99;
            TournamentState.state = sequencer;
            PlayerState.maxHp = PlayerState.hp = 9999;
            PlayerState.x = 47100 + 1558;
            PlayerState.y = 640;
            ScrollX = 47100 + 948;
        });
    }
    // Round 3 from its marker (A beside it) through the entrance to the
    // fight's first free step, the rolls from then on those of `seed`.
    bool IntoRound3Fight(std::uint32_t seed) {
        StartAtRound(3);
        SeedRandom(seed);
        if (!Play([] { return TournamentGauge.value == 98; }, 600)) return false;
        PlayerState.x = Era02Anchor1 + 1458 + 129;
        Press(VkLetter('a'));
        return Play([] { return Round3Opponent.depth == 0.3f && MessageBoxOpen == 0 && Round3Opponent.y == 640; },
                    6000);
    }
    // The shared fights play through these hands, noting lines as they go.
    RoadHands Hands() {
        return {[this](const std::function<bool()>& until, int n) { return Play(until, n); },
                [this](int k) { Hold(k); }, [this](int k) { LetGo(k); }, [this](int k) { Press(k); }};
    }
    // Walks until she is within `slack` of x, or a scene takes her over.
    bool WalkTo(std::int32_t x, std::int32_t slack = 8, bool stopForScenes = false) {
        return Hands().WalkTo(x, slack, stopForScenes);
    }
    static bool SeenIn(const std::vector<std::int32_t>& seen, std::int32_t from, std::int32_t to) {
        std::int32_t next = from;
        for (std::int32_t v : seen)
            if (v == next && ++next > to) return true;
        return false;
    }
    bool Seen(std::int32_t from, std::int32_t to) const { return SeenIn(sideLines_, from, to); }
    static std::string ListOf(const std::vector<std::int32_t>& seen) {
        std::string out;
        for (std::int32_t v : seen) out += std::to_string(v) + " ";
        return out;
    }
    std::string Listed() const { return ListOf(sideLines_); }
    // Lines of the trace log that hold `text`.
    int TraceCount(const std::string& text) const {
        int n = 0;
        for (const std::string& l : TraceLines()) n += l.find(text) != std::string::npos;
        return n;
    }
    bool SeenEvent(std::int32_t from, std::int32_t to) const { return SeenIn(eventLines_, from, to); }
    std::string EventsListed() const { return ListOf(eventLines_); }
};
