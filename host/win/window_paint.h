// Painting. winPaint paints a window and its visible children now: each gets WM_ERASEBKGND
// and WM_PAINT with a recording drawing context (gdi_dc.h), and a control first asks its
// parent for its colours (WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLOREDIT), keeping the
// brush the parent returned. What each window drew at its last paint stays readable
// (winPaintRecords), so a test or a renderer can see it. UpdateWindow paints an invalidated
// window the same way.
#pragma once

#include <vector>

#include "cwnd.h"
#include "gdi_dc.h"

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint;
    BOOL fRestore = FALSE;
    BOOL fIncUpdate = FALSE;
};

// The context of the paint in progress for `h` (a fresh one outside winPaint, deleted by
// EndPaint).
HDC BeginPaint(HWND h, PAINTSTRUCT* paint);
BOOL EndPaint(HWND h, const PAINTSTRUCT* paint);
// A recording context for the window, deleted by ReleaseDC.
HDC GetDC(HWND h);
int ReleaseDC(HWND h, HDC dc);

class CPaintDC : public CDC {
  public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps;

  private:
    HWND window_;
};

class CClientDC : public CDC {
  public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

  private:
    HWND window_;
};
