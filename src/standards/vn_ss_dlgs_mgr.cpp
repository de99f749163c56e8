#include "vn_ss_dlgs_mgr.h"

#include "core_reset.h"
#include "vn_ss_functions_files.h"
#include "vn_standards_dlg.h"

VnSSDlgsMgr gSSDlgsMgr;

namespace {

// Tests start with an empty pool, no cached data files and no kept declarations.
const bool kResetHook = [] {
    coreAddResetHook([] {
        gSSDlgsMgr.destroyAll();
        VnSSFunctionsFiles::clearCache();
        VnStandardsSpread::forgetKeptDeclarations();
    });
    return true;
}();

}  // namespace

VnSSDlgsMgr::~VnSSDlgsMgr() {
    destroyAll();
}

void* VnSSDlgsMgr::getDlg() {
    for (size_t i = 0; i < inUse.size(); ++i) {
        if (inUse[i]) continue;
        if (i < dialogs.size() && dialogs[i]) {
            inUse[i] = true;
            return dialogs[i].get();
        }
        break;
    }
    auto dialog = std::make_shared<VnStandardsDlg>();
    if (!dialog->createHidden()) return nullptr;
    dialogs.push_back(dialog);
    inUse.push_back(true);
    return dialog.get();
}

Acad::ErrorStatus VnSSDlgsMgr::releaseDlg(void* dialog) {
    for (size_t i = 0; i < dialogs.size(); ++i) {
        if (dialogs[i].get() != dialog) continue;
        if (i >= inUse.size()) return Acad::eInvalidInput;
        inUse[i] = false;
        return Acad::eOk;
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus VnSSDlgsMgr::destroyDlg(int index) {
    if (index < 0 || index >= count() || !dialogs[static_cast<size_t>(index)])
        return Acad::eInvalidInput;
    dialogs.erase(dialogs.begin() + index);
    if (static_cast<size_t>(index) < inUse.size()) inUse.erase(inUse.begin() + index);
    return Acad::eOk;
}

void VnSSDlgsMgr::destroyAll() {
    for (int i = count() - 1; i >= 0; --i) destroyDlg(i);
    inUse.clear();
}

bool VnSSDlgsMgr::isInUse(int index) const {
    return index >= 0 && static_cast<size_t>(index) < inUse.size() && inUse[index];
}
