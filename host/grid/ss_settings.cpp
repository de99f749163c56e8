// SS... functions on the window's settings: options, look, reference style, calculation and
// custom functions.
#include "ss_access.h"
#include "ss_functions.h"

namespace {

template <typename Fn>
bool withLook(HWND hWnd, Fn change, const char* call = __builtin_FUNCTION()) {
    GridWindow* grid = ssGrid(hWnd, call);
    if (!grid) return false;
    change(grid->look());
    return true;
}

}  // namespace

bool SSGetBool(HWND hWnd, int option) {
    GridWindow* grid = ssGrid(hWnd);
    return grid && grid->option(option);
}

bool SSSetBool(HWND hWnd, int option, bool value) {
    GridWindow* grid = ssGrid(hWnd);
    return grid && grid->setOption(option, value);
}

bool SSSetAppearance(HWND hWnd, int appearance) {
    return withLook(hWnd, [&](GridLook& l) { l.appearance = appearance; });
}

int SSGetAppearance(HWND hWnd) {
    GridWindow* grid = ssGrid(hWnd);
    return grid ? grid->look().appearance : -1;
}

bool SSSetGridType(HWND hWnd, int gridType) {
    return withLook(hWnd, [&](GridLook& l) { l.gridType = gridType; });
}

int SSGetGridType(HWND hWnd) {
    GridWindow* grid = ssGrid(hWnd);
    return grid ? grid->look().gridType : -1;
}

bool SSSetGridColor(HWND hWnd, COLORREF color) {
    return withLook(hWnd, [&](GridLook& l) { l.gridColor = color; });
}

COLORREF SSGetGridColor(HWND hWnd) {
    GridWindow* grid = ssGrid(hWnd);
    return grid ? grid->look().gridColor : 0;
}

bool SSSetGrayAreaColor(HWND hWnd, COLORREF background, COLORREF foreground) {
    return withLook(hWnd, [&](GridLook& l) {
        l.grayBack = background;
        l.grayFore = foreground;
    });
}

bool SSSetSelColor(HWND hWnd, COLORREF background, COLORREF foreground) {
    return withLook(hWnd, [&](GridLook& l) {
        l.selBack = background;
        l.selFore = foreground;
    });
}

bool SSSetLockColor(HWND hWnd, COLORREF background, COLORREF foreground) {
    return withLook(hWnd, [&](GridLook& l) {
        l.lockBack = background;
        l.lockFore = foreground;
    });
}

bool SSSetCursorStyle(HWND hWnd, int style) {
    return withLook(hWnd, [&](GridLook& l) { l.cursorStyle = style; });
}

bool SSSetActionKey(HWND hWnd, int action, bool shift, bool control, int key) {
    if (action < 0 || action > 2) return false;
    return withLook(hWnd, [&](GridLook& l) { l.actionKeys[action] = {shift, control, key}; });
}

bool SSSetEditEnterAction(HWND hWnd, int action) {
    return withLook(hWnd, [&](GridLook& l) { l.editEnterAction = action; });
}

int SSGetEditEnterAction(HWND hWnd) {
    GridWindow* grid = ssGrid(hWnd);
    return grid ? grid->look().editEnterAction : -1;
}

bool SSReCalc(HWND hWnd) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid) return false;
    grid->sheet().engine().recalcAll();
    return true;
}

bool SSReCalcCell(HWND hWnd, int col, int row) {
    GridWindow* grid = ssCell(hWnd, col, row);
    return grid && grid->sheet().engine().recalcCell(col, row);
}

bool SSSetRefStyle(HWND hWnd, int style) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || style < SS_REFSTYLE_DEFAULT || style > SS_REFSTYLE_R1C1) return false;
    grid->setRefStyle(style);
    return true;
}

int SSGetRefStyle(HWND hWnd) {
    GridWindow* grid = ssGrid(hWnd);
    return grid ? grid->refStyleCode() : -1;
}

bool SSAddCustomFunctionExt(HWND hWnd, const char* name, int minArgs, int maxArgs,
                            SpreadCustomFunction proc, long flags) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !proc) return false;
    FormulaEngine& engine = grid->sheet().engine();
    if (!engine.addCustomFunction(ssText(name), minArgs, maxArgs, proc, flags)) return false;
    if (grid->option(SSB_AUTOCALC)) engine.recalcAll();
    return true;
}
