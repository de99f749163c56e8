#pragma once
// The shared layout and rules of the library editor's groups page (8138) and types page
// (8139): a check-list drop-down of the items (checked when enabled), add and remove, the enabled
// check box, the image name, two move buttons, and a one-row grid with the item's name in each
// language.
//
// Changing the selection first stores the shown item (enabled flag, image, names from the
// grid). Add stores the shown item, appends a new one and selects it; remove deletes the
// selected item and selects the one at the same position (the one before when the last went);
// move swaps the selected item with its neighbour and keeps it selected.
#include "cdialog.h"
#include "check_combo_box.h"
#include "ctool_tip_ctrl.h"
#include "ktx_spread.h"
#include "ktx_string_array.h"

class VnLibItemsPage : public CDialog {
  public:
    enum ControlId : int {
        kEnabled = 1185,
        kAdd = 1189,
        kRemove = 1190,
        kItems = 1194,
        kImage = 1195,
        kNames = 1196,
        kMoveDown = 1442,
        kMoveUp = 1443,
    };

    VnLibItemsPage(UINT resourceId, int addText, int removeText);

    BOOL OnInitDialog() override;
    // Stores what the page shows into the item shown.
    void storeShown();
    int shownItem() const { return shown_; }

  protected:
    // The items, as the derived page keeps them.
    virtual int itemCount() const = 0;
    virtual Ktx_String itemName(int index) const = 0;
    virtual bool itemEnabled(int index) const = 0;
    virtual Ktx_String itemImage(int index) const = 0;
    virtual Ktx_StringArray itemNames(int index) const = 0;
    virtual void storeItem(int index, bool enabled, const Ktx_String& image,
                           const Ktx_StringArray& names) = 0;
    virtual int appendItem() = 0;
    virtual void removeItem(int index) = 0;
    virtual void swapItems(int a, int b) = 0;
    // What else the derived page shows of an item, and stores back.
    virtual void showExtra(int) {}
    virtual void storeExtra(int) {}

    void fillItems();
    void showItem(int index);

  private:
    void onChosen();
    void onAdd();
    void onRemove();
    void onMove(int step);

    int addText_;
    int removeText_;
    CCheckComboBox items_;
    CToolTipCtrl tips_;
    Ktx_Spread names_;
    int shown_ = -1;
};
