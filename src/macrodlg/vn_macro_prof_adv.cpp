#include "vn_macro_prof_adv.h"

#include "core.h"
#include "dialog_scope.h"
#include "module_entry.h"
#include "vn_macro_fields_dlg.h"

namespace {

constexpr int kTextProfiles = 969;
constexpr int kTextMember = 1783;
constexpr int kTextSection = 1781;
constexpr int kTextMaterial = 1782;

// The module's own callback: the group of the record's tab in the record's MacroData.
bool ownCallback(VnMACallBackType type, const VnMACallBackData& record, MacroProfData& props) {
    MacroData* data = record.macroData();
    int index = -1;
    if (!data || !data->findTab(record.name, index)) return false;
    MacroTabData* tab = data->getTab(index);
    if (type == kMACallBackGetProps) return tab->getMergedPropsOfGroup(record.name2, props);
    return tab->setMergedPropsOfGroup(record.name2, props);
}

}  // namespace

bool runMacroProfAdvDlg(const VnMACallBackData& record,
                        const std::function<bool(VnMACallBackType, MacroProfData&)>& callback,
                        CWnd* parent, bool& flag) {
    flag = false;
    MacroProfData props;
    if (!callback(kMACallBackGetProps, props)) return false;
    std::string member = props.memberName.c_str();
    std::string section = props.sectionName.c_str();
    std::string material = props.material.c_str();
    const std::string title =
        std::string(dialString(kTextProfiles).c_str()) + " " + record.name2.c_str();
    if (!runMacroFieldsDlg(title,
                           {{dialString(kTextMember).c_str(), &member},
                            {dialString(kTextSection).c_str(), &section},
                            {dialString(kTextMaterial).c_str(), &material}},
                           parent)) {
        return false;
    }
    props.memberName = member.c_str();
    props.sectionName = section.c_str();
    props.material = material.c_str();
    flag = callback(kMACallBackSetProps, props);
    return true;
}

bool StartDlgMacroProfAdv(MacroData& data, const Ktx_String& tabName, const Ktx_String& group,
                          bool segmented) {
    VnResourceScope scope(vnResourceOverride());
    VnMACallBackData record;
    record.name = tabName;
    record.name2 = group;
    record.value1 = segmented ? 1 : 0;
    record.initDataClass(data);
    bool applied = false;
    const bool ok = runMacroProfAdvDlg(
        record,
        [&record](VnMACallBackType type, MacroProfData& props) {
            return ownCallback(type, record, props);
        },
        nullptr, applied);
    if (ok && applied) data = *record.macroData();
    return ok && applied;
}

bool StartDlgMacroProfAdv(AcArray<AcDbObjectId>* objects, bool& result, VnMACallBack callback) {
    VnResourceScope scope(vnResourceOverride());
    VnMACallBackData record;
    if (objects) {
        for (int i = 0; i < objects->length(); ++i)
            record.items.push_back(static_cast<int>((*objects)[i].asOldId()));
    }
    result = false;
    if (!callback) return false;
    return runMacroProfAdvDlg(
        record,
        [&record, callback](VnMACallBackType type, MacroProfData& props) {
            return callback(type, record, props);
        },
        nullptr, result);
}
