#include "vn_ss_functions_files.h"

#include <unordered_map>

#include "vn_ss_functions_host.h"

namespace {

// One cache per kind of parsed file, keyed by the resolved path. An entry serves while the
// file's size and modification time are those it was read with, and only when it was read
// after the file had settled.
template <typename Parsed>
class ParsedFileCache {
  public:
    using Parser = Parsed (*)(const std::vector<std::string>&);

    std::shared_ptr<const Parsed> get(const Ktx_String& path, Parser parse) {
        VnFileStamp stamp;
        if (!vnFileStampOf(path, stamp)) return nullptr;
        auto it = entries_.find(path.str());
        if (it != entries_.end() && it->second.settled && it->second.stamp == stamp)
            return it->second.parsed;
        std::vector<std::string> lines;
        if (!vnReadTextLines(path, lines)) return nullptr;
        auto parsed = std::make_shared<const Parsed>(parse(lines));
        entries_[path.str()] = Entry{stamp, hostTimeSettled(stamp.modifiedNs), parsed};
        return parsed;
    }
    void clear() { entries_.clear(); }

  private:
    struct Entry {
        VnFileStamp stamp;
        bool settled = false;
        std::shared_ptr<const Parsed> parsed;
    };
    std::unordered_map<std::string, Entry> entries_;
};

ParsedFileCache<std::vector<StdSize>>& sizeCache() {
    static ParsedFileCache<std::vector<StdSize>> cache;
    return cache;
}

ParsedFileCache<std::vector<LookupRow>>& tableCache() {
    static ParsedFileCache<std::vector<LookupRow>> cache;
    return cache;
}

}  // namespace

bool VnSSFunctionsFiles::resolve(const Ktx_String& name, Ktx_String& path) {
    if (name.isEmpty()) return false;
    const Ktx_String lib = vnLibDir();
    const Ktx_String candidates[] = {name, lib + "Connection Standards\\Data\\" + name,
                                     lib + "Connection Standards\\" + name, lib + name};
    for (const Ktx_String& candidate : candidates) {
        if (vnFileExists(candidate)) {
            path = candidate;
            return true;
        }
    }
    return false;
}

std::shared_ptr<const std::vector<StdSize>> VnSSFunctionsFiles::sizeList(const Ktx_String& path) {
    return sizeCache().get(path, &StdSizeFile::parse);
}

std::shared_ptr<const std::vector<LookupRow>> VnSSFunctionsFiles::lookupTable(
    const Ktx_String& path) {
    return tableCache().get(path, &LookupTableFile::parse);
}

void VnSSFunctionsFiles::clearCache() {
    sizeCache().clear();
    tableCache().clear();
}
