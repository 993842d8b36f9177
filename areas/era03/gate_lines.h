// The heroine's lines at the closed gate between Era03 and the arena (the
// event line's 111..114). Only Era03's table shows them: when the walk back
// changes the area with her last line still set, the arena shows nothing
// for it, and the box stays empty until the arena's pictures are in.
#pragma once

#include "text/messages/area_texts.h"

inline constexpr MessageLine kGateLine111[] = {{210, 700, "リシェル　　：　門が　しまってる・・・"}};
inline constexpr MessageLine kGateLine112[] = {{210, 700, "リシェル　　：　おしても　ひいても　びくとも　しない。"}};
inline constexpr MessageLine kGateLine113[] = {{210, 700, "リシェル　　：　ほかの　道を　さがそう。"}};
inline constexpr MessageLine kGateLine114[] = {{210, 700, "リシェル　　：　いったん　もどってみようかな。"}};
