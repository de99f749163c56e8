#include "registry_session.h"

#include <filesystem>
#include <system_error>

#include "registry.h"

namespace fs = std::filesystem;

RegistrySession::RegistrySession(std::string path) : path_(std::move(path)) {
    std::error_code ec;
    if (!path_.empty() && fs::exists(path_, ec)) ok_ = registryLoadFile(path_, &error_);
    // The caller names the file already: keep only the reason.
    if (!ok_ && error_.starts_with(path_ + ": ")) error_.erase(0, path_.size() + 2);
    if (ok_) loadedText_ = registryText();
}

RegistrySession::~RegistrySession() {
    if (ok_ && !saved_) saveIfChanged();
}

bool RegistrySession::saveIfChanged() {
    saved_ = true;
    if (!ok_ || path_.empty() || registryText() == loadedText_) return true;
    std::error_code ec;
    const fs::path parent = fs::path(path_).parent_path();
    if (!parent.empty()) fs::create_directories(parent, ec);
    return registrySaveFile(path_);
}
