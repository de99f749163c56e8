#include "file_search.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "path_translation.h"

namespace fs = std::filesystem;

namespace {

bool matchFrom(const std::string& p, size_t pi, const std::string& n, size_t ni) {
    // Iterative wildcard match with back-tracking to the last "*".
    size_t starP = std::string::npos, starN = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == '?' || ktxToLower(p[pi]) == ktxToLower(n[ni]))) {
            ++pi, ++ni;
        } else if (pi < p.size() && p[pi] == '*') {
            starP = pi++;
            starN = ni;
        } else if (starP != std::string::npos) {
            pi = starP + 1;
            ni = ++starN;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*') ++pi;
    return pi == p.size();
}

Ktx_String withFinalSeparator(const Ktx_String& folder) {
    if (folder.isEmpty() || folder.endsWith("\\") || folder.endsWith("/")) return folder;
    return folder + "\\";
}

void collect(const fs::path& hostFolder, const Ktx_String& prefix, const Ktx_String& pattern,
             bool recursive, std::vector<Ktx_String>& found) {
    std::error_code ec;
    for (fs::directory_iterator it(hostFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const Ktx_String name(it->path().filename().string());
        std::error_code typeEc;
        if (it->is_directory(typeEc)) {
            if (recursive) collect(it->path(), prefix + name + "\\", pattern, true, found);
        } else if (wildcardMatch(pattern, name)) {
            found.push_back(prefix + name);
        }
    }
}

bool findFiles(const Ktx_String& folder, const Ktx_String& pattern, Ktx_StringArray& files,
               bool recursive) {
    files.removeAll();
    const std::string host = hostPath(folder);
    std::error_code ec;
    if (!fs::is_directory(host, ec)) return false;
    std::vector<Ktx_String> found;
    collect(host, withFinalSeparator(folder), pattern, recursive, found);
    std::sort(found.begin(), found.end(), [](const Ktx_String& a, const Ktx_String& b) {
        const int c = ktxCompareNoCase(a.str(), b.str());
        return c != 0 ? c < 0 : a < b;
    });
    for (auto& f : found) files.append(f);
    return true;
}

}  // namespace

bool wildcardMatch(const Ktx_String& pattern, const Ktx_String& name) {
    if (pattern == "*.*") return true;
    return matchFrom(pattern.str(), 0, name.str(), 0);
}

bool ObjectExportFindFiles(const Ktx_String& folder, const Ktx_String& pattern,
                           Ktx_StringArray& files) {
    return findFiles(folder, pattern, files, false);
}

bool ObjectExportFindFilesRecursive(const Ktx_String& folder, const Ktx_String& pattern,
                                    Ktx_StringArray& files) {
    return findFiles(folder, pattern, files, true);
}
