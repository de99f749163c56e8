#pragma once
// What kind of macro property an object map points at, with the keyword used in mapping texts
// and the value type a spreadsheet variable must have to be mapped to it. Also the visibility
// codes of mapped dialog variables and their display texts.
#include "ktx_string.h"
#include "vn_value_type.h"

enum VnMapKind : int32_t {
    VnMapNone = 0,
    VnMapDistance = 1,
    VnMapGenVar = 2,
    VnMapCutOffset = 3,
    VnMapCutPolyOffset = 4,
    VnMapCutLengthOffset = 5,
    VnMapCutCenterOffset = 6,
    VnMapCutInsideOffset = 7,
    VnMapCutOutsideOffset = 8,
    VnMapCutChamferOffset1 = 9,
    VnMapCutChamferOffset2 = 10,
    VnMapCutRadius = 11,
    VnMapPrPlName = 12,
    VnMapPrPlMaterial = 13,
    VnMapOwnedMemberName = 14,
    VnMapMemberSectionSize = 15,
    VnMapPatternNrBolts1 = 16,
    VnMapPatternNrBolts2 = 17,
    VnMapPatternReverseStart1 = 18,
    VnMapPatternReverseStart2 = 19,
    VnMapBoltsDiameter = 20,
    VnMapBoltsHoleOffset = 21,
};
constexpr int kVnMapKindCount = 22;

// The keyword of a kind ("Distance" ...); nullptr for kind 0 and values out of range.
const char* mapKindKeyword(int kind);
// The value type of a kind; false for kind 0 and values out of range.
bool mapKindValueType(int kind, VnValueType& type);
// Recognises the keyword at the start of text (after stripping leading blanks), testing the
// kinds in the order 1-11, 16-19, 12-15, 20, 21; false when no keyword starts the text.
bool parseMapKindKeyword(const Ktx_String& text, VnMapKind& kind);

// Cut kinds 3..11 and cut offset types 0..8, one to one; false outside these ranges.
bool mapKindToCutOffsetType(int kind, int& offsetType);
bool cutOffsetTypeToMapKind(int offsetType, VnMapKind& kind);

// Visibility codes: 0 visible and settable, 1 visible only, 2 settable only, 3 neither.
// The display text of a code; empty for codes outside 0..3.
Ktx_String visibilityText(int code);
// The form in which a list of codes shows a code: "------ " + text + " ------".
Ktx_String visibilityListText(int code);
// The code of dialog-variable flags.
int visibilityCode(bool visible, bool settable);
