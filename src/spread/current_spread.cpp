#include "current_spread.h"

#include "core_reset.h"

namespace {

Ktx_Spread* gCurrentSpread = nullptr;

// Tests start with no grid being calculated.
const bool gResetRegistered = (coreAddResetHook([] { gCurrentSpread = nullptr; }), true);

}  // namespace

Ktx_Spread* currentSpread() {
    return gCurrentSpread;
}

void setCurrentSpread(Ktx_Spread* ss) {
    gCurrentSpread = ss;
}

CurrentSpreadScope::CurrentSpreadScope(Ktx_Spread* ss) : previous_(gCurrentSpread) {
    gCurrentSpread = ss;
}

CurrentSpreadScope::~CurrentSpreadScope() {
    gCurrentSpread = previous_;
}
