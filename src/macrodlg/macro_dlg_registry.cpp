#include "macro_dlg_registry.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core.h"
#include "macro_load_standards.h"
#include "modeless_windows.h"
#include "module_entry.h"
#include "vn_macro_dlg.h"

namespace {

constexpr UINT kDeferredEndMs = 50;

struct DeferredEnd {
    UINT_PTR timerId;
    int number;
};

std::vector<DeferredEnd>& deferredEnds() {
    static std::vector<DeferredEnd> list;
    static const bool registered = [] {
        coreAddResetHook([] {
            for (const DeferredEnd& d : deferredEnds()) KillTimer(nullptr, d.timerId);
            deferredEnds().clear();
        });
        return true;
    }();
    (void)registered;
    return list;
}

VnMacroDlg* dialogAt(int number) {
    return dynamic_cast<VnMacroDlg*>(macroDlgAt(number));
}

void deferredEndProc(HWND, UINT, UINT_PTR timerId, DWORD) {
    acutPrintf("Delayed timer called.\n");
    auto& list = deferredEnds();
    auto found = std::find_if(list.begin(), list.end(),
                              [timerId](const DeferredEnd& d) { return d.timerId == timerId; });
    if (found == list.end()) return;
    int number = found->number;
    KillTimer(nullptr, timerId);
    EndDlgMacroModeless(number);
    found = std::find_if(list.begin(), list.end(),
                         [timerId](const DeferredEnd& d) { return d.timerId == timerId; });
    if (found != list.end()) list.erase(found);
}

void shrinkRegistry() {
    while (macroDlgSlotCount() > 0 && !macroDlgAt(macroDlgSlotCount() - 1)) dropLastMacroDlgSlot();
}

bool endNow(int number) {
    VnMacroDlg* dialog = dialogAt(number);
    if (dialog->GetSafeHwnd() && !dialog->DestroyWindow()) return false;
    std::unique_ptr<CDialog> gone = takeMacroDlgAt(number);
    gone.reset();
    if (number == macroDlgSlotCount() - 1) shrinkRegistry();
    acedPostCommandPrompt();
    return true;
}

// The unload ender: no dialog may outlive the module, and no timer may fire into it.
bool endAtUnload(int number) {
    auto& list = deferredEnds();
    for (const DeferredEnd& d : list) KillTimer(nullptr, d.timerId);
    list.clear();
    return dialogAt(number) ? endNow(number) : false;
}

void installEnder() {
    setMacroDlgEnder(endAtUnload);
    installMacroStandardsEvaluator();
}

}  // namespace

bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& dialogNumber) {
    VnResourceScope scope(vnResourceOverride());
    installEnder();
    int number = reserveMacroDlgSlot();
    CWnd* main = CWnd::FromHandle(adsw_acadMainWnd());
    auto dialog = std::make_unique<VnMacroDlg>(data, number, main);
    if (!dialog->Create(VnMacroDlg::kResourceId, nullptr)) return false;
    dialog->ShowWindow(SW_SHOW);
    std::unique_ptr<CDialog> owned = std::move(dialog);
    if (!setMacroDlgAt(number, owned)) return false;
    if (!keepFocus && main) main->SetFocus();
    dialogNumber = number;
    return true;
}

bool GetDlgMacroData(int dialogNumber, MacroData& data) {
    VnMacroDlg* dialog = dialogAt(dialogNumber);
    if (!dialog) return false;
    data = dialog->macroData();
    return true;
}

bool EndDlgMacroModeless(int dialogNumber) {
    VnResourceScope scope(vnResourceOverride());
    VnMacroDlg* dialog = dialogAt(dialogNumber);
    if (!dialog) return false;
    if (dialog->macroData().edit.busy) {
        endDlgMacroModelessLater(dialogNumber);
        return true;
    }
    return endNow(dialogNumber);
}

void endDlgMacroModelessLater(int dialogNumber) {
    UINT_PTR id = SetTimer(nullptr, 0, kDeferredEndMs, deferredEndProc);
    if (id != 0) deferredEnds().push_back({id, dialogNumber});
}

int pendingMacroDlgEndings() {
    return static_cast<int>(deferredEnds().size());
}
