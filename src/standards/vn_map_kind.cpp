#include "vn_map_kind.h"

#include "string_helpers.h"

namespace {

struct KindInfo {
    const char* keyword;
    VnValueType type;
};

const KindInfo kKinds[kVnMapKindCount] = {
    {nullptr, VnValueString},
    {"Distance", VnValueDouble},
    {"GenVar", VnValueDouble},
    {"CutOffset", VnValueDouble},
    {"CutPolyOffset", VnValueDouble},
    {"CutLengthOffset", VnValueDouble},
    {"CutCenterOffset", VnValueDouble},
    {"CutInsideOffset", VnValueDouble},
    {"CutOutsideOffset", VnValueDouble},
    {"CutChamferOffset1", VnValueDouble},
    {"CutChamferOffset2", VnValueDouble},
    {"CutRadius", VnValueDouble},
    {"PrPlName", VnValueString},
    {"PrPlMaterial", VnValueString},
    {"OwnedMemberName", VnValueString},
    {"MemberSectionSize", VnValueDouble},
    {"PatternNrBolts1", VnValueString},
    {"PatternNrBolts2", VnValueString},
    {"PatternReverseStart1", VnValueInt},
    {"PatternReverseStart2", VnValueInt},
    {"BoltsDiameter", VnValueDouble},
    {"BoltsHoleOffset", VnValueDouble},
};

// The order in which keywords are tried, so that no keyword is taken for a longer one.
const int kParseOrder[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                           16, 17, 18, 19, 12, 13, 14, 15, 20, 21};

const char* const kVisibilityTexts[4] = {
    "Zichtbaar en instelbaar",
    "Zichtbaar niet instelbaar",
    "Onzichtbaar en instelbaar",
    "Onzichtbaar niet instelbaar",
};

}  // namespace

const char* mapKindKeyword(int kind) {
    if (kind <= 0 || kind >= kVnMapKindCount) return nullptr;
    return kKinds[kind].keyword;
}

bool mapKindValueType(int kind, VnValueType& type) {
    if (kind <= 0 || kind >= kVnMapKindCount) return false;
    type = kKinds[kind].type;
    return true;
}

bool parseMapKindKeyword(const Ktx_String& text, VnMapKind& kind) {
    Ktx_String stripped = text;
    stripSymbols(stripped, ' ', true, true);
    for (int k : kParseOrder) {
        if (!stripped.startsWith(kKinds[k].keyword, true)) continue;
        kind = static_cast<VnMapKind>(k);
        return true;
    }
    return false;
}

bool mapKindToCutOffsetType(int kind, int& offsetType) {
    if (kind < VnMapCutOffset || kind > VnMapCutRadius) return false;
    offsetType = kind - VnMapCutOffset;
    return true;
}

bool cutOffsetTypeToMapKind(int offsetType, VnMapKind& kind) {
    if (offsetType < 0 || offsetType > 8) return false;
    kind = static_cast<VnMapKind>(offsetType + VnMapCutOffset);
    return true;
}

Ktx_String visibilityText(int code) {
    return code >= 0 && code < 4 ? Ktx_String(kVisibilityTexts[code]) : Ktx_String();
}

Ktx_String visibilityListText(int code) {
    return "------ " + visibilityText(code) + " ------";
}

int visibilityCode(bool visible, bool settable) {
    if (visible) return settable ? 0 : 1;
    return settable ? 2 : 3;
}
