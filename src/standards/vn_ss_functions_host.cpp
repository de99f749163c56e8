#include "vn_ss_functions_host.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "acad.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "win.h"

Ktx_String vnLibDir() {
    return gSettings.libDir;
}

bool vnSpreadsheetMessagesOn() {
    return gSettings.ssErrorMessages;
}

void vnShowExclamation(const Ktx_String& text) {
    AfxMessageBox(text.c_str(), MB_ICONEXCLAMATION);
}

void vnShowExclamationOver(void* ownerWindow, const Ktx_String& text, const Ktx_String& caption) {
    MessageBox(static_cast<HWND>(ownerWindow), text.c_str(), caption.c_str(), MB_ICONEXCLAMATION);
}

bool vnFileExists(const Ktx_String& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(hostPath(path), ec);
}

bool vnFileStampOf(const Ktx_String& path, VnFileStamp& stamp) {
    std::error_code ec;
    const std::filesystem::path p = hostPath(path);
    const auto size = std::filesystem::file_size(p, ec);
    if (ec) return false;
    const auto time = std::filesystem::last_write_time(p, ec);
    if (ec) return false;
    stamp.size = size;
    stamp.modified = static_cast<std::int64_t>(time.time_since_epoch().count());
    return true;
}

bool vnReadTextLines(const Ktx_String& path, std::vector<std::string>& lines) {
    std::ifstream in(hostPath(path), std::ios::binary);
    if (!in) return false;
    std::stringstream text;
    text << in.rdbuf();
    lines.clear();
    std::string line;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return true;
}
