#include "vn_ss_functions_host.h"

#include <unordered_map>

#include "acad.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "text_file.h"
#include "vn_eval_report.h"
#include "win.h"

Ktx_String vnLibDir() {
    return gSettings.libDir;
}

bool vnSpreadsheetMessagesOn() {
    return gSettings.ssErrorMessages;
}

void vnShowExclamation(const Ktx_String& text) {
    VnEvalReport::messageShown(text.str());
    AfxMessageBox(text.c_str(), MB_ICONEXCLAMATION);
}

void vnShowExclamationOver(void* ownerWindow, const Ktx_String& text, const Ktx_String& caption) {
    VnEvalReport::messageShown(text.str());
    MessageBox(static_cast<HWND>(ownerWindow), text.c_str(), caption.c_str(), MB_ICONEXCLAMATION);
}

namespace {

// What one look-up of a path found: its host path, what it names and, for a file, its stamp
// (all from the look-up's status calls).
struct LibraryFileFact {
    HostPathKind kind = HostPathKind::Missing;
    VnFileStamp stamp;
    std::string hostPath;  // after kind and stamp: its look-up fills them

    explicit LibraryFileFact(const Ktx_String& path = Ktx_String())
        : hostPath(::hostPath(path, &kind, &stamp)) {}
};

class LibraryFileFacts {
  public:
    void begin() {
        active_ = true;
        beginHostStatusScope();
    }
    void end() {
        active_ = false;
        facts_.clear();
        endHostStatusScope();
    }
    const LibraryFileFact& of(const Ktx_String& path) {
        if (!active_) {
            scratch_ = LibraryFileFact(path);
            return scratch_;
        }
        auto it = facts_.find(path.str());
        if (it == facts_.end()) it = facts_.emplace(path.str(), LibraryFileFact(path)).first;
        return it->second;
    }

  private:
    bool active_ = false;
    std::unordered_map<std::string, LibraryFileFact> facts_;
    LibraryFileFact scratch_;
};

LibraryFileFacts& libraryFileFacts() {
    static LibraryFileFacts facts;
    return facts;
}

}  // namespace

void vnBeginLibraryFileFacts() {
    libraryFileFacts().begin();
}

void vnEndLibraryFileFacts() {
    libraryFileFacts().end();
}

std::string vnHostPath(const Ktx_String& path) {
    return libraryFileFacts().of(path).hostPath;
}

bool vnFileExists(const Ktx_String& path) {
    return libraryFileFacts().of(path).kind == HostPathKind::File;
}

bool vnFileStampOf(const Ktx_String& path, VnFileStamp& stamp) {
    const LibraryFileFact& fact = libraryFileFacts().of(path);
    stamp = fact.stamp;
    return fact.kind == HostPathKind::File;
}

bool vnFirstExistingFile(std::initializer_list<VnPathCandidate> candidates, Ktx_String& path) {
    Ktx_String candidate;
    for (const VnPathCandidate& c : candidates) {
        candidate.clear();
        candidate.appendView(c.first).appendView(c.second).appendView(c.third);
        if (!vnFileExists(candidate)) continue;
        path = candidate;
        return true;
    }
    return false;
}

bool vnReadTextLines(const Ktx_String& path, std::vector<std::string>& lines) {
    Ktx_StringArray read;
    if (!ObjectExportReadFile(Ktx_String(vnHostPath(path)), read)) return false;
    lines.clear();
    lines.reserve(static_cast<size_t>(read.length()));
    for (const Ktx_String& line : read) lines.push_back(line.str());
    return true;
}
