// Feeds arbitrary bytes to the bill feed reader; a bill read is sent through a list output
// that checks every row it is given.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ktx_bill.h"

namespace {

class CountingOutput : public Ktx_ListOutputCallback {
  public:
    int rows = 0;
    void onAddRow(const Ktx_StringArray& row) override { check(row); }
    void onAddSubTotals(const Ktx_StringArray& row, const Ktx_StringArray&, bool, int) override {
        check(row);
    }
    void check(const Ktx_StringArray& row) {
        for (const Ktx_String& text : row) {
            if (text.str().find_first_of("\t\r\n") != std::string::npos) std::abort();
        }
        ++rows;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto bill = Ktx_Bill::fromFeed(text, error);
    if (!bill) return 0;
    CountingOutput output;
    if (bill->output(output) != Acad::eOk) std::abort();
    if (output.rows != static_cast<int>(bill->rows.size())) std::abort();
    return 0;
}
