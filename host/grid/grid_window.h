// The state of one grid window: its sheet (contents), and the settings of the window itself
// that loading a file never changes: options by number, reference style, look, active cell
// and selection. Every live window of class "fpSpread70" (or "fpSpreadPreview70") has one,
// found by handle with GridWindow::of. A window also keeps the text its last SS...Len call
// formatted, for the Get call that follows (kept_cell_text.h).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "kept_cell_text.h"
#include "sheet_model.h"
#include "ss_types.h"

struct GridLook {
    int appearance = 0;
    int gridType = 0;
    COLORREF gridColor = 0xC0C0C0;
    COLORREF grayBack = SS_COLOR_DEFAULT;
    COLORREF grayFore = SS_COLOR_DEFAULT;
    COLORREF selBack = SS_COLOR_DEFAULT;
    COLORREF selFore = SS_COLOR_DEFAULT;
    COLORREF lockBack = SS_COLOR_DEFAULT;
    COLORREF lockFore = SS_COLOR_DEFAULT;
    int cursorStyle = 0;
    int editEnterAction = 0;
    struct ActionKey {
        bool shift = false;
        bool control = false;
        int key = 0;
    };
    std::array<ActionKey, 3> actionKeys{};
};

struct GridBlock {
    int col = 0;
    int row = 0;
    int col2 = 0;
    int row2 = 0;
};

class GridWindow {
  public:
    explicit GridWindow(HWND handle);

    // The grid of a window handle; nullptr for anything that is not a live grid window. Drops
    // the text the grid kept: whoever looks a grid up may change it.
    // `call` names the SS... function asking (for the call observer).
    static GridWindow* of(HWND handle, const char* call = __builtin_FUNCTION()) {
        GridWindow* grid = ofKeepingText(handle, call);
        if (grid != nullptr) grid->kept_.drop();
        return grid;
    }
    // As of(), but the kept text stays: only for the Get call that takes it.
    static GridWindow* ofKeepingText(HWND handle, const char* call = __builtin_FUNCTION()) {
        GridWindow* grid = handle != nullptr && handle == last_.handle ? last_.grid : find(handle);
        if (observer_ != nullptr && grid != nullptr) observer_(*grid, call);
        return grid;
    }
    // Told of every look-up of a grid by an SS... call, before the call acts: the call-log
    // tests record what the grid holds between calls. Null (the default) in normal use.
    using CallObserver = void (*)(GridWindow& grid, const char* call);
    static void setCallObserver(CallObserver observer) { observer_ = observer; }
    // Attach / detach the state of a window (done by the window procedure).
    static GridWindow& attach(HWND handle);
    static void detach(HWND handle);

    HWND handle() const { return handle_; }
    SheetModel& sheet() { return *sheet_; }
    // The text kept by the last SS...Len call on this window.
    KeptCellText& keptText() { return kept_; }

    // Puts a new sheet in place of the current one, keeping the window's settings (options,
    // reference style); the active cell and selection are reset, the kept text dropped.
    void replaceSheet(std::unique_ptr<SheetModel> sheet);
    // Takes the current sheet out right before replaceSheet puts a new one in (a load that can
    // no longer fail): the window has no sheet in between, and nothing may look at it then.
    std::unique_ptr<SheetModel> takeSheet() {
        kept_.drop();
        return std::move(sheet_);
    }

    bool option(int number) const;
    // Sets an option; returns its previous state. Option 7 switches automatic calculation.
    bool setOption(int number, bool on);
    void markChanged() { options_[SSB_CHANGEMADE] = true; }

    FormulaRefStyle refStyle() const { return refStyle_; }
    int refStyleCode() const { return refStyleCode_; }
    void setRefStyle(int code);

    GridLook& look() { return look_; }

    bool hasActiveCell() const { return activeCol_ > 0 || activeRow_ > 0; }
    int activeCol() const { return activeCol_; }
    int activeRow() const { return activeRow_; }
    // Makes a cell active; notifies the parent when it moved (notify = true).
    bool setActiveCell(int col, int row, bool notify);
    const GridBlock* selection() const { return hasSelection_ ? &selection_ : nullptr; }
    void setSelection(const GridBlock& block);
    void clearSelection() { hasSelection_ = false; }

    std::string& lastLoadError() { return lastLoadError_; }

    // Keeps a picture the grid loaded from a file for a picture cell (the control reads the
    // file when the type is set, so the file may go afterwards); deleted with the window.
    HBITMAP keepPicture(HBITMAP picture);
    ~GridWindow();
    GridWindow(const GridWindow&) = delete;
    GridWindow& operator=(const GridWindow&) = delete;

    // Sends the parent SSM_NOTIFY with this record filled in. A text kept while the parent
    // handled it is dropped afterwards (the caller may go on changing the sheet).
    void notify(int code, int col, int row, int col2 = 0, int row2 = 0);

  private:
    // The last window looked up: most calls in a row go to one grid. Attaching or detaching
    // any grid forgets it, so it never outlives its window.
    struct LastLookUp {
        HWND handle;
        GridWindow* grid;
    };
    static inline LastLookUp last_{nullptr, nullptr};
    static inline CallObserver observer_ = nullptr;
    static GridWindow* find(HWND handle);

    HWND handle_;
    std::unique_ptr<SheetModel> sheet_;
    std::array<bool, SS_OPTION_COUNT> options_{};
    FormulaRefStyle refStyle_ = FormulaRefStyle::A1;
    int refStyleCode_ = SS_REFSTYLE_DEFAULT;
    GridLook look_;
    int activeCol_ = 0;
    int activeRow_ = 0;
    bool hasSelection_ = false;
    GridBlock selection_;
    std::string lastLoadError_;
    KeptCellText kept_;
    std::vector<HBITMAP> pictures_;
};
