#include "vn_bill_grid_holder.h"

namespace {

const DialogTemplateRegistration kTemplate(DialogTemplate(
    VnBillGridHolder::kResourceId, "Bill", kDialogStyle, 0, 0, 420, 260,
    {DialogControl(VnBillGridHolder::kGridPlaceholder, "STATIC", WS_BORDER, 0, "", 7, 7, 406, 226),
     DialogControl(IDOK, "BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 308, 239, 50, 14),
     DialogControl(IDCANCEL, "BUTTON", WS_TABSTOP, 0, "Cancel", 363, 239, 50, 14)}));

}  // namespace

// The window itself: the grid made over the placeholder; OK and Cancel close it.
class VnBillGridHolder::Dialog : public CDialog {
  public:
    Dialog() : CDialog(kResourceId, nullptr) {}
    ~Dialog() override {
        if (GetSafeHwnd()) DestroyWindow();
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        spread.create(this, kGridPlaceholder, false);
        spread.setDefaultLook(0);
        return TRUE;
    }
    void OnOK() override { DestroyWindow(); }
    void OnCancel() override { DestroyWindow(); }

    Ktx_Spread spread;
};

VnBillGridHolder::VnBillGridHolder() = default;
VnBillGridHolder::~VnBillGridHolder() = default;

bool VnBillGridHolder::open() {
    if (window()) return true;
    dialog_ = std::make_unique<Dialog>();
    HWND main = adsw_acadMainWnd();
    if (!dialog_->Create(kResourceId, CWnd::FromHandle(main))) {
        dialog_.reset();
        return false;
    }
    dialog_->ShowWindow(SW_SHOW);
    SetFocus(main);
    return true;
}

Ktx_Spread* VnBillGridHolder::getSSPointer() {
    return window() && dialog_->spread.isCreated() ? &dialog_->spread : nullptr;
}

HWND VnBillGridHolder::window() const {
    return dialog_ ? dialog_->GetSafeHwnd() : nullptr;
}
