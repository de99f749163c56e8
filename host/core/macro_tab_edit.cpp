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

MacroDifferences differences(const MacroTabData& before, const MacroTabData& after) {
    MacroDifferences out;
    for (const MacroCell& a : after.edit.cells) {
        for (const MacroCell& b : before.edit.cells)
            if (b.name == a.name && b.value != a.value)
                out.push_back({MacroDifference::kCell, a.name, a.value});
    }
    for (const MacroCut& a : after.edit.cuts) {
        for (const MacroCut& b : before.edit.cuts)
            if (b.name == a.name && b.value != a.value)
                out.push_back({MacroDifference::kCut, a.name, macroNumberText(a.value)});
    }
    for (int i = 0; i < 5; ++i) {
        if (before.edit.boltFields[i] != after.edit.boltFields[i])
            out.push_back(
                {MacroDifference::kBoltField, std::to_string(i + 1), after.edit.boltFields[i]});
    }
    if (before.bolts && after.bolts) {
        for (const MacroPatternData& a : after.bolts->patterns) {
            for (const MacroPatternData& b : before.bolts->patterns) {
                if (b.name != a.name) continue;
                if (b.nrBolts1 != a.nrBolts1)
                    out.push_back({MacroDifference::kBoltCount1, a.name, a.nrBolts1});
                if (b.nrBolts2 != a.nrBolts2)
                    out.push_back({MacroDifference::kBoltCount2, a.name, a.nrBolts2});
            }
        }
    }
    return out;
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
