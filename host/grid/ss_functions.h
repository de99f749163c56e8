// The grid control's function interface, addressed by the grid window's handle.
//
// Common rules:
// - A handle that is not a grid window makes every call fail (false, -1 for counts and
//   lengths, nullptr for builders) without effect.
// - Coordinates are 1-based, column before row. Row 0 and column 0 are the header cells and
//   are addressable; SS_HEADER (-32767) addresses the same header row or column. A cell
//   beyond the grid's last row or column makes the call fail and change nothing.
// - Texts are bytes (code page 1252 meaning); a null text pointer reads as "".
// - Calls made by code never set option 30 (SSB_CHANGEMADE); the grid sets it itself on the
//   changes a person makes (typing, pasting, toggling a check box) and on insert/delete of
//   rows or columns and clipboard paste.
#pragma once

#include "spread_value.h"
#include "ss_types.h"

// ---- The grid window ----------------------------------------------------------------------

// Registers the window classes "fpSpread70" and "fpSpreadPreview70" with the window system.
// Call once before creating the first grid window (again after the window system was reset;
// a class already registered is left alone).
void SSRegisterWindowClasses();
// True when the handle is a live grid window.
bool SSIsGrid(HWND hWnd);

// ---- Size ---------------------------------------------------------------------------------

int SSGetMaxRows(HWND hWnd);
int SSGetMaxCols(HWND hWnd);
// Sets the row / column count (>= 0). Cells beyond a shrunk edge are removed with their
// properties, spans crossing it are removed. False for a negative count.
bool SSSetMaxRows(HWND hWnd, int rows);
bool SSSetMaxCols(HWND hWnd, int cols);

// ---- Cell texts -----------------------------------------------------------------------------
// Length queries return the text's length in bytes (0 for an empty cell), -1 when the cell
// does not exist. Readers copy the text and a terminating NUL into `buffer`, which must hold
// the length + 1 bytes; they return the length, or -1 (buffer untouched) when the cell does
// not exist.

// Data text: what the cell shows as typed; for a formula cell its value text.
int SSGetDataLen(HWND hWnd, int col, int row);
int SSGetData(HWND hWnd, int col, int row, char* buffer);
// Sets the data text, removing a formula. A number, integer or currency/percent cell accepts
// "" and text that is wholly a number within its bounds (an integer cell: a whole number)
// and refuses anything else: false, cell unchanged. Text beginning with "=" is data, not a
// formula (see SSSetFormula). With automatic calculation on, dependents are recalculated.
bool SSSetData(HWND hWnd, int col, int row, const char* text);
// Sets several cells at once: like SSSetData on every cell of the block; false when any cell
// refused (the others are still set).
bool SSSetDataRange(HWND hWnd, int col, int row, int col2, int row2, const char* text);

// Value text: the calculated result as text (numbers at most 15 significant digits; number
// kinds with their decimals; check boxes "1"/"0"; errors their error text).
int SSGetValueLen(HWND hWnd, int col, int row);
int SSGetValue(HWND hWnd, int col, int row, char* buffer);
// Sets the cell from a value text; same acceptance rules as SSSetData.
bool SSSetValue(HWND hWnd, int col, int row, const char* text);

// Formula text without the leading "=" as the cell holds it; "" when the cell has none.
int SSGetFormulaLen(HWND hWnd, int col, int row);
int SSGetFormula(HWND hWnd, int col, int row, char* buffer);
// Sets a formula (a leading "=" is allowed) and calculates the cell at once. A formula that
// does not parse, or names something that is neither a function (built-in or registered) nor
// a cell reference, is refused: false, cell unchanged. "" removes the formula (and data).
// Header cells take no formulas. buildDependencies is accepted for compatibility; the grid
// always keeps its dependencies.
bool SSSetFormula(HWND hWnd, int col, int row, const char* formula, bool buildDependencies);

// Typed reads and writes of a cell's value.
// SSGetFloat: true with the cell's numeric value (data or calculated) when it has one.
bool SSGetFloat(HWND hWnd, int col, int row, double* value);
bool SSSetFloat(HWND hWnd, int col, int row, double value);
bool SSGetInteger(HWND hWnd, int col, int row, long* value);
bool SSSetInteger(HWND hWnd, int col, int row, long value);

