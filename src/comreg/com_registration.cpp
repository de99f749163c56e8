#include "com_registration.h"

#include "file_ops.h"
#include "module_entry.h"
#include "module_file.h"
#include "registry.h"
#include "string_helpers.h"

namespace {

const char* const kTypeLibName = "Varnox 1.0 Type Library";
const char* const kTypeLibVersion = "\\1.1";
const char* const kProxyStubClsid = "{00020424-0000-0000-C000-000000000046}";
const char* const kServerFileName = "Olex.arx";

// Remembers the code of the last failed registry call of a run of writes or removals.
class FailureLog {
  public:
    void note(LONG code) {
        if (code != ERROR_SUCCESS) lastFailure_ = code;
    }
    // Leaves the last failure as the thread's last error; eInvalidInput when there was one.
    Acad::ErrorStatus finish() const {
        if (lastFailure_ == ERROR_SUCCESS) return Acad::eOk;
        SetLastError(static_cast<DWORD>(lastFailure_));
        return Acad::eInvalidInput;
    }

  private:
    LONG lastFailure_ = ERROR_SUCCESS;
};

// Creates or opens the key with all access and sets its default value, terminating zero
// included.
LONG writeDefaultValue(const VnComRegistryValue& entry) {
    HKEY key = nullptr;
    LONG code = RegCreateKeyEx(HKEY_CLASSES_ROOT, entry.key.c_str(), 0, nullptr,
                               REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (code != ERROR_SUCCESS) return code;
    const auto* bytes = reinterpret_cast<const BYTE*>(entry.value.c_str());
    code =
        RegSetValueEx(key, nullptr, 0, REG_SZ, bytes, static_cast<DWORD>(entry.value.length() + 1));
    RegCloseKey(key);
    return code;
}

// Removes the key with everything below it; an absent key or parent is not a failure.
LONG removeKeyTree(const Ktx_String& path) {
    Ktx_String parentPath, name;
    splitString(path, "\\", parentPath, name, true);
    HKEY parent = nullptr;
    LONG code = RegOpenKeyEx(HKEY_CLASSES_ROOT, parentPath.c_str(), 0, KEY_ALL_ACCESS, &parent);
    if (code == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
    if (code != ERROR_SUCCESS) return code;
    code = static_cast<LONG>(SHDeleteKeyA(parent, name.c_str()));
    RegCloseKey(parent);
    return code == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : code;
}

void addThree(std::vector<VnComRegistryValue>& out, const Ktx_String& key, const Ktx_String& value,
              const VnComRegistryValue& second, const VnComRegistryValue& third) {
    out.push_back({key, value});
    out.push_back({key + second.key, second.value});
    out.push_back({key + third.key, third.value});
}

}  // namespace

Ktx_String moduleFolder() {
    char buffer[4096];
    const DWORD length = GetModuleFileName(vnModuleInstance(), buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return Ktx_String();  // no name, or cut short
    const Ktx_String own(buffer, static_cast<int>(length));
    return own.getSubStringAt(0, own.findLastFrom("\\") + 1);
}

Ktx_String olexModulePath() {
    const Ktx_String folder = moduleFolder();
    return folder.isEmpty() ? Ktx_String() : folder + kServerFileName;
}

std::vector<VnComRegistryValue> comRegistryValues(const VnComClassList& list,
                                                  const Ktx_String& serverPath) {
    std::vector<VnComRegistryValue> out;
    const Ktx_String lib = comIdText(list.typeLibId);
    addThree(out, "TypeLib\\" + lib + kTypeLibVersion, kTypeLibName, {"\\0\\win32", serverPath},
             {"\\9\\win32", serverPath});
    for (int i = 0; i < list.classIds.length(); ++i) {
        addThree(out, "CLSID\\" + comIdText(list.classIds[i]), list.classNames[i] + " Class",
                 {"\\InProcServer32", serverPath}, {"\\Typelib", lib});
    }
    for (int i = 0; i < list.interfaceIds.length(); ++i) {
        addThree(out, "Interface\\" + comIdText(list.interfaceIds[i]),
                 list.interfaceNames[i] + " Interface", {"\\TypeLib", lib},
                 {"\\ProxyStubClsid32", kProxyStubClsid});
    }
    return out;
}

Ktx_StringArray comRegistryRoots(const VnComClassList& list) {
    Ktx_StringArray roots;
    roots.append("TypeLib\\" + comIdText(list.typeLibId));
    for (const CLSID& id : list.classIds) roots.append("CLSID\\" + comIdText(id));
    for (const IID& id : list.interfaceIds) roots.append("Interface\\" + comIdText(id));
    return roots;
}

Acad::ErrorStatus SSregisterOpmCLSIDs() {
    const Ktx_String server = olexModulePath();
    if (server.isEmpty() || !ObjectExportFileExists(server)) return Acad::eInvalidInput;
    FailureLog failures;
    for (const VnComRegistryValue& entry : comRegistryValues(buildComClassList(), server))
        failures.note(writeDefaultValue(entry));
    return failures.finish();
}

Acad::ErrorStatus SScleanupComRegistry() {
    FailureLog failures;
    for (const Ktx_String& key : comRegistryRoots(buildComClassList()))
        failures.note(removeKeyTree(key));
    return failures.finish();
}
