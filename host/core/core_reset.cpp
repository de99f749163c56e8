#include "core_reset.h"

#include <vector>

#include "acad_reset.h"
#include "core_clock.h"
#include "core_random.h"
#include "resource_module.h"

namespace {

std::vector<std::function<void()>>& hooks() {
    static std::vector<std::function<void()>> list;
    return list;
}

}  // namespace

void coreResetForTests() {
    acadResetForTests();
    resetCoreClock();
    resetCoreRandomSource();
    coreSetCurrentResourceModule(nullptr);
    for (const auto& hook : hooks()) hook();
}

void coreAddResetHook(std::function<void()> hook) {
    if (hook) hooks().push_back(std::move(hook));
}
