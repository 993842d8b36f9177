// Message-number words that scenes set and the text pass shows, and the
// Enter handshake by which a scene waits for the player.
#pragma once

#include <cstdint>

#include "core/holds.h"

// 0 = no text; any other value selects a group of lines in the block of the
// active area. A message is identified by (area, channel, value), never by
// the value alone.
struct DialogueChannelsRecord {
    std::int32_t storyLine = 0;     // the first word
    std::int32_t promptLine = 0;    // also the quit prompt on the menu side
    std::int32_t rollText = 0;      // 2 = staff roll
    std::int32_t shopLineA = 0;
    std::int32_t shopLineB = 0;
    std::int32_t shopLineC = 0;
    std::int32_t gateLine = 0;
    std::int32_t duelLine = 0;
    std::int32_t fighterLine = 0;
    std::int32_t arenaLine = 0;
    std::int32_t fieldLine = 0;
    std::int32_t finaleLine = 0;
    std::int32_t sideLine = 0;
    std::int32_t roundLine = 0;
    std::int32_t eventLine = 0;
};
inline DialogueChannelsRecord DialogueChannels;

// 0 idle, 1 = a message waits for Enter; the keyboard callback turns 1 into 2.
inline std::int32_t EnterConfirmState = 0;
// EventHoldsPlayer (1 while a scene's line waits and holds the heroine) is
// one of the holds' words, read-only: core/holds.h.
