// The grid's window classes and its files: SSSaveToFile, SSLoadFromFile.
#include "grid_file_io.h"
#include "grid_mouse.h"
#include "sheet_file.h"
#include "sheet_load_cache.h"
#include "ss_access.h"
#include "ss_functions.h"
#include "window_api.h"
#include "window_class.h"

namespace {

LRESULT gridWindowProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) GridWindow::attach(h);
    if (msg == WM_NCDESTROY) GridWindow::detach(h);
    if (gridHandleMouse(h, msg, wParam, lParam)) return 0;
    return DefWindowProc(h, msg, wParam, lParam);
}

void registerClass(const char* name) {
    if (winFindClass(name) != nullptr) return;
    WNDCLASS wc;
    wc.lpfnWndProc = gridWindowProc;
    wc.lpszClassName = name;
    RegisterClass(&wc);
}

}  // namespace

void SSRegisterWindowClasses() {
    registerClass("fpSpread70");
    registerClass("fpSpreadPreview70");
}

bool SSIsGrid(HWND hWnd) {
    return ssGrid(hWnd) != nullptr;
}

bool SSSaveToFile(HWND hWnd, const char* fileName, bool dataOnly) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !fileName) return false;
    return gridWriteFileAtomically(fileName, SheetFile::write(grid->sheet(), dataOnly));
}

bool SSLoadFromFile(HWND hWnd, const char* fileName) {
    GridWindow* grid = ssGrid(hWnd);
    if (!grid || !fileName) return false;
    std::string error;
    // The cells the old sheet gave data texts, tags or notes to: a window is mostly loaded with
    // the same file again, whose evaluation gives as many cells such extras, so the new sheet
    // makes room for them at once instead of growing its table step by step.
    std::size_t formattedBefore = 0;
    std::unique_ptr<SheetModel> sheet =
        SheetLoadCache::shared().load(fileName, error, [grid, &formattedBefore] {
            formattedBefore = grid->sheet().extraCount();
            return grid->takeSheet();
        });
    if (sheet) sheet->reserveExtras(formattedBefore);
    if (!sheet) {
        grid->lastLoadError() = error;
        return false;
    }
    grid->replaceSheet(std::move(sheet));
    grid->lastLoadError().clear();
    return true;
}

int SSGetLastLoadError(HWND hWnd, char* buffer) {
    GridWindow* grid = ssGrid(hWnd);
    return grid ? ssCopyOut(grid->lastLoadError(), buffer) : -1;
}
