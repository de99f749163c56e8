#include "vn_ss_functions_host.h"

#include <unordered_map>

#include "acad.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "string_key_map.h"
#include "text_file.h"
#include "vn_eval_report.h"
#include "win.h"

const Ktx_String& vnLibDir() {
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
// (all from the look-up's status calls), and whether it may be taken again in a later
// evaluation: only when every status it read was kept (watched for changes), and then while
// neither the kept statuses, the working folder nor the path translation changed.
struct LibraryFileFact {
    HostPathKind kind = HostPathKind::Missing;
    VnFileStamp stamp;
    std::string hostPath;
    bool lasting = false;
    HostStatusEpoch epoch;
    std::uint64_t translation = 0;
    std::uint64_t evaluation = 0;  // the evaluation that last looked it up or took it

    explicit LibraryFileFact(const Ktx_String& path = Ktx_String()) {
        const HostLookUpWitness witness;
        translation = pathTranslationChanges();
        hostPath = ::hostPath(path, &kind, &stamp);
        lasting = witness.lasting();
        epoch = witness.epoch();
    }
    bool stillTrue() const {
        return lasting && epoch == hostStatusEpoch() && translation == pathTranslationChanges();
    }
};

// The facts of one evaluation, and of earlier ones while they still hold: a run of evaluations
// of one standard looks its files up once, and sees a changed file (reported by the kernel) at
// once.
class LibraryFileFacts {
  public:
    void begin() {
        active_ = true;
        ++evaluation_;
        beginHostStatusScope();
    }
    void end() {
        active_ = false;
        endHostStatusScope();
    }
    const LibraryFileFact& of(const Ktx_String& path) {
        if (!active_) {
            scratch_ = LibraryFileFact(path);
            return scratch_;
        }
        auto it = facts_.find(path.view());
        if (it == facts_.end()) {
            if (facts_.size() >= kMaxFacts) facts_.clear();
            it = facts_.emplace(path.str(), LibraryFileFact(path)).first;
        } else if (it->second.evaluation != evaluation_ && !it->second.stillTrue()) {
            it->second = LibraryFileFact(path);
        }
        it->second.evaluation = evaluation_;
        return it->second;
    }

  private:
    // Library files and the candidates searched for them, not a batch's macro files.
    static constexpr std::size_t kMaxFacts = 512;

    bool active_ = false;
    std::uint64_t evaluation_ = 0;
    StringKeyMap<LibraryFileFact> facts_;
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

// Room for a usual candidate path, so that making the candidates one after the other does not
// allocate again.
constexpr std::size_t kCandidateRoom = 240;

bool vnFirstExistingFile(std::initializer_list<VnPathCandidate> candidates, Ktx_String& path) {
    Ktx_String candidate;
    candidate.reserve(kCandidateRoom);
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
