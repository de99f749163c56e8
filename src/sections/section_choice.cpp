#include "section_choice.h"

#include "acad.h"
#include "dial_string.h"
#include "dlg_controls.h"
#include "dlg_select_prof.h"
#include "file_ops.h"
#include "ktx_prof_values_table.h"
#include "ktx_settings.h"
#include "section_table_manager.h"
#include "string_helpers.h"
#include "win.h"

namespace {
constexpr int kTextOtherSection = 695;
const char kUserSections[] = "User Sections\\";
}  // namespace

Ktx_String sectionDisplayName(const Ktx_String& fullName) {
    Ktx_String userName;
    if (gSectionTables.getUserName(fullName, userName) != Acad::eOk) return fullName;
    return userName;
}

Ktx_StringArray sectionTableSizes(const Ktx_String& fullName, Ktx_StringArray& displayNames) {
    Ktx_StringArray fullNames;
    displayNames.removeAll();
    Ktx_ProfValuesTable table;
    if (table.readFromFile(getSubstrBefore(fullName, "-", false))) {
        table.getFilteredSysNames(fullNames);
    }
    for (const Ktx_String& name : fullNames) displayNames.append(sectionDisplayName(name));
    displayNames.append(dialString(kTextOtherSection));
    return fullNames;
}

void fillSectionCombo(CWnd* dialog, int comboId, Ktx_StringArray& fullNames,
                      const Ktx_String& current) {
    Ktx_StringArray displayNames;
    Ktx_String selected;
    if (current.startsWith(kUserSections, false)) {
        fullNames = Ktx_StringArray{current};
        selected = removeExtension(current.getSubStringAt(sizeof kUserSections - 1));
        displayNames = Ktx_StringArray{selected, dialString(kTextOtherSection)};
    } else {
        fullNames = sectionTableSizes(current, displayNames);
        selected = sectionDisplayName(current);
    }
    FillCombo(dialog, comboId, displayNames, selected);
}

bool chooseSection(Ktx_String& name, bool cancelFirst) {
    if (cancelFirst) acedPostCommand("CANCELCMD");
    DlgSelectProfData data;
    data.setInitialUnknownName(name);
    DlgSelectProf dialog(data);
    if (dialog.DoModal() != IDOK) return false;
    Ktx_String chosen = data.profName;
    if (!gSettings.libDir.isEmpty() && chosen.startsWith(gSettings.libDir, false)) {
        chosen = chosen.getSubStringAt(gSettings.libDir.length());
    }
    name = chosen;
    return true;
}

bool chooseSectionForCombo(CWnd* dialog, int comboId, Ktx_StringArray& fullNames, Ktx_String& name,
                           bool cancelFirst) {
    Ktx_String chosen;
    if (!chooseSection(chosen, cancelFirst)) return false;
    name = chosen;
    fillSectionCombo(dialog, comboId, fullNames, name);
    return true;
}
