// Feeds arbitrary bytes, split into lines, to the standard-size and look-up table readers and
// to the tolerance choice that consumes their numbers.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "lookup_table_file.h"
#include "std_size_file.h"
#include "vn_ss_functions_tolerance.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(static_cast<char>(data[i]));
        }
    }
    lines.push_back(line);
    const auto sizes = StdSizeFile::parse(lines);
    const auto widths = StdSizeFile::widthsFor(sizes, 10.0);
    VnSSFunctionsTolerance::choose(widths, VnToleranceQuery{112.0, 5.0, 5.0, 10.0});
    const auto rows = LookupTableFile::parse(lines);
    LookupTableFile::findRow(rows, "M16");
    return 0;
}
