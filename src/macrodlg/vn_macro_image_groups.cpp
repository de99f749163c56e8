// The image page's value transfer of profile groups and arrays.
#include "vn_macro_image_page.h"

namespace {

Ktx_String str(const std::string& s) {
    return Ktx_String(s.c_str());
}

// Every value of an array with its binding id.
template <typename Visit>
void forEachArrayField(MacroArray& a, Visit visit) {
    for (MacroArrayField& f : a.fields) visit(f);
    visit(a.count);
    for (MacroArrayField& f : a.entries) visit(f);
}

}  // namespace

void VnMacroImagePage::writeGroupValues(MacroTabData& t) {
    for (const MacroGroupProps& g : t.groups) {
        if (g.profileNameId > 0) designer_.setCtrlValue(g.profileNameId, str(g.sectionName));
        if (g.offsetId > 0) designer_.setCtrlValue(g.offsetId, str(g.offsetType));
        if (g.rotationId > 0) designer_.setCtrlValue(g.rotationId, str(g.rotation));
    }
    for (MacroArray& a : t.edit.arrays) {
        forEachArrayField(a, [this](MacroArrayField& f) {
            if (f.id > 0) designer_.setCtrlValue(f.id, str(f.value));
        });
    }
}

void VnMacroImagePage::readGroupValues(MacroTabData& t) {
    for (MacroGroupProps& g : t.groups) {
        readValue(g.profileNameId, g.sectionName);
        readValue(g.offsetId, g.offsetType);
        readValue(g.rotationId, g.rotation);
    }
    for (MacroArray& a : t.edit.arrays)
        forEachArrayField(a, [this](MacroArrayField& f) { readValue(f.id, f.value); });
}
