#pragma once
// The picture of a section: a file name in the "icons\\" folder below the application's
// settings folder (gSettings.appDir), without the folder.
//
// The base name is the user section's name (shape empty; a leading "User Sections\\" and the
// extension removed), the type's image base name (a type number), or the drawing's name without
// extension; the file is base + "-big.bmp" or base + "-small.bmp". When that file is missing,
// a user section asked in the small size uses its own picture, libDir + "User Sections\\" +
// base + ".bmp": it is copied to "icons\\" + base + "-automated.bmp" when that copy is missing
// or older than the picture. Otherwise the answer is "Unknown-big.bmp" / "Unknown-small.bmp".
#include "ktx_string.h"

Ktx_String sectionImageName(const Ktx_String& shape, const Ktx_String& userSection, bool big);
// The folder the picture names are relative to: gSettings.appDir + "icons\\".
Ktx_String sectionIconsFolder();
