#include "macro_settings_data.h"

Acad::ErrorStatus GetMacroSettings(Ktx_Macro* macro, MacroSettingsData& settings) {
    if (macro == nullptr) return Acad::eNullObjectPointer;
    MacroSettingsData filled;
    for (const Ktx_StandardLink& link : macro->standards) {
        filled.standards.append(Ktx_String(link.name));
        filled.mappingKeys.append(Ktx_String(link.mappingKey));
    }
    for (const Ktx_ModuleGroup& group : macro->groups) filled.moduleGroups.append(Ktx_String(group.name));
    filled.macro = macro;
    settings = std::move(filled);
    return Acad::eOk;
}

Acad::ErrorStatus SetMacroSettings(Ktx_Macro* macro, const MacroSettingsData& settings) {
    if (macro == nullptr) return Acad::eNullObjectPointer;
    if (settings.standards.length() != settings.mappingKeys.length()) return Acad::eInvalidInput;
    std::vector<Ktx_StandardLink> links;
    for (int i = 0; i < settings.standards.length(); ++i)
        links.push_back({settings.standards[i].str(), settings.mappingKeys[i].str()});
    macro->standards = std::move(links);
    return Acad::eOk;
}
