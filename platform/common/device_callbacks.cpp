// The order of the game's device and frame callbacks, shared by both
// backends so a test on the headless one sees what a real window does.
#include "platform/common/internal.h"

namespace plat::detail {

DeviceOpening OpenDevice(const Callbacks& callbacks, const BackBufferDesc& backBuffer) {
    if (callbacks.onCreateDevice && callbacks.onCreateDevice() != 0) return DeviceOpening::CreateFailed;
    if (!ResetDevice(callbacks, backBuffer)) {
        CloseDevice(callbacks);
        return DeviceOpening::ResetFailed;
    }
    return DeviceOpening::Done;
}

void CloseDevice(const Callbacks& callbacks) {
    LoseDevice(callbacks);
    if (callbacks.onDestroyDevice) callbacks.onDestroyDevice();
}

void LoseDevice(const Callbacks& callbacks) {
    if (callbacks.onLostDevice) callbacks.onLostDevice();
}

bool ResetDevice(const Callbacks& callbacks, const BackBufferDesc& backBuffer) {
    return !(callbacks.onResetDevice && callbacks.onResetDevice(backBuffer) != 0);
}

void RunFrameCallbacks(const Callbacks& callbacks, double time, float elapsed) {
    if (callbacks.onFrameMove) callbacks.onFrameMove(time, elapsed);
    if (callbacks.onFrameRender) callbacks.onFrameRender(time, elapsed);
}

}  // namespace plat::detail
