#include "ktx_settings.h"

#include "core_reset.h"

namespace {

struct SettingsResetRegistrar {
    SettingsResetRegistrar() {
        coreAddResetHook([] { gSettings = Ktx_Settings{}; });
    }
};

}  // namespace

Ktx_Settings gSettings;
static SettingsResetRegistrar settingsResetRegistrar;

Ktx_String Ktx_Settings::withFinalBackslash(const Ktx_String& folder) {
    if (folder.isEmpty() || folder.endsWith("\\")) return folder;
    if (folder.endsWith("/")) return folder.getSubStringAt(0, folder.length() - 1) + "\\";
    return folder + "\\";
}
