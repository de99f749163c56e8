#include "failure_injection.h"

#include <array>

#include "win_driver.h"

namespace {

constexpr int kKinds = 4;

std::array<int, kKinds>& armed() {
    static std::array<int, kKinds> counts{};
    return counts;
}

}  // namespace

void winFailNext(WinFailure what, int count) {
    armed()[static_cast<int>(what)] = count < 0 ? 0 : count;
}

bool winShouldFail(WinFailure what) {
    int& left = armed()[static_cast<int>(what)];
    if (left <= 0) return false;
    --left;
    return true;
}

void winClearFailures() {
    armed().fill(0);
}
