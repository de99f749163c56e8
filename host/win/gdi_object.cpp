#include "gdi_object.h"

#include <cstring>
#include <map>
#include <memory>

#include "bitmap_resources.h"

template <typename T>
T* gdiTemporaryWrapper(HGDIOBJ handle) {
    if (handle == nullptr) return nullptr;
    // Never destroyed: wrappers handed out stay valid for the whole run.
    static auto* wrappers = new std::map<HGDIOBJ, std::unique_ptr<T>>;
    auto& slot = (*wrappers)[handle];
    if (!slot) {
        slot = std::make_unique<T>();
        slot->m_hObject = handle;
        slot->owns_ = false;
    }
    return slot.get();
}

CGdiObject::~CGdiObject() {
    if (owns_) DeleteObject();
}

BOOL CGdiObject::Attach(GdiHandle handle) {
    if (m_hObject != nullptr || handle.p == nullptr) return FALSE;
    m_hObject = gdiUntyped(handle);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == nullptr || !::DeleteObject(m_hObject)) return FALSE;
    m_hObject = nullptr;
    return TRUE;
}

int CGdiObject::GetObject(int size, void* out) const {
    return ::GetObject(m_hObject, size, out);
}

CGdiObject* CGdiObject::FromHandle(GdiHandle handle) {
    return gdiTemporaryWrapper<CGdiObject>(gdiUntyped(handle));
}

BOOL CGdiObject::adopt(GdiHandle handle) {
    if (handle.p == nullptr) return FALSE;
    if (m_hObject != nullptr) {
        ::DeleteObject(handle);
        return FALSE;
    }
    m_hObject = gdiUntyped(handle);
    return TRUE;
}

BOOL CBitmap::LoadBitmap(UINT id) {
    if (m_hObject != nullptr) return FALSE;
    return adopt(resourceLoadBitmap(id));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                           const void* bits) {
    if (m_hObject != nullptr) return FALSE;
    return adopt(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* /*dc*/, int width, int height) {
    if (m_hObject != nullptr) return FALSE;
    return adopt(::CreateCompatibleBitmap(nullptr, width, height));
}

int CBitmap::GetBitmap(BITMAP* out) const {
    return GetObject(sizeof(BITMAP), out);
}

const BitmapImage* CBitmap::image() const {
    HBITMAP__* b = gdiBitmap(m_hObject);
    return b == nullptr ? nullptr : &b->image;
}

BitmapImage* CBitmap::image() {
    HBITMAP__* b = gdiBitmap(m_hObject);
    return b == nullptr ? nullptr : &b->image;
}

CBitmap* CBitmap::FromHandle(HBITMAP handle) {
    return gdiTemporaryWrapper<CBitmap>(gdiUntyped(handle));
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    if (m_hObject != nullptr) return FALSE;
    return adopt(::CreateSolidBrush(color));
}

BOOL CBrush::CreateSysColorBrush(int index) {
    return CreateSolidBrush(GetSysColor(index));
}

CBrush* CBrush::FromHandle(HBRUSH handle) {
    return gdiTemporaryWrapper<CBrush>(gdiUntyped(handle));
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    if (m_hObject != nullptr) return FALSE;
    return adopt(::CreatePen(style, width, color));
}

CPen* CPen::FromHandle(HPEN handle) {
    return gdiTemporaryWrapper<CPen>(gdiUntyped(handle));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* font) {
    if (m_hObject != nullptr) return FALSE;
    return adopt(::CreateFontIndirect(font));
}

BOOL CFont::CreatePointFont(int pointSize, LPCSTR faceName, CDC* /*dc*/) {
    LOGFONT lf;
    // 96 pixels per inch: pixels = points * 96 / 72, with pointSize in tenths.
    lf.lfHeight = -((pointSize * 96 + 360) / 720);
    if (faceName != nullptr) std::strncpy(lf.lfFaceName, faceName, sizeof(lf.lfFaceName) - 1);
    return CreateFontIndirect(&lf);
}

CFont* CFont::FromHandle(HFONT handle) {
    return gdiTemporaryWrapper<CFont>(gdiUntyped(handle));
}
