#pragma once
// Data files of the standards functions (size lists, look-up tables): where a name is found,
// and a cache of parsed files.
//
// A name is resolved by trying, in order, the name itself, libDir + "Connection
// Standards\Data\" + name, libDir + "Connection Standards\" + name and libDir + name; the
// first existing file wins. Parsed files are kept by path and reused only while the file's
// size and modification time are unchanged, and what a name gave is reused only while the
// library facts it was drawn from hold (vn_ss_functions_host.h), so every call behaves as if
// the file were read anew.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ktx_string.h"
#include "lookup_table_file.h"
#include "std_size_file.h"

// A data file looked for by name: whether a file was found, where, and its content parsed
// (nullptr when it cannot be read).
template <typename Parsed>
struct VnNamedDataFile {
    bool found = false;
    Ktx_String path;
    std::shared_ptr<const Parsed> parsed;
};

class VnSSFunctionsFiles {
  public:
    // The path of the first existing candidate; false when none exists.
    static bool resolve(std::string_view name, Ktx_String& path);

    // The size list / look-up table a name resolves to. The answer stays valid until the
    // next call of the same function.
    static const VnNamedDataFile<std::vector<StdSize>>& sizeListNamed(std::string_view name);
    static const VnNamedDataFile<std::vector<LookupRow>>& lookupTableNamed(std::string_view name);

    // Forgets every cached file (tests, and the module's unload).
    static void clearCache();
};
