#pragma once
// The designer's texts per control type: the 31 names of the type list, the description
// shown beside a selected control, and the caption of its extension field (empty when the
// type has no extension).
#include "ktx_string.h"
#include "ktx_string_array.h"

Ktx_StringArray designerTypeNames();
Ktx_String designerTypeDescription(int type);
bool designerTypeHasExtension(int type);
Ktx_String designerExtensionCaption(int type);
