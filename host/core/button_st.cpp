#include "button_st.h"

#include "bitmap_resources.h"
#include "gdi.h"

CButtonST::~CButtonST() {
    if (GetSafeHwnd() != nullptr) SendMessage(BM_SETIMAGE, pictureType_, 0);
    freePicture();
}

void CButtonST::freePicture() {
    if (picture_ == nullptr) return;
    if (pictureType_ == IMAGE_ICON)
        DestroyIcon(static_cast<HICON>(picture_));
    else
        DeleteObject(static_cast<HBITMAP>(picture_));
    picture_ = nullptr;
}

bool CButtonST::SetIcon(UINT iconId) {
    HICON icon = resourceLoadIcon(iconId);
    if (GetSafeHwnd() == nullptr || icon == nullptr) {
        if (icon != nullptr) DestroyIcon(icon);
        return false;
    }
    ModifyStyle(BS_BITMAP, BS_ICON);
    CButton::SetIcon(icon);
    freePicture();
    picture_ = icon;
    pictureType_ = IMAGE_ICON;
    Invalidate();
    return true;
}

bool CButtonST::SetBitmaps(UINT bitmapId) {
    HBITMAP bitmap = resourceLoadBitmap(bitmapId);
    if (GetSafeHwnd() == nullptr || bitmap == nullptr) {
        if (bitmap != nullptr) DeleteObject(bitmap);
        return false;
    }
    ModifyStyle(BS_ICON, BS_BITMAP);
    CButton::SetBitmap(bitmap);
    freePicture();
    picture_ = bitmap;
    pictureType_ = IMAGE_BITMAP;
    Invalidate();
    return true;
}

bool CButtonST::SetTooltipText(const Ktx_String& text) {
    if (GetSafeHwnd() == nullptr) return false;
    if (tips_ == nullptr) {
        tips_ = std::make_unique<CToolTipCtrl>();
        if (!tips_->Create(GetParent())) {
            tips_.reset();
            return false;
        }
    }
    if (text.isEmpty())
        tips_->DelTool(this);
    else
        tips_->AddTool(this, text.c_str());
    return true;
}

Ktx_String CButtonST::GetTooltipText() const {
    return GetSafeHwnd() == nullptr ? Ktx_String() : Ktx_String(winToolTipOf(GetSafeHwnd()));
}

void CButtonST::SetCheckStyle(bool checkStyle) {
    if (GetSafeHwnd() == nullptr) return;
    const DWORD type = checkStyle ? BS_AUTOCHECKBOX | BS_PUSHLIKE : BS_PUSHBUTTON;
    ModifyStyle(BS_TYPEMASK | BS_PUSHLIKE, type);
    Invalidate();
}

bool CButtonST::IsCheckStyle() const {
    return GetSafeHwnd() != nullptr && (GetStyle() & BS_PUSHLIKE) != 0 &&
           (GetStyle() & BS_TYPEMASK) == BS_AUTOCHECKBOX;
}

void CButtonST::DrawFlat(bool flat) {
    if (GetSafeHwnd() != nullptr) ModifyStyle(flat ? 0 : BS_FLAT, flat ? BS_FLAT : 0);
}
