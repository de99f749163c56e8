// Reads arbitrary bytes as a DSTV point group file; whatever reads must write back to a file
// that reads as the same points.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "dstv_points.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Ktx_PropertiesList list;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    DstvPoints points;
    if (list.fromText(text) != Acad::eOk || !dstvPointsFromList(list, points)) return 0;
    if (points.length() > kDstvMaxPoints) std::abort();
    Ktx_PropertiesList again;
    DstvPoints back;
    if (again.fromText(dstvPointsToList(points).toText()) != Acad::eOk ||
        !dstvPointsFromList(again, back) || !(back == points))
        std::abort();
    return 0;
}
