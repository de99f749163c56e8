#include "path_translation.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "core_reset.h"

namespace fs = std::filesystem;

namespace {

// The translation's settings, and what they made of Windows paths so far (see literalOf).
struct Translation {
    std::string root;
    std::map<char, std::string> drives;
    std::unordered_map<std::string, std::shared_ptr<const struct LiteralPath>> literals;
};

std::uint64_t gTranslationChanges = 0;

std::string defaultDriveRoot() {
    const char* env = std::getenv("VNSTD_DRIVES");
    return env && *env ? env : "/tmp/vnstd-drives";
}

Translation& translation() {
    static Translation t{defaultDriveRoot(), {}, {}};
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

std::string folded(std::string_view name) {
    std::string key(name);
    for (char& c : key) c = ktxToLower(c);
    return key;
}

// What one status call tells of a path: its kind and stamp.
struct PathStat {
    HostPathKind kind = HostPathKind::Missing;
    HostFileStamp stamp;
};

PathStat statPath(const std::string& path) {
    PathStat result;
    hostFileStampOf(path, result.stamp, &result.kind);
    return result;
}

// A folder's names by their letter-case-folded form (the first in byte order when several
// fold alike), kept between look-ups while the folder's modification time stays the same: a
// name added, removed or renamed in the folder changes that time, so the next look-up lists
// the folder again. A look-up then costs one status call instead of a walk of the folder.
// A listing made while the folder's time was recent is not kept: a change within the same
// tick of the file system's clock would leave that time as it was.
class FolderListings {
  public:
    // folderStamp: the folder's modification time, from a status call just made.
    std::string match(const std::string& folder, std::int64_t folderStamp,
                      const std::string& part) {
        Listing& listing = listings_[folder];
        if (!listing.settled || listing.stamp != folderStamp) listing = list(folder, folderStamp);
        auto it = listing.byFolded.find(folded(part));
        return it == listing.byFolded.end() ? part : it->second;
    }
    // True when the folder's kept listing, settled and of this stamp, has no such name in any
    // letter case: the name is missing without a status call of its own. Never lists the
    // folder (a miss does, through match()).
    bool lacks(const std::string& folder, std::int64_t folderStamp, const std::string& part) const {
        const auto it = listings_.find(folder);
        if (it == listings_.end()) return false;
        const Listing& listing = it->second;
        return listing.settled && listing.stamp == folderStamp &&
               !listing.byFolded.contains(folded(part));
    }
    void clear() { listings_.clear(); }
    // Listings of relative folders name the entries of the working folder they were made in:
    // they are dropped once another working folder has been seen (`changes` counts them).
    void followWorkingFolder(std::uint64_t changes) {
        if (changes == workingFolder_) return;
        workingFolder_ = changes;
        std::erase_if(listings_, [](const auto& entry) {
            return entry.first.empty() || entry.first.front() != '/';
        });
    }

  private:
    struct Listing {
        bool settled = false;
        std::int64_t stamp = 0;
        std::unordered_map<std::string, std::string> byFolded;
    };

    static Listing list(const std::string& folder, std::int64_t stamp) {
        Listing listing;
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            std::string name = it->path().filename().string();
            auto [slot, added] = listing.byFolded.try_emplace(folded(name), name);
            if (!added && name < slot->second) slot->second = std::move(name);
        }
        listing.settled = !ec && hostTimeSettled(stamp);
        listing.stamp = stamp;
        return listing;
    }

    std::unordered_map<std::string, Listing> listings_;
    std::uint64_t workingFolder_ = 0;
};

FolderListings& folderListings() {
    static FolderListings listings;
    listings.followWorkingFolder(hostStatusEpoch().workingFolder);
    return listings;
}

// The name in folder that equals part with letter case folded, or part itself.
std::string matchIgnoringCase(const std::string& folder, const std::string& part) {
    const PathStat stat = statPath(folder);
    if (stat.kind != HostPathKind::Folder) return part;
    return folderListings().match(folder, stat.stamp.modifiedNs, part);
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

// The base joined with all parts but the last `dropped` ones.
std::string joinParts(const SplitPath& split, std::size_t dropped) {
    std::string out = split.base;
    for (std::size_t i = 0; i + dropped < split.parts.size(); ++i)
        out = joinPath(out, split.parts[i]);
    return out;
}

// A Windows path taken apart and put together as written: a matter of the text and the drive
// settings alone, so it is kept by text (forgotten when the settings change; at most
// kMaxLiterals texts, then all are forgotten). What the file system holds is asked anew on
// every look-up.
struct LiteralPath {
    SplitPath split;
    std::string literal;  // every part joined
    std::string folder;   // all parts but the last joined
};

constexpr std::size_t kMaxLiterals = 256;  // the library files of a batch, not its macros

const LiteralPath& literalOf(const std::string& windowsPath) {
    auto& literals = translation().literals;
    auto it = literals.find(windowsPath);
    if (it != literals.end()) return *it->second;
    if (literals.size() >= kMaxLiterals) literals.clear();
    auto made = std::make_shared<LiteralPath>();
    made->split = splitWindowsPath(windowsPath);
    made->literal = joinParts(made->split, 0);
    made->folder = joinParts(made->split, 1);
    return *literals.emplace(windowsPath, std::move(made)).first->second;
}

}  // namespace

std::string hostPathLiteral(const Ktx_String& windowsPath) {
    const std::string& literal = literalOf(windowsPath.str()).literal;
    return literal.empty() ? "." : literal;
}

namespace {

// Looks up each part of the path in its folder, from the first part on.
std::string resolvePartByPart(const SplitPath& split) {
    hostNoteUnkeptLookUp();  // the folders' own statuses are read directly
    std::error_code ec;
    std::string resolved = split.base;
    bool folderExists = true;
    for (std::size_t i = 0; i < split.parts.size(); ++i) {
        const std::string& part = split.parts[i];
        std::string next = joinPath(resolved, part);
        if (folderExists && !fs::exists(next, ec)) {
            next = joinPath(resolved, matchIgnoringCase(resolved.empty() ? "." : resolved, part));
        }
        if (i + 1 < split.parts.size()) folderExists = fs::is_directory(next, ec);
        resolved = std::move(next);
    }
    return resolved.empty() ? "." : resolved;
}

}  // namespace

std::string hostPath(const Ktx_String& windowsPath, HostPathKind* kind, HostFileStamp* stamp) {
    HostPathKind ignored;
    HostPathKind& found = kind != nullptr ? *kind : ignored;
    // The kind and stamp of what the path names, from a status just read.
    const auto take = [&found, stamp](const PathStat& status) {
        found = status.kind;
        if (stamp != nullptr && status.kind != HostPathKind::Missing) *stamp = status.stamp;
    };
    const LiteralPath& written = literalOf(windowsPath.str());
    const SplitPath& split = written.split;
    const std::string& literal = written.literal;
    if (literal.empty()) {
        found = HostPathKind::Folder;
        return ".";
    }
    // A bare name in the working folder (the first place many look-ups try) is looked for in
    // the folder's kept listing first while a status scope holds the folder's status.
    if (hostStatusScopeOpen() && split.base.empty() && split.parts.size() == 1) {
        const PathStat here = statPath(".");
        if (here.kind == HostPathKind::Folder &&
            folderListings().lacks(".", here.stamp.modifiedNs, split.parts.back())) {
            found = HostPathKind::Missing;
            return literal;
        }
    }
    take(statPath(literal));
    if (found != HostPathKind::Missing || split.parts.empty()) return literal;
    // The usual miss: the folder exists as written and only the last name differs (or is
    // new), which needs no walk from the first part.
    const std::string& folder = written.folder;
    const std::string where = folder.empty() ? "." : folder;
    std::string resolved;
    const PathStat folderStat = statPath(where);
    if (folderStat.kind == HostPathKind::Folder) {
        const std::string& last = split.parts.back();
        const std::string name = folderListings().match(where, folderStat.stamp.modifiedNs, last);
        if (name == last) return literal;  // no such name in any letter case
        resolved = joinPath(folder, name);
    } else {
        resolved = resolvePartByPart(split);
    }
    if (kind != nullptr || stamp != nullptr) take(statPath(resolved));
    return resolved;
}

Ktx_String windowsPathFromHost(const std::string& hostPath) {
    std::string p = hostPath;
    std::replace(p.begin(), p.end(), '/', '\\');
    return Ktx_String(p);
}

std::uint64_t pathTranslationChanges() {
    return gTranslationChanges;
}

void setDriveRoot(const std::string& folder) {
    ++gTranslationChanges;
    translation().root = folder;
    translation().literals.clear();
}

const std::string& driveRoot() {
    return translation().root;
}

void mapDrive(char letter, const std::string& folder) {
    ++gTranslationChanges;
    const char lower = static_cast<char>(ktxToLower(letter));
    if (folder.empty()) {
        translation().drives.erase(lower);
    } else {
        translation().drives[lower] = folder;
    }
    translation().literals.clear();
}

void resetPathTranslation() {
    ++gTranslationChanges;
    translation() = Translation{defaultDriveRoot(), {}, {}};
    folderListings().clear();
}
