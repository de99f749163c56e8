#pragma once
// The macros of a drawing as the constraint editor sees them while a macro is designed: per
// module its constraints, its geometry with flexibility, and its variables, dimension values
// and equations. EditConstrData names one macro of such a drawing and its current module; the
// Core calls below (edit_constr_calls.h) change the drawing through it and record what they do
// to the drawing's view (highlighting, zooming, editor commands) in the drawing's log, in order.
//
// EditConstrData does not own the drawing: copies of it work on the same macros, so a dialog
// working on a copy changes what the caller sees (as on the platform, where the macro lives in
// the drawing database).
#include <string>
#include <vector>

#include "ktx_macro.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

// Flags of a constraint.
enum Ktx_ConstrFlag : int {
    kConstrUseVariable = 1,  // the value is driven by the variable named in texts[3]
    kConstrReversed = 2,     // the constraint's direction is reversed
};

// One constraint between geometry objects of a module. texts: 0 its kind ("Parallel" ...),
// 1 its first object, 2 its second object (empty for one-object kinds), 3 the variable that
// drives its value (used while kConstrUseVariable is set). values[0] is its dimension
// (distance, angle, radius) for the kinds that have one. option is the chosen one of
// optionCount choices (1-based; 0 none chosen). cut names a cut of the module the constraint
// carries (empty: none).
struct Ktx_Constraint {
    Ktx_StringArray texts{"", "", "", ""};
    int flags = 0;
    std::vector<double> values;
    int optionCount = 0;
    int option = 0;
    std::string cut;

    bool usesVariable() const { return (flags & kConstrUseVariable) != 0; }
    bool hasValue() const { return !values.empty(); }
    bool operator==(const Ktx_Constraint&) const = default;
};

// A line, arc, circle, point, bolt pattern or coordinate system of a module. A flexible object
// may be moved by the solver; a construction object only serves constraints (it is not built).
struct Ktx_GeomObject {
    std::string name;
    std::string kind;
    bool flexible = true;
    bool construction = false;
    bool operator==(const Ktx_GeomObject&) const = default;
};

// A row of a module's variables table: a variable (kind 0), a dimension value (kind 1) or an
// equation (kind 2, its name the equation's text, e.g. "H = W / 2").
enum Ktx_VarEqKind : int { kVarEqVariable = 0, kVarEqDimension = 1, kVarEqEquation = 2 };
struct Ktx_VarEq {
    std::string name;
    double value = 0.0;
    int kind = kVarEqVariable;
    bool operator==(const Ktx_VarEq&) const = default;
};

// The design of one module, named like the macro's module it belongs to.
struct Ktx_ModuleDesign {
    std::string module;
    std::vector<Ktx_Constraint> constraints;
    std::vector<Ktx_GeomObject> geometry;
    std::vector<Ktx_VarEq> varsEqs;
    int sortColumn = 0;  // the grid column the constraints were last sorted by (0: none)
};

// A macro with the design of its modules (one design per module of macro.modules).
struct Ktx_MacroDesign {
    Ktx_Macro macro;
    std::vector<Ktx_ModuleDesign> designs;

    // The design of a module of the macro, nullptr when the macro has no such module.
    Ktx_ModuleDesign* designOf(const std::string& moduleName);
};

// The macros of a drawing and the record of what was done to its view.
struct Ktx_ConstrDrawing {
    std::vector<Ktx_MacroDesign> macros;
    std::vector<std::string> log;   // "highlight constraint Plate 2", "zoom Plate" ...
    std::vector<int> highlighted;   // highlighted constraints of the current module
    std::string highlightedObject;  // the highlighted geometry object, empty: none
};

struct EditConstrData {
    Ktx_ConstrDrawing* drawing = nullptr;  // not owned
    int macro = 0;                         // index into drawing->macros
    Ktx_String currentModule;

    // The macro under edit; nullptr without a drawing or with a bad index.
    Ktx_MacroDesign* design() const;
    // The current module's design; nullptr when there is none.
    Ktx_ModuleDesign* current() const;
    // The current module's constraint at index, nullptr for a bad index.
    Ktx_Constraint* constraint(int index) const;
};

// The texts of a constraint's four grid columns: kind, first object, second object, and the
// value (the variable's name while one drives it, else the dimension, else empty).
Ktx_StringArray ConstraintRowTexts(const Ktx_Constraint& constraint);
// The number of objects a constraint kind joins (1 or 2); 0 for an unknown kind.
int constraintKindArity(const std::string& kind);
// True for the kinds with a dimension (Distance, Angle, Radius).
bool constraintKindHasValue(const std::string& kind);
// The kinds of constraint commands 0 to 10, in command order.
const std::vector<std::string>& constraintKinds();
// Gives every constraint of the module that a variable or dimension value of its table drives
// that value (letter case of the names ignored).
void applyVariables(Ktx_ModuleDesign& design);
// The row of the module's table that holds the variable or dimension value `name`, nullptr
// when there is none (equations are not looked at).
const Ktx_VarEq* findVariable(const Ktx_ModuleDesign& design, const std::string& name);
