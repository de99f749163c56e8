// Constants and plain records of the grid control's SS... function interface: cell-type
// codes, option numbers, border bits, span answers, notification codes, the cell-type record,
// the font record and the notification record that the grid hands to its parent window.
#pragma once

#include <cstdint>
#include <string>

#include "win_types.h"

// ---- Addressing -------------------------------------------------------------------------

// Addresses the column-header row (as a row) or the row-header column (as a column); the
// same cells as row 0 and column 0.
constexpr int SS_HEADER = -32767;
// In range arguments: every row / every column of the grid (1 to the last).
constexpr int SS_ALLROWS = -1;
constexpr int SS_ALLCOLS = -1;

// ---- Cell types (SSCellType::type, as SSGetCellType reports them) -----------------------

constexpr int SS_CELLTYPE_GENERAL = 0;     // untyped: data that reads as a number is a number
constexpr int SS_CELLTYPE_EDIT = 1;        // text
constexpr int SS_CELLTYPE_STATICTEXT = 2;  // text shown, not editable by a person
constexpr int SS_CELLTYPE_PICTURE = 3;     // a picture from a file or a bitmap handle
constexpr int SS_CELLTYPE_COMBOBOX = 4;    // a choice among tab-separated items
constexpr int SS_CELLTYPE_BUTTON = 5;      // a push button with a caption
constexpr int SS_CELLTYPE_INTEGER = 10;    // whole numbers, read as long
constexpr int SS_CELLTYPE_CHECKBOX = 12;   // "1" checked / "0" unchecked, read as long
constexpr int SS_CELLTYPE_NUMBER = 14;     // numbers with fixed decimals, read as double
constexpr int SS_CELLTYPE_CURRENCY = 15;   // numbers with fixed decimals, read as double
constexpr int SS_CELLTYPE_PERCENT = 16;    // numbers with fixed decimals, read as double

// Number style bits (SSSetTypeNumber): the thousands separator is shown (display only; the
// value text never carries it).
constexpr long SSS_NUM_SEPARATOR = 0x00400000L;

// ---- Options by number (SSGetBool / SSSetBool) -----------------------------------------
// Every number 0..63 is kept; these are the ones with a meaning inside the grid. Defaults:
// 3, 4, 7 and 8 on, every other option off.

constexpr int SSB_SHOWCOLHEADERS = 3;  // the column-header row is shown
constexpr int SSB_SHOWROWHEADERS = 4;  // the row-header column is shown
constexpr int SSB_AUTOCALC = 7;        // a change recalculates the cells that depend on it
constexpr int SSB_REDRAW = 8;          // the grid repaints after changes
constexpr int SSB_CHANGEMADE = 30;     // set by every change a person makes
constexpr int SS_OPTION_COUNT = 64;

// ---- Reference style (SSSetRefStyle) ----------------------------------------------------

constexpr int SS_REFSTYLE_DEFAULT = 0;  // A1
constexpr int SS_REFSTYLE_A1 = 1;
constexpr int SS_REFSTYLE_R1C1 = 2;

// ---- Borders (SSSetBorder): side bits and line styles -----------------------------------

constexpr int SS_BORDERTYPE_NONE = 0;
constexpr int SS_BORDERTYPE_LEFT = 1;
constexpr int SS_BORDERTYPE_RIGHT = 2;
constexpr int SS_BORDERTYPE_TOP = 4;
constexpr int SS_BORDERTYPE_BOTTOM = 8;
constexpr int SS_BORDERTYPE_OUTLINE = 16;  // the outer edges of the range
constexpr int SS_BORDERSTYLE_NONE = 0;     // styles 1..15 are line kinds, kept as given

// The grid's default colour: cells with it show the grid's own colours.
constexpr COLORREF SS_COLOR_DEFAULT = 0x8000000BU;

// ---- Spans (SSGetCellSpan) --------------------------------------------------------------

constexpr int SS_SPAN_NO = 0;      // the cell lies in no span
constexpr int SS_SPAN_YES = 1;     // the cell is covered by a span anchored elsewhere
constexpr int SS_SPAN_ANCHOR = 2;  // the cell is the anchor (top-left) of a span

// ---- Copy (SSCopyRange) ------------------------------------------------------------------

constexpr int SS_COPY_ALL = 0;     // data, formula, tag, note and format
constexpr int SS_COPY_FORMAT = 1;  // type, colours, font, borders and lock only; never data

// ---- Records ----------------------------------------------------------------------------

// A cell type with its parameters, filled by the SSSetType... builders and applied with
// SSSetCellType / SSSetCellTypeRange. Fields a type does not use keep their defaults.
struct SSCellType {
    int type = SS_CELLTYPE_GENERAL;
    long style = 0;
    int decimals = 2;         // number kinds
    double minValue = -1e15;  // number kinds and integer
    double maxValue = 1e15;
    int maxLength = 0;            // edit: the most characters a person can type, 0 = no limit
    std::string text;             // button caption, check-box text, picture file name,
                                  // combo items separated by tabs
    std::uintptr_t picture = 0;   // picture: bitmap handle; check box: picture when unchecked
    std::uintptr_t picture2 = 0;  // check box: picture when checked
    bool operator==(const SSCellType&) const = default;
};

// The font of a cell. Text metrics are fixed per height (see SSGetTextWidth).
struct SSFont {
    std::string name = "Tahoma";
    int height = 13;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const SSFont&) const = default;
};

// ---- Notifications to the parent window -------------------------------------------------
// The grid sends its parent SSM_NOTIFY with wParam = the grid's control id and lParam = a
// pointer to an SSNotify that lives for the duration of the call.

constexpr UINT SSM_NOTIFY = 0x0400 + 0x600;

constexpr int SSN_ACTIVECELLCHANGED = 1;  // col,row: the new active cell; col2,row2: the old
constexpr int SSN_CELLCHANGED = 2;        // col,row: a person changed the cell's data
constexpr int SSN_BUTTONCLICKED = 3;      // col,row: a button or check-box cell was clicked
constexpr int SSN_RIGHTCLICK = 4;         // col,row: the cell right-clicked (0 for headers)
constexpr int SSN_COLHEADERCLICK = 5;     // col: the column whose header was clicked
constexpr int SSN_SELECTIONCHANGED = 6;   // col,row,col2,row2: the block selected

struct SSNotify {
    HWND grid = nullptr;
    int controlId = 0;
    int code = 0;
    int col = 0;
    int row = 0;
    int col2 = 0;
    int row2 = 0;
};
