#include "cmd_eval_files.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

namespace {

constexpr std::string_view kMacroSuffix = ".macro";

bool isMacroName(std::string_view name) {
    return name.size() > kMacroSuffix.size() && name.ends_with(kMacroSuffix);
}

// A listed name names a regular file: as the listing says, or (a link, or a file system that
// does not say) as one status call of the file it leads to says.
bool isRegularFile(const std::string& path, unsigned char type) {
    if (type == DT_REG) return true;
    if (type != DT_LNK && type != DT_UNKNOWN) return false;
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

MacroFileList::MacroFileList(const std::string& folder) {
    prefix_ = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    if (DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (isMacroName(name) && isRegularFile(prefix_ + entry->d_name, entry->d_type))
                add(name);
        }
        ::closedir(dir);
    }
    // Every path starts with the same folder, so the names' byte order is the paths'.
    std::sort(starts_.begin(), starts_.end(),
              [&](std::uint32_t a, std::uint32_t b) { return nameAt(a) < nameAt(b); });
}

std::string MacroFileList::path(std::size_t i) const {
    const std::string_view n = nameAt(starts_[i]);
    std::string p;
    p.reserve(prefix_.size() + n.size());
    p.append(prefix_).append(n);
    return p;
}

std::string_view MacroFileList::nameAt(std::uint32_t start) const {
    return std::string_view(names_.c_str() + start);
}

void MacroFileList::add(std::string_view name) {
    starts_.push_back(static_cast<std::uint32_t>(names_.size()));
    names_.append(name);
    names_.push_back('\0');
}
