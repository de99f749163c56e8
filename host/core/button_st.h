// CButtonST: a button that shows one of the module's pictures (an icon or a bitmap
// resource) in place of its text, optionally as a check-style button that stays pressed while
// checked, and optionally with a tooltip.
//
// The button owns the pictures it loads and frees them when it is given another or is
// destroyed. An id without a picture changes nothing and returns false: the button keeps its
// text, so it never turns blank. Check style makes a click toggle the check (an
// auto-check, push-like button); `GetCheck`/`SetCheck` read and set it as on any button.
#pragma once

#include <memory>

#include "bitmap_resources.h"
#include "cbutton.h"
#include "ctool_tip_ctrl.h"
#include "ktx_string.h"

class CButtonST : public CButton {
  public:
    CButtonST() = default;
    ~CButtonST() override;

    bool SetIcon(UINT iconId);
    bool SetBitmaps(UINT bitmapId);
    // Sets or replaces the tooltip; the empty text removes it.
    bool SetTooltipText(const Ktx_String& text);
    Ktx_String GetTooltipText() const;
    void SetCheckStyle(bool checkStyle);
    bool IsCheckStyle() const;
    // A flat button draws no border until pressed.
    void DrawFlat(bool flat);

  private:
    void freePicture();
    HANDLE picture_ = nullptr;
    UINT pictureType_ = IMAGE_BITMAP;
    std::unique_ptr<CToolTipCtrl> tips_;
};
