// Loading and saving the registry's text file.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "registry.h"
#include "registry_file.h"
#include "registry_state.h"

namespace {

bool writeWhole(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

}  // namespace

bool registryLoadFile(const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error != nullptr) *error = "cannot open " + path;
        return false;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::optional<RegistryTree> tree = registryImport(text, error);
    if (!tree) return false;
    RegistryState& state = registryState();
    state.tree = std::move(*tree);
    // Keys held by open handles belong to the replaced tree: they are gone now.
    for (auto& [id, handle] : state.handles) handle.key->deleted = true;
    return true;
}

std::string registryText() {
    return registryExport(registryState().tree);
}

bool registrySaveFile(const std::string& path) {
    const std::string temporary = path + ".tmp";
    if (!writeWhole(temporary, registryExport(registryState().tree))) {
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
