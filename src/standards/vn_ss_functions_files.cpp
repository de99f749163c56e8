#include "vn_ss_functions_files.h"

#include <unordered_map>

#include "string_key_map.h"
#include "vn_kept_by_stamp.h"
#include "vn_ss_functions_host.h"

namespace {

// One cache per kind of parsed file, keyed by the resolved path.
template <typename Parsed>
class ParsedFileCache {
  public:
    using Parser = Parsed (*)(const std::vector<std::string>&);

    // `settled` tells whether the value is kept for the next read of an unchanged file.
    std::shared_ptr<const Parsed> get(const Ktx_String& path, Parser parse, bool& settled) {
        settled = false;
        VnFileStamp stamp;
        if (!vnFileStampOf(path, stamp)) return nullptr;
        if (auto kept = kept_.find(path.str(), stamp)) return settled = true, kept;
        std::vector<std::string> lines;
        if (!vnReadTextLines(path, lines)) return nullptr;
        settled = hostTimeSettled(stamp.modifiedNs);
        return kept_.keep(path.str(), stamp, parse(lines));
    }
    void clear() { kept_.clear(); }

  private:
    VnKeptByStamp<Parsed> kept_;
};

// The data files found by name, over a cache of parsed files. What a name gave is taken
// again, without resolving the name or asking for the file's stamp, while the library folder
// is the same and every library fact it was drawn from still holds (vnLibraryFactsHold): the
// kernel reports any change of those files and folders, so a changed file is still seen at
// once. Only a parsed, settled file is taken again this way.
template <typename Parsed>
class NamedFileCache {
  public:
    using Named = VnNamedDataFile<Parsed>;
    static constexpr std::size_t kMaxNames = 256;

    const Named& get(std::string_view name, typename ParsedFileCache<Parsed>::Parser parse) {
        auto it = names_.find(name);
        if (it != names_.end() && it->second.holds()) return it->second.named;
        if (it == names_.end()) {
            if (names_.size() >= kMaxNames) names_.clear();
            it = names_.emplace(std::string(name), Entry{}).first;
        }
        Entry& entry = it->second;
        const VnLibraryFactsMark mark = vnLibraryFactsMark();
        Named& named = entry.named;
        named.parsed = nullptr;
        named.found = VnSSFunctionsFiles::resolve(name, named.path);
        bool settled = false;
        if (named.found) named.parsed = files_.get(named.path, parse, settled);
        entry.kept = settled && named.parsed && vnLibraryFactsLastingSince(mark);
        entry.mark = mark;
        entry.libDir = vnLibDir().str();
        return named;
    }
    void clear() {
        names_.clear();
        files_.clear();
    }

  private:
    struct Entry {
        Named named;
        bool kept = false;
        VnLibraryFactsMark mark;
        std::string libDir;
        bool holds() const {
            return kept && vnLibDir().view() == libDir && vnLibraryFactsHold(mark);
        }
    };
    StringKeyMap<Entry> names_;
    ParsedFileCache<Parsed> files_;
};

NamedFileCache<std::vector<StdSize>>& sizeCache() {
    static NamedFileCache<std::vector<StdSize>> cache;
    return cache;
}

NamedFileCache<std::vector<LookupRow>>& tableCache() {
    static NamedFileCache<std::vector<LookupRow>> cache;
    return cache;
}

}  // namespace

bool VnSSFunctionsFiles::resolve(std::string_view name, Ktx_String& path) {
    if (name.empty()) return false;
    const std::string_view lib = vnLibDir().view();
    return vnFirstExistingFile({{name},
                                {lib, "Connection Standards\\Data\\", name},
                                {lib, "Connection Standards\\", name},
                                {lib, name}},
                               path);
}

const VnNamedDataFile<std::vector<StdSize>>& VnSSFunctionsFiles::sizeListNamed(
    std::string_view name) {
    return sizeCache().get(name, &StdSizeFile::parse);
}

const VnNamedDataFile<std::vector<LookupRow>>& VnSSFunctionsFiles::lookupTableNamed(
    std::string_view name) {
    return tableCache().get(name, &LookupTableFile::parse);
}

void VnSSFunctionsFiles::clearCache() {
    sizeCache().clear();
    tableCache().clear();
}
