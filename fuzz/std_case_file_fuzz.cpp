// Feeds arbitrary bytes to the case-file reader of "vnstd test". Whatever it accepts must
// splice back: putting each value back in its place gives the same bytes, and putting new
// values in gives a file that reads back with those values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "std_case_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    StdCase c;
    std::string error;
    if (!parseStdCase(text, c, error)) return 0;
    std::vector<std::string> same;
    for (const StdCaseExpect& e : c.expects) same.push_back(e.value);
    if (stdCaseWithValues(text, c.expects, same) != text) std::abort();
    const std::vector<std::string> fresh(c.expects.size(), "1.5");
    StdCase again;
    if (!parseStdCase(stdCaseWithValues(text, c.expects, fresh), again, error)) std::abort();
    if (again.expects.size() != c.expects.size()) std::abort();
    for (const StdCaseExpect& e : again.expects)
        if (e.value != "1.5") std::abort();
    return 0;
}
