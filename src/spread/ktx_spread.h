#pragma once
// Ktx_Spread: the module's one window class around the grid control. Every table of the module
// holds one and goes through it.
//
// Promises:
// - Nothing happens before `create` made the grid window: reads return false, -1 or 0 and
//   writes do nothing.
// - Coordinates are 1-based, column before row; ranges are inclusive. kSpreadHeader (-32767)
//   addresses the column-header row or the row-header column; row 0 and column 0 are
//   addressable as well.
// - Cell and array operations return false for a row or column beyond the grid, without
//   writing. setColumnTexts / setRowTexts stop at the grid's edge and still return true.
// - Every structural change (rows, columns, spans) sets grid option 30, the changed mark.
// - Bulk writes run with redrawing switched off and redraw once at the end.
// - Cell texts are bytes (code page 1252), never converted.
#include <memory>
#include <vector>

#include "spread_forward.h"
#include "t_spread.h"

// The coordinate that addresses the header row or header column.
constexpr int kSpreadHeader = -32767;

// What a read of a cell returns (the `kind` argument of getCellText and getColumnTexts).
struct CellTextKind {
    enum : int {
        Data = 0,     // the data text, as typed
        Formula = 1,  // the formula
        Tag = 2,      // the cell tag, a free text stored with the cell
        Value = 3,    // the calculated result as text
    };
};

// Column-fitting modes of setFitMode / fitColumns.
struct SpreadFitMode {
    enum : int {
        None = 0,
        Equal = 1,       // all columns (and shown row headers) share the client width
        ToTexts = 2,     // every column as wide as its widest text, rows as high as theirs
        FromColumn = 3,  // columns from fitColumn on share what the columns before leave
        OneColumn = 4,   // fitColumn takes what is left when the others keep fitWidth
        Listed = 5,      // listed columns get listed widths, the others share the rest
    };
};

class Ktx_SpreadFindDlg;
class Ktx_SpreadContextMenu;

class Ktx_Spread : public TSpread {
  public:
    Ktx_Spread();
    ~Ktx_Spread() override;
    Ktx_Spread(const Ktx_Spread&) = delete;
    Ktx_Spread& operator=(const Ktx_Spread&) = delete;

    // --- window and look ---------------------------------------------------------------

    // Replaces the placeholder control `controlId` of `parent` by the grid, in the same
    // rectangle (moved 5 pixels left and 20 up unless keepPosition), with the same id.
    // False when the parent is null, the placeholder is missing or the window fails.
    bool create(CWnd* parent, const int& controlId, bool keepPosition = false);
    bool isCreated() const { return created; }
    // The grid window for direct SS... calls; nullptr before create.
    HWND gridWindow() const;
    // The fixed look of the module's grids. enterMode 1: Enter stays in the cell; 0: Enter
    // moves on (edit-enter action 5); other values leave the Enter behaviour alone.
    bool setDefaultLook(int enterMode);
    void setFitMode(int mode, const int& fitColumn = 0, const int& fitWidth = 0);
    void setFitMode(int mode, const Ktx_Array<int>& columns, const Ktx_Array<int>& widths);
    // Applies the fit mode now; the grid also runs it after every resize.
    void fitColumns();
    // Fits every column to its widest text and every row to its highest (mode 2, once).
    void fitToTexts();
    // Opens (creating once) the modeless find / replace dialog bound to this grid.
    void showFindDialog(bool replace);
    // Stores the kinds of the context menu's items and creates the menu object.
    void setContextMenu(const Ktx_Array<int>& kinds);
    // The grid's font (default "Tahoma", 15): applied to new rows, columns and headers.
    void setGridFont(const Ktx_String& name, int height);
    // Applies the grid font to a block (kSpreadHeader / -1 as in the grid's own calls).
    bool applyFont(int col1, int row1, int col2, int row2);
    // A module bitmap to show in cells, loaded from the module's resources the first time
    // and owned by the grid (two ids at most; nullptr for a third id or a missing resource).
    HBITMAP moduleBitmap(UINT resourceId);

    // --- size ----------------------------------------------------------------------------

    int getMaxRows();  // -1 when not created
    int getMaxCols();  // -1 when not created
    // Sets the row count; new rows copy the format of the row above when copyFormat.
    bool setMaxRows(const int& rows, bool copyFormat = false);
    bool setMaxCols(const int& cols, bool copyFormat = false);

