// Window classes: the built-in controls and classes registered by name with a window
// procedure (the grid control registers its own). Names are compared without regard to
// letter case, as the platform does.
#pragma once

#include <string>

#include "win_constants.h"

using ATOM = WORD;

// Registers a class; 0 when the name is missing, the procedure is null or the name is taken.
ATOM RegisterClass(const WNDCLASS* wc);
// TRUE when the class existed and was removed.
BOOL UnregisterClass(LPCSTR className, HINSTANCE instance);
// Fills `wc` for a known class; FALSE otherwise.
BOOL GetClassInfo(HINSTANCE instance, LPCSTR className, WNDCLASS* wc);

// The procedure and the canonical name of a class (built-ins included); nullptr when unknown.
struct WinClassInfo {
    std::string name;
    WNDPROC proc = nullptr;
};
const WinClassInfo* winFindClass(const std::string& name);
bool winSameClassName(const std::string& a, const std::string& b);

// Procedures of the built-in classes (each in its control's file).
LRESULT winButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT winEditProc(HWND, UINT, WPARAM, LPARAM);
LRESULT winStaticProc(HWND, UINT, WPARAM, LPARAM);
LRESULT winComboBoxProc(HWND, UINT, WPARAM, LPARAM);
LRESULT winListBoxProc(HWND, UINT, WPARAM, LPARAM);
LRESULT winTabControlProc(HWND, UINT, WPARAM, LPARAM);
LRESULT winListViewProc(HWND, UINT, WPARAM, LPARAM);
LRESULT winDialogProc(HWND, UINT, WPARAM, LPARAM);
LRESULT winToolTipProc(HWND, UINT, WPARAM, LPARAM);
LRESULT winFrameProc(HWND, UINT, WPARAM, LPARAM);
