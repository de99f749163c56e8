#pragma once
// The custom function FROMTABLE, with which a spreadsheet reads a cell of another
// spreadsheet file:
//   FROMTABLE(file, cell)                          the value of that cell of the file
//   FROMTABLE(file, keyColumn, resultColumn, key)  the value in resultColumn of the first row
//                                                  whose keyColumn cell equals key (columns
//                                                  named by their row-0 texts)
//   FROMTABLE(file, cell, target)                  copies the cell's data text into the
//                                                  calling sheet's cell `target`; no value
// A missing file, an invalid argument or a key not found leave the result without value.
// The calling grid is currentSpread; it is current again after every call.
#include "spread_forward.h"

struct SpreadValue;

// Adds "FROMTABLE" (2 to 4 arguments, flags 1) to the grid. Needed again after every file
// load, because a grid forgets its custom functions when a file is loaded into it.
bool registerFromTable(Ktx_Spread& ss);

// The grid's callback: builds the hidden "Formulas" dialog in look-up mode for the call.
// Always returns true; result->status stays "no value" (2) unless a value was found.
bool fromTableCallback(SpreadValue* result, SpreadValue* args, short count);
