// CWnd: the class object of a window. Messages to an attached window reach WindowProc, which
// gives them to handlers registered with onCommand / onNotify / onMessage first and then to
// the virtual On... handlers; whatever is not handled goes to the window class's own
// procedure (Default). Pre-translation (PreTranslateMessage) sees keyboard and mouse messages
// of the window and its children before they are dispatched.
//
// Ownership: the object does not own other objects; the window is destroyed with the object
// when still there. After WM_NCDESTROY the object is detached and PostNcDestroy is called
// (a modeless dialog may delete itself there).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cpoint.h"
#include "crect.h"
#include "win_constants.h"

class CDC;
class CFont;
class CDataExchange;

class CWnd {
  public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to `h`, or a wrapper kept by the window system until the window is
    // destroyed; nullptr for a stale handle.
    static CWnd* FromHandle(HWND h);
    // The object attached to `h` only.
    static CWnd* FromHandlePermanent(HWND h);
    BOOL Attach(HWND h);
    HWND Detach();
    // Routes the messages of an existing window (a dialog's control) through this object.
    BOOL SubclassWindow(HWND h);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                UINT id, void* context = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    // The tree.
    CWnd* GetParent() const;
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    CWnd* GetWindow(UINT relation) const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
    static CWnd* GetFocus();
    CWnd* SetFocus();
    CWnd* SetCapture();
    BOOL SetForegroundWindow();
    void BringWindowToTop();

    // Text and state.
    void SetWindowText(LPCSTR text);
    int GetWindowText(LPSTR buffer, int size) const;
    void GetWindowText(std::string& text) const;
    int GetWindowTextLength() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;

    // Geometry.
    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void MapWindowPoints(CWnd* to, LPRECT rect) const;
    void MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags);
    void CenterWindow(CWnd* alternateOwner = nullptr);
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void UpdateWindow();
    void SetRedraw(BOOL redraw = TRUE);

    // Messages, timers, dialog items.
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC proc = nullptr);
    BOOL KillTimer(UINT_PTR id);
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int first, int last, int check);
    int GetCheckedRadioButton(int first, int last) const;
    void SetDlgItemText(int id, LPCSTR text);
    int GetDlgItemText(int id, LPSTR buffer, int size) const;
    int GetDlgItemText(int id, std::string& text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* ok = nullptr, BOOL isSigned = TRUE) const;
    LRESULT SendDlgItemMessage(int id, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK);

    // Data exchange between controls and members (DoDataExchange); FALSE when a field failed.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* dx);

    // Handlers registered by code; a later registration for the same key replaces one before.
    void onCommand(int id, UINT code, std::function<void()> handler);
    void onClicked(int id, std::function<void()> handler) {
        onCommand(id, BN_CLICKED, std::move(handler));
    }
    // Commands first..last with `code`; the handler gets the id.
    void onCommandRange(int first, int last, UINT code, std::function<void(int)> handler);
    void onNotify(int id, UINT code, std::function<void(NMHDR*, LRESULT*)> handler);
    void onMessage(UINT msg, std::function<LRESULT(WPARAM, LPARAM)> handler);

    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The class procedure's handling of the message (the window before it was subclassed).
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // DefWindowProc of the message being handled now.
    LRESULT Default();
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void PreSubclassWindow() {}
    virtual void PostNcDestroy() {}

    // Message handlers; each default passes the message on (Default).
    virtual int OnCreate(CREATESTRUCT* cs);
    virtual void OnDestroy();
    virtual void OnClose();
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnGetMinMaxInfo(MINMAXINFO* info);
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnKeyUp(UINT key, UINT repeat, UINT flags);
    virtual void OnChar(UINT key, UINT repeat, UINT flags);
    virtual void OnContextMenu(CWnd* window, CPoint screenPoint);
    virtual void OnShowWindow(BOOL show, UINT status);
    virtual void OnSetFocus(CWnd* previous);
    virtual void OnKillFocus(CWnd* next);
    virtual void OnVScroll(UINT code, UINT position, CWnd* scrollBar);
    virtual void OnHScroll(UINT code, UINT position, CWnd* scrollBar);

    // The window procedure of every window with an attached object.
    static LRESULT objectProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);

  protected:
    // Binds this object to a new window and routes its messages here (used at creation).
    void attachTo(HWND h, bool subclass);
    BOOL dispatchInput(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL dispatchWindow(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

  private:
    void detachFromWindow();

    WNDPROC superProc_ = nullptr;
    MSG current_;
    std::map<std::pair<int, UINT>, std::function<void()>> commands_;
    std::map<std::pair<int, UINT>, std::function<void(NMHDR*, LRESULT*)>> notifies_;
    std::map<UINT, std::function<LRESULT(WPARAM, LPARAM)>> messages_;
    struct Range {
        int first;
        int last;
        UINT code;
        std::function<void(int)> handler;
    };
    std::vector<Range> ranges_;
};
