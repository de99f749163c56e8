// CGdiObject and its kinds (CBitmap, CBrush, CPen, CFont): wrappers that own one drawing
// handle each and delete it when destroyed (unless it was obtained with FromHandle, which
// gives a lasting non-owning wrapper, or given away with Detach).
//
// Creation functions return FALSE and leave the wrapper empty when it already holds a handle
// or the object cannot be made.
#pragma once

#include "bitmap_image.h"
#include "gdi_objects.h"

class CDC;

class CGdiObject {
  public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    // Takes ownership of `handle`; FALSE when this already holds one or `handle` is null.
    BOOL Attach(GdiHandle handle);
    HGDIOBJ Detach();
    // Deletes the held object; FALSE when there is none or it is selected in a context.
    BOOL DeleteObject();
    int GetObject(int size, void* out) const;
    static CGdiObject* FromHandle(GdiHandle handle);

    HGDIOBJ m_hObject = nullptr;

  protected:
    BOOL adopt(GdiHandle handle);
    bool owns_ = true;

    template <typename T>
    friend T* gdiTemporaryWrapper(HGDIOBJ handle);
};

class CBitmap : public CGdiObject {
  public:
    // Loads the bitmap resource `id` (see bitmap_resources.h); FALSE when there is none.
    BOOL LoadBitmap(UINT id);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // Fills `out` with the size and depth; 0 when empty.
    int GetBitmap(BITMAP* out) const;
    operator HBITMAP() const { return reinterpret_cast<HBITMAP>(m_hObject); }
    // The pixels, or nullptr when empty.
    const BitmapImage* image() const;
    BitmapImage* image();
    static CBitmap* FromHandle(HBITMAP handle);
};

class CBrush : public CGdiObject {
  public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateSysColorBrush(int index);
    operator HBRUSH() const { return reinterpret_cast<HBRUSH>(m_hObject); }
    static CBrush* FromHandle(HBRUSH handle);
};

class CPen : public CGdiObject {
  public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);
    operator HPEN() const { return reinterpret_cast<HPEN>(m_hObject); }
    static CPen* FromHandle(HPEN handle);
};

class CFont : public CGdiObject {
  public:
    BOOL CreateFontIndirect(const LOGFONT* font);
    // pointSize is in tenths of a point, as the real call takes it.
    BOOL CreatePointFont(int pointSize, LPCSTR faceName, CDC* dc = nullptr);
    int GetLogFont(LOGFONT* out) const { return GetObject(sizeof(LOGFONT), out); }
    operator HFONT() const { return reinterpret_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT handle);
};
