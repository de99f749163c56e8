#pragma once
// Ktx_Bill: a bill of material as the Core library hands it to a list output: column names,
// the kind of each column (1 whole number, 2 one decimal, 3 text), and rows, some of them
// subtotal rows.
//
// fromFeed reads a tab-separated feed: the first line holds the column names, every further
// line one row; a line whose first field starts with "#subtotal" is a subtotal row made of
// the fields after that one. Empty lines are skipped; CRLF, LF and lone CR end lines.
// output() sends the rows through a Ktx_ListOutputCallback exactly as the Core library does.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "acad_error_status.h"
#include "ktx_array.h"
#include "ktx_list_output.h"
#include "ktx_string_array.h"

struct Ktx_BillRow {
    Ktx_StringArray texts;
    bool subtotal = false;
};

class Ktx_Bill {
  public:
    static constexpr std::string_view kSubtotalMark = "#subtotal";

    // The bill of a feed text; nullopt with a message ("line N: ...") when it has no column
    // names.
    static std::optional<Ktx_Bill> fromFeed(std::string_view text, std::string& error);

    // onStartFeed, every row (onAddRow, or onAddSubTotals with empty totals), onEndFeed. A
    // failed start stops the feed and is returned; else the result of onEndFeed.
    Acad::ErrorStatus output(Ktx_ListOutputCallback& callback) const;
    // The index of the column of that name (letter case ignored), or -1.
    int columnIndex(const Ktx_String& name) const;

    Ktx_StringArray columnNames;
    Ktx_Array<int> columnTypes;
    std::vector<Ktx_BillRow> rows;
};
