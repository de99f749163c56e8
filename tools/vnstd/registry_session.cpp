#include "registry_session.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "registry.h"

namespace fs = std::filesystem;

namespace {

// The registry as the text it would be saved as ("" when it cannot be produced).
std::string registryText() {
    std::error_code ec;
    const fs::path probe =
        fs::temp_directory_path(ec) / ("vnstd_registry_" + std::to_string(getpid()) + ".reg");
    if (ec || !registrySaveFile(probe.string())) return "";
    std::ifstream in(probe, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    fs::remove(probe, ec);
    return text.str();
}

}  // namespace

RegistrySession::RegistrySession(std::string path) : path_(std::move(path)) {
    std::error_code ec;
    if (!path_.empty() && fs::exists(path_, ec)) ok_ = registryLoadFile(path_, &error_);
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
