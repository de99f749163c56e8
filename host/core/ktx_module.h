#pragma once
// One part of a macro (a parametric connection): a plate, a bolt group, a profile ... A module
// has a name, a label (the text its dialog tab shows; may be empty), a kind, its constraint
// variables (some of which the macro dialog shows: the dialog variables), its cut constraints,
// and, by kind, bolt patterns (bolt modules) or named member groups (profile modules). Named
// placements give the section and material of the profiles and plates the module places.
//
// The free functions below are the Core library's calls on modules; each returns Acad::eOk on
// success and Acad::eInvalidInput (or Acad::eKeyNotFound for a missing name) on failure, and
// leaves its outputs unchanged on failure.
#include <cstddef>
#include <string>
#include <vector>

#include "acad.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

class AcTransaction;

// Offset types of a cut constraint. The order is fixed: stored files and mapping kinds rely on it.
enum VnCutOffsetType {
    kCutOffset = 0,
    kCutPolyOffset = 1,
    kCutLengthOffset = 2,
    kCutCenterOffset = 3,
    kCutInsideOffset = 4,
    kCutOutsideOffset = 5,
    kCutChamferOffset1 = 6,
    kCutChamferOffset2 = 7,
    kCutRadius = 8,
};
constexpr int kCutOffsetTypeCount = 9;

enum class Ktx_ModuleKind { kOther = 0, kBolt = 1, kProfile = 2 };

// A cut type decides which offsets a cut has (see getCutOffsets).
enum Ktx_CutType {
    kCutTypeStraight = 0,  // offset 0
    kCutTypePoly = 1,      // offset 1
    kCutTypeLength = 2,    // offsets 2, 3
    kCutTypeCope = 3,      // offsets 4, 5, 8
    kCutTypeChamfer = 4,   // offsets 6, 7
    kCutTypeFull = 5,      // offsets 0 to 8
};
constexpr int kCutTypeCount = 6;

struct Ktx_ConstrVar {
    std::string name;
    double value = 0.0;
    bool dialog = true;    // shown in the macro dialog (a dialog variable)
    bool visible = true;   // dialog variables only
    bool settable = true;  // dialog variables only
};

struct Ktx_CutConstraint {
    std::string name;
    int cutType = kCutTypeStraight;
    double offsets[kCutOffsetTypeCount] = {};
};

struct Ktx_BoltPattern {
    std::string name;
    int id = 0;
    bool twoDirectional = false;
    bool reverseStart1 = false;  // the first row starts at the far end
    bool reverseStart2 = false;  // the same for the second direction (two-directional only)
};

// A named profile or plate placement of a module, or a base profile of a macro.
class Ktx_Placement {
  public:
    std::string name;
    std::string sectionName;  // full section name, e.g. "HEA-200", or a plate size text
    std::string material;

    Acad::ErrorStatus getSectionName(Ktx_String& out) const;
    Acad::ErrorStatus getMaterial(Ktx_String& out) const;
};

class Ktx_Module {
  public:
    std::string name;
    std::string label;
    Ktx_ModuleKind kind = Ktx_ModuleKind::kOther;
    std::vector<Ktx_ConstrVar> variables;
    std::vector<Ktx_CutConstraint> cuts;
    std::vector<Ktx_BoltPattern> patterns;  // bolt modules only
    std::vector<Ktx_Placement> placements;
    std::vector<std::string> memberGroups;  // profile modules only

    bool isBoltModule() const { return kind == Ktx_ModuleKind::kBolt; }
    bool isProfileModule() const { return kind == Ktx_ModuleKind::kProfile; }
    Ktx_String getName() const;
    Ktx_String getLabel() const;

    // Names of the dialog variables with their flags (three parallel lists, in module order).
    void getDialogVariables(Ktx_StringArray& names, std::vector<bool>& visible,
                            std::vector<bool>& settable) const;
    // Names and cut types of the cut constraints, in module order.
    void getCutConstraints(Ktx_StringArray& names, AcArray<int>& cutTypes) const;
    // Ids of the bolt patterns (empty for modules of other kinds).
    void getPatternIds(AcArray<int>& ids) const;
    // The pattern with that id, nullptr when none.
    const Ktx_BoltPattern* getPattern(int id) const;
    // Names of the named member groups, in module order.
    void getMemberGroups(Ktx_StringArray& names) const;

    Ktx_ConstrVar* findVariable(const std::string& varName);
    Ktx_CutConstraint* findCut(const std::string& cutName);
    Ktx_BoltPattern* findPatternByName(const std::string& patternName);
    Ktx_Placement* findPlacement(const std::string& placementName);
};

// The offset types a cut type has, in ascending order; false (and empty) for an unknown type.
bool getCutOffsets(int cutType, AcArray<int>& offsetTypes);
// The keyword of a cut type in macro files ("straight", "poly", ...); empty when unknown.
const char* cutTypeKeyword(int cutType);
const char* cutOffsetKeyword(int offsetType);

// The named placement of a module; nullptr when the module has none of that name.
Ktx_Placement* getNamedPrpl(Ktx_Module* module, const Ktx_String& name);
Acad::ErrorStatus getCutConstraint(Ktx_Module* module, const Ktx_String& cutName,
                                   Ktx_CutConstraint*& cut);
// Reads (get) or writes one offset of a cut. Fails when the cut type has no such offset.
Acad::ErrorStatus getSetCutValue(Ktx_Module* module, Ktx_CutConstraint* cut, int offsetType,
                                 double& value, bool get);
// Finds a pattern of a bolt module by name. Fails for other modules and unknown names.
Acad::ErrorStatus findPattern(Ktx_Module* boltModule, const Ktx_String& name,
                              Ktx_BoltPattern*& pattern, AcTransaction* tr);
// Reads or writes the reverse-start setting of one direction of a bolt pattern.
// Reading sets flag true when that direction starts at its NORMAL end (not reversed);
// writing reverses the direction when flag is true and restores the normal start when false.
// So the value text "1" means reversed both ways round: a read gives "1" for a reversed start
// (flag false) and writing "1" passes flag true. firstStart selects direction 1, else 2;
// direction 2 of a one-directional pattern fails.
Acad::ErrorStatus getSetBoltPatternReverses(Ktx_Module* boltModule, Ktx_BoltPattern* pattern,
                                            bool firstStart, bool get, bool& flag,
                                            AcTransaction* tr);
// Reads or writes a constraint variable as number text. Reading gives the value with up to 8
// decimals and no trailing zeros ("12.5", "200"); writing needs a number text (isNumber), an
// empty or other text fails and leaves the variable unchanged.
Acad::ErrorStatus getSetConstrVarValue(Ktx_Module* module, const Ktx_String& name,
                                       Ktx_String& value, bool get);

// Number text helpers shared by the macro model and its file.
std::string macroNumberText(double value);
// The same text written into `out` (kMacroNumberTextRoom bytes at least); gives its length.
constexpr std::size_t kMacroNumberTextRoom = 400;
std::size_t writeMacroNumberText(double value, char* out);
bool macroParseNumber(const std::string& text, double& value);
