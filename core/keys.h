// The keys as the game reads them: one flag per key, written by the keyboard
// callback, and the blocks by which scenes and menus hold keys back.
#pragma once

#include <cstdint>

#include "core/holds.h"

// Key flags: 1 = the key was pressed at the last key event.
inline std::int32_t KeyLeftPressed = 0;
inline std::int32_t KeyUpPressed = 0;
inline std::int32_t KeyRightPressed = 0;
inline std::int32_t KeyDownPressed = 0;
inline std::int32_t KeyAPressed = 0;
inline std::int32_t KeyDPressed = 0;
inline std::int32_t KeyFPressed = 0;
inline std::int32_t KeyGPressed = 0;
inline std::int32_t KeyNPressed = 0;
inline std::int32_t KeyQPressed = 0;
inline std::int32_t KeySPressed = 0;
inline std::int32_t KeyXPressed = 0;
inline std::int32_t KeyYPressed = 0;
inline std::int32_t KeyZPressed = 0;
inline constexpr std::int32_t kNoNumberKey = 99;
inline std::int32_t NumberKeyValue = kNoNumberKey;   // 1..6, or none
inline std::int32_t NoGameKey = 0;
// Key-down events so far (repeats included): a screen that shows something
// until the next key notes the count and waits for it to change.
inline std::uint32_t KeyPressCount = 0;

// Key blocks. MessageBoxOpen, PlayerKeysBlocked and MenuKeyBlocked are the
// holds' words (core/holds.h), read-only here; the rest are written by scenes.
inline std::int32_t XKeyBlocked = 0;
inline std::int32_t ZKeyBlocked = 0;
inline std::int32_t KeyQBlocked = 0;
// While set, Left or Right is ignored (a scene holds her to one side).
inline std::int32_t LeftKeyBlocked = 0;
inline std::int32_t RightKeyBlocked = 0;
// The number keys are shut until a scene opens them for a choice, from the
// program's start as after every data reset: a digit pressed on the way
// would otherwise answer the first choice asked.
inline std::int32_t NumberKeysBlocked = 1;
inline std::int32_t WindowModeLock = 0;

// A question opens: N and the number key stay set until a reader takes
// them (and Y until the next key event), so an answer pressed before the
// question was asked, where it did nothing, would answer it at once. Every
// Y/N or number question forgets them as it opens.
inline void ForgetEarlierAnswers() {
    KeyYPressed = 0;
    KeyNPressed = 0;
    NumberKeyValue = kNoNumberKey;
}
