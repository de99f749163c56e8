#include "check_combo_box.h"

#include "gdi.h"
#include "window_paint.h"

namespace {

constexpr int kBox = 13;

}  // namespace

int CCheckComboBox::AddString(LPCSTR text, bool checked) {
    const int index = CComboBox::AddString(text);
    if (index >= 0) SetCheck(index, checked);
    return index;
}

bool CCheckComboBox::SetCheck(int index, bool checked) {
    if (GetSafeHwnd() == nullptr || index < 0 || index >= GetCount()) return false;
    SetItemData(index, checked ? 1 : 0);
    Invalidate();
    return true;
}

bool CCheckComboBox::GetCheck(int index) const {
    return GetSafeHwnd() != nullptr && index >= 0 && index < GetCount() && GetItemData(index) == 1;
}

void CCheckComboBox::CheckAll(bool checked) {
    for (int i = 0; i < GetCount(); ++i) SetCheck(i, checked);
}

Ktx_StringArray CCheckComboBox::GetCheckedTexts() const {
    Ktx_StringArray out;
    std::string text;
    for (int i = 0; i < GetCount(); ++i) {
        if (!GetCheck(i)) continue;
        GetLBText(i, text);
        out.append(Ktx_String(text));
    }
    return out;
}

void CCheckComboBox::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(IsWindowEnabled() ? COLOR_WINDOW : COLOR_BTNFACE));
    dc.Draw3dRect(&client, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT));
    const int selected = GetCurSel();
    if (selected < 0) return;
    const int top = (client.Height() - kBox) / 2;
    const CRect box(3, top, 3 + kBox, top + kBox);
    dc.Draw3dRect(&box, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT));
    if (GetCheck(selected)) {
        dc.MoveTo(box.left + 3, box.top + 6);
        dc.LineTo(box.left + 5, box.top + 9);
        dc.LineTo(box.left + 10, box.top + 3);
    }
    std::string text;
    GetLBText(selected, text);
    CRect label(box.right + 4, 0, client.right - 2, client.bottom);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}
