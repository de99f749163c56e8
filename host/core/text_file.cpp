#include "text_file.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core_reset.h"
#include "path_translation.h"

namespace fs = std::filesystem;

namespace {

long& injectedFailure() {
    static long failAfter = -1;
    return failAfter;
}

struct WriteFaultResetRegistrar {
    WriteFaultResetRegistrar() {
        coreAddResetHook([] { injectedFailure() = -1; });
    }
} writeFaultResetRegistrar;

std::string temporaryPathBeside(const std::string& target) {
    static unsigned counter = 0;
    return target + ".tmp" + std::to_string(getpid()) + "_" + std::to_string(++counter);
}

// Writes bytes to a new file; honours an injected failure.
bool writeNewFile(const std::string& path, std::string_view bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    size_t toWrite = bytes.size();
    const long failAfter = injectedFailure();
    injectedFailure() = -1;
    if (failAfter >= 0 && static_cast<size_t>(failAfter) < toWrite) toWrite = failAfter;
    bool ok = std::fwrite(bytes.data(), 1, toWrite, f) == toWrite && failAfter < 0;
    ok = (std::fflush(f) == 0) && ok;
    ok = (fsync(fileno(f)) == 0) && ok;
    ok = (std::fclose(f) == 0) && ok;
    return ok;
}

void splitLines(const std::string& bytes, Ktx_StringArray& lines) {
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        const size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos) end = bytes.size();
        size_t lineEnd = end;
        if (end != bytes.size() && lineEnd > start && bytes[lineEnd - 1] == '\r') --lineEnd;
        lines.append(Ktx_String(bytes.substr(start, lineEnd - start)));
        start = next;
    }
}

}  // namespace

bool coreReadFileBytes(const Ktx_String& path, std::string& bytes) {
    const std::string host = hostPath(path);
    // A folder opens but does not read: the read error turns it away.
    std::FILE* f = std::fopen(host.c_str(), "rb");
    if (!f) return false;
    std::string content;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) content.append(buffer, n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    if (ok) bytes = std::move(content);
    return ok;
}

bool coreWriteFileAtomic(const Ktx_String& path, std::string_view bytes) {
    const std::string target = hostPath(path);
    const std::string temporary = temporaryPathBeside(target);
    std::error_code ec;
    if (!writeNewFile(temporary, bytes)) {
        fs::remove(temporary, ec);
        return false;
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

void coreInjectWriteFailure(long failAfterBytes) {
    injectedFailure() = failAfterBytes;
}

bool ObjectExportReadFile(const Ktx_String& path, Ktx_StringArray& lines) {
    std::string bytes;
    if (!coreReadFileBytes(path, bytes)) return false;
    lines.removeAll();
    splitLines(bytes, lines);
    return true;
}

bool ObjectExportWriteFile(const Ktx_String& path, const Ktx_StringArray& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line.str();
        bytes += "\r\n";
    }
    return coreWriteFileAtomic(path, bytes);
}
