#include "image_list.h"

#include <map>
#include <memory>
#include <vector>

#include "gdi_objects.h"

struct VnImageList {
    int cx = 0;
    int cy = 0;
    std::vector<HBITMAP> pictures;  // owned
};

namespace {

std::map<VnImageList*, std::unique_ptr<VnImageList>>& lists() {
    static std::map<VnImageList*, std::unique_ptr<VnImageList>> all;
    return all;
}

VnImageList* live(HIMAGELIST list) {
    return list != nullptr && lists().count(list) != 0 ? list : nullptr;
}

// A copy of the bitmap's picture at the list's size: cut at the right and bottom, padded with
// white where it is smaller.
HBITMAP fitted(const VnImageList& list, HBITMAP source) {
    const HBITMAP__* bitmap = gdiBitmap(source);
    if (bitmap == nullptr) return nullptr;
    BitmapImage picture(list.cx, list.cy, false);
    picture.fill(RGB(255, 255, 255));
    for (int y = 0; y < list.cy && y < bitmap->image.height(); ++y)
        for (int x = 0; x < list.cx && x < bitmap->image.width(); ++x)
            picture.setPixel(x, y, bitmap->image.pixel(x, y));
    return gdiCreateBitmapFromImage(std::move(picture));
}

}  // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT, int, int) {
    if (cx <= 0 || cy <= 0) return nullptr;
    auto list = std::make_unique<VnImageList>();
    list->cx = cx;
    list->cy = cy;
    VnImageList* handle = list.get();
    lists()[handle] = std::move(list);
    return handle;
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    if (live(list) == nullptr) return FALSE;
    ImageList_Remove(list, -1);
    lists().erase(list);
    return TRUE;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP) {
    VnImageList* l = live(list);
    HBITMAP copy = l ? fitted(*l, image) : nullptr;
    if (copy == nullptr) return -1;
    l->pictures.push_back(copy);
    return static_cast<int>(l->pictures.size()) - 1;
}

BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP) {
    VnImageList* l = live(list);
    if (l == nullptr || index < 0 || index >= static_cast<int>(l->pictures.size())) return FALSE;
    HBITMAP copy = fitted(*l, image);
    if (copy == nullptr) return FALSE;
    DeleteObject(l->pictures[static_cast<size_t>(index)]);
    l->pictures[static_cast<size_t>(index)] = copy;
    return TRUE;
}

BOOL ImageList_Remove(HIMAGELIST list, int index) {
    VnImageList* l = live(list);
    if (l == nullptr) return FALSE;
    if (index == -1) {
        for (HBITMAP p : l->pictures) DeleteObject(p);
        l->pictures.clear();
        return TRUE;
    }
    if (index < 0 || index >= static_cast<int>(l->pictures.size())) return FALSE;
    DeleteObject(l->pictures[static_cast<size_t>(index)]);
    l->pictures.erase(l->pictures.begin() + index);
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST list) {
    const VnImageList* l = live(list);
    return l ? static_cast<int>(l->pictures.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
    const VnImageList* l = live(list);
    if (l == nullptr || cx == nullptr || cy == nullptr) return FALSE;
    *cx = l->cx;
    *cy = l->cy;
    return TRUE;
}

BOOL ImageList_GetImageInfo(HIMAGELIST list, int index, IMAGEINFO* info) {
    const VnImageList* l = live(list);
    if (l == nullptr || info == nullptr || index < 0 ||
        index >= static_cast<int>(l->pictures.size()))
        return FALSE;
    *info = IMAGEINFO{};
    info->hbmImage = l->pictures[static_cast<size_t>(index)];
    info->rcImage = RECT{0, 0, l->cx, l->cy};
    return TRUE;
}

void winImageListsReset() {
    while (!lists().empty()) ImageList_Destroy(lists().begin()->first);
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    if (m_hImageList != nullptr) return FALSE;
    m_hImageList = ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList() {
    if (m_hImageList == nullptr) return FALSE;
    const BOOL ok = ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return ok;
}
