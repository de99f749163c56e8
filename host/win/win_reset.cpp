#include "win_reset.h"

#include "bitmap_resources.h"
#include "clipboard.h"
#include "cwnd.h"
#include "event_source.h"
#include "failure_injection.h"
#include "file_chooser.h"
#include "gdi_cursor.h"
#include "global_memory.h"
#include "image_list.h"
#include "keyboard_state.h"
#include "menus.h"
#include "message_box.h"
#include "message_pump.h"
#include "module_file.h"
#include "registry.h"
#include "scripted_user.h"
#include "timers.h"
#include "user_failures.h"
#include "whole_file.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_paint.h"
#include "window_tree.h"

void winResetForTests() {
    winClearFailures();
    fileInjectWriteFault(FileWriteFault::None);
    for (HWND h : winTopLevelWindows()) {
        if (IsWindow(h)) DestroyWindow(h);
    }
    winForgetAllTemporaryObjects();
    winTreeReset();
    winWindowApiReset();
    winPumpReset();
    winTimersReset();
    winPaintReset();
    winKeyboardReset();
    winMessageBoxReset();
    winMenusReset();
    winFileChoosersReset();
    winScriptsReset();
    winEventSourceReset();
    winClearUserFailures();
    winExpectUserFailures(false);
    registryResetForTests();
    resourceClearForTests();
    winImageListsReset();
    gdiCursorResetForTests();
    moduleFileResetForTests();
    // The clipboard holds a global memory block: empty it before the blocks are forgotten.
    clipboardResetForTests();
    globalMemoryReset();
}
