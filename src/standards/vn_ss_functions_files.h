#pragma once
// Data files of the standards functions (size lists, look-up tables): where a name is found,
// and a cache of parsed files.
//
// A name is resolved by trying, in order, the name itself, libDir + "Connection
// Standards\Data\" + name, libDir + "Connection Standards\" + name and libDir + name; the
// first existing file wins. Parsed files are kept by path and reused only while the file's
// size and modification time are unchanged, so every call behaves as if the file were read
// anew.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ktx_string.h"
#include "lookup_table_file.h"
#include "std_size_file.h"

class VnSSFunctionsFiles {
  public:
    // The path of the first existing candidate; false when none exists.
    static bool resolve(std::string_view name, Ktx_String& path);

    // The parsed size list of an existing file; nullptr when it cannot be read.
    static std::shared_ptr<const std::vector<StdSize>> sizeList(const Ktx_String& path);
    // The parsed look-up table of an existing file; nullptr when it cannot be read.
    static std::shared_ptr<const std::vector<LookupRow>> lookupTable(const Ktx_String& path);

    // Forgets every cached file (tests, and the module's unload).
    static void clearCache();
};
