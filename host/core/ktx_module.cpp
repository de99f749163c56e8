#include "ktx_module.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "formula_value_text.h"

namespace {

// Offsets of each cut type, indexed by Ktx_CutType.
const std::vector<int>& offsetsOfCutType(int cutType) {
    static const std::vector<int> kOffsets[kCutTypeCount] = {
        {kCutOffset},
        {kCutPolyOffset},
        {kCutLengthOffset, kCutCenterOffset},
        {kCutInsideOffset, kCutOutsideOffset, kCutRadius},
        {kCutChamferOffset1, kCutChamferOffset2},
        {0, 1, 2, 3, 4, 5, 6, 7, 8},
    };
    static const std::vector<int> kNone;
    return cutType >= 0 && cutType < kCutTypeCount ? kOffsets[cutType] : kNone;
}

bool cutTypeHasOffset(int cutType, int offsetType) {
    for (int o : offsetsOfCutType(cutType))
        if (o == offsetType) return true;
    return false;
}

template <typename T>
T* findByName(std::vector<T>& items, const std::string& name) {
    for (T& item : items)
        if (item.name == name) return &item;
    return nullptr;
}

}  // namespace

Acad::ErrorStatus Ktx_Placement::getSectionName(Ktx_String& out) const {
    out = Ktx_String(sectionName.c_str());
    return Acad::eOk;
}

Acad::ErrorStatus Ktx_Placement::getMaterial(Ktx_String& out) const {
    out = Ktx_String(material.c_str());
    return Acad::eOk;
}

Ktx_String Ktx_Module::getName() const {
    return Ktx_String(name.c_str());
}
Ktx_String Ktx_Module::getLabel() const {
    return Ktx_String(label.c_str());
}

void Ktx_Module::getDialogVariables(Ktx_StringArray& names, std::vector<bool>& visible,
                                    std::vector<bool>& settable) const {
    names.setLogicalLength(0);
    visible.clear();
    settable.clear();
    for (const Ktx_ConstrVar& v : variables) {
        if (!v.dialog) continue;
        names.append(Ktx_String(v.name.c_str()));
        visible.push_back(v.visible);
        settable.push_back(v.settable);
    }
}

void Ktx_Module::getCutConstraints(Ktx_StringArray& names, AcArray<int>& cutTypes) const {
    names.setLogicalLength(0);
    cutTypes.removeAll();
    for (const Ktx_CutConstraint& c : cuts) {
        names.append(Ktx_String(c.name.c_str()));
        cutTypes.append(c.cutType);
    }
}

void Ktx_Module::getPatternIds(AcArray<int>& ids) const {
    ids.removeAll();
    if (!isBoltModule()) return;
    for (const Ktx_BoltPattern& p : patterns) ids.append(p.id);
}

const Ktx_BoltPattern* Ktx_Module::getPattern(int id) const {
    for (const Ktx_BoltPattern& p : patterns)
        if (p.id == id) return &p;
    return nullptr;
}

void Ktx_Module::getMemberGroups(Ktx_StringArray& names) const {
    names.setLogicalLength(0);
    for (const std::string& g : memberGroups) names.append(Ktx_String(g.c_str()));
}

Ktx_ConstrVar* Ktx_Module::findVariable(const std::string& n) {
    return findByName(variables, n);
}
Ktx_CutConstraint* Ktx_Module::findCut(const std::string& n) {
    return findByName(cuts, n);
}
Ktx_BoltPattern* Ktx_Module::findPatternByName(const std::string& n) {
    return findByName(patterns, n);
}
Ktx_Placement* Ktx_Module::findPlacement(const std::string& n) {
    return findByName(placements, n);
}

bool getCutOffsets(int cutType, AcArray<int>& offsetTypes) {
    offsetTypes.removeAll();
    for (int o : offsetsOfCutType(cutType)) offsetTypes.append(o);
    return offsetTypes.length() > 0;
}

const char* cutTypeKeyword(int cutType) {
    static const char* const kWords[kCutTypeCount] = {"straight", "poly",    "length",
                                                      "cope",     "chamfer", "full"};
    return cutType >= 0 && cutType < kCutTypeCount ? kWords[cutType] : "";
}

const char* cutOffsetKeyword(int offsetType) {
    static const char* const kWords[kCutOffsetTypeCount] = {"Cut",       "CutPoly",   "CutLength",
                                                            "CutCenter", "CutInside", "CutOutside",
                                                            "Chamfer1",  "Chamfer2",  "CutRadius"};
    return offsetType >= 0 && offsetType < kCutOffsetTypeCount ? kWords[offsetType] : "";
}

Ktx_Placement* getNamedPrpl(Ktx_Module* module, const Ktx_String& name) {
    return module ? module->findPlacement(name.str()) : nullptr;
}

