// Feeds arbitrary bytes to the CSV reader (with and without a header row); a read table is
// written as CSV and as a sheet file, and the sheet file must load again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sheet_csv.h"
#include "sheet_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool headerRow = (data[0] & 1) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string error;
    std::unique_ptr<SheetModel> sheet = SheetCsv::read(text, headerRow, error);
    if (!sheet) return 0;
    SheetCsv::write(*sheet, headerRow, SheetCsv::Content::Values);
    SheetCsv::write(*sheet, headerRow, SheetCsv::Content::Contents);
    if (!SheetFile::read(SheetFile::write(*sheet), error)) std::abort();
    return 0;
}
