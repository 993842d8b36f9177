// Helpers for tests of the heroine's controller and the stage step: a fresh
// stage at a fixed step rate, sound slots that really hold a sound, and the
// sound calls the game made.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/player.h"
#include "platform/headless.h"
#include "shell/sound_bank.h"
#include "world/world.h"

class MovementTest : public ::testing::Test {
protected:
    double step = 1.0 / 64.0;

    void SetUp() override {
        plat::headless::Reset();
        GameClock.gameClock = 1.0;
        GameClock.lastStepTime = 1.0;
        GameClock.stepLength = step;
        GameFlow.phase = 1;
    }

    // One stage step `dt` seconds after the last one, followed by the step
    // bookkeeping the frame driver does.
    void Step(double dt) {
        GameClock.gameClock += dt;
        UpdateWorld();
        GameClock.stepLength = GameClock.gameClock - GameClock.lastStepTime;
        GameClock.lastStepTime = GameClock.gameClock;
    }
    void Step() { Step(step); }
    void Steps(int n) {
        for (int i = 0; i < n; ++i) Step();
    }

    // Puts a short silent sound into the given slots (platform and game
    // bookkeeping both), so that plays of them are real plays.
    void LoadSlots(std::initializer_list<int> slots) {
        const std::string path =
            (std::filesystem::temp_directory_path() / ("qm_move_" + std::to_string(std::random_device{}()) + ".wav"))
                .string();
        WriteSilentWav(path);
        for (int s : slots) {
            ASSERT_TRUE(plat::SoundLoad(s, path.c_str())) << "slot " << s;
            SoundTable[s] = 1;
        }
        std::filesystem::remove(path);
    }

    // Slots of the Play calls made so far, in order.
    static std::vector<int> PlayedSlots() {
        std::vector<int> out;
        for (const auto& c : plat::headless::AllSoundCalls())
            if (c.op == plat::headless::SoundOp::Play) out.push_back(c.slot);
        return out;
    }
    static int PlayCount(int slot) {
        int n = 0;
        for (int s : PlayedSlots()) n += (s == slot);
        return n;
    }
    static std::vector<int> PlayVolumes(int slot) {
        std::vector<int> out;
        for (const auto& c : plat::headless::AllSoundCalls())
            if (c.op == plat::headless::SoundOp::Play && c.slot == slot) out.push_back(c.volumeMb);
        return out;
    }

private:
    static void WriteSilentWav(const std::string& path) {
        const std::uint32_t samples = 2205;   // 0.1 s, 16-bit stereo at 22050 Hz
        const std::uint32_t dataBytes = samples * 4;
        std::vector<std::uint8_t> b;
        auto u32 = [&b](std::uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF); };
        auto u16 = [&b](std::uint16_t v) { b.push_back(v & 0xFF); b.push_back(v >> 8); };
        auto tag = [&b](const char* t) { b.insert(b.end(), t, t + 4); };
        tag("RIFF"); u32(36 + dataBytes); tag("WAVE");
        tag("fmt "); u32(16); u16(1); u16(2); u32(22050); u32(22050 * 4); u16(4); u16(16);
        tag("data"); u32(dataBytes);
        b.resize(b.size() + dataBytes, 0);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(b.data(), 1, b.size(), f);
        std::fclose(f);
    }
};