Acad::ErrorStatus getCutConstraint(Ktx_Module* module, const Ktx_String& cutName,
                                   Ktx_CutConstraint*& cut) {
    Ktx_CutConstraint* found = module ? module->findCut(cutName.str()) : nullptr;
    if (!found) return Acad::eKeyNotFound;
    cut = found;
    return Acad::eOk;
}

Acad::ErrorStatus getSetCutValue(Ktx_Module* module, Ktx_CutConstraint* cut, int offsetType,
                                 double& value, bool get) {
    if (!module || !cut || !cutTypeHasOffset(cut->cutType, offsetType)) return Acad::eInvalidInput;
    if (get)
        value = cut->offsets[offsetType];
    else
        cut->offsets[offsetType] = value;
    return Acad::eOk;
}

Acad::ErrorStatus findPattern(Ktx_Module* boltModule, const Ktx_String& name,
                              Ktx_BoltPattern*& pattern, AcTransaction* /*tr*/) {
    if (!boltModule || !boltModule->isBoltModule()) return Acad::eInvalidInput;
    Ktx_BoltPattern* found = boltModule->findPatternByName(name.str());
    if (!found) return Acad::eKeyNotFound;
    pattern = found;
    return Acad::eOk;
}

Acad::ErrorStatus getSetBoltPatternReverses(Ktx_Module* boltModule, Ktx_BoltPattern* pattern,
                                            bool firstStart, bool get, bool& flag,
                                            AcTransaction* /*tr*/) {
    if (!boltModule || !boltModule->isBoltModule() || !pattern) return Acad::eInvalidInput;
    if (!firstStart && !pattern->twoDirectional) return Acad::eInvalidInput;
    bool& reversed = firstStart ? pattern->reverseStart1 : pattern->reverseStart2;
    if (get)
        flag = !reversed;
    else
        reversed = flag;
    return Acad::eOk;
}

Acad::ErrorStatus getSetConstrVarValue(Ktx_Module* module, const Ktx_String& name,
                                       Ktx_String& value, bool get) {
    Ktx_ConstrVar* var = module ? module->findVariable(name.str()) : nullptr;
    if (!var) return Acad::eKeyNotFound;
    if (get) {
        char text[kMacroNumberTextRoom];
        const std::size_t length = writeMacroNumberText(var->value, text);
        value.clear();  // the text goes straight into the room the value has
        value.appendView(std::string_view(text, length));
        return Acad::eOk;
    }
    double number = 0.0;
    if (!macroParseNumber(value.str(), number)) return Acad::eInvalidInput;
    var->value = number;
    return Acad::eOk;
}

std::string macroNumberText(double value) {
    char text[kMacroNumberTextRoom];
    return std::string(text, writeMacroNumberText(value, text));
}

// Eight decimals, trailing zeros dropped. The room holds every finite double written in full
// (the largest has 309 integer digits), so a large value is never cut short.
std::size_t writeMacroNumberText(double value, char* out) {
    // A whole number below 1e15 is written exactly as an integer: the same digits, taken
    // without the fixed-point conversion (most macro values are whole millimetres).
    std::size_t length = 0;
    if (writeSmallWholeNumber(value, out, length)) return length;
    if (std::isfinite(value)) {  // the same digits as "%.8f", without the stdio machinery
        length = static_cast<std::size_t>(
            std::to_chars(out, out + kMacroNumberTextRoom, value, std::chars_format::fixed, 8).ptr -
            out);
    } else {
        const int written = std::snprintf(out, kMacroNumberTextRoom, "%.8f", value);
        length =
            written < 0 ? 0 : std::min(static_cast<std::size_t>(written), kMacroNumberTextRoom - 1);
    }
    const std::string_view text(out, length);
    const std::size_t dot = text.find('.');
    if (dot != std::string_view::npos) {
        const std::size_t end = text.find_last_not_of('0');
        length = end == dot ? dot : end + 1;
    }
    if (std::string_view(out, length) == "-0") {
        out[0] = '0';
        length = 1;
    }
    return length;
}

namespace {

// A plain decimal number between blanks ("12", " -3.25 ", "212.0000000") read exactly, as
// strtod reads it (readShortDecimal). False for any other text.
bool parsePlainDecimal(std::string_view text, double& value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return readShortSignedDecimal(text, value);
}

}  // namespace

bool macroParseNumber(const std::string& text, double& value) {
    if (parsePlainDecimal(text, value)) return true;
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    if (text.find_first_not_of("+-.0123456789eE ", first) != std::string::npos) return false;
    const char* start = text.c_str() + first;
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(start, &end);
    if (end == start || errno == ERANGE || !std::isfinite(v)) return false;
    while (*end == ' ') ++end;
    if (*end != '\0') return false;
    value = v;
    return true;
}
