#include "vn_lib_items_page.h"

#include "dial_string.h"
#include "ui_languages.h"
#include "win.h"

namespace {
constexpr int kTextEnabled = 761;
constexpr int kTipMoveDown = 173;
constexpr int kTipMoveUp = 174;
}  // namespace

VnLibItemsPage::VnLibItemsPage(UINT resourceId, int addText, int removeText)
    : CDialog(resourceId), addText_(addText), removeText_(removeText) {
    onCommand(kItems, CBN_SELCHANGE, [this] { onChosen(); });
    onClicked(kAdd, [this] { onAdd(); });
    onClicked(kRemove, [this] { onRemove(); });
    onClicked(kMoveDown, [this] { onMove(1); });
    onClicked(kMoveUp, [this] { onMove(-1); });
    onClicked(kEnabled,
              [this] { items_.SetCheck(shown_, IsDlgButtonChecked(kEnabled) == BST_CHECKED); });
}

BOOL VnLibItemsPage::OnInitDialog() {
    CDialog::OnInitDialog();
    items_.SubclassDlgItem(kItems, this);
    SetDlgItemText(kAdd, dialString(addText_).c_str());
    SetDlgItemText(kRemove, dialString(removeText_).c_str());
    SetDlgItemText(kEnabled, dialString(kTextEnabled).c_str());
    tips_.Create(this);
    tips_.AddTool(GetDlgItem(kMoveDown), dialString(kTipMoveDown).c_str());
    tips_.AddTool(GetDlgItem(kMoveUp), dialString(kTipMoveUp).c_str());
    names_.create(this, kNames, true);
    const Ktx_StringArray languages = gMacroLangs.GetAllLanguages();
    names_.setMaxCols(languages.length());
    names_.setMaxRows(1);
    names_.setColumnHeaders(languages);
    fillItems();
    showItem(itemCount() > 0 ? 0 : -1);
    return TRUE;
}

void VnLibItemsPage::fillItems() {
    items_.ResetContent();
    for (int i = 0; i < itemCount(); ++i) items_.AddString(itemName(i).c_str(), itemEnabled(i));
}

void VnLibItemsPage::showItem(int index) {
    shown_ = index;
    items_.SetCurSel(index);
    const bool any = index >= 0 && index < itemCount();
    CheckDlgButton(kEnabled, any && itemEnabled(index) ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(kImage, any ? itemImage(index).c_str() : "");
    Ktx_StringArray names = any ? itemNames(index) : Ktx_StringArray();
    names.setLogicalLength(names_.getMaxCols());
    names_.setRowTexts(1, names);
    showExtra(index);
}

void VnLibItemsPage::storeShown() {
    if (shown_ < 0 || shown_ >= itemCount()) return;
    char image[260] = {};
    GetDlgItemText(kImage, image, sizeof image);
    Ktx_StringArray names;
    names_.getRowTexts(1, names);
    const bool enabled = IsDlgButtonChecked(kEnabled) == BST_CHECKED;
    storeItem(shown_, enabled, Ktx_String(image), names);
    storeExtra(shown_);
    items_.SetCheck(shown_, enabled);
}

void VnLibItemsPage::onChosen() {
    storeShown();
    const int chosen = items_.GetCurSel();
    fillItems();
    showItem(chosen);
}

void VnLibItemsPage::onAdd() {
    storeShown();
    const int added = appendItem();
    fillItems();
    showItem(added);
}

void VnLibItemsPage::onRemove() {
    if (shown_ < 0 || shown_ >= itemCount()) return;
    const int removed = shown_;
    removeItem(removed);
    fillItems();
    showItem(removed < itemCount() ? removed : itemCount() - 1);
}

void VnLibItemsPage::onMove(int step) {
    const int other = shown_ + step;
    if (shown_ < 0 || other < 0 || other >= itemCount()) return;
    storeShown();
    swapItems(shown_, other);
    fillItems();
    showItem(other);
}