// Tag: a free text stored with a cell. With buffer == nullptr returns the length only.
// Returns -1 when the cell does not exist.
int SSGetCellTag(HWND hWnd, int col, int row, char* buffer);
bool SSSetCellTag(HWND hWnd, int col, int row, const char* tag);
// Note: the comment shown with a cell; the same conventions as the tag.
int SSGetCellNote(HWND hWnd, int col, int row, char* buffer);
bool SSSetCellNote(HWND hWnd, int col, int row, const char* note);

// Empties data, formula, tag and note of a block (formats stay).
bool SSClearDataRange(HWND hWnd, int col, int row, int col2, int row2);

// ---- Cell types -------------------------------------------------------------------------------
// The builders fill `cellType` (all other fields reset) and return it; nullptr when cellType
// is null. They do not touch any cell: apply the record with SSSetCellType(Range).

SSCellType* SSSetTypeGeneral(HWND hWnd, SSCellType* cellType);
SSCellType* SSSetTypeEdit(HWND hWnd, SSCellType* cellType, long style, int maxLength);
SSCellType* SSSetTypeStaticText(HWND hWnd, SSCellType* cellType, long style);
// Picture from a file of this machine: the file name is stored (and saved), the picture read
// now and kept by the grid, so the cell still shows it when the file is gone.
SSCellType* SSSetTypePicture(HWND hWnd, SSCellType* cellType, long style, const char* fileName);
// Picture from a bitmap handle (not stored in files: a loaded cell shows no picture).
SSCellType* SSSetTypePictureHandle(HWND hWnd, SSCellType* cellType, long style, HBITMAP picture);
// Items separated by tab characters.
SSCellType* SSSetTypeComboBox(HWND hWnd, SSCellType* cellType, long style, const char* items);
SSCellType* SSSetTypeButton(HWND hWnd, SSCellType* cellType, long style, const char* text);
SSCellType* SSSetTypeCheckBox(HWND hWnd, SSCellType* cellType, long style, const char* text,
                              HBITMAP pictureUnchecked, HBITMAP pictureChecked);
SSCellType* SSSetTypeInteger(HWND hWnd, SSCellType* cellType, long minValue, long maxValue);
// Number cell: decimals 0..15; style SSS_NUM_SEPARATOR shows the thousands separator.
SSCellType* SSSetTypeNumber(HWND hWnd, SSCellType* cellType, long style, int decimals,
                            double minValue, double maxValue);
SSCellType* SSSetTypeCurrency(HWND hWnd, SSCellType* cellType, long style, int decimals,
                              double minValue, double maxValue);
SSCellType* SSSetTypePercent(HWND hWnd, SSCellType* cellType, long style, int decimals,
                             double minValue, double maxValue);

// Gives cells a type. Data that the new type refuses (text in a number cell) is emptied.
// In ranges SS_ALLCOLS / SS_ALLROWS (-1) stand for 1..last.
bool SSSetCellType(HWND hWnd, int col, int row, const SSCellType* cellType);
bool SSSetCellTypeRange(HWND hWnd, int col, int row, int col2, int row2,
                        const SSCellType* cellType);
// The cell's type record; false when the cell does not exist.
bool SSGetCellType(HWND hWnd, int col, int row, SSCellType* cellType);

// ---- Format: lock, colours, borders, font -----------------------------------------------
// Range forms accept SS_ALLCOLS / SS_ALLROWS.

// A locked cell cannot be changed by a person (typing, pasting, check-box clicks); code can.
bool SSSetLock(HWND hWnd, int col, int row, bool lock);
bool SSSetLockRange(HWND hWnd, int col, int row, int col2, int row2, bool lock);
bool SSGetLock(HWND hWnd, int col, int row);

bool SSSetColor(HWND hWnd, int col, int row, COLORREF background, COLORREF foreground);
bool SSSetColorRange(HWND hWnd, int col, int row, int col2, int row2, COLORREF background,
                     COLORREF foreground);
bool SSGetColor(HWND hWnd, int col, int row, COLORREF* background, COLORREF* foreground);

// Sets the sides named by `type` (SS_BORDERTYPE_... bits) to `style` and `color`; style
// SS_BORDERSTYLE_NONE clears them. OUTLINE sets the outer edges of the block.
bool SSSetBorder(HWND hWnd, int col, int row, int type, int style, COLORREF color);
bool SSSetBorderRange(HWND hWnd, int col, int row, int col2, int row2, int type, int style,
                      COLORREF color);
