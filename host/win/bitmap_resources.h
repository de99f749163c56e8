// The module's picture resources: bitmaps and icons by numeric id, kept in memory. The
// module (or a test) registers its pictures at start; loading makes a new handle each time,
// owned by the caller. Loading an unknown id gives nullptr.
#pragma once

#include <cstdint>

#include "bitmap_image.h"
#include "gdi_types.h"

#ifndef MAKEINTRESOURCE
#define MAKEINTRESOURCE(id) (reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(id)))
#endif
#ifndef IS_INTRESOURCE
#define IS_INTRESOURCE(name) ((reinterpret_cast<std::uintptr_t>(name) >> 16) == 0)
#endif

void resourceAddBitmap(UINT id, BitmapImage image);
// `mask` marks transparent pixels white; an empty mask means none are transparent.
void resourceAddIcon(UINT id, BitmapImage image, BitmapImage mask = {});
void resourceClearForTests();

HBITMAP resourceLoadBitmap(UINT id);
HICON resourceLoadIcon(UINT id);

constexpr UINT IMAGE_BITMAP = 0;
constexpr UINT IMAGE_ICON = 1;
constexpr UINT LR_DEFAULTCOLOR = 0x0000;
constexpr UINT LR_LOADFROMFILE = 0x0010;
constexpr UINT LR_DEFAULTSIZE = 0x0040;
constexpr UINT LR_CREATEDIBSECTION = 0x2000;
constexpr UINT LR_SHARED = 0x8000;

// Loads a picture: with LR_LOADFROMFILE `name` is a .bmp file path (IMAGE_BITMAP only),
// otherwise a resource id made with MAKEINTRESOURCE. A non-zero cx/cy scales the picture to
// that size. Returns the new handle (cast it to HBITMAP or HICON), nullptr when the file is
// missing or damaged, the id unknown, or the type not supported; the last error is then set.
HANDLE LoadImage(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags);
HBITMAP LoadBitmap(HINSTANCE instance, LPCSTR name);
