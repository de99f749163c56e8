// CSV (RFC 4180) to and from a sheet.
//
// Reading: the first field goes to column 1 and the first record to row 1 (with headerRow,
// to the header row 0 instead, the records after it to rows 1..); fields are separated by
// commas, records by CRLF or LF, a quoted field may hold commas, doubled quotes and line
// breaks; a final line end adds no row. A field that reads as a number is a number, one
// beginning with "=" (quoted or not) is a formula (unknown function names kept), any other a
// text. The sheet gets as many columns as the longest record. Errors name the line and the
// column: "line 3, column 2: formula does not parse: ...".
//
// Writing: one record per row (row 0 first with headerRow), every column 1..last, CRLF after
// each record; fields with a comma, a quote, a CR or an LF, or a leading or trailing blank,
// are quoted.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "sheet_model.h"

class SheetCsv {
  public:
    // What a written field holds: the value text of each cell, or its contents ("=" and the
    // formula for a formula cell, else the data text).
    enum class Content { Values, Contents };
    // When a read sheet is calculated: before read() returns, or by the caller's recalcAll()
    // (who may register custom functions first: one calculation instead of two).
    enum class Calc { Now, Later };

    static std::unique_ptr<SheetModel> read(std::string_view text, bool headerRow,
                                            std::string& error, Calc calc = Calc::Now);
    static std::string write(SheetModel& sheet, bool headerRow, Content content);
};
