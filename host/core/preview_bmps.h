#pragma once
// Preview pictures of macro drawings, made by the Core library when a drawing has none.
//
// A drawing's preview is the ".bmp" of the same name beside it (what CImageListCtrl shows).
// CreatePreviewBMPs draws one for each drawing from the macro the drawing holds: its modules
// side by side, a profile module as an I-section, a bolt module as a grid of bolts (its "Rows"
// and "Count" variables when it has them), any other module as a plate as wide and high as
// its "W" and "H" variables; on white, in a grey frame, `width` x `height` pixels. The kind
// "abm" (automatic bitmap) is the only kind of preview there is.
#include "bitmap_image.h"
#include "ktx_macro.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

// The largest side of a preview.
constexpr int kPreviewMaxSide = 1024;

// Writes the preview of every drawing (replacing one that is there). False (nothing written)
// when the kind is not "abm" or a side is not positive or above kPreviewMaxSide; false when
// a drawing cannot be read or its picture written, the others being written all the same.
bool CreatePreviewBMPs(const Ktx_StringArray& drawings, int width, int height,
                       const Ktx_String& kind);

// The preview of one macro.
BitmapImage drawMacroPreview(const Ktx_Macro& macro, int width, int height);
