#pragma once
// PageEvent: one thing a person did in the browser, as the page sends it (JSON), and its
// translation into the scripted user's action on a live window.
#include <optional>
#include <string>
#include <vector>

#include "win_access.h"

struct PageEvent {
    std::string kind;          // "click", "dblclick", "type", "leave", "choose", "chooseIndex",
                               // "tab", "key", "mouse", "drag", "rightclick", "close", "resize",
                               // "answer", "menu", "files", "cell", "cellclick"
    unsigned long window = 0;  // the window's handle as the page got it, or
    int id = 0;                // with no handle: the control id in the running dialog
    std::string text;
    int index = -1;
    int key = 0;
    bool shift = false;
    bool control = false;
    std::string message;  // "down", "up", "move", "rdown", "rup" (kind "mouse")
    int x = 0, y = 0, x2 = 0, y2 = 0;
    int col = 0, row = 0;  // grid cells
    std::vector<std::string> files;
};

// Parses the page's JSON; nullopt with `error` set for anything malformed or unknown.
std::optional<PageEvent> parsePageEvent(const std::string& json, std::string& error);

// The action for the event on the dialog running now (`dialog`; nullptr in a message loop of
// modeless windows), checked against the live tree: nullopt with `error` when the window is
// gone, belongs to another dialog, or the event does not fit the window. Module thread only.
std::optional<UserAction> actionForEvent(const PageEvent& event, HWND dialog, std::string& error);
// The folder file choosers answer from (the module's name for the library folder): a chosen
// path must lie below it.
void pageEventsSetLibraryFolder(const std::string& windowsDir);
// The answer to an open question; nullopt with `error` when the event is not one, or names a
// file outside the library folder.
std::optional<UserAction> answerForEvent(const PageEvent& event, const WinQuestion& question,
                                         std::string& error);
