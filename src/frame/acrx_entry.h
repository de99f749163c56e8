#pragma once
// The application entry that the CAD host calls with its application messages.
//
// kInitAppMsg: unlocks the application and registers it as working in several documents at
// once (the dynamic linker under "DynamicLinker"), then loads the module bitmaps.
// kUnloadAppMsg: removes the command group "KTXAPP_SS" from the command stack under
// "ACAD_REGISTERED_COMMANDS", then closes every modeless window the module owns
// (DestroyAllMacroDlgs, EndDlgEditConstraints).
// Every other message: nothing. The result is always AcRx::kRetOK.
#include "acad.h"

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
// The version of the host's application interface this module was built for.
extern "C" int acrxGetApiVersion();

// The command group of the module's commands.
inline constexpr const char* kVnCommandGroup = "KTXAPP_SS";
