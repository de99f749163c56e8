#include "acrx_entry.h"

#include "modeless_windows.h"
#include "module_bitmaps.h"

namespace {

// Host application interface release 15, in the host's major/minor encoding.
constexpr int kAcrxApiVersion = 15 << 16;

void initApplication(void* appId) {
    AcRxDynamicLinker* linker = AcRxDynamicLinker::cast(acrxSysRegistry()->at("DynamicLinker"));
    if (linker) {
        linker->unlockApplication(appId);
        linker->registerAppMDIAware(appId);
    }
    loadModuleBitmaps();
}

void unloadApplication() {
    AcEdCommandStack* stack =
        AcEdCommandStack::cast(acrxSysRegistry()->at("ACAD_REGISTERED_COMMANDS"));
    if (stack) stack->removeGroup(kVnCommandGroup);
    DestroyAllMacroDlgs();
    EndDlgEditConstraints();
}

}  // namespace

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
    switch (msg) {
        case AcRx::kInitAppMsg:
            initApplication(appId);
            break;
        case AcRx::kUnloadAppMsg:
            unloadApplication();
            break;
        default:
            break;
    }
    return AcRx::kRetOK;
}

extern "C" int acrxGetApiVersion() {
    return kAcrxApiVersion;
}
