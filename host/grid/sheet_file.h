// The grid's own file format ("sheet file"): a versioned, line-oriented text that carries
// every cell property, the size, spans, widths and heights (docs/sheet-file.md).
//
// write() gives the whole text (CRLF line ends). read() builds a new sheet from a text and
// gives it only when the whole text is sound: a malformed or truncated text gives nullptr and
// a message "line N: ..." naming the first bad line, so a caller that swaps the result in
// keeps what it had on failure. Formulas naming functions that are not registered are kept.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "sheet_model.h"

class SheetFile {
  public:
    static constexpr std::string_view kMagic = "VNSHEET";
    static constexpr int kVersion = 1;

    // The sheet as file text; dataOnly leaves out formats, spans, widths and heights.
    static std::string write(SheetModel& sheet, bool dataOnly = false);
    // A new sheet from file text (formulas calculated once), or nullptr with `error` set.
    static std::unique_ptr<SheetModel> read(std::string_view text, std::string& error);
    // True when the text starts like a sheet file (used to tell sheet files from CSV).
    static bool looksLikeSheetFile(std::string_view text);
};
