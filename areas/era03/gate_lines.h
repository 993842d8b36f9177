// The heroine's lines at the closed gate between Era03 and the arena (the
// event line's 111..114): the walk back through it starts in Era03 and
// changes the area while her last line is still up, so the arena's table
// shows that one too.
#pragma once

#include "text/messages/area_texts.h"

inline constexpr MessageLine kGateLine111[] = {{210, 700, "リシェル　　：　門が　しまってる・・・"}};
inline constexpr MessageLine kGateLine112[] = {{210, 700, "リシェル　　：　おしても　ひいても　びくとも　しない。"}};
inline constexpr MessageLine kGateLine113[] = {{210, 700, "リシェル　　：　ほかの　道を　さがそう。"}};
inline constexpr MessageLine kGateLine114[] = {{210, 700, "リシェル　　：　いったん　もどってみようかな。"}};
