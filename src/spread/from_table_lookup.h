#pragma once
// One FROMTABLE call carried out on a grid that can take the looked-up file. The hidden
// "Formulas" dialog runs it during its initialisation; it is kept apart from the dialog so
// that its steps read, and can be checked, on their own.
#include "spread_forward.h"

struct SpreadValue;

struct FromTableCall {
    SpreadValue* result = nullptr;
    SpreadValue* args = nullptr;
    int count = 0;
    Ktx_Spread* caller = nullptr;  // the calculating grid; may be null
};

// The result starts as "no value". With valid arguments whose first is the file name, the
// file is loaded into `grid` (FROMTABLE registered on it again), the cell is found (a cell
// argument, or by column keys in row 0 and a key value in the key column), recalculated, and
// either copied into the caller's target cell (3 arguments) or handed back as the typed
// result with its command-line message (2 or 4 arguments). A missing file, an invalid
// argument or a key not found leave the result without value and print nothing.
void lookUpFromTable(Ktx_Spread& grid, const FromTableCall& call);

// A look-up key from an argument: a long in decimal, a double truncated to a long in
// decimal, a string unchanged; false for any other type.
bool fromTableKey(const SpreadValue& arg, Ktx_String& key);
