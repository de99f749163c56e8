#include "keyboard_state.h"

#include <array>

#include "win_driver.h"

namespace {

std::array<bool, 256>& keys() {
    static std::array<bool, 256> down{};
    return down;
}

int sideKeyOf(int vk) {
    if (vk == VK_SHIFT) return VK_LSHIFT;
    if (vk == VK_CONTROL) return VK_LCONTROL;
    return -1;
}

}  // namespace

SHORT GetKeyState(int vk) {
    if (vk < 0 || vk > 255) return 0;
    return keys()[static_cast<size_t>(vk)] ? static_cast<SHORT>(-32768) : 0;
}

SHORT GetAsyncKeyState(int vk) {
    return GetKeyState(vk);
}

void winSetKeyDown(int vk, bool down) {
    if (vk < 0 || vk > 255) return;
    keys()[static_cast<size_t>(vk)] = down;
    int side = sideKeyOf(vk);
    if (side >= 0) keys()[static_cast<size_t>(side)] = down;
}

void winKeyboardReset() {
    keys().fill(false);
}
