#include "resource_module.h"

namespace {

HINSTANCE& currentModule() {
    static HINSTANCE module = nullptr;
    return module;
}

}  // namespace

HINSTANCE coreCurrentResourceModule() {
    return currentModule();
}

void coreSetCurrentResourceModule(HINSTANCE module) {
    currentModule() = module;
}
