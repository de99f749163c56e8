// Lines of a cutting-stock table file: every line splits into cells without the separator
// byte, those rows may be written (the save's check lets them through), and joining them gives
// the lines back byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "csp_files.h"
#include "string_helpers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Ktx_StringArray lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.append(Ktx_String(text.substr(start, end - start)));
        start = end + 1;
    }
    const Ktx_String separator(&kCspCellSeparator, 1);
    const VnCspRows rows = arrToArrArr(lines, separator);
    int row = 0, cell = 0;
    if (rows.length() != lines.length()) std::abort();
    if (cspFindSeparatorInCells(rows, row, cell)) std::abort();
    if (arrArrToArr(rows, separator) != lines) std::abort();
    return 0;
}
