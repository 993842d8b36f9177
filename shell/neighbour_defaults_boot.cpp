// Stand-ins for routines of the menu side and of the residency plans that the
// boot and the creation step call. Each does the least its caller relies on;
// the real routines replace them at link time.
#include <cstdint>
#include <initializer_list>

#include "core/residency.h"
#include "shell/sound_bank.h"
#include "text/menu.h"
#include "text/menu_state.h"

// The logo has nothing to show: it is over at once.
__attribute__((weak)) std::int32_t RunTitleLogo(std::int32_t arg) {
    if (arg == 0) return 0;
    MenuElementWords.TitleLogoFrame = 12;
    return 99;
}

// The cursor rests on the first entry (new game).
__attribute__((weak)) std::int32_t RunTitleScreen(std::int32_t arg) {
    return arg == 0 ? 0 : 1;
}

// No save can be chosen: straight back to the title.
__attribute__((weak)) std::int32_t RunTitleLoadScreen(std::int32_t arg) {
    return arg == 0 ? 0 : 98;
}

// The prompt answers no.
__attribute__((weak)) std::int32_t RunQuitScreen(std::int32_t arg) {
    return arg == 0 ? 0 : 98;
}

__attribute__((weak)) void StopTitleSounds() {
    for (std::int32_t id : {2, 4, 12, 21, 62}) StopSound(id);
}

__attribute__((weak)) std::int32_t ResetMenuFlags(std::int32_t group) {
    if (group == 0) MenuElementWords.LoadingScreenFrame = 0;
    return group;
}

// Plans that are not built yet ask for nothing and keep nothing.
__attribute__((weak)) std::uint32_t UpdateEra01Pload(std::int32_t mode) {
    if (mode == 0) return PloadPlan.result = 1;
    if (mode == 1) return PloadPlan.result = 99;
    return PloadPlan.result;
}
__attribute__((weak)) std::uint32_t UpdateEra03Pload(std::int32_t mode) {
    if (mode == 0) return PloadPlan.result = 1;
    if (mode == 1) return PloadPlan.result = 99;
    return PloadPlan.result;
}
__attribute__((weak)) std::uint32_t UpdateEra04Pload(std::int32_t mode) {
    if (mode == 0) return PloadPlan.result = 1;
    if (mode == 1) return PloadPlan.result = 99;
    return PloadPlan.result;
}
