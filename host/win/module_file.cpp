#include "module_file.h"

#include <cstring>
#include <map>

#include "registry_errors.h"
#include "win_driver.h"

namespace {

const char* const kDefaultFolder = "C:\\Program Files\\Varnox";

struct ModuleFiles {
    std::string folder = kDefaultFolder;
    std::map<HMODULE, std::string> paths;
};

ModuleFiles& files() {
    static ModuleFiles state;
    return state;
}

std::string joined(const std::string& folder, const char* name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
    return folder + "\\" + name;
}

}  // namespace

void moduleFileSetFolder(const std::string& folder) {
    files().folder = folder;
}

std::string moduleFileFolder() {
    return files().folder;
}

void moduleFileSetPath(HMODULE module, const std::string& path) {
    files().paths[module] = path;
}

std::string moduleFilePath(HMODULE module) {
    auto it = files().paths.find(module);
    if (it != files().paths.end()) return it->second;
    return joined(files().folder, module == nullptr ? "vnstd.exe" : "vnmodule.arx");
}

DWORD GetModuleFileName(HMODULE module, LPSTR buffer, DWORD size) {
    if (buffer == nullptr || size == 0) {
        SetLastError(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
        return 0;
    }
    const std::string path = moduleFilePath(module);
    if (path.size() >= size) {
        std::memcpy(buffer, path.data(), size - 1);
        buffer[size - 1] = '\0';
        SetLastError(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
        return size;
    }
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    SetLastError(static_cast<DWORD>(ERROR_SUCCESS));
    return static_cast<DWORD>(path.size());
}

void moduleFileResetForTests() {
    files() = ModuleFiles{};
}
