#include "vn_select_image_dlg.h"

#include "bitmap_file.h"
#include "dialog_scope.h"
#include "dlg_size.h"
#include "file_ops.h"
#include "path_translation.h"
#include "ui_languages.h"
#include "win.h"

namespace {

using D = VnSelectImageDlg;

const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "",
     kDialogStyle | WS_THICKFRAME,
     0,
     0,
     300,
     190,
     {
         {D::kThumbnails, WC_LISTVIEW, LVS_ICON | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP, 0, "", 7,
          7, 286, 156},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 188, 169, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 243, 169, 50, 14},
     }});

}  // namespace

ImageListData selectImageThumbSize(const Ktx_StringArray& files) {
    ImageListData size;
    if (files.isEmpty()) return size;
    const auto picture = readBmpFile(hostPath(files[0]));
    if (picture && !picture->empty()) {
        size.thumbWidth = picture->width();
        size.thumbHeight = picture->height();
    }
    return size;
}

Ktx_StringArray selectImageLabels(const Ktx_StringArray& files) {
    Ktx_StringArray labels;
    for (const Ktx_String& file : files) {
        const Ktx_String name = removeExtension(getFileName(file));
        labels.append(gMacroLangs.GetString(name, "", name));
    }
    return labels;
}

VnSelectImageDlg::VnSelectImageDlg(VnSelectImageDlgData& data, CWnd* parent)
    : VnBoundDialog(kResourceId, parent), data_(data) {
    bind({VnBinding::label(IDOK, 1), VnBinding::label(IDCANCEL, 2)});
    onNotify(kThumbnails, NM_DBLCLK, [this](NMHDR*, LRESULT*) { OnOK(); });
}

BOOL VnSelectImageDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    resizer_.Init(this, {{kThumbnails, CResizer::kAll},
                         {IDOK, CResizer::kBottomRight},
                         {IDCANCEL, CResizer::kBottomRight}});
    CSize designed;
    if (getDlgSize(this, designed)) resizer_.SetMinTrackSize(designed);
    SetWindowText(data_.title.c_str());
    thumbnails_.SubclassDlgItem(kThumbnails, this);
    thumbnails_.Initialize(selectImageThumbSize(data_.imageFiles));
    if (!data_.imageFiles.isEmpty())
        thumbnails_.DrawThumbnails(data_.imageFiles, selectImageLabels(data_.imageFiles));
    ChangeDlgSize(this, kSizeName);
    return TRUE;
}

void VnSelectImageDlg::OnOK() {
    data_.selection = thumbnails_.GetSelectionName();
    if (!data_.selection.isEmpty()) CDialog::OnOK();
}

void VnSelectImageDlg::OnDestroy() {
    WriteDlgSize(this, kSizeName);
    CDialog::OnDestroy();
}

void VnSelectImageDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    resizer_.Move();
}

void VnSelectImageDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    resizer_.OnGetMinMaxInfo(info);
}

bool StartDlgSelectImage(VnSelectImageDlgData& data) {
    return runDialogOnCopy<VnSelectImageDlg>(data);
}
