#pragma once
// The one place the browser front end includes the window system, its test-driver functions
// (live event source, window tree, paint records, questions) among them.
#include "modal_loop.h"
#include "win.h"
#include "win_driver.h"
#include "window_paint.h"
#include "window_tree.h"
