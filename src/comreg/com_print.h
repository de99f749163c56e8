#pragma once
// Listing the COM identifiers for developers: source declarations on the command line and
// the identifier file "RegistryIDs.dat" beside this module.
#include "acad_error_status.h"
#include "com_class_list.h"
#include "ktx_string_array.h"

// An identifier's text form as a structure initialiser:
// "{0x1AD846C7,0x09D4,0x4381,{0xA6,0xA4,0xA7,0x9E,0x22,0xA8,0xAD,0xD1}};". The text without
// its braces must split at hyphens into five groups, the fourth of at least 4 and the fifth
// of at least 12 digits; otherwise the result is empty.
Ktx_String clsidInitialiser(const Ktx_String& idText);

// The lines of "RegistryIDs.dat": "TypeLib_=" + library id, "Class_" + name + "=" + id per
// class, "Interface_" + name + "=" + id per interface.
Ktx_StringArray registryIdLines(const VnComClassList& list);

// Prints "\nconst cCLSID CLSID_<class> = <initialiser>" for every class whose identifier
// converts, then writes "RegistryIDs.dat" into this module's folder (ObjectExportWriteFile,
// so the file is replaced whole). eOk whatever the write gave; a failed write is told on the
// command line ("\nCould not write <file>\n") and leaves the old file as it was.
Acad::ErrorStatus SSprintCLSIDs();
