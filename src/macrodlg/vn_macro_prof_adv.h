#pragma once
// The advanced profile dialog: the properties of one profile group (member name, section,
// material) edited in a small modal grid. It reads and writes them through a callback, so
// the same dialog serves the macro dialog (the module's own callback over a MacroData) and
// the Core library (its callback over the selected objects).
#include <functional>

#include "ac_array.h"
#include "ac_db_object_id.h"
#include "ktx_string.h"
#include "macro_data.h"
#include "vn_ma_callback_data.h"

class CWnd;

enum VnMACallBackType : int {
    kMACallBackGetProps = 0,  // fill the properties to show
    kMACallBackSetProps = 1,  // take the properties the user confirmed
};

using VnMACallBack = bool (*)(VnMACallBackType, const VnMACallBackData&, MacroProfData&);

// Runs the dialog: the properties come from callback(kMACallBackGetProps); on OK they go to
// callback(kMACallBackSetProps), whose result goes to `flag`. True when the user pressed OK;
// false on Cancel or when the callback gives no properties.
bool runMacroProfAdvDlg(const VnMACallBackData& record,
                        const std::function<bool(VnMACallBackType, MacroProfData&)>& callback,
                        CWnd* parent, bool& flag);

// On the group `group` of the tab `tabName` of `data`: the dialog's record gets its own copy
// of the data (initDataClass), the module's callback edits the group in it, and on OK the
// copy is assigned back to `data`. True on OK.
bool StartDlgMacroProfAdv(MacroData& data, const Ktx_String& tabName, const Ktx_String& group,
                          bool segmented);
// On the selected objects with the caller's callback; `result` gets the dialog's result flag.
bool StartDlgMacroProfAdv(AcArray<AcDbObjectId>* objects, bool& result, VnMACallBack callback);
