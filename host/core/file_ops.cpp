#include "file_ops.h"

#include <sys/stat.h>
#include <sys/time.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "path_translation.h"
#include "text_file.h"

namespace fs = std::filesystem;

namespace {

// Position where the last part of the path begins.
int lastPartStart(const Ktx_String& path) {
    const size_t last = path.str().find_last_of("\\/:");
    return last == std::string::npos ? 0 : static_cast<int>(last) + 1;
}

// Position of the extension's dot in the last part, or -1.
int extensionDot(const Ktx_String& path) {
    const int dot = path.findLastFrom(".");
    return dot >= lastPartStart(path) ? dot : -1;
}

}  // namespace

bool ObjectExportFileExists(const Ktx_String& path) {
    std::error_code ec;
    return fs::is_regular_file(hostPath(path), ec);
}

bool ObjectExportFolderExists(const Ktx_String& path) {
    std::error_code ec;
    return fs::is_directory(hostPath(path), ec);
}

bool ObjectExportCreateDirectory(const Ktx_String& path) {
    const std::string host = hostPath(path);
    std::error_code ec;
    fs::create_directories(host, ec);
    return fs::is_directory(host, ec);
}

bool ObjectExportCopyFile(const Ktx_String& from, const Ktx_String& to, bool overwrite) {
    if (!overwrite && ObjectExportFileExists(to)) return false;
    std::string bytes;
    return coreReadFileBytes(from, bytes) && coreWriteFileAtomic(to, bytes);
}

bool ObjectExportDeleteFile(const Ktx_String& path) {
    const std::string host = hostPath(path);
    std::error_code ec;
    if (!fs::is_regular_file(host, ec)) return false;
    return fs::remove(host, ec);
}

bool ObjectExportGetFileTime(const Ktx_String& path, std::time_t& modified) {
    struct stat info {};
    if (stat(hostPath(path).c_str(), &info) != 0) return false;
    modified = info.st_mtime;
    return true;
}

bool ObjectExportSetFileTime(const Ktx_String& path, std::time_t modified) {
    struct timeval times[2] = {{modified, 0}, {modified, 0}};
    return utimes(hostPath(path).c_str(), times) == 0;
}

Ktx_String removeExtension(const Ktx_String& path) {
    const int dot = extensionDot(path);
    return dot < 0 ? path : path.getSubStringAt(0, dot);
}

Ktx_String changeExtension(const Ktx_String& path, const Ktx_String& extension) {
    const int dot = extensionDot(path);
    const std::string_view base = dot < 0 ? path.view() : path.view().substr(0, dot);
    const std::string_view ext = extension.view();
    std::string changed;  // made in one piece: mapping and data file names are derived per use
    changed.reserve(base.size() + ext.size() + 1);
    changed += base;
    if (!ext.empty() && ext.front() != '.') changed += '.';
    changed += ext;
    return Ktx_String(std::move(changed));
}

Ktx_String getFileName(const Ktx_String& path) {
    return path.getSubStringAt(lastPartStart(path));
}

Ktx_String getFolderName(const Ktx_String& path) {
    return path.getSubStringAt(0, lastPartStart(path));
}
