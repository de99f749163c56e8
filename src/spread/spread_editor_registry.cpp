#include "spread_editor_registry.h"

#include <string>
#include <vector>

#include "ktx_settings.h"
#include "win.h"

namespace {

// One string value of an open key; false when missing, not a string or unreadable.
bool queryString(HKEY key, const char* name, std::string& text) {
    DWORD type = 0, size = 0;
    if (RegQueryValueEx(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    std::vector<BYTE> bytes(size + 1, 0);
    if (RegQueryValueEx(key, name, nullptr, &type, bytes.data(), &size) != ERROR_SUCCESS)
        return false;
    // The stored size normally counts the terminating zero; the text ends at the first one.
    text.assign(reinterpret_cast<const char*>(bytes.data()));
    return true;
}

bool setString(HKEY key, const char* name, const Ktx_String& text) {
    const DWORD size = static_cast<DWORD>(text.length() + 1);
    return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), size) ==
           ERROR_SUCCESS;
}

}  // namespace

bool readSpreadEditorRegistry(Ktx_String& language, Ktx_String& defaultSettings) {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kSpreadEditorKey, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return false;
    std::string languageText, defaultsText;
    const bool languageRead = queryString(key, kSpreadEditorLanguage, languageText);
    const bool defaultsRead = queryString(key, kSpreadEditorDefaults, defaultsText);
    RegCloseKey(key);
    if (!languageRead || !defaultsRead) return false;
    language = Ktx_String(std::move(languageText));
    defaultSettings = Ktx_String(std::move(defaultsText));
    return true;
}

bool writeSpreadEditorRegistry(const Ktx_String& language, const Ktx_String& defaultSettings) {
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_LOCAL_MACHINE, kSpreadEditorKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                       KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool languageWritten = setString(key, kSpreadEditorLanguage, language);
    const bool defaultsWritten = setString(key, kSpreadEditorDefaults, defaultSettings);
    RegCloseKey(key);
    return languageWritten && defaultsWritten;
}

Ktx_String spreadCompanionFileName(const Ktx_String& spreadName) {
    std::string name = spreadName.str();
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    if (name.size() > 4 &&
        ktxCompareNoCase(std::string_view(name).substr(name.size() - 4), ".vns") == 0)
        name.resize(name.size() - 4);
    // Without a settings folder there is no place for it (never the current folder).
    if (name.empty() || gSettings.settingsDir.isEmpty()) return Ktx_String();
    return Ktx_Settings::withFinalBackslash(gSettings.settingsDir) + Ktx_String(name) + ".vnd";
}
