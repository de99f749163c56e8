// The window tree: every live window with its class, style, text, rectangle and control
// state. This is the one store the rest of the window system works on; a renderer or a test
// may walk it (winTopLevelWindows, winWindowData) to see every dialog as a person would.
//
// Rectangles are window rectangles: a child's in its parent's client coordinates, a
// top-level window's in screen coordinates. The client area lies inside the non-client
// frame (border and caption) that the style asks for.
#pragma once

#include <string>
#include <vector>

#include "win_constants.h"
#include "win_driver_only.h"

class CWnd;

// One entry of a combo box, list box, tab control or list view.
struct WinItem {
    std::string text;
    DWORD_PTR data = 0;
    bool selected = false;
    bool focused = false;  // list view rows
    int image = -1;
    std::vector<std::string> subItems;  // list view columns after the first
};

// The state a control keeps; each class uses the fields it needs.
struct WinControlState {
    int check = BST_UNCHECKED;  // buttons
    bool pushed = false;
    HANDLE image = nullptr;  // BM_SETIMAGE / STM_SETIMAGE
    UINT imageType = 0;
    std::vector<WinItem> items;  // combo, list box, tab, list view rows
    std::vector<std::string> columns;
    void* imageList = nullptr;  // list views: the LVSIL_NORMAL image list (an HIMAGELIST)
    void* smallImageList = nullptr;
    int curSel = -1;
    bool droppedDown = false;
    DWORD selStart = 0;  // edit selection (also the edit part of a combo)
    DWORD selEnd = 0;
    int caretScrolls = 0;  // EM_SCROLLCARET calls
    int limitText = 0;     // 0: no limit
    bool modified = false;
};

struct WinWindow {
    HWND handle = nullptr;
    HWND parent = nullptr;       // the parent of a child window
    HWND owner = nullptr;        // the owner of a top-level window
    std::vector<HWND> children;  // in creation order, which is also the tab order
    int id = 0;
    std::string className;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
    RECT rect;
    HFONT font = nullptr;
    HFONT ownedFont = nullptr;  // made by the window system for a dialog, deleted with it
    WNDPROC proc = nullptr;
    CWnd* object = nullptr;  // the attached class object, if any (not owned)
    LONG_PTR userData = 0;
    WinControlState state;
    std::string tooltip;
    bool redraw = true;
    bool destroying = false;
    int invalidations = 0;
};

// The live window of `h`; nullptr when `h` is not (or no longer) a window.
WinWindow* winWindowData(HWND h);
// Creates the entry; the caller sends the creation messages. REQUIRES: parent (if any) live.
WinWindow& winAddWindow(HWND parent, HWND owner);
// Removes one entry (children must be removed first).
void winRemoveWindow(HWND h);
// Top-level windows in creation order.
std::vector<HWND> winTopLevelWindows();
// All live windows, for resetting.
std::vector<HWND> winAllWindows();
int winWindowCount();

// Frame sizes that the style asks for: left/right/bottom border and the top (border plus
// caption bar).
struct WinFrame {
    int border = 0;
    int caption = 0;
};
WinFrame winFrameOf(DWORD style, DWORD exStyle);
// The client rectangle's origin in screen coordinates.
POINT winClientOrigin(HWND h);

void winTreeReset();
