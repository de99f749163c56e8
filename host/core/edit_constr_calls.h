#pragma once
// The Core library's calls behind the constraint editor. Each acts on the macro and module that
// an EditConstrData names (edit_constr_data.h) and appends what it does to the drawing's view to
// the drawing's log. Results: eOk on success; eNullObjectPointer without a drawing or macro;
// eKeyNotFound for a module or object that does not exist; eInvalidInput for a bad index,
// number or text; eNotApplicable when the user cancelled a pick in the drawing. On failure
// nothing is changed.
//
// Picking in the drawing (a macro, an object) is a popup menu of the candidates at the
// cursor, owned by the CAD host's main window: the person's choice there is the pick.
#include <vector>

#include "acad.h"
#include "edit_constr_data.h"

// The module names of the macro, in macro order.
Acad::ErrorStatus MacroGetModules(const EditConstrData& data, Ktx_StringArray& names);
// Makes data.currentModule the module being edited in the drawing; highlighting is removed.
Acad::ErrorStatus SetCurrentModule(EditConstrData& data);
// Lets the user pick another macro of the drawing; on eOk data names it and its first module.
Acad::ErrorStatus SelectOtherMacro(EditConstrData& data);
// Removes a module with its design and its places in module groups.
Acad::ErrorStatus RemoveModule(EditConstrData& data, const Ktx_String& moduleName);
// Renames a module (design, groups and data.currentModule follow). eDuplicateKey when another
// module has the new name; eInvalidInput for an empty name or one with a line break.
Acad::ErrorStatus RenameModule(EditConstrData& data, const Ktx_String& oldName,
                               const Ktx_String& newName);
// Zooms the view to the current module.
Acad::ErrorStatus ZoomCommand(EditConstrData& data);
// Runs constraint command 0..13: 0-10 add a constraint of constraintKinds()[n] between objects
// the user picks in the current module; 11 adds a module ("Module" + the first free number,
// appended last); 12 adds a bolt pattern and 13 a coordinate system to the current module's
// geometry.
Acad::ErrorStatus StartMacroCommand(EditConstrData& data, int command);

Acad::ErrorStatus HighlightConstraint(EditConstrData& data, int index);
Acad::ErrorStatus UnHighlightConstraints(EditConstrData& data);
Acad::ErrorStatus HighlightObject(EditConstrData& data, int index);
Acad::ErrorStatus UnHighlightObject(EditConstrData& data);
// Sorts the current module's constraints by a grid column (1-4) as a person reads names and
// numbers; the order among equal texts is the one sorted by previousColumn before (stable).
Acad::ErrorStatus SortConstraints(EditConstrData& data, int column, int previousColumn);
// The entries of a constraint's context menu for grid column 1 (the kinds it may become, a
// "%BREAK%", "Reversed") or 2 and 3 (the module's geometry objects), and the positions of the
// checked entries. eNotApplicable for column 3 of a one-object constraint and other columns.
Acad::ErrorStatus ConstrContextMenu(EditConstrData& data, int index, int column,
                                    Ktx_StringArray& entries, std::vector<int>& checked);
// Applies a chosen context-menu entry to the constraint.
Acad::ErrorStatus ContextMenuAction(EditConstrData& data, int index, int column,
                                    const Ktx_String& entry);
Acad::ErrorStatus DeleteConstraint(EditConstrData& data, int index);
// Applies a constraint whose texts, flags and values were replaced: a variable that drives it
// gives it its value, and one not yet among the module's variables is added as a dimension
// value.
Acad::ErrorStatus UpdateConstraint(EditConstrData& data, int index);
// True when another constraint of the current module than exceptIndex is driven by `name`
// (letter case ignored).
bool VarNameInUse(const EditConstrData& data, const Ktx_String& name, int exceptIndex);
// Opens the cut editor on the cut the constraint carries; eKeyNotFound when it carries none.
Acad::ErrorStatus StartEditMacroCutDlg(EditConstrData& data, int index);
Acad::ErrorStatus UpdateGeomFlexibility(EditConstrData& data, int index, bool flexible);
Acad::ErrorStatus UpdateConstrGeom(EditConstrData& data, int index, bool construction);
// Replaces the current module's variables table by the rows given (parallel arrays; rows with
// an empty name are left out); the variables then drive the constraints that name them.
// eInvalidInput for arrays of different lengths or a kind outside 0-2, eDuplicateKey for a
// variable or dimension name given twice.
Acad::ErrorStatus UpdateVarsEqs(EditConstrData& data, const Ktx_StringArray& names,
                                const std::vector<double>& values, const std::vector<int>& kinds);
// Records that a window handed the drawing to the user for a command (begin) and took it back.
void NoteEditorCommand(EditConstrData& data, bool begin);
