// Image lists: pictures of one size kept together and addressed by index, as a list view
// shows them beside its items (LVM_SETIMAGELIST). A list keeps its own copy of each picture,
// cut or padded (with white) to the list's size; the list is destroyed with
// ImageList_Destroy or CImageList's destructor. A handle that is not a live list is refused.
#pragma once

#include "gdi_object.h"
#include "win_types.h"

struct VnImageList;
using HIMAGELIST = VnImageList*;

constexpr UINT ILC_MASK = 0x1, ILC_COLOR = 0x0, ILC_COLOR24 = 0x18, ILC_COLOR32 = 0x20;
constexpr int LVSIL_NORMAL = 0, LVSIL_SMALL = 1;

struct IMAGEINFO {
    HBITMAP hbmImage = nullptr;  // owned by the list
    HBITMAP hbmMask = nullptr;
    int Unused1 = 0;
    int Unused2 = 0;
    RECT rcImage{};
};

// nullptr when cx or cy is not positive.
HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
// The index of the added picture; -1 for a bad list or bitmap.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// Replaces picture `index`; FALSE when there is none.
BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask);
// Removes picture `index`, or every picture for -1.
BOOL ImageList_Remove(HIMAGELIST list, int index);
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
BOOL ImageList_GetImageInfo(HIMAGELIST list, int index, IMAGEINFO* info);
// Destroys every list (the window system's reset).
void winImageListsReset();

class CImageList {
  public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    int Add(CBitmap* image, CBitmap* mask) {
        return ImageList_Add(m_hImageList, image ? static_cast<HBITMAP>(*image) : nullptr,
                             mask ? static_cast<HBITMAP>(*mask) : nullptr);
    }
    BOOL Remove(int index) { return ImageList_Remove(m_hImageList, index); }
    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    HIMAGELIST m_hImageList = nullptr;
};
