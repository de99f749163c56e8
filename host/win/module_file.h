// File names of loaded modules (GetModuleFileName). The module names files the Windows way,
// so its own file name is a folder, a backslash and the module's file name; tests and the
// command-line program choose the folder.
//
// Every module without a name of its own (moduleFileSetPath) is reported as the current
// folder (moduleFileSetFolder; "C:\Program Files\Varnox" at start), a backslash and
// "vnmodule.arx"; a null module handle means the running program, "vnstd.exe" in that folder.
#pragma once

#include <string>

#include "win_types.h"

// Copies the module's full file name and a zero byte into `buffer`; returns the length
// copied. When `size` is too small the name is cut to size - 1 bytes, the result is `size`
// and the last error ERROR_INSUFFICIENT_BUFFER. 0 for a null buffer or size 0.
DWORD GetModuleFileName(HMODULE module, LPSTR buffer, DWORD size);
inline DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
    return GetModuleFileName(module, buffer, size);
}

void moduleFileSetFolder(const std::string& folder);
std::string moduleFileFolder();
void moduleFileSetPath(HMODULE module, const std::string& path);
std::string moduleFilePath(HMODULE module);
