#pragma once
// The bolt assemblies the Core library offers and the diameters of each (the macro dialog's
// bolt-assembly and diameter combos).
#include "ktx_string.h"
#include "ktx_string_array.h"

// The names of the assemblies, in their order.
void getBoltAssemblies(Ktx_StringArray& names);
// The diameters of an assembly; false (diameters emptied) for an unknown name.
bool getBoltDiameters(const Ktx_String& assembly, Ktx_StringArray& diameters);
