#pragma once
// The constraint design file: the macros of a drawing with their modules' geometry,
// constraints, variables and equations, as the constraint editor works on them
// (docs/constraint-design-file.md; example: examples/macros/base_plate.constr). The lines
// are those of macro files (macro_file.h: words, quotes, comments).
//
// Reading is all or nothing: on an error the drawing is left as it was and the message names
// the line ("line 4: unknown object 'L9'").
#include <string>

#include "edit_constr_data.h"
#include "ktx_string.h"

bool parseConstrDrawing(const std::string& text, Ktx_ConstrDrawing& drawing, std::string& error);
// Reads a design file (a path of this machine or a library path with backslashes).
bool readConstrDrawing(const Ktx_String& path, Ktx_ConstrDrawing& drawing, Ktx_String& error);
