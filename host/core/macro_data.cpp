#include "macro_data.h"

namespace {

template <typename Items>
auto findGroup(Items& groups, const char* name) -> decltype(&groups[0]) {
    for (auto& g : groups)
        if (g.groupName == name) return &g;
    return nullptr;
}

}  // namespace

bool MacroTabData::getMergedPropsOfGroup(const Ktx_String& group, MacroProfData& props) const {
    const MacroGroupProps* g = findGroup(groups, group.c_str());
    if (!g) return false;
    props.memberName = Ktx_String(g->memberName.c_str());
    props.sectionName = Ktx_String(g->sectionName.c_str());
    props.material = Ktx_String(g->material.c_str());
    return true;
}

bool MacroTabData::setMergedPropsOfGroup(const Ktx_String& group, const MacroProfData& props) {
    MacroGroupProps* g = findGroup(groups, group.c_str());
    if (!g) return false;
    g->memberName = props.memberName.c_str();
    g->sectionName = props.sectionName.c_str();
    g->material = props.material.c_str();
    return true;
}

bool MacroTabData::getFlexFixBtnStatus(const Ktx_String& varName, bool& fixed,
                                       bool& flexible) const {
    for (const MacroFlexFixButton& b : flexFix) {
        if (b.varName != varName.c_str()) continue;
        fixed = b.fixed;
        flexible = b.flexible;
        return true;
    }
    return false;
}

void MacroTabData::flexFixBtnClicked(const Ktx_String& varName, bool /*redraw*/) {
    for (MacroFlexFixButton& b : flexFix) {
        if (b.varName != varName.c_str()) continue;
        b.fixed = true;
        b.flexible = false;
    }
}

bool MacroData::findTab(const Ktx_String& tabName, int& index) const {
    for (size_t i = 0; i < tabs.size(); ++i) {
        if (tabs[i].name != tabName.c_str()) continue;
        index = static_cast<int>(i);
        return true;
    }
    return false;
}

MacroTabData* MacroData::tabNamed(std::string_view tabName) {
    for (MacroTabData& tab : tabs)
        if (tab.name == tabName) return &tab;
    return nullptr;
}

MacroTabData* MacroData::getTab(int index) {
    if (index < 0 || index >= tabCount()) return nullptr;
    return &tabs[static_cast<size_t>(index)];
}

Acad::ErrorStatus getSetNrBolts(MacroTabData* tab, const Ktx_String& patternName, Ktx_String& value,
                                bool get, bool first) {
    MacroBoltData* bolts = tab ? tab->getBoltData() : nullptr;
    if (!bolts) return Acad::eInvalidInput;
    for (MacroPatternData& p : bolts->patterns) {
        if (p.name != patternName.c_str()) continue;
        std::string& count = first ? p.nrBolts1 : p.nrBolts2;
        if (get)
            value = Ktx_String(count.c_str());
        else
            count = value.c_str();
        return Acad::eOk;
    }
    return Acad::eKeyNotFound;
}
