// The window system's test driver: what a test, the command-line program or a live front end
// uses to drive and watch the headless window system, and what module code must not reach.
// Scripts and the live event source (scripted_user.h, event_source.h), the user's actions
// (user_actions.h) and the steps a person could not do (user_failures.h), failure injection,
// the window tree and the message pump, the recordings of message boxes, popup menus, file
// choosers and paints, the virtual clock, and the resets (win_reset.h).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "event_source.h"
#include "failure_injection.h"
#include "message_pump.h"
#include "modal_loop.h"
#include "scripted_user.h"
#include "user_actions.h"
#include "user_failures.h"
#include "win.h"
#include "win_driver_only.h"
#include "win_reset.h"
#include "window_tree.h"

// Message boxes: what was shown and the queue of answers.
struct MessageBoxRecord {
    std::string text;
    std::string caption;
    UINT type = 0;     // as passed
    UINT icon = 0;     // type & MB_ICONMASK
    UINT buttons = 0;  // type & MB_TYPEMASK
    int answer = 0;
    HWND owner = nullptr;
};
void winQueueMessageBoxAnswer(int answer);
const std::vector<MessageBoxRecord>& winMessageBoxes();
void winSetApplicationName(const std::string& name);
void winMessageBoxReset();

// Popup menus: what was shown and the queue of choices.
struct PopupMenuRecord {
    std::vector<WinMenuItem> items;
    POINT at;
    HWND owner = nullptr;
    UINT chosen = 0;  // 0: dismissed
};
const std::vector<PopupMenuRecord>& winPopupMenus();
// Answers for the next popup menus: a command id (0 dismisses) or an item's exact text.
void winQueueMenuChoice(UINT commandId);
void winQueueMenuChoice(const std::string& itemText);
const std::vector<WinMenuItem>* winMenuItems(HMENU menu);
void winMenusReset();

// File choosers: what was asked and the queue of answers.
struct FileChooserRecord {
    enum class Kind { Open, Save, Folder };
    Kind kind = Kind::Open;
    std::string title;
    std::string filter;
    std::string startFolder;
    std::string defaultName;
    std::string defaultExtension;
    bool multiple = false;
    std::vector<std::string> answer;  // empty when cancelled
};
// Records the request and returns the chosen paths; nullopt when cancelled. A single-file
// chooser answered with several paths takes the first.
std::optional<std::vector<std::string>> winChooseFiles(FileChooserRecord request);
// Queues an answer; an empty list cancels.
void winQueueFileChoice(std::vector<std::string> paths);
const std::vector<FileChooserRecord>& winFileChoosers();
void winFileChoosersReset();

// The virtual clock.
// Moves the clock forward, firing due timers (each as often as its period fits) and pumping
// posted messages after each.
void winAdvanceClock(DWORD ms);
int winActiveTimerCount();
void winTimersForgetWindow(HWND h);
void winTimersReset();

// Keys held by the scripted user.
void winSetKeyDown(int virtualKey, bool down);
void winKeyboardReset();

// Paint recordings.
void winPaint(HWND h);
// What the window drew at its last paint (erase and paint); empty when never painted.
std::vector<GdiRecord> winPaintRecords(HWND h);
// The brush the parent gave the control at its last paint (nullptr: none).
HBRUSH winControlBrush(HWND control);
void winPaintForgetWindow(HWND h);
void winPaintReset();

// Window creation.
// Called with every new window before its first message (used to attach class objects).
// One-shot: cleared after use.
void winSetCreationHook(std::function<void(HWND)> hook);
void winWindowApiReset();

// Class objects.
// Drops the wrappers made by FromHandle (called when windows go).
void winForgetTemporaryObject(HWND h);
void winForgetAllTemporaryObjects();

// Global memory blocks.
// Test support: blocks not yet freed, misuses seen (double free, unknown handle), reset.
int globalMemoryLiveBlocks();
int globalMemoryMisuses();
void globalMemoryReset();
// For the grid's custom-function values, in one step each: a new block holding `text` and a
// NUL, as GlobalAlloc, GlobalLock, a copy and GlobalUnlock make it (nullptr when either step
// is made to fail); and a block's text up to its first NUL or its end, as GlobalLock shows it
// (valid until the block changes; empty for an unknown handle or a lock made to fail).
HGLOBAL globalMemoryTextBlock(std::string_view text);
std::string_view globalMemoryText(HGLOBAL block);

// Resets of single parts (winResetForTests calls them all).
void clipboardResetForTests();
void gdiCursorResetForTests();
void moduleFileResetForTests();
