// Message-number words that scenes set and the text pass shows, and the
// Enter handshake by which a scene waits for the player.
#pragma once

#include <cstdint>

// 0 = no text; any other value selects a group of lines in the block of the
// active area. A message is identified by (area, channel, value).
struct DialogueChannelsRecord {
    std::int32_t storyLine = 0;     // the first word
    std::int32_t promptLine = 0;
    std::int32_t rollText = 0;
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
};
inline DialogueChannelsRecord DialogueChannels;

// 1 = a scene waits for Enter; Enter turns it into 2.
inline std::int32_t EnterConfirmState = 0;

// Draws every text of the frame and stores the frame's real time.
void DrawScreenText();
