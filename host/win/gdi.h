// The drawing layer of the headless window system: colours, drawing objects and their
// wrappers, drawing contexts that record what was drawn, bitmaps and picture resources.
#pragma once

#include "bitmap_image.h"
#include "bitmap_resources.h"
#include "gdi_dc.h"
#include "gdi_object.h"
#include "gdi_objects.h"
#include "gdi_record.h"
#include "gdi_types.h"
#include "win_types.h"
