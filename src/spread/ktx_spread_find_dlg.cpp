#include "ktx_spread_find_dlg.h"

Ktx_SpreadFindDlg::Ktx_SpreadFindDlg(Ktx_Spread& grid) : grid_(grid) {}

void Ktx_SpreadFindDlg::showMode(bool replace) {
    replace_ = replace;
}

void Ktx_SpreadFindDlg::closeWindow() {}
