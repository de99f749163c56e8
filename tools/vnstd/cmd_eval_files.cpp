#include "cmd_eval_files.h"

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <system_error>

namespace {

constexpr std::string_view kMacroSuffix = ".macro";

bool isMacroName(std::string_view name) {
    return name.size() > kMacroSuffix.size() && name.ends_with(kMacroSuffix);
}

}  // namespace

MacroFileList::MacroFileList(const std::string& folder) {
    namespace fs = std::filesystem;
    prefix_ = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string& path = entry.path().native();
        const std::string_view name = std::string_view(path).substr(path.rfind('/') + 1);
        if (isMacroName(name) && entry.is_regular_file(ec)) add(name);
    }
    // Every path starts with the same folder, so the names' byte order is the paths'.
    std::vector<std::uint32_t> order(starts_.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(),
              [&](std::uint32_t a, std::uint32_t b) { return name(a) < name(b); });
    std::vector<std::uint32_t> sorted(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) sorted[i] = starts_[order[i]];
    starts_ = std::move(sorted);
}

std::string MacroFileList::path(std::size_t i) const {
    const std::string_view n = name(i);
    std::string p;
    p.reserve(prefix_.size() + n.size());
    p.append(prefix_).append(n);
    return p;
}

std::string_view MacroFileList::name(std::size_t i) const {
    return std::string_view(names_.c_str() + starts_[i]);
}

void MacroFileList::add(std::string_view name) {
    starts_.push_back(static_cast<std::uint32_t>(names_.size()));
    names_.append(name);
    names_.push_back('\0');
}
