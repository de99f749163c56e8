// Included by every header of the window system's test driver. Module code includes win.h
// only; test programs, the command-line program and the host stand-ins below the module are
// built with VN_WIN_DRIVER (cmake/VnModule.cmake) and may drive the window system.
#pragma once

#ifndef VN_WIN_DRIVER
#error "a test-driver header of the window system: module code includes win.h only"
#endif
