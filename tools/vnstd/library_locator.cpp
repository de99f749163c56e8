#include "library_locator.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string locateLibrary(const std::string& option, const std::string& exePath) {
    if (!option.empty()) return option;
    const char* env = std::getenv("VNSTD_LIB");
    if (env && *env) return env;
    std::error_code ec;
    if (!exePath.empty()) {
        for (fs::path dir = fs::path(exePath).parent_path(); !dir.empty();
             dir = dir.parent_path()) {
            const fs::path candidate = dir / "examples" / "library";
            if (fs::is_directory(candidate, ec)) return candidate.string();
            if (dir == dir.root_path()) break;
        }
    }
#ifdef VN_SOURCE_LIBRARY
    // A build folder outside the source tree: the source tree the program was built from.
    if (fs::is_directory(VN_SOURCE_LIBRARY, ec)) return VN_SOURCE_LIBRARY;
#endif
    return "";
}

std::string currentExePath() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}
