#include "display_setting.h"

#include "core_reset.h"

namespace {

int& setting() {
    static int value = 0;
    static const bool registered = [] {
        coreAddResetHook([] { setting() = 0; });
        return true;
    }();
    (void)registered;
    return value;
}

}  // namespace

int getDisplaySetting() {
    return setting();
}

void setDisplaySetting(int value) {
    setting() = value;
}
