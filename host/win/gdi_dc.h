// CDC: a drawing context. Every drawing call is recorded (records()); a memory context
// (CreateCompatibleDC) also really draws into the bitmap selected in it, so masks and
// transparent pictures can be built and checked pixel by pixel. A context made for a window
// (CreateForWindow) only records; it carries the window's handle.
//
// The state (selected objects, colours, records) belongs to the HDC, so wrappers obtained
// with FromHandle share it. A context made by a CDC is deleted with it.
// Text is measured with a fixed cell per character of the selected font (see GetTextExtent).
#pragma once

#include <string>
#include <vector>

#include "gdi_object.h"
#include "gdi_record.h"

class CDC {
  public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A memory context: a 1x1 monochrome bitmap, white brush, black pen, system font
    // selected; white background, black text, opaque. FALSE when this already has one.
    BOOL CreateCompatibleDC(CDC* reference);
    // A recording context for the window `owner` (may be null for the screen).
    BOOL CreateForWindow(HWND owner);
    BOOL DeleteDC();
    BOOL Attach(HDC dc);
    HDC Detach();
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    // A lasting wrapper of `dc` that does not delete it.
    static CDC* FromHandle(HDC dc);

    // Selection: each returns the wrapper of what was selected before (nullptr on failure).
    CBitmap* SelectObject(CBitmap* bitmap);
    CBrush* SelectObject(CBrush* brush);
    CPen* SelectObject(CPen* pen);
    CFont* SelectObject(CFont* font);
    CGdiObject* SelectStockObject(int which);
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    int SaveDC();
    // Restores a state saved by SaveDC (-1: the latest); FALSE for an unknown level.
    BOOL RestoreDC(int saved);

    // Transfers from `source` (may be null when rop does not read it). FALSE without a
    // context or when a needed source is missing.
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, DWORD rop);
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    void FillSolidRect(const RECT* rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void FillRect(const RECT* rect, CBrush* brush);
    void FrameRect(const RECT* rect, CBrush* brush);
    void InvertRect(const RECT* rect);
    void DrawFocusRect(const RECT* rect);
    void Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(const RECT* rect);
    POINT MoveTo(int x, int y);
    BOOL LineTo(int x, int y);
    COLORREF SetPixel(int x, int y, COLORREF color);
    // CLR_INVALID outside the selected bitmap or for a window context.
    COLORREF GetPixel(int x, int y) const;
    BOOL TextOut(int x, int y, const std::string& text);
    // Draws text in rect; with DT_CALCRECT only sets rect's right and bottom to fit.
    // Returns the height of the text.
    int DrawText(const std::string& text, RECT* rect, UINT format);
    // Width: characters times the font's cell width; height: the font's line height.
    SIZE GetTextExtent(const std::string& text) const;
    BOOL DrawIcon(int x, int y, HICON icon);

    // What was drawn, in order.
    const std::vector<GdiRecord>& records() const;
    void clearRecords();
    HWND window() const;

    HDC m_hDC = nullptr;

  private:
    bool owns_ = true;
};

// Win32-style functions over the same contexts.
HDC CreateCompatibleDC(HDC reference);
BOOL DeleteDC(HDC dc);
// Returns the untyped handle of the object of that kind selected before, nullptr on failure.
HGDIOBJ SelectObject(HDC dc, GdiHandle object);
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSrc, int ySrc,
            DWORD rop);
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSrc, int ySrc,
                int srcWidth, int srcHeight, DWORD rop);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF SetTextColor(HDC dc, COLORREF color);
int SetBkMode(HDC dc, int mode);
// Number of live drawing contexts (for leak checks in tests).
int gdiLiveContextCount();
