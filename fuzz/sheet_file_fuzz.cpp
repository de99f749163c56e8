// Feeds arbitrary bytes to the sheet-file loader; a loaded sheet is written and read again,
// which must succeed and give the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sheet_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    std::unique_ptr<SheetModel> sheet = SheetFile::read(text, error);
    if (!sheet) return 0;
    const std::string written = SheetFile::write(*sheet);
    std::unique_ptr<SheetModel> again = SheetFile::read(written, error);
    if (!again || SheetFile::write(*again) != written) std::abort();
    return 0;
}
