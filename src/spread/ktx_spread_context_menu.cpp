#include "ktx_spread_context_menu.h"

Ktx_SpreadContextMenu::Ktx_SpreadContextMenu(Ktx_Spread& grid, const Ktx_Array<int>& kinds)
    : grid_(grid), kinds_(kinds) {}

int Ktx_SpreadContextMenu::commandOfItem(int index) const {
    if (index < 0 || index >= kinds_.length() || kinds_[index] == kSeparator) return 0;
    int position = 0;
    for (int i = 0; i < index; ++i) {
        if (kinds_[i] != kSeparator) ++position;
    }
    return position < static_cast<int>(kCommandIds.size()) ? kCommandIds[position] : 0;
}

int Ktx_SpreadContextMenu::kindOfCommand(int commandId) const {
    int position = 0;
    while (position < static_cast<int>(kCommandIds.size()) && kCommandIds[position] != commandId)
        ++position;
    if (position == static_cast<int>(kCommandIds.size())) return 0;
    for (int kind : kinds_) {
        if (kind == kSeparator) continue;
        if (position-- == 0) return kind;
    }
    return 0;
}
