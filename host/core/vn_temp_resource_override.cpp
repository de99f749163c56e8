#include "vn_temp_resource_override.h"

#include "resource_module.h"

void VnTempResourceOverride::SaveDefaultResource(HINSTANCE module) {
    module_ = module;
}

bool VnTempResourceOverride::SetDefaultResource() {
    if (!module_ || coreCurrentResourceModule() == module_) return false;
    original_ = coreCurrentResourceModule();
    coreSetCurrentResourceModule(module_);
    return true;
}

void VnTempResourceOverride::RestoreOriginalResource() {
    coreSetCurrentResourceModule(original_);
}

VnResourceScope::VnResourceScope(VnTempResourceOverride& override)
    : override_(override), changed_(override.SetDefaultResource()) {}

VnResourceScope::~VnResourceScope() {
    if (changed_) override_.RestoreOriginalResource();
}
