// The grid control: one header for everything other folders use. It offers the window
// classes "fpSpread70" and "fpSpreadPreview70", the SS... function interface by window handle
// (ss_functions.h), its constants and records (ss_types.h), what a person can do to a grid
// (grid_user.h), and the sheet-file and CSV readers and writers used by the command line.
#pragma once

#include "grid_mouse.h"
#include "grid_user.h"
#include "ss_functions.h"
#include "ss_types.h"
