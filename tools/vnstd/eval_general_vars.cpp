#include "eval_general_vars.h"

#include <optional>

#include "eval_kept_files.h"
#include "ktx_module.h"
#include "vn_ss_dlgs_mgr.h"
#include "vn_standards_dlg.h"

namespace {

const std::string kGenPrefix = "gen_";

bool declares(const Ktx_StringArray& declared, const std::string& name) {
    for (int i = 0; i < declared.length(); ++i)
        if (declared[i].equal(Ktx_String(name), false)) return true;
    return false;
}

// Sets name to value: the first entry of that name (letter case folded) or a new one.
void setVariable(GeneralVariableList& list, const std::string& name, const std::string& value) {
    for (auto& [n, v] : list) {
        if (!Ktx_String(n).equal(Ktx_String(name), false)) continue;
        v = value;
        return;
    }
    list.emplace_back(name, value);
}

std::string bareName(const std::string& name) {
    if (name.size() <= kGenPrefix.size() || name.compare(0, kGenPrefix.size(), kGenPrefix) != 0)
        return std::string();
    return name.substr(kGenPrefix.size());
}

}  // namespace

GeneralVariableList evalGeneralVariables(const Ktx_Macro& macro,
                                         const std::function<Ktx_StringArray()>& declared,
                                         const GeneralVariableList& given) {
    GeneralVariableList list;
    std::vector<std::string> bareNames;
    std::optional<Ktx_StringArray> names;
    for (const Ktx_GeneralVariable& g : macro.generalVariables) {
        setVariable(list, g.name, macroNumberText(g.value));
        const std::string bare = bareName(g.name);
        if (bare.empty()) continue;
        if (!names) names = declared();
        if (declares(*names, bare)) continue;
        setVariable(list, bare, macroNumberText(g.value));
        bareNames.push_back(bare);
    }
    for (const auto& [name, value] : given) {
        setVariable(list, name, value);
        const std::string bare = bareName(name);
        for (const std::string& b : bareNames)
            if (b == bare) setVariable(list, bare, value);
    }
    return list;
}

Ktx_StringArray declaredVariableNames(const Ktx_String& standardPath) {
    static VnKeptByStamp<Ktx_StringArray> kept;
    return *keptFromFile(kept, VnStandardsSpread::standardFilePath(standardPath), [&] {
        Ktx_StringArray names;
        auto* host = static_cast<VnStandardsDlg*>(gSSDlgsMgr.getDlg());
        if (host == nullptr) return names;
        if (host->spread.loadStandard(standardPath) == Acad::eOk) {
            host->spread.findVarCells();
            host->spread.getVarNames(names);
        }
        gSSDlgsMgr.releaseDlg(host);
        return names;
    });
}
