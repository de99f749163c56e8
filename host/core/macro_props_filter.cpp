#include "macro_props_filter.h"

#include <algorithm>

#include "command_line.h"
#include "file_ops.h"
#include "file_search.h"
#include "ktx_macro.h"
#include "ktx_settings.h"
#include "macro_data.h"
#include "macro_file.h"
#include "ui_languages.h"

namespace {

bool isAbsolutePath(const Ktx_String& name) {
    const std::string& s = name.str();
    return (s.size() > 1 && s[1] == ':') || (!s.empty() && (s[0] == '\\' || s[0] == '/'));
}

// The names of what a module offers to the filter: cuts, patterns, placements, member groups.
std::vector<std::string> moduleProperties(const Ktx_Module& module) {
    std::vector<std::string> names;
    for (const Ktx_CutConstraint& cut : module.cuts) names.push_back(cut.name);
    for (const Ktx_BoltPattern& pattern : module.patterns) names.push_back(pattern.name);
    for (const Ktx_Placement& placement : module.placements) names.push_back(placement.name);
    for (const std::string& group : module.memberGroups) names.push_back(group);
    return names;
}

Ktx_String translated(const std::string& name) {
    return gMacroLangs.GetString(Ktx_String(name), "", Ktx_String(name));
}

}  // namespace

Acad::ErrorStatus Ktx_MacroPropsFilter::initialize(const Ktx_StringArray& names,
                                                   const AcArray<bool>& enabled, int thumbWidth,
                                                   int thumbHeight) {
    drawings_.clear();
    items_.clear();
    thumbWidth_ = thumbWidth > 0 ? std::min(thumbWidth, kMaxThumbSize) : kDefaultThumbSize;
    thumbHeight_ = thumbHeight > 0 ? std::min(thumbHeight, kMaxThumbSize) : kDefaultThumbSize;
    if (names.length() != enabled.length()) return Acad::eInvalidInput;
    for (int i = 0; i < names.length(); ++i) {
        if (enabled[i]) addName(names[i]);
    }
    return Acad::eOk;
}

void Ktx_MacroPropsFilter::addName(const Ktx_String& name) {
    const Ktx_String path = isAbsolutePath(name) ? name : gSettings.libDir + "Macros\\" + name;
    if (ObjectExportFolderExists(path)) {
        Ktx_StringArray files;
        ObjectExportFindFilesRecursive(path, "*.dwg", files);
        for (const Ktx_String& file : files) addDrawing(file);
    } else if (ObjectExportFileExists(path)) {
        addDrawing(path);
    } else {
        acutPrintf("Macro drawing or folder not found: %s\n", path.c_str());
    }
}

void Ktx_MacroPropsFilter::addDrawing(const Ktx_String& file) {
    for (const Drawing& known : drawings_) {
        if (known.file.equal(file, false)) return;
    }
    Drawing drawing{file, {}};
    Ktx_Macro macro;
    MacroData data;
    Ktx_String error;
    if (!readMacroFile(file, macro, data, error)) {
        acutPrintf("%s: %s\n", file.c_str(), error.c_str());
    } else {
        for (const Ktx_Module& module : macro.modules) {
            const std::string tab = module.label.empty() ? module.name : module.label;
            drawing.modules.emplace_back(tab, moduleProperties(module));
            mergeModule(tab, drawing.modules.back().second);
        }
    }
    drawings_.push_back(std::move(drawing));
}

void Ktx_MacroPropsFilter::mergeModule(const std::string& module,
                                       const std::vector<std::string>& properties) {
    ModuleItem* item = findModule(module);
    if (item == nullptr) {
        items_.push_back(ModuleItem{Item{module, true}, {}});
        item = &items_.back();
    }
    for (const std::string& property : properties) {
        const auto known = std::find_if(item->properties.begin(), item->properties.end(),
                                        [&](const Item& p) { return p.name == property; });
        if (known == item->properties.end()) item->properties.push_back(Item{property, true});
    }
}

Ktx_MacroPropsFilter::ModuleItem* Ktx_MacroPropsFilter::findModule(const std::string& name) {
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [&](const ModuleItem& m) { return m.module.name == name; });
    return it == items_.end() ? nullptr : &*it;
}

const Ktx_MacroPropsFilter::ModuleItem* Ktx_MacroPropsFilter::findModule(
    const std::string& name) const {
    return const_cast<Ktx_MacroPropsFilter*>(this)->findModule(name);
}

bool Ktx_MacroPropsFilter::passes(const Drawing& drawing) const {
    for (const auto& [module, properties] : drawing.modules) {
        const ModuleItem* item = findModule(module);
        if (item == nullptr || !item->module.on) return false;
        for (const Item& property : item->properties) {
            if (!property.on &&
                std::find(properties.begin(), properties.end(), property.name) != properties.end())
                return false;
        }
    }
    return true;
}

void Ktx_MacroPropsFilter::getAllDwgFiles(Ktx_StringArray& files) const {
    files.setLogicalLength(0);
    for (const Drawing& drawing : drawings_) files.append(drawing.file);
}

void Ktx_MacroPropsFilter::getFilteredMacros(Ktx_StringArray& files) const {
    files.setLogicalLength(0);
    for (const Drawing& drawing : drawings_) {
        if (passes(drawing)) files.append(drawing.file);
    }
}

void Ktx_MacroPropsFilter::getMergedProperties(Ktx_Array<Ktx_StringArray>& names,
                                               Ktx_Array<Ktx_StringArray>& labels,
                                               Ktx_Array<AcArray<bool>>& states) const {
    names = Ktx_Array<Ktx_StringArray>();
    labels = Ktx_Array<Ktx_StringArray>();
    states = Ktx_Array<AcArray<bool>>();
    for (const ModuleItem& item : items_) {
        Ktx_StringArray rowNames, rowLabels;
        AcArray<bool> rowStates;
        for (size_t i = 0; i <= item.properties.size(); ++i) {
            const Item& entry = i == 0 ? item.module : item.properties[i - 1];
            rowNames.append(Ktx_String(entry.name));
            rowLabels.append(translated(entry.name));
            rowStates.append(entry.on);
        }
        names.append(rowNames);
        labels.append(rowLabels);
        states.append(rowStates);
    }
}

Acad::ErrorStatus Ktx_MacroPropsFilter::setModuleStatus(const Ktx_String& module, bool on) {
    ModuleItem* item = findModule(module.str());
    if (item == nullptr) return Acad::eKeyNotFound;
    item->module.on = on;
    return Acad::eOk;
}

Acad::ErrorStatus Ktx_MacroPropsFilter::setModulePropStatus(const Ktx_String& module,
                                                            const Ktx_String& property, bool on) {
    ModuleItem* item = findModule(module.str());
    if (item == nullptr) return Acad::eKeyNotFound;
    for (Item& entry : item->properties) {
        if (entry.name == property.str()) {
            entry.on = on;
            return Acad::eOk;
        }
    }
    return Acad::eKeyNotFound;
}
