// Parses arbitrary bytes as a properties list; whatever parses must write back to text that
// parses to the same list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ktx_properties_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Ktx_PropertiesList list;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (list.fromText(text) != Acad::eOk) return 0;
    Ktx_PropertiesList again;
    if (again.fromText(list.toText()) != Acad::eOk || !(again == list)) std::abort();
    return 0;
}
