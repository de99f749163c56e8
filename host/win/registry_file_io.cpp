// Loading and saving the registry's text file.
#include "registry.h"
#include "registry_file.h"
#include "registry_state.h"
#include "whole_file.h"

bool registryLoadFile(const std::string& path, std::string* error) {
    std::string bytes;
    if (!fileReadWhole(path, bytes, error)) return false;
    RegistryFileForm form;
    std::optional<RegistryTree> tree = registryImport(bytes, error, &form);
    if (!tree) return false;
    RegistryState& state = registryState();
    state.tree = std::move(*tree);
    state.form = form;
    // Keys held by open handles belong to the replaced tree: they are gone now.
    for (auto& [id, handle] : state.handles) handle.key->deleted = true;
    return true;
}

std::string registryText() {
    return registryExport(registryState().tree, registryState().form);
}

bool registrySaveFile(const std::string& path, std::string* error) {
    return fileWriteAtomic(path, registryText(), error);
}
