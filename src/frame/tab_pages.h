#pragma once
// Pages of a tabbed dialog: each page window fills the display area of its tab control (the
// control's client area without the tabs). Pages not created yet are skipped.
#include <initializer_list>

#include "ctab_ctrl.h"
#include "cwnd.h"

void placePagesOverTab(CTabCtrl& tab, std::initializer_list<CWnd*> pages);
