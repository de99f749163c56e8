#include "macro_tab_edit.h"

#include "core_reset.h"
#include "ktx_macro.h"
#include "macro_data.h"

namespace {

std::vector<std::string>& callLog() {
    static std::vector<std::string> log;
    static const bool registered = [] {
        coreAddResetHook([] {
            callLog().clear();
            clashSetStatus(true);
        });
        return true;
    }();
    (void)registered;
    return log;
}

bool& clashStatus() {
    static bool on = true;
    return on;
}

template <typename Items>
auto findNamed(Items& items, const Ktx_String& name) -> decltype(&items[0]) {
    for (auto& item : items)
        if (item.name == name.c_str()) return &item;
    return nullptr;
}

void record(std::string call) {
    callLog().push_back(std::move(call));
}

}  // namespace

MacroCell* MacroTabData::findCellWithName(const Ktx_String& cellName) {
    return findNamed(edit.cells, cellName);
}

MacroCut* MacroTabData::findCutWithName(const Ktx_String& cutName) {
    return findNamed(edit.cuts, cutName);
}

MacroPatternData* MacroTabData::findPatternWithName(const Ktx_String& patternName) {
    return bolts ? findNamed(bolts->patterns, patternName) : nullptr;
}

MacroGroupProps* MacroTabData::findProfDataWithGroup(const Ktx_String& group) {
    for (MacroGroupProps& g : groups)
        if (g.groupName == group.c_str()) return &g;
    return nullptr;
}

MacroArray* MacroTabData::findArrayWithName(const Ktx_String& arrayName) {
    return findNamed(edit.arrays, arrayName);
}

MacroFlexFixGroup* MacroTabData::findFlexFixGroup(const Ktx_String& groupName) {
    return findNamed(edit.flexGroups, groupName);
}

bool MacroTabData::hasBtnFlexFix(const Ktx_String& varName) const {
    for (const MacroFlexFixButton& b : flexFix)
        if (b.varName == varName.c_str()) return true;
    return false;
}

MacroArrayField* MacroArray::fieldOfControlType(int controlType) {
    switch (controlType) {
        case 18:
            return &fields[0];
        case 19:
            return &fields[1];
        case 20:
            return kind == 1 ? &count : nullptr;
        case 21:
            return &fields[2];
        case 22:
            return &fields[3];
        default:
            return nullptr;
    }
}

MacroArrayField* MacroArray::getEntry(int n) {
    if (n < 1 || n > static_cast<int>(entries.size())) return nullptr;
    return &entries[static_cast<size_t>(n - 1)];
}

void getOffsetTypeStrings(Ktx_StringArray& names) {
    names.removeAll();
    for (const char* n : {"Center", "Top", "Bottom", "Left", "Right"}) names.append(Ktx_String(n));
}

void getRotationStrings(Ktx_StringArray& names) {
    names.removeAll();
    for (const char* n : {"0\xB0", "90\xB0", "180\xB0", "270\xB0"}) names.append(Ktx_String(n));
}

namespace {

// Collects the differences of one tab pair; each helper compares items of equal names.
class DifferenceList {
  public:
    MacroDifferences out;
    void add(MacroDifference::Kind kind, const std::string& name, const std::string& before,
             const std::string& after, const std::string& field = {}) {
        if (before != after) out.push_back({kind, name, after, field});
    }
    void arrays(const MacroTabEdit& before, const MacroTabEdit& after);
    void groups(const MacroTabData& before, const MacroTabData& after);
    void patterns(const MacroTabData& before, const MacroTabData& after);
};

void DifferenceList::arrays(const MacroTabEdit& before, const MacroTabEdit& after) {
    for (const MacroArray& a : after.arrays) {
        for (const MacroArray& b : before.arrays) {
            if (b.name != a.name) continue;
            for (int i = 0; i < 4; ++i)
                add(MacroDifference::kArrayValue, a.name, b.fields[i].value, a.fields[i].value,
                    std::to_string(i + 1));
            add(MacroDifference::kArrayValue, a.name, b.count.value, a.count.value, "count");
            for (size_t i = 0; i < a.entries.size() && i < b.entries.size(); ++i)
                add(MacroDifference::kArrayValue, a.name, b.entries[i].value, a.entries[i].value,
                    "entry" + std::to_string(i + 1));
        }
    }
}

void DifferenceList::groups(const MacroTabData& before, const MacroTabData& after) {
    for (const MacroGroupProps& a : after.groups) {
        for (const MacroGroupProps& b : before.groups) {
            if (b.groupName != a.groupName) continue;
            add(MacroDifference::kProfileName, a.groupName, b.sectionName, a.sectionName);
            add(MacroDifference::kProfileOffset, a.groupName, b.offsetType, a.offsetType);
            add(MacroDifference::kProfileRotation, a.groupName, b.rotation, a.rotation);
        }
    }
}

void DifferenceList::patterns(const MacroTabData& before, const MacroTabData& after) {
    if (!before.bolts || !after.bolts) return;
    for (const MacroPatternData& a : after.bolts->patterns) {
        for (const MacroPatternData& b : before.bolts->patterns) {
            if (b.name != a.name) continue;
            add(MacroDifference::kBoltCount1, a.name, b.nrBolts1, a.nrBolts1);
            add(MacroDifference::kBoltCount2, a.name, b.nrBolts2, a.nrBolts2);
        }
    }
}

}  // namespace

