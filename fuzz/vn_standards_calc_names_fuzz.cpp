// Feeds arbitrary bytes to the one-pass name translation: the first line holds names
// separated by "|", the rest is the text to translate.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "vn_standards_calc_names.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const size_t nl = all.find('\n');
    const std::string_view names = all.substr(0, nl);
    const std::string_view text = nl == std::string_view::npos ? "" : all.substr(nl + 1);
    VnStandardsCalcNames t;
    size_t start = 0;
    int n = 0;
    while (start <= names.size()) {
        const size_t bar = names.find('|', start);
        const size_t end = bar == std::string_view::npos ? names.size() : bar;
        t.add(names.substr(start, end - start), "R" + std::to_string(++n) + "C1");
        start = end + 1;
    }
    std::string out;
    t.apply(text, out);
    return 0;
}
