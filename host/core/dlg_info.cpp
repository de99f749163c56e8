#include "dlg_info.h"

#include <string>

#include "win.h"

namespace {

constexpr int kListing = 1000;

const DialogTemplateRegistration kTemplate(
    {kDlgInfoResourceId,
     "",
     kDialogStyle | WS_THICKFRAME,
     0,
     0,
     300,
     200,
     {
         {kListing, WC_EDIT,
          ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_HSCROLL | WS_BORDER |
              WS_TABSTOP,
          0, "", 7, 7, 286, 164},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 243, 179, 50, 14},
     }});

class InfoDialog : public CDialog {
  public:
    explicit InfoDialog(const DlgInfoData& data) : CDialog(kDlgInfoResourceId), data_(data) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (data_.texts.length() > 0) SetWindowText(data_.texts[0].c_str());
        if (data_.texts.length() > 1) SetDlgItemText(IDOK, data_.texts[1].c_str());
        std::string listing;
        for (int i = 0; i < data_.lines.length(); ++i) {
            if (i > 0) listing += "\r\n";
            listing += data_.lines[i].c_str();
        }
        SetDlgItemText(kListing, listing.c_str());
        return TRUE;
    }

  private:
    const DlgInfoData& data_;
};

}  // namespace

bool ExportStartDlgInfo(const DlgInfoData& data) {
    InfoDialog dialog(data);
    return dialog.DoModal() == IDOK;
}
