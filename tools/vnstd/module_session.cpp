#include "module_session.h"

#include "acad.h"
#include "frame.h"

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
        acrxEntryPoint(AcRx::kUnloadAppMsg, &moduleToken);
        DllMain(moduleInstance(), kDllProcessDetach, nullptr);
    }
    acadSetCommandLineEcho(nullptr);
}
