#include "vn_lib_groups_types.h"

#include <string>
#include <utility>
#include <vector>

#include "dial_string.h"
#include "dlg_controls.h"
#include "ui_languages.h"
#include "win.h"

namespace {

using I = VnLibItemsPage;
using T = VnLibTypesPage;

constexpr int kTextNewGroup = 758;
constexpr int kTextRemoveGroup = 759;
constexpr int kTextNewType = 764;
constexpr int kTextRemoveType = 765;

std::vector<DialogControl> itemControls(std::vector<DialogControl> extra) {
    std::vector<DialogControl> controls = {
        {I::kItems, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 5, 5, 150, 100},
        {I::kMoveDown, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Down", 160, 4, 45, 13},
        {I::kMoveUp, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Up", 208, 4, 45, 13},
        {I::kAdd, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Add", 5, 22, 73, 13},
        {I::kRemove, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Remove", 82, 22, 73, 13},
        {I::kEnabled, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, 0, "Enabled", 5, 40, 80, 10},
        {I::kImage, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 90, 38, 163, 13},
        {I::kNames, WC_STATIC, WS_BORDER, 0, "", 5, 66, 316, 40},
    };
    for (DialogControl& c : extra) controls.push_back(std::move(c));
    return controls;
}

const DialogTemplateRegistration kGroupsTemplate({VnLibGroupsPage::kResourceId, "", kPageStyle, 0,
                                                  0, 326, 180, itemControls({})});

const DialogTemplateRegistration kTypesTemplate(
    {T::kResourceId, "", kPageStyle, 0, 0, 326, 180,
     itemControls({
         {T::kNameLabel, WC_STATIC, SS_LEFT, 0, "Name", 5, 56, 60, 8},
         {T::kGroupLabel, WC_STATIC, SS_LEFT, 0, "Group", 5, 116, 40, 8},
         {T::kGroup, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 50, 114, 150,
          100},
         {T::kTableLabel, WC_STATIC, SS_LEFT, 0, "Table", 5, 134, 40, 8},
         {T::kTable, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 50, 132, 150,
          100},
     })});

// The text of a drop-down's selection ("" when none).
Ktx_String comboText(const CComboBox& combo) {
    const int sel = combo.GetSafeHwnd() == nullptr ? -1 : combo.GetCurSel();
    std::string text;
    if (sel >= 0) combo.GetLBText(sel, text);
    return Ktx_String(text);
}

}  // namespace

VnLibGroupsPage::VnLibGroupsPage(DlgEditLibData& data)
    : VnLibItemsPage(kResourceId, kTextNewGroup, kTextRemoveGroup), data_(data) {}

void VnLibGroupsPage::storeItem(int index, bool enabled, const Ktx_String& image,
                                const Ktx_StringArray& names) {
    data_.groups.setEnabled(index, enabled);
    data_.groups.setImage(index, image);
    data_.groups.setLangs(index, names);
}

int VnLibGroupsPage::appendItem() {
    return data_.groups.appendNewGrp(dialStringAllLangs(kTextNewGroup));
}

VnLibTypesPage::VnLibTypesPage(DlgEditLibData& data)
    : VnLibItemsPage(kResourceId, kTextNewType, kTextRemoveType), data_(data) {}

BOOL VnLibTypesPage::OnInitDialog() {
    const int keys[][2] = {{kNameLabel, 769}, {kGroupLabel, 770}, {kTableLabel, 771}};
    group_.SubclassDlgItem(kGroup, this);
    table_.SubclassDlgItem(kTable, this);
    BOOL result = VnLibItemsPage::OnInitDialog();
    for (const auto& [id, key] : keys) SetDlgItemText(id, dialString(key).c_str());
    refreshLists();
    return result;
}

const SectionType& VnLibTypesPage::type(int index) const {
    static const SectionType none;
    return index >= 0 && index < itemCount() ? data_.types[static_cast<size_t>(index)] : none;
}

Ktx_String VnLibTypesPage::itemName(int index) const {
    const Ktx_StringArray& names = type(index).names;
    const int lang = gMacroLangs.getCurLanguageIndex();
    return names.isValidIndex(lang) ? names[lang] : Ktx_String();
}

void VnLibTypesPage::storeItem(int index, bool enabled, const Ktx_String& image,
                               const Ktx_StringArray& names) {
    SectionType& t = data_.types[static_cast<size_t>(index)];
    t.enabled = enabled;
    t.image = image;
    t.names = names;
}

int VnLibTypesPage::appendItem() {
    SectionType t;
    t.names = dialStringAllLangs(kTextNewType);
    data_.types.push_back(t);
    return itemCount() - 1;
}

void VnLibTypesPage::removeItem(int index) {
    data_.types.erase(data_.types.begin() + index);
}

void VnLibTypesPage::swapItems(int a, int b) {
    std::swap(data_.types[static_cast<size_t>(a)], data_.types[static_cast<size_t>(b)]);
}

void VnLibTypesPage::refreshLists() {
    const Ktx_String table = comboText(table_);
    FillCombo(this, kGroup, data_.groups.namesOfAllGroups());
    FillCombo(this, kTable, data_.tableNames, table);
    showExtra(shownItem());
}

void VnLibTypesPage::showExtra(int index) {
    if (group_.GetSafeHwnd() == nullptr || table_.GetSafeHwnd() == nullptr) return;
    group_.SetCurSel(type(index).group);
    table_.SetCurSel(table_.FindStringExact(-1, type(index).table.c_str()));
}

void VnLibTypesPage::storeExtra(int index) {
    SectionType& t = data_.types[static_cast<size_t>(index)];
    t.group = group_.GetSafeHwnd() == nullptr ? -1 : group_.GetCurSel();
    t.table = comboText(table_);
}
