// Mapping files as a whole, read from disk (header, line ends, byte-order mark): every line
// parses without harm, every map that was read gives a mapping text that reads back to the
// same map, and the lines written back read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core_reset.h"
#include "fuzz_folder.h"
#include "mapping_file.h"
#include "path_translation.h"
#include "vn_ss_mapping.h"

namespace {

void checkLine(const Ktx_String& line) {
    mappingLineKey(line);
    VnSSMapping mapping;
    mapping.initMappingFromLine(line);
    for (int i = 0; i < mapping.mapCount(); ++i) {
        Ktx_String mappingText, var;
        if (mapping.map(i).setMappingToStrs(mappingText, var) != Acad::eOk) std::abort();
        VnObjectMap back;
        if (back.getMappingFromStrs(var, mappingText) != Acad::eOk) std::abort();
        if (back.isCompatible(mapping.map(i)) != Acad::eOk) std::abort();
    }
    VnSSMapping copy = mapping;
    if (copy.mapCount() != mapping.mapCount()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        setDriveRoot(fuzzFolder().string());
        return true;
    }();
    (void)ready;
    fuzzWriteFile(fuzzFolder() / "c" / "in.map",
                  std::string(reinterpret_cast<const char*>(data), size));
    Ktx_StringArray lines;
    if (!readMappingLines("c:\\in.map", lines)) std::abort();
    for (const Ktx_String& line : lines) checkLine(line);
    if (!writeMappingLines("c:\\out.map", lines)) std::abort();
    Ktx_StringArray back;
    if (!readMappingLines("c:\\out.map", back) || !(back == lines)) std::abort();
    return 0;
}
