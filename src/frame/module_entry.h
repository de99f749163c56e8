#pragma once
// The library's entry routine and the module-wide objects it sets up.
//
// DllMain(instance, reason, reserved):
// - DLL_PROCESS_ATTACH: stores the instance handle, tells the module-wide resource override
//   about it (SaveDefaultResource), then initialises the extension module. When that fails the
//   result is 0; otherwise the module's resources are linked into the host's resource chain
//   and the result is 1.
// - DLL_PROCESS_DETACH: terminates the extension module (unlinking its resources); 1.
// - any other reason: 1.
#include "vn_temp_resource_override.h"
#include "win_types.h"

constexpr DWORD kDllProcessDetach = 0;
constexpr DWORD kDllProcessAttach = 1;
constexpr DWORD kDllThreadAttach = 2;
constexpr DWORD kDllThreadDetach = 3;

extern "C" int DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

// The instance handle stored at attach (nullptr before).
HINSTANCE vnModuleInstance();
// The module-wide resource override.
VnTempResourceOverride& vnResourceOverride();
// True between a successful attach and the detach.
bool vnExtensionModuleInitialised();
// True while the module's resources are linked into the host's resource chain.
bool vnResourcesLinked();

// Makes the next extension-module initialisation fail (tests of the failure path).
void vnFailNextExtensionInit();
void resetModuleEntryForTests();
