#include "vn_macro_pass.h"

#include "macro_var_path.h"

void VnMacroPass::restart() {
    slot = -1;
    macro_ = nullptr;
    data_ = nullptr;
    entries_.clear();
    targets_.clear();
}

void VnMacroPass::startOver(VnMacroShape shape) {
    if (shape == VnMacroShape::MayHaveChanged) {
        restart();
        return;
    }
    slot = -1;  // a new macro or macro data still starts the memory anew (find)
}

Acad::ErrorStatus VnMacroPass::find(Ktx_Macro* macro, MacroData* data, const Ktx_String& group,
                                    std::span<const Target>& targets) {
    if (macro != macro_ || data != data_ || entries_.empty()) {
        entries_.clear();
        targets_.clear();
        entries_.reserve(8);  // a mapping names a few groups: one block for the pass
        targets_.reserve(8);
        macro_ = macro;
        data_ = data;
    }
    const std::string_view name(group.c_str());
    const Entry* entry = nullptr;
    for (const Entry& e : entries_) {
        if (e.group != name) continue;
        entry = &e;
        break;
    }
    if (!entry) {
        Entry e{std::string(name), Acad::eOk, targets_.size(), 0};
        e.status = forEachModuleOfGroup(macro, name, [&](std::string_view moduleName) {
            Ktx_Module* module = macro->findModuleNamed(moduleName);
            MacroTabData* tab = findModuleTab(module, data);
            if (module && tab) targets_.push_back({module, tab});
        });
        e.end = targets_.size();
        entries_.push_back(std::move(e));
        entry = &entries_.back();
    }
    targets = std::span<const Target>(targets_.data() + entry->begin, entry->end - entry->begin);
    return entry->status;
}
