#pragma once
// The image selection dialog: the user picks one picture out of a set of picture files shown
// as thumbnails. The thumbnails take the size of the first picture; each label is the file's
// name without folder and extension, translated through the macro language table. OK, or a
// double click on a thumbnail, ends the dialog only with a thumbnail selected (`selection`
// becomes its name); with none it stays open. The dialog's size is kept under
// "DLG_SELECT_IMAGE".
#include "csize.h"
#include "image_list_ctrl.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "resizer.h"
#include "vn_bound_dialog.h"

class VnSelectImageDlgData {
  public:
    VnSelectImageDlgData() = default;
    VnSelectImageDlgData(const VnSelectImageDlgData&) = default;
    VnSelectImageDlgData& operator=(const VnSelectImageDlgData&) = default;
    virtual ~VnSelectImageDlgData() = default;

    Ktx_String title;
    Ktx_StringArray imageFiles;  // full paths, in display order
    Ktx_String selection;        // on return: the chosen picture
};

// The thumbnail size: the first picture's size; the control's default when it cannot be read.
ImageListData selectImageThumbSize(const Ktx_StringArray& files);
// The labels of the files: name without folder and extension, translated.
Ktx_StringArray selectImageLabels(const Ktx_StringArray& files);

class VnSelectImageDlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 8215;
    static constexpr const char* kSizeName = "DLG_SELECT_IMAGE";
    enum ControlId : int { kThumbnails = 1000 };

    explicit VnSelectImageDlg(VnSelectImageDlgData& data, CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

  private:
    VnSelectImageDlgData& data_;
    CImageListCtrl thumbnails_;
    CResizer resizer_;
};

bool StartDlgSelectImage(VnSelectImageDlgData& data);
