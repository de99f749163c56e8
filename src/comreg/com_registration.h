#pragma once
// Writing and removing the registry entries of the sibling COM module "Olex.arx", which lies
// in the folder of this module. Every key is below HKEY_CLASSES_ROOT and every value is the
// key's default value, a string:
//
//   TypeLib\{lib}\1.1               "Varnox 1.0 Type Library"
//   TypeLib\{lib}\1.1\0\win32       full path of Olex.arx
//   TypeLib\{lib}\1.1\9\win32       full path of Olex.arx
//   CLSID\{class}                   class name + " Class"
//   CLSID\{class}\InProcServer32    full path of Olex.arx
//   CLSID\{class}\Typelib           {lib}
//   Interface\{iid}                 interface name + " Interface"
//   Interface\{iid}\TypeLib         {lib}
//   Interface\{iid}\ProxyStubClsid32 "{00020424-0000-0000-C000-000000000046}"
#include <vector>

#include "acad_error_status.h"
#include "com_class_list.h"
#include "ktx_string.h"

struct VnComRegistryValue {
    Ktx_String key;  // below HKEY_CLASSES_ROOT
    Ktx_String value;
};

// This module's folder: its file name (GetModuleFileName of its instance) cut after the last
// backslash; empty when the system gives no name.
Ktx_String moduleFolder();
// The sibling's full file name: moduleFolder() + "Olex.arx" (empty when that is).
Ktx_String olexModulePath();

// Every value the registration writes, in the order it writes them: the type library's
// three, then three per class, then three per interface.
std::vector<VnComRegistryValue> comRegistryValues(const VnComClassList& list,
                                                  const Ktx_String& serverPath);
// The keys the clean-up removes with everything below them, in its order: the type library,
// every class, every interface.
Ktx_StringArray comRegistryRoots(const VnComClassList& list);

// Writes every value of comRegistryValues for the sibling beside this module. eInvalidInput,
// with nothing written, when "Olex.arx" is not there. A failed write does not stop the
// others; the result is then eInvalidInput and the thread's last error is the code of the
// last failed call. eOk when every value was written (writing again rewrites the same).
Acad::ErrorStatus SSregisterOpmCLSIDs();

// Removes every key of comRegistryRoots with everything below it. A key that is absent, or
// whose parent is absent, counts as removed. eInvalidInput when a parent could not be opened
// or a present key could not be deleted (the others are still removed; the last error is the
// code of the last failed call), else eOk.
Acad::ErrorStatus SScleanupComRegistry();
