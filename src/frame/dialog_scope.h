#pragma once
// The convention every exported dialog function follows, as one piece:
//
//   bool StartDlgLevels(VnLevelsDlgData& data) {
//       DialogScope<VnLevelsDlgData> scope(data);   // 1. the module's resources current
//       VnLevelsDlg dialog(scope.copy());            // 2. the dialog edits a copy
//       return scope.run(dialog);                    // 3. copied back, true, only on IDOK
//   }
//
// or, when the dialog's constructor takes the copy and nothing else that needs building first,
// `return runDialogOnCopy<VnLevelsDlg>(data);`.
//
// The resource scope calls SetDefaultResource on the module-wide override when the scope
// starts, and RestoreOriginalResource when it ends only if SetDefaultResource returned true.
// The caller's object is untouched unless the dialog ended with IDOK.
#include <utility>

#include "cdialog.h"
#include "module_entry.h"
#include "vn_temp_resource_override.h"

template <typename Data>
class DialogScope {
  public:
    explicit DialogScope(Data& callerData)
        : resources_(vnResourceOverride()), caller_(callerData), copy_(callerData) {}
    DialogScope(const DialogScope&) = delete;
    DialogScope& operator=(const DialogScope&) = delete;

    // The copy the dialog works on.
    Data& copy() { return copy_; }
    // Runs the dialog modally; on IDOK assigns the copy to the caller's object and returns
    // true; otherwise leaves the caller's object as it was and returns false.
    bool run(CDialog& dialog) {
        if (dialog.DoModal() != IDOK) return false;
        caller_ = copy_;
        return true;
    }
    // Runs the dialog modally and only reports whether it ended with IDOK; nothing is
    // assigned back.
    bool runWithoutCopyBack(CDialog& dialog) { return dialog.DoModal() == IDOK; }
    // True when the scope made the module's resources current (and will restore).
    bool changedResources() const { return resources_.changed(); }

  private:
    VnResourceScope resources_;
    Data& caller_;
    Data copy_;
};

// Builds Dialog(copy, extra...) inside a DialogScope and runs it.
template <typename Dialog, typename Data, typename... Extra>
bool runDialogOnCopy(Data& data, Extra&&... extra) {
    DialogScope<Data> scope(data);
    Dialog dialog(scope.copy(), std::forward<Extra>(extra)...);
    return scope.run(dialog);
}