// The style and colour of one side (a single SS_BORDERTYPE_LEFT/RIGHT/TOP/BOTTOM bit).
bool SSGetBorder(HWND hWnd, int col, int row, int side, int* style, COLORREF* color);

bool SSSetFont(HWND hWnd, int col, int row, const SSFont& font);
bool SSSetFontRange(HWND hWnd, int col, int row, int col2, int row2, const SSFont& font);
bool SSGetFont(HWND hWnd, int col, int row, SSFont* font);

// ---- Widths, heights and text metrics (pixels) ----------------------------------------------
// Column 0 / row 0 (or SS_HEADER) are the row-header column and the column-header row;
// SS_ALLCOLS / SS_ALLROWS set every column / row. Defaults: columns 64, row-header column 40,
// rows 20.

bool SSSetColWidthInPixels(HWND hWnd, int col, int pixels);
bool SSGetColWidthInPixels(HWND hWnd, int col, int* pixels);
bool SSSetRowHeightInPixels(HWND hWnd, int row, int pixels);
bool SSGetRowHeightInPixels(HWND hWnd, int row, int* pixels);
// Deterministic text metrics: each character is (height + 1) / 2 pixels wide and each line
// height + 3 pixels high, plus 8 pixels of horizontal and 4 of vertical cell padding.
int SSGetTextWidth(const SSFont& font, const char* text);
int SSGetTextHeight(const SSFont& font, const char* text);
// The widest value text of a column (header cell included) / the highest of a row, in
// pixels including padding; false when the column / row does not exist.
bool SSGetMaxTextColWidth(HWND hWnd, int col, int* pixels);
bool SSGetMaxTextRowHeight(HWND hWnd, int row, int* pixels);
bool SSGetMaxTextCellSize(HWND hWnd, int col, int row, int* width, int* height);
// Width of the vertical scroll bar: 16 while the rows do not fit the client height, else 0.
int SSGetVScrollBarWidth(HWND hWnd);

// ---- Options ------------------------------------------------------------------------------
// Options are settings of the window, kept by number 0..SS_OPTION_COUNT-1; loading a file
// never changes them.

bool SSGetBool(HWND hWnd, int option);
// Sets the option; returns its previous state (false also for a bad handle or number).
bool SSSetBool(HWND hWnd, int option, bool value);

// ---- Look (kept and reported; the headless grid draws nothing) ----------------------------

bool SSSetAppearance(HWND hWnd, int appearance);
int SSGetAppearance(HWND hWnd);
bool SSSetGridType(HWND hWnd, int gridType);
int SSGetGridType(HWND hWnd);
bool SSSetGridColor(HWND hWnd, COLORREF color);
COLORREF SSGetGridColor(HWND hWnd);
bool SSSetGrayAreaColor(HWND hWnd, COLORREF background, COLORREF foreground);
bool SSSetSelColor(HWND hWnd, COLORREF background, COLORREF foreground);
bool SSSetLockColor(HWND hWnd, COLORREF background, COLORREF foreground);
bool SSSetCursorStyle(HWND hWnd, int style);
// Action keys 0..2 (clear, current, return): a key code with shift/control; 0 clears.
bool SSSetActionKey(HWND hWnd, int action, bool shift, bool control, int key);
// What Enter does after editing a cell (0 none, 1 up, 2 down, 3 left, 4 right, 5 next).
bool SSSetEditEnterAction(HWND hWnd, int action);
int SSGetEditEnterAction(HWND hWnd);

// ---- Rows and columns -------------------------------------------------------------------------
// Insert puts an empty row at `row` (1..last), moving the rows from there down by one; the
// row count stays, unless the last row holds anything, in which case it grows by one so that
// nothing is lost. Delete removes the row, moving the rows below up; the row count stays (the
// last row becomes empty). Formulas follow the moved cells; references to a deleted cell
// become #REF!. Both set option 30. Columns alike.

bool SSInsRow(HWND hWnd, int row);
bool SSDelRow(HWND hWnd, int row);
bool SSInsCol(HWND hWnd, int col);
bool SSDelCol(HWND hWnd, int col);

