// Binding template controls of profile groups (types 13 to 17) and arrays (18 to 24).
#include "core.h"
#include "vn_macro_binding.h"

namespace {

constexpr int kTextAdvanced = 968;

Ktx_String str(const std::string& s) {
    return Ktx_String(s.c_str());
}

void setItems(Ktx_DesignerControl& c, const Ktx_StringArray& items) {
    c.comboItems = items;
}

}  // namespace

bool bindMacroProfileControl(Ktx_DesignerControl& c, MacroTabData& tab, double widthPixels,
                             const Ktx_String& buttonCaption) {
    MacroGroupProps* g = tab.findProfDataWithGroup(c.contents);
    if (!g) return false;
    Ktx_StringArray items;
    switch (static_cast<int>(c.type)) {
        case kCtrlProfileName:
            for (const std::string& s : g->sectionNames) items.append(str(s));
            setItems(c, items);
            c.contents = str(g->sectionName);
            g->profileNameId = c.resourceId;
            break;
        case kCtrlProfileButton:
            c.contents = buttonCaption;
            g->buttonId = c.resourceId;
            break;
        case kCtrlProfileOffset:
            getOffsetTypeStrings(items);
            setItems(c, items);
            c.contents = str(g->offsetType);
            g->offsetId = c.resourceId;
            break;
        case kCtrlProfileRotation:
            getRotationStrings(items);
            items.append(macroMixedValueText());
            setItems(c, items);
            c.contents = str(g->rotation);
            g->rotationId = c.resourceId;
            break;
        default:  // kCtrlProfileAdvanced
            c.contents = fitCaptionToWidth(dialString(kTextAdvanced), widthPixels);
            g->advancedId = c.resourceId;
            break;
    }
    return true;
}

bool bindMacroArrayControl(Ktx_DesignerControl& c, MacroTabData& tab, double widthPixels) {
    MacroArray* a = tab.findArrayWithName(c.contents);
    if (!a) return false;
    const int type = c.type;
    MacroArrayField* field = nullptr;
    if (type == kCtrlArrayButton) {
        c.contents = fitCaptionToWidth(dialString(kTextAdvanced), widthPixels);
        a->buttonId = c.resourceId;
        return true;
    }
    if (type == kCtrlArrayEntry)
        field = a->kind != 1 ? a->getEntry(c.comboList.toInt()) : nullptr;
    else
        field = a->fieldOfControlType(type);
    if (!field) return false;
    c.contents = str(field->value);
    field->id = c.resourceId;
    return true;
}