MacroDifferences differences(const MacroTabData& before, const MacroTabData& after) {
    DifferenceList d;
    for (const MacroCell& a : after.edit.cells) {
        for (const MacroCell& b : before.edit.cells)
            if (b.name == a.name) d.add(MacroDifference::kCell, a.name, b.value, a.value);
    }
    for (const MacroCut& a : after.edit.cuts) {
        for (const MacroCut& b : before.edit.cuts)
            if (b.name == a.name && b.value != a.value)
                d.out.push_back({MacroDifference::kCut, a.name, macroNumberText(a.value), {}});
    }
    for (int i = 0; i < 5; ++i)
        d.add(MacroDifference::kBoltField, std::to_string(i + 1), before.edit.boltFields[i],
              after.edit.boltFields[i]);
    d.patterns(before, after);
    d.add(MacroDifference::kBoltAssembly, {}, before.edit.boltAssembly, after.edit.boltAssembly);
    d.add(MacroDifference::kBoltDiameter, {}, before.edit.boltDiameter, after.edit.boltDiameter);
    d.groups(before, after);
    d.arrays(before.edit, after.edit);
    d.add(MacroDifference::kBlock, {}, before.edit.currentBlock, after.edit.currentBlock);
    return d.out;
}

void clashInitDlgStarted(int dlgNumber) {
    record("clashInitDlgStarted " + std::to_string(dlgNumber));
}
void clashResetInfo(int dlgNumber) {
    record("clashResetInfo " + std::to_string(dlgNumber));
}
bool clashGetStatus() {
    return clashStatus();
}
void clashSetStatus(bool on) {
    clashStatus() = on;
    record(on ? "clashSetStatus 1" : "clashSetStatus 0");
}
void clashcheck(MacroData& /*data*/) {
    record("clashcheck");
}
void clashDlgClosed(int dlgNumber) {
    record("clashDlgClosed " + std::to_string(dlgNumber));
}
void swapBlockRefs(MacroData& /*data*/, const Ktx_String& blockPath) {
    record(std::string("swapBlockRefs ") + blockPath.c_str());
}

const std::vector<std::string>& macroCoreCallLog() {
    return callLog();
}
void clearMacroCoreCallLog() {
    callLog().clear();
}

std::string MacroData::editKey() const {
    std::string key = "EDITVARS_";
    const auto& macros = edit.macros;
    if (macros.size() <= 1) {
        if (!macros.empty() && macros[0]) key += macros[0]->name;
    } else if (!edit.currentGroup.empty()) {
        key += "GROUP_" + edit.currentGroup;
    } else {
        key += std::to_string(macros.size()) + "_MACROS";
    }
    return key;
}

void MacroData::UpdateAllFilterModified(int first) {
    record("UpdateAllFilterModified " + std::to_string(first) + " " +
           std::to_string(edit.filterSel1) + " " + std::to_string(edit.filterSel2));
}

void MacroData::changeView(const Ktx_String& tabName, int view) {
    record(std::string("changeView ") + tabName.c_str() + " " + std::to_string(view));
}
