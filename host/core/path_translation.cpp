#include "path_translation.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <system_error>
#include <vector>

#include "core_reset.h"

namespace fs = std::filesystem;

namespace {

struct Translation {
    std::string root;
    std::map<char, std::string> drives;
};

std::string defaultDriveRoot() {
    const char* env = std::getenv("VNSTD_DRIVES");
    return env && *env ? env : "/tmp/vnstd-drives";
}

Translation& translation() {
    static Translation t{defaultDriveRoot(), {}};
    return t;
}

struct PathResetRegistrar {
    PathResetRegistrar() { coreAddResetHook(resetPathTranslation); }
} pathResetRegistrar;

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool hasDrive(const std::string& p) {
    return p.size() >= 2 && isLetter(p[0]) && p[1] == ':';
}

std::string driveFolder(char letter) {
    const char lower = static_cast<char>(ktxToLower(letter));
    auto it = translation().drives.find(lower);
    if (it != translation().drives.end()) return it->second;
    return translation().root + "/" + std::string(1, lower);
}

// Splits at separators, dropping empty parts.
std::vector<std::string> splitParts(const std::string& p) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : p) {
        if (c == '\\' || c == '/') {
            if (!current.empty()) parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(current);
    return parts;
}

// The name in folder that equals part with letter case folded, or part itself.
std::string matchIgnoringCase(const fs::path& folder, const std::string& part) {
    std::error_code ec;
    std::vector<std::string> matches;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (ktxCompareNoCase(name, part) == 0) matches.push_back(name);
    }
    if (matches.empty()) return part;
    return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

namespace {

// The folder a path starts from ("/" absolute, a drive folder, or "" for the working folder)
// and the parts below it.
struct SplitPath {
    std::string base;
    std::vector<std::string> parts;
};

SplitPath splitWindowsPath(const std::string& p) {
    if (hasDrive(p)) return {driveFolder(p[0]), splitParts(p.substr(2))};
    if (!p.empty() && (p[0] == '\\' || p[0] == '/')) return {"/", splitParts(p)};
    return {"", splitParts(p)};
}

std::string joinPath(const std::string& base, const std::string& part) {
    if (base.empty()) return part;
    if (base.back() == '/') return base + part;
    return base + "/" + part;
}

}  // namespace

std::string hostPathLiteral(const Ktx_String& windowsPath) {
    const SplitPath split = splitWindowsPath(windowsPath.str());
    std::string out = split.base;
    for (const auto& part : split.parts) out = joinPath(out, part);
    return out.empty() ? "." : out;
}

std::string hostPath(const Ktx_String& windowsPath) {
    const std::string literal = hostPathLiteral(windowsPath);
    std::error_code ec;
    if (fs::exists(literal, ec)) return literal;
    const SplitPath split = splitWindowsPath(windowsPath.str());
    std::string resolved = split.base;
    bool folderExists = true;
    for (const auto& part : split.parts) {
        std::string next = joinPath(resolved, part);
        if (folderExists && !fs::exists(next, ec)) {
            next = joinPath(resolved, matchIgnoringCase(resolved.empty() ? "." : resolved, part));
        }
        folderExists = fs::is_directory(next, ec);
        resolved = next;
    }
    return resolved.empty() ? "." : resolved;
}

Ktx_String windowsPathFromHost(const std::string& hostPath) {
    std::string p = hostPath;
    std::replace(p.begin(), p.end(), '/', '\\');
    return Ktx_String(p);
}

void setDriveRoot(const std::string& folder) {
    translation().root = folder;
}

const std::string& driveRoot() {
    return translation().root;
}

void mapDrive(char letter, const std::string& folder) {
    const char lower = static_cast<char>(ktxToLower(letter));
    if (folder.empty()) {
        translation().drives.erase(lower);
    } else {
        translation().drives[lower] = folder;
    }
}

void resetPathTranslation() {
    translation() = Translation{defaultDriveRoot(), {}};
}
