#pragma once
// The live window tree as the page draws it: every top-level window with its children, one
// JSON object per window (handle, id, class, kind, rectangle, frame, text, style flags, items,
// selection, check state, picture, tooltip, what it painted), the grid's own state for a grid
// window, and the message boxes, popup menus and file choosers open now. Module thread only:
// it paints the windows first, so the paint records are those of the state shown.
#include <nlohmann/json.hpp>

#include "bitmap_store.h"
#include "win_access.h"

// `libraryWindowsDir`: the folder a file chooser lists (the module's name for it).
nlohmann::json windowTreeJson(BitmapStore& pictures);
nlohmann::json windowJson(HWND h, BitmapStore& pictures);
nlohmann::json questionsJson(const std::string& libraryHostDir,
                             const std::string& libraryWindowsDir);
// A short name for what the window is: "push", "default", "check", "radio", "3state",
// "group", "edit", "combo", "list", "static", "tab", "listview", "grid", "dialog" ...
std::string windowKind(const WinWindow& w);
