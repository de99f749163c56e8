// Mapping lines as read from a mapping file: every line parses without harm, and every map
// that was read gives a mapping text that reads back to the same map.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "mapping_file.h"
#include "vn_ss_mapping.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const Ktx_String line(text.substr(start, end - start));
        start = end + 1;
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
    return 0;
}
