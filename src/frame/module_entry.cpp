#include "module_entry.h"

namespace {

struct ModuleEntryState {
    HINSTANCE instance = nullptr;
    VnTempResourceOverride resourceOverride;
    bool extensionInitialised = false;
    bool resourcesLinked = false;
    bool failNextInit = false;
};

ModuleEntryState& state() {
    static ModuleEntryState s;
    return s;
}

bool initExtensionModule(HINSTANCE instance) {
    if (state().failNextInit || !instance) {
        state().failNextInit = false;
        return false;
    }
    state().extensionInitialised = true;
    return true;
}

void termExtensionModule() {
    state().resourcesLinked = false;
    state().extensionInitialised = false;
}

int processAttach(HINSTANCE instance) {
    state().instance = instance;
    state().resourceOverride.SaveDefaultResource(instance);
    if (!initExtensionModule(instance)) return 0;
    state().resourcesLinked = true;
    return 1;
}

}  // namespace

extern "C" int DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == kDllProcessAttach) return processAttach(instance);
    if (reason == kDllProcessDetach) termExtensionModule();
    return 1;
}

HINSTANCE vnModuleInstance() {
    return state().instance;
}

VnTempResourceOverride& vnResourceOverride() {
    return state().resourceOverride;
}

bool vnExtensionModuleInitialised() {
    return state().extensionInitialised;
}

bool vnResourcesLinked() {
    return state().resourcesLinked;
}

void vnFailNextExtensionInit() {
    state().failNextInit = true;
}

void resetModuleEntryForTests() {
    state() = ModuleEntryState{};
}
