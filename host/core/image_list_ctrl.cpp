#include "image_list_ctrl.h"

#include <algorithm>

#include "file_ops.h"
#include "gdi.h"
#include "path_translation.h"

namespace {

// The picture shown for `file`: the file itself or the ".bmp" beside it.
Ktx_String pictureFileOf(const Ktx_String& file) {
    return file.endsWith(".bmp", false) ? file : changeExtension(file, "bmp");
}

// The thumbnail for one picture file, made in a memory context.
HBITMAP thumbnailOf(const Ktx_String& file, CSize size) {
    CBitmap thumb;
    if (!thumb.CreateBitmap(size.cx, size.cy, 1, 32, nullptr)) return nullptr;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* old = dc.SelectObject(&thumb);
    dc.FillSolidRect(0, 0, size.cx, size.cy, RGB(255, 255, 255));
    CBitmap picture;
    picture.Attach(static_cast<HBITMAP>(LoadImage(nullptr, hostPath(pictureFileOf(file)).c_str(),
                                                  IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    BITMAP info{};
    if (picture.GetSafeHandle() != nullptr && picture.GetBitmap(&info) != 0 && info.bmWidth > 0 &&
        info.bmHeight > 0) {
        const double scale = std::min(static_cast<double>(size.cx) / info.bmWidth,
                                      static_cast<double>(size.cy) / info.bmHeight);
        const int w = std::max(1, static_cast<int>(info.bmWidth * scale));
        const int h = std::max(1, static_cast<int>(info.bmHeight * scale));
        CDC source;
        source.CreateCompatibleDC(&dc);
        CBitmap* oldSource = source.SelectObject(&picture);
        dc.StretchBlt((size.cx - w) / 2, (size.cy - h) / 2, w, h, &source, 0, 0, info.bmWidth,
                      info.bmHeight, SRCCOPY);
        source.SelectObject(oldSource);
    } else {
        CBrush grey(RGB(160, 160, 160));
        const RECT frame{0, 0, size.cx, size.cy};
        dc.FrameRect(&frame, &grey);
    }
    dc.SelectObject(old);
    return reinterpret_cast<HBITMAP>(thumb.Detach());
}

}  // namespace

bool CImageListCtrl::Initialize(const ImageListData& data) {
    if (GetSafeHwnd() == nullptr || data.thumbWidth <= 0 || data.thumbHeight <= 0) return false;
    SetImageList(nullptr, LVSIL_NORMAL);
    DeleteAllItems();
    files_ = Ktx_StringArray();
    pictures_.DeleteImageList();
    if (!pictures_.Create(data.thumbWidth, data.thumbHeight, ILC_COLOR32, 0, 8)) return false;
    size_ = CSize(data.thumbWidth, data.thumbHeight);
    ModifyStyle(LVS_REPORT | LVS_SMALLICON | LVS_LIST,
                LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS);
    SetImageList(&pictures_, LVSIL_NORMAL);
    return true;
}

bool CImageListCtrl::DrawThumbnails(const Ktx_StringArray& files, const Ktx_StringArray& labels) {
    if (GetSafeHwnd() == nullptr || pictures_.GetSafeHandle() == nullptr) return false;
    DeleteAllItems();
    pictures_.Remove(-1);
    files_ = files;
    for (int i = 0; i < files.length(); ++i) {
        CBitmap thumb;
        thumb.Attach(thumbnailOf(files[i], size_));
        const int image = pictures_.Add(&thumb, nullptr);
        const Ktx_String label =
            i < labels.length() ? labels[i] : removeExtension(getFileName(files[i]));
        InsertItem(i, label.c_str(), image);
    }
    Invalidate();
    return true;
}

int CImageListCtrl::GetSelectionIndex() const {
    if (GetSafeHwnd() == nullptr) return -1;
    const int index = GetNextItem(-1, LVNI_SELECTED);
    return index >= 0 && index < files_.length() ? index : -1;
}

Ktx_String CImageListCtrl::GetSelectionName() const {
    const int index = GetSelectionIndex();
    return index < 0 ? Ktx_String() : files_[index];
}

bool CImageListCtrl::SelectThumbnail(int index) {
    if (GetSafeHwnd() == nullptr || index < 0 || index >= files_.length()) return false;
    SetItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EnsureVisible(index, FALSE);
    return true;
}
