#include "edit_constr_pick.h"

#include "win.h"

int pickInDrawing(const std::vector<std::string>& names) {
    if (names.empty()) return -1;
    HMENU menu = CreatePopupMenu();
    for (size_t i = 0; i < names.size(); ++i) AppendMenu(menu, MF_STRING, i + 1, names[i].c_str());
    POINT at{};
    GetCursorPos(&at);
    const BOOL chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN, at.x, at.y, 0,
                                       adsw_acadMainWnd(), nullptr);
    DestroyMenu(menu);
    return chosen > 0 ? static_cast<int>(chosen) - 1 : -1;
}