// Copies the block (col,row)-(col2,row2) to the block starting at (destCol,destRow): with
// SS_COPY_ALL everything (formulas with their relative references moved), with
// SS_COPY_FORMAT the format only. Parts that would fall beyond the grid are dropped. Header
// cells may take part. False when the source block does not exist.
bool SSCopyRange(HWND hWnd, int col, int row, int col2, int row2, int destCol, int destRow,
                 int what = SS_COPY_ALL);
// Exchanges the whole contents (data, formula, tag, note, format) of two equal blocks;
// false when either lies beyond the grid or they overlap.
bool SSSwapRange(HWND hWnd, int col, int row, int col2, int row2, int destCol, int destRow);

// ---- Spans --------------------------------------------------------------------------------------

// Joins numCols x numRows cells anchored at (col,row) into one; false when the block leaves
// the grid, is a single cell, or overlaps another span.
bool SSAddCellSpan(HWND hWnd, int col, int row, int numCols, int numRows);
// SS_SPAN_NO, SS_SPAN_YES or SS_SPAN_ANCHOR; the out arguments (any may be null) receive the
// span's anchor and size when the cell lies in one.
int SSGetCellSpan(HWND hWnd, int col, int row, int* anchorCol, int* anchorRow, int* numCols,
                  int* numRows);
// Removes the span anchored at the cell; a cell that is not an anchor changes nothing
// (false).
bool SSRemoveCellSpan(HWND hWnd, int col, int row);

// ---- Active cell and selection -------------------------------------------------------------

// False with 0,0 when the grid has no active cell (none set yet, or it left the grid).
bool SSGetActiveCell(HWND hWnd, int* col, int* row);
bool SSSetActiveCell(HWND hWnd, int col, int row);
// The selected block as set (SS_ALLCOLS / SS_ALLROWS stay -1 for whole rows / columns);
// false with zeros when no block is selected.
bool SSGetSelectBlock(HWND hWnd, int* col, int* row, int* col2, int* row2);
bool SSSetSelectBlock(HWND hWnd, int col, int row, int col2, int row2);
bool SSClearSelection(HWND hWnd);

// ---- Clipboard ----------------------------------------------------------------------------------
// The selected block (else the active cell) as tab-separated lines, CRLF between rows; paste
// writes such text as data from the block's top-left cell, clipped at the grid's edges,
// skipping locked cells, and sets option 30. False when nothing is selected or (paste) the
// clipboard holds no text.

bool SSClipboardCopy(HWND hWnd);
bool SSClipboardCut(HWND hWnd);
bool SSClipboardPaste(HWND hWnd);

// ---- Calculation ------------------------------------------------------------------------------

// Recalculates every formula in dependency order.
bool SSReCalc(HWND hWnd);
// Recalculates one cell from the current values of the cells it refers to.
bool SSReCalcCell(HWND hWnd, int col, int row);
bool SSSetRefStyle(HWND hWnd, int style);
int SSGetRefStyle(HWND hWnd);
// Registers a custom function on this grid (a name registered again is replaced); false for
// an empty or built-in name or bad argument counts. With flags SPREAD_CUSTFUNC_WANTCELLREF,
// arguments written as cell references arrive as references; otherwise as values. Formulas naming
// it are calculated again. The grid forgets its custom functions when a file is loaded into it.
bool SSAddCustomFunctionExt(HWND hWnd, const char* name, int minArgs, int maxArgs,
                            SpreadCustomFunction proc, long flags);

// ---- Files ------------------------------------------------------------------------------------
// File names are paths of this machine. Save writes the grid's own sheet format whole and
// atomically (temporary file beside it, then rename); dataOnly leaves out formats, widths and
// heights. Load reads a sheet file into the grid, replacing cells, sizes, spans, widths,
// heights, active cell and custom functions; options are never changed. A malformed or
// truncated file fails and leaves the grid as it was; formulas naming unknown functions are
// kept. After a load the formulas are calculated once when option 7 is on.

bool SSSaveToFile(HWND hWnd, const char* fileName, bool dataOnly);
bool SSLoadFromFile(HWND hWnd, const char* fileName);
// Writes the cells as CSV (sheet_csv.h), each cell's value text as the grid shows it, with the header row 0 as the first record when headerRow; false when the file
// cannot be written.
bool SSExportToCsvFile(HWND hWnd, const char* fileName, bool headerRow);
// The message of the last failed load ("line N: ..."), "" after a successful one.
int SSGetLastLoadError(HWND hWnd, char* buffer);
