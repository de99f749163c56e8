// Macro property file text: reading never fails unsafely, and the items read are written in a
// form that reads back to the same items and writes again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "macro_prop_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<MacroPropItem> items;
    std::string error;
    if (!parseMacroPropText(text, items, error)) {
        if (error.rfind("line ", 0) != 0) std::abort();
        return 0;
    }
    std::string written;
    if (!formatMacroPropItems(items, written)) return 0;
    std::vector<MacroPropItem> again;
    if (!parseMacroPropText(written, again, error) || again != items) std::abort();
    std::string rewritten;
    if (!formatMacroPropItems(again, rewritten) || rewritten != written) std::abort();
    return 0;
}
