#include "module_session.h"

#include "acad.h"
#include "frame.h"
#include "vn_ss_dlgs_mgr.h"

namespace {

// Stands for the module's instance handle and the application id the host would pass.
int moduleToken = 0;

HINSTANCE moduleInstance() {
    return reinterpret_cast<HINSTANCE>(&moduleToken);
}

}  // namespace

ModuleSession::ModuleSession(std::FILE* commandLineEcho) {
    acadSetCommandLineEcho(commandLineEcho);
    loaded_ = DllMain(moduleInstance(), kDllProcessAttach, nullptr) != 0;
    if (loaded_) acrxEntryPoint(AcRx::kInitAppMsg, &moduleToken);
}

ModuleSession::~ModuleSession() {
    if (loaded_) {
        // The pooled evaluation hosts are windows: close them while the window system is
        // still alive, not from the pool's destructor at process exit.
        gSSDlgsMgr.destroyAll();
        acrxEntryPoint(AcRx::kUnloadAppMsg, &moduleToken);
        DllMain(moduleInstance(), kDllProcessDetach, nullptr);
    }
    acadSetCommandLineEcho(nullptr);
}
