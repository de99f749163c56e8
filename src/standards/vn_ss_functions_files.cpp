#include "vn_ss_functions_files.h"

#include <unordered_map>

#include "vn_kept_by_stamp.h"
#include "vn_ss_functions_host.h"

namespace {

// One cache per kind of parsed file, keyed by the resolved path.
template <typename Parsed>
class ParsedFileCache {
  public:
    using Parser = Parsed (*)(const std::vector<std::string>&);

    std::shared_ptr<const Parsed> get(const Ktx_String& path, Parser parse) {
        VnFileStamp stamp;
        if (!vnFileStampOf(path, stamp)) return nullptr;
        if (auto kept = kept_.find(path.str(), stamp)) return kept;
        std::vector<std::string> lines;
        if (!vnReadTextLines(path, lines)) return nullptr;
        return kept_.keep(path.str(), stamp, parse(lines));
    }
    void clear() { kept_.clear(); }

  private:
    VnKeptByStamp<Parsed> kept_;
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

bool VnSSFunctionsFiles::resolve(std::string_view name, Ktx_String& path) {
    if (name.empty()) return false;
    const std::string_view lib = vnLibDir().view();
    return vnFirstExistingFile({{name},
                                {lib, "Connection Standards\\Data\\", name},
                                {lib, "Connection Standards\\", name},
                                {lib, name}},
                               path);
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
