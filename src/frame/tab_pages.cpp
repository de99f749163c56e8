#include "tab_pages.h"

void placePagesOverTab(CTabCtrl& tab, std::initializer_list<CWnd*> pages) {
    if (tab.GetSafeHwnd() == nullptr) return;
    CRect area;
    tab.GetClientRect(&area);
    tab.AdjustRect(FALSE, &area);
    for (CWnd* page : pages) {
        if (page->GetSafeHwnd() != nullptr) page->MoveWindow(&area);
    }
}