    // --- cells and arrays ------------------------------------------------------------------

    // text becomes empty first, then the cell's text of `kind` (CellTextKind). True whenever
    // the cell exists, also when the grid refused the read (text stays empty).
    bool getCellText(int col, int row, Ktx_String& text, const int& kind);
    // Writes one cell as value (SSSetValue) or as data (SSSetData); false when the grid
    // refuses or the cell lies beyond the grid.
    bool setCellText(int col, int row, const Ktx_String& text, bool asValue = false);
    // The same for a text held as bytes elsewhere, written without a copy.
    bool setCellBytes(int col, int row, const std::string& text, bool asValue = false);
    bool setCellBytes(int col, int row, const char* text, bool asValue = false);
    // Sets a cell's formula; false when the grid refuses it.
    bool setCellFormula(int col, int row, const Ktx_String& formula);
    bool setColumnTexts(const int& col, const Ktx_StringArray& texts, bool asValue = false);
    bool setRowTexts(const int& row, const Ktx_StringArray& texts, bool asValue = false);
    bool setRowHeaders(const Ktx_StringArray& texts);
    bool setColumnHeaders(const Ktx_StringArray& texts);
    bool getColumnTexts(const int& col, Ktx_StringArray& texts, const int& kind);
    bool getColumnTexts(const int& col, Ktx_StringArray& texts);  // value texts
    bool getRowTexts(const int& row, Ktx_StringArray& texts);     // value texts
    bool getColumnHeaders(Ktx_StringArray& texts);
    // The active cell; with none, cell 1,1 is made active and given.
    bool getActiveCell(int& col, int& row);
    int getSelectionCol();  // first column of the selected block, else the active cell's
    int getSelectionRow();  // first row of the selected block, else the active cell's
    bool setNumberType(int col1, int row1, int col2, int row2, int decimals, bool separator);
    bool setNumberTypeCell(int col, int row, int decimals, bool separator);
    bool setEditType(int col1, int row1, int col2, int row2, int style = 0x110000,
                     int maxLength = 200);
    bool setEditTypeCell(int col, int row);
    // Inserts a row at `row` (1 .. one past the last); with copyFormat it takes the format
    // of the row below; with setHeader its row header gets its row number as label.
    bool insertRow(const int& row, bool setHeader = false, bool copyFormat = false);
    bool insertRowAfterSelection(bool copyFormat = false);
    bool deleteRow(const int& row);
    bool deleteSelectedRow();
    bool moveRowUp();
    bool moveRowDown();
    // Joins every run of two or more equal, non-empty value texts of the column into one
    // span (after removing the column's spans).
    bool mergeEqualCells(const int& col);
    bool removeColumnSpans(const int& col);
    bool removeAllSpans();
    // Searches value texts from col,row along the row, then from column 1 of each following
    // row; a match equals text, or with `part` contains it. On success col,row give the cell.
    bool findText(const Ktx_String& text, bool part, int& col, int& row);

    // --- state for the find dialog and the context menu -------------------------------------

    Ktx_SpreadFindDlg* findDialog() const { return findDialog_.get(); }
    // Called by the find dialog when it closes: the grid forgets it.
    void forgetFindDialog();
    Ktx_SpreadContextMenu* contextMenu() const { return contextMenu_.get(); }
    const Ktx_Array<int>& contextMenuKinds() const;

  protected:
    // After the default handling of every resize the columns are fitted again.
    void OnSize(UINT type, int cx, int cy) override;
    // The window is gone: from now on the grid counts as not created.
    void PostNcDestroy() override;
    // With a context menu set: a right click shows it, and its commands act on the selection.
    void OnContextMenu(CWnd* window, CPoint screenPoint) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  private:
    struct Fields;
    bool cellExists(int col, int row);
    bool resizeAxis(bool rows, int wanted, bool copyFormat);
    Ktx_String newRowLabel(int row);
    bool moveSelectedRow(int offset);
    std::vector<int> columnWidths();
    int availableWidth();

    bool created = false;
    std::unique_ptr<Fields> fields_;
    std::unique_ptr<Ktx_SpreadFindDlg> findDialog_;
    std::unique_ptr<Ktx_SpreadContextMenu> contextMenu_;
};
