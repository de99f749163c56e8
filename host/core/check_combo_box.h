// CCheckComboBox: a drop-down list whose items each carry a check mark.
//
// The check of an item is held in the item's data (1 checked, 0 not), so it moves with the
// item when items are inserted or deleted; a new item is unchecked. Choosing an item selects
// it as in any combo box and leaves the checks alone: the dialog sets them. The closed box
// paints a check box before the selected item's text, checked when that item is.
#pragma once

#include "ccombo_box.h"
#include "ktx_string_array.h"

class CCheckComboBox : public CComboBox {
  public:
    // Adds an item with its check; the new item's index, CB_ERR when it could not be added.
    int AddString(LPCSTR text, bool checked = false);
    // False for a bad index.
    bool SetCheck(int index, bool checked);
    bool GetCheck(int index) const;
    bool ToggleCheck(int index) { return SetCheck(index, !GetCheck(index)); }
    void CheckAll(bool checked);
    // The texts of the checked items, in list order.
    Ktx_StringArray GetCheckedTexts() const;
    int GetCheckedCount() const { return GetCheckedTexts().length(); }

  protected:
    void OnPaint() override;
};
