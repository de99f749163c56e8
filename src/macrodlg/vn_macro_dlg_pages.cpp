// The macro dialog's pages: one per tab of its data, placed in the tab control's display
// area, and the dialog's size grown to what they ask for.
#include <algorithm>

#include "vn_macro_dlg.h"
#include "vn_macro_image_page.h"
#include "vn_macro_profile_page.h"

namespace {

std::unique_ptr<VnMacroPage> makePage(MacroData& data, int index, int kind) {
    if (kind == 0 || kind == 1 || kind == 3) return std::make_unique<VnMacroImagePage>(data, index);
    if (kind == 2) return std::make_unique<VnMacroProfilePage>(data, index);
    return nullptr;
}

}  // namespace

VnMacroPage* VnMacroDlg::page(int i) const {
    if (i < 0 || i >= pageCount()) return nullptr;
    return pages_[static_cast<size_t>(i)].get();
}

int VnMacroDlg::pageKind(int i) const {
    if (i < 0 || i >= static_cast<int>(pageKinds_.size())) return -1;
    return pageKinds_[static_cast<size_t>(i)];
}

void VnMacroDlg::destroyPages() {
    for (auto& p : pages_) {
        if (p && p->GetSafeHwnd()) p->DestroyWindow();
    }
    pages_.clear();
    pageKinds_.clear();
    lastPage_ = -1;
}

void VnMacroDlg::buildPages() {
    destroyPages();
    if (!tabs_.GetSafeHwnd()) return;
    tabs_.DeleteAllItems();
    for (int i = 0; i < data_.tabCount(); ++i) {
        const MacroTabData& tab = data_.tabs[static_cast<size_t>(i)];
        std::unique_ptr<VnMacroPage> p = makePage(data_, i, tab.edit.kind);
        if (p && !p->Create(p->templateId(), &tabs_)) p.reset();
        if (p) p->ShowWindow(SW_HIDE);
        tabs_.InsertItem(i, tab.name.c_str());
        pages_.push_back(std::move(p));
        pageKinds_.push_back(tab.edit.kind);
    }
    placePages();
    if (pageCount() > 0) {
        tabs_.SetCurSel(0);
        showPage(0);
    }
}

void VnMacroDlg::placePages() {
    if (!tabs_.GetSafeHwnd() || tabs_.GetItemCount() == 0) return;
    CRect item;
    CRect client;
    tabs_.GetItemRect(0, &item);
    tabs_.GetClientRect(&client);
    const int top = item.bottom + 2;
    const int width = std::max(client.Width() - item.left - 3, 0);
    const int height = std::max(client.Height() - top - 2, 0);
    for (auto& p : pages_) {
        if (p && p->GetSafeHwnd()) p->MoveWindow(item.left, top, width, height);
    }
}

void VnMacroDlg::showPage(int index) {
    if (VnMacroPage* before = page(lastPage_)) before->storeValues();
    for (auto& p : pages_) {
        if (p && p->GetSafeHwnd()) p->ShowWindow(SW_HIDE);
    }
    VnMacroPage* shown = page(index);
    lastPage_ = index;
    if (!shown) return;
    shown->ShowWindow(SW_SHOW);
    shown->SetFocus();
    shown->fillControls(!pageShownOnce_);
    pageShownOnce_ = true;
}

void VnMacroDlg::resizeToPages() {
    if (!sizedOnce_) return;
    CSize needed(0, 0);
    for (auto& p : pages_) {
        if (!p) continue;
        const CSize asked = p->requestedSize();
        needed.cx = std::max(needed.cx, asked.cx);
        needed.cy = std::max(needed.cy, asked.cy);
    }
    const int width =
        std::max(static_cast<int>(needed.cx) + kExtraWidth, static_cast<int>(savedSize_.cx));
    const int height =
        std::max(static_cast<int>(needed.cy) + kExtraHeight, static_cast<int>(savedSize_.cy));
    SetWindowPos(nullptr, 0, 0, std::max(width, kMinTrackWidth), std::max(height, kMinTrackHeight),
                 SWP_NOMOVE | SWP_NOZORDER);
}
