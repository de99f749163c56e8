#include "bitmap_resources.h"

#include <sys/stat.h>

#include <map>
#include <string>

#include "bitmap_file.h"
#include "gdi_objects.h"
#include "gdi_raster.h"
#include "registry_errors.h"

namespace {

struct IconPictures {
    BitmapImage image;
    BitmapImage mask;
};

std::map<UINT, BitmapImage>& bitmaps() {
    static std::map<UINT, BitmapImage> table;
    return table;
}

std::map<UINT, IconPictures>& icons() {
    static std::map<UINT, IconPictures> table;
    return table;
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The module names files with backslash separators; this machine uses slashes.
std::string localPath(const std::string& path) {
    if (exists(path)) return path;
    std::string local = path;
    for (char& c : local)
        if (c == '\\') c = '/';
    return local;
}

BitmapImage scaled(const BitmapImage& image, int cx, int cy) {
    if ((cx == 0 || cx == image.width()) && (cy == 0 || cy == image.height())) return image;
    BitmapImage out(cx == 0 ? image.width() : cx, cy == 0 ? image.height() : cy,
                    image.monochrome());
    RECT to{0, 0, out.width(), out.height()};
    RECT from{0, 0, image.width(), image.height()};
    gdiBlit(out, to, &image, from, SRCCOPY, BlitColors{});
    return out;
}

HANDLE loadFromFile(LPCSTR name, UINT type, int cx, int cy) {
    if (type != IMAGE_BITMAP || name == nullptr || IS_INTRESOURCE(name)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const std::string path = localPath(name);
    if (!exists(path)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    std::optional<BitmapImage> image = readBmpFile(path);
    if (!image) {
        SetLastError(ERROR_BAD_FORMAT);
        return nullptr;
    }
    return gdiCreateBitmapFromImage(scaled(*image, cx, cy));
}

HANDLE loadResource(LPCSTR name, UINT type, int cx, int cy) {
    if (name == nullptr || !IS_INTRESOURCE(name)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const UINT id = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(name));
    if (type == IMAGE_BITMAP) {
        auto it = bitmaps().find(id);
        if (it != bitmaps().end()) return gdiCreateBitmapFromImage(scaled(it->second, cx, cy));
    } else if (type == IMAGE_ICON) {
        auto it = icons().find(id);
        if (it != icons().end()) {
            const IconPictures& icon = it->second;
            BitmapImage mask = icon.mask.empty() ? icon.mask : scaled(icon.mask, cx, cy);
            return CreateIconFromImage(scaled(icon.image, cx, cy), mask);
        }
    }
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

}  // namespace

void resourceAddBitmap(UINT id, BitmapImage image) {
    bitmaps()[id] = std::move(image);
}

void resourceAddIcon(UINT id, BitmapImage image, BitmapImage mask) {
    icons()[id] = IconPictures{std::move(image), std::move(mask)};
}

void resourceClearForTests() {
    bitmaps().clear();
    icons().clear();
}

HBITMAP resourceLoadBitmap(UINT id) {
    return static_cast<HBITMAP>(loadResource(MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0));
}

HICON resourceLoadIcon(UINT id) {
    return static_cast<HICON>(loadResource(MAKEINTRESOURCE(id), IMAGE_ICON, 0, 0));
}

HANDLE LoadImage(HINSTANCE /*instance*/, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
    if (cx < 0 || cy < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if ((flags & LR_LOADFROMFILE) != 0) return loadFromFile(name, type, cx, cy);
    return loadResource(name, type, cx, cy);
}

HBITMAP LoadBitmap(HINSTANCE instance, LPCSTR name) {
    return static_cast<HBITMAP>(LoadImage(instance, name, IMAGE_BITMAP, 0, 0, 0));
}
