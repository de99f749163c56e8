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
// once. A search through a list of candidates is kept too, as the facts it looked at, and
// taken again while the same candidates are asked for and each of those facts still holds.
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
        return entryOf(path).second;
    }
    // The first candidate naming an existing file, as vnFirstExistingFile.
    bool firstExisting(std::initializer_list<VnPathCandidate> candidates, Ktx_String& path);

    VnLibraryFactsMark mark() const {
        return {hostStatusEpoch(), pathTranslationChanges(), unlastingServed_, active_};
    }
    bool lastingSince(const VnLibraryFactsMark& m) const {
        return active_ && m.active && m.unlasting == unlastingServed_ && stillHolds(m);
    }
    bool holds(const VnLibraryFactsMark& m) const { return active_ && m.active && stillHolds(m); }

  private:
    using Entry = std::pair<const std::string, LibraryFileFact>;
    // The candidates a search looked at, in order (the last one found, when `found`).
    struct KeptSearch {
        std::uint64_t generation = 0;
        std::vector<Entry*> looked;
        bool found = false;
    };

    // Library files and the candidates searched for them, not a batch's macro files.
    static constexpr std::size_t kMaxFacts = 512;

    Entry& entryOf(const Ktx_String& path) {
        auto it = facts_.find(path.view());
        if (it == facts_.end()) {
            if (facts_.size() >= kMaxFacts) forgetAll();
            it = facts_.emplace(path.str(), LibraryFileFact(path)).first;
            served(it->second);
        } else if (!retake(it->second)) {
            it->second = LibraryFileFact(path);
            served(it->second);
        }
        it->second.evaluation = evaluation_;
        return *it;
    }
    // True when a fact may be taken in this evaluation (and marks it taken).
    bool retake(LibraryFileFact& fact) {
        if (fact.evaluation != evaluation_) {
            if (!fact.stillTrue()) return false;
            fact.evaluation = evaluation_;
            return true;  // still true: served as lasting
        }
        served(fact);
        return true;
    }
    // Counts a fact served that may not be taken in a later evaluation.
    void served(const LibraryFileFact& fact) {
        if (!fact.stillTrue()) ++unlastingServed_;
    }
    static bool stillHolds(const VnLibraryFactsMark& m) {
        return m.epoch == hostStatusEpoch() && m.translation == pathTranslationChanges();
    }
    // The kept searches stay, marked stale by the generation (one may be running).
    void forgetAll() {
        facts_.clear();
        ++generation_;
    }
    bool rememberLook(const Ktx_String& candidate, KeptSearch* kept) {
        Entry& entry = entryOf(candidate);
        if (kept) kept->looked.push_back(&entry);
        return entry.second.kind == HostPathKind::File;
    }
    bool keptSearch(std::string_view key, std::initializer_list<VnPathCandidate> candidates,
                    Ktx_String& path);
    bool search(std::initializer_list<VnPathCandidate> candidates, Ktx_String& path,
                KeptSearch* kept);

    bool active_ = false;
    std::uint64_t evaluation_ = 0;
    std::uint64_t unlastingServed_ = 0;  // facts served that were not lasting (then)
    std::uint64_t generation_ = 0;       // counts forgetAll: entries kept in searches are gone
    StringKeyMap<LibraryFileFact> facts_;
    StringKeyMap<KeptSearch> searches_;  // by the first candidate's path
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

VnLibraryFactsMark vnLibraryFactsMark() {
    return libraryFileFacts().mark();
}

bool vnLibraryFactsLastingSince(const VnLibraryFactsMark& mark) {
    return libraryFileFacts().lastingSince(mark);
}

bool vnLibraryFactsHold(const VnLibraryFactsMark& mark) {
    return libraryFileFacts().holds(mark);
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

bool vnHostPathAndStamp(const Ktx_String& path, std::string& hostPath, VnFileStamp& stamp) {
    const LibraryFileFact& fact = libraryFileFacts().of(path);
    hostPath = fact.hostPath;
    stamp = fact.stamp;
    return fact.kind == HostPathKind::File;
}

// Room for a usual candidate path, so that making the candidates one after the other does not
// allocate again.
constexpr std::size_t kCandidateRoom = 240;

namespace {

bool equalsJoined(std::string_view text, const VnPathCandidate& c) {
    return text.size() == c.first.size() + c.second.size() + c.third.size() &&
           text.substr(0, c.first.size()) == c.first &&
           text.substr(c.first.size(), c.second.size()) == c.second &&
           text.substr(c.first.size() + c.second.size()) == c.third;
}

}  // namespace

bool LibraryFileFacts::firstExisting(std::initializer_list<VnPathCandidate> candidates,
                                     Ktx_String& path) {
    if (!active_ || candidates.size() == 0) return search(candidates, path, nullptr);
    const VnPathCandidate& first = *candidates.begin();
    if (first.second.empty() && first.third.empty())
        return keptSearch(first.first, candidates, path);
    Ktx_String key;
    key.appendView(first.first).appendView(first.second).appendView(first.third);
    return keptSearch(key.view(), candidates, path);
}

// The kept search of these candidates when it still holds, else a new search kept in its place.
bool LibraryFileFacts::keptSearch(std::string_view key,
                                  std::initializer_list<VnPathCandidate> candidates,
                                  Ktx_String& path) {
    auto it = searches_.find(key);
    if (it == searches_.end()) {
        if (searches_.size() >= kMaxFacts) searches_.clear();
        it = searches_.emplace(std::string(key), KeptSearch{}).first;
    }
    KeptSearch& kept = it->second;
    // A search that found nothing looked at every candidate; one that found a file, at the
    // candidates up to it.
    const std::size_t looked = kept.looked.size();
    bool holds = kept.generation == generation_ && looked > 0 &&
                 (kept.found ? looked <= candidates.size() : looked == candidates.size());
    for (std::size_t i = 0; holds && i < looked; ++i) {
        Entry& entry = *kept.looked[i];
        const bool wasFound = kept.found && i + 1 == looked;
        holds = equalsJoined(entry.first, candidates.begin()[i]) && retake(entry.second) &&
                (entry.second.kind == HostPathKind::File) == wasFound;
    }
    if (!holds) return search(candidates, path, &kept);
    if (kept.found) path = kept.looked.back()->first;
    return kept.found;
}

// Looks at each candidate in turn; what it looked at goes into `kept` (when given).
bool LibraryFileFacts::search(std::initializer_list<VnPathCandidate> candidates, Ktx_String& path,
                              KeptSearch* kept) {
    if (kept) kept->looked.clear(), kept->found = false, kept->generation = generation_;
    Ktx_String candidate;
    candidate.reserve(kCandidateRoom);
    for (const VnPathCandidate& c : candidates) {
        candidate.clear();
        candidate.appendView(c.first).appendView(c.second).appendView(c.third);
        const bool exists = active_ ? rememberLook(candidate, kept) : vnFileExists(candidate);
        if (!exists) continue;
        path = candidate;
        if (kept) kept->found = true;
        return true;
    }
    return false;
}

bool vnFirstExistingFile(std::initializer_list<VnPathCandidate> candidates, Ktx_String& path) {
    return libraryFileFacts().firstExisting(candidates, path);
}

bool vnReadTextLines(const Ktx_String& path, std::vector<std::string>& lines) {
    Ktx_StringArray read;
    if (!ObjectExportReadFile(Ktx_String(vnHostPath(path)), read)) return false;
    lines.clear();
    lines.reserve(static_cast<size_t>(read.length()));
    for (const Ktx_String& line : read) lines.push_back(line.str());
    return true;
}
