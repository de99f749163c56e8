#include "image_list_ctrl.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "bitmap_file.h"
#include "cdialog.h"
#include "dialog_template.h"
#include "gdi_objects.h"
#include "path_translation.h"
#include "win_driver.h"

namespace {

namespace fs = std::filesystem;

constexpr UINT kThumbDialog = 30502;
constexpr int kThumbs = 9091;

const DialogTemplateRegistration kTemplate(
    {kThumbDialog,
     "Pictures",
     kDialogStyle,
     0,
     0,
     200,
     150,
     {{kThumbs, WC_LISTVIEW, WS_BORDER | WS_TABSTOP, 0, "", 4, 4, 190, 120},
      {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON, 0, "OK", 90, 130, 50, 14},
      {IDCANCEL, WC_BUTTON, 0, 0, "Cancel", 145, 130, 50, 14}}});

void writePicture(const fs::path& file, int width, int height, COLORREF colour) {
    BitmapImage image(width, height, false);
    image.fill(colour);
    std::ofstream(file, std::ios::binary) << encodeBmp(image);
}

class ThumbnailDialog : public CDialog {
  public:
    ThumbnailDialog(Ktx_StringArray files, Ktx_StringArray labels)
        : CDialog(kThumbDialog), files_(std::move(files)), labels_(std::move(labels)) {
        onNotify(kThumbs, NM_DBLCLK, [this](NMHDR*, LRESULT*) { OnOK(); });
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        thumbs.SubclassDlgItem(kThumbs, this);
        thumbs.Initialize(ImageListData{32, 32});
        thumbs.DrawThumbnails(files_, labels_);
        return TRUE;
    }
    void OnOK() override {
        chosen = thumbs.GetSelectionName();
        if (!chosen.isEmpty()) CDialog::OnOK();
    }
    CImageListCtrl thumbs;
    Ktx_String chosen;

  private:
    Ktx_StringArray files_, labels_;
};

class Thumbnails : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::path(::testing::TempDir()) / ("vn_thumbs_" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        writePicture(folder_ / "Wide.bmp", 40, 20, RGB(200, 0, 0));
        writePicture(folder_ / "Plate.bmp", 10, 10, RGB(0, 150, 0));
        std::ofstream(folder_ / "Plate.dwg") << "macro";
        std::ofstream(folder_ / "Bare.dwg") << "macro";
        files_ = Ktx_StringArray({name("Wide.bmp"), name("Plate.dwg"), name("Bare.dwg")});
    }
    void TearDown() override { fs::remove_all(folder_); }
    Ktx_String name(const char* file) const {
        return windowsPathFromHost((folder_ / file).string());
    }
    static BitmapImage pictureOf(HWND list, int item) {
        auto images =
            reinterpret_cast<HIMAGELIST>(SendMessage(list, LVM_GETIMAGELIST, LVSIL_NORMAL));
        IMAGEINFO info;
        EXPECT_TRUE(ImageList_GetImageInfo(images, item, &info));
        const HBITMAP__* bitmap = gdiBitmap(info.hbmImage);
        return bitmap ? bitmap->image : BitmapImage();
    }
    fs::path folder_;
    Ktx_StringArray files_;
};

TEST_F(Thumbnails, EachFileGetsAFittedCentredPictureAndALabel) {
    winScriptNextDialog(
        kThumbDialog,
        Script()
            .then([](HWND d) {
                HWND list = GetDlgItem(d, kThumbs);
                const WinWindow* w = winWindowData(list);
                ASSERT_EQ(w->state.items.size(), 3u);
                EXPECT_EQ(w->state.items[0].text, "Wide picture");
                EXPECT_EQ(w->state.items[1].text, "Plate");
                EXPECT_EQ(w->state.items[2].text, "Bare");
                EXPECT_TRUE(w->style & LVS_SINGLESEL);
                const BitmapImage wide = pictureOf(list, 0);
                ASSERT_EQ(wide.width(), 32);
                EXPECT_EQ(wide.pixel(16, 16), RGB(200, 0, 0));
                EXPECT_EQ(wide.pixel(16, 2), RGB(255, 255, 255));  // 40 x 20 fits as 32 x 16
                EXPECT_EQ(wide.pixel(0, 9), RGB(200, 0, 0));
                const BitmapImage plate = pictureOf(list, 1);  // the preview beside the drawing
                EXPECT_EQ(plate.pixel(0, 0), RGB(0, 150, 0));
                EXPECT_EQ(plate.pixel(31, 31), RGB(0, 150, 0));
                const BitmapImage bare = pictureOf(list, 2);  // no preview: a framed blank
                EXPECT_EQ(bare.pixel(0, 0), RGB(160, 160, 160));
                EXPECT_EQ(bare.pixel(16, 16), RGB(255, 255, 255));
            })
            .click(IDCANCEL));
    ThumbnailDialog dialog(files_, Ktx_StringArray({"Wide picture", "Plate"}));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(Thumbnails, ADoubleClickChoosesTheFileAndOkWithoutSelectionKeepsTheDialogOpen) {
    winScriptNextDialog(kThumbDialog, Script()
                                          .click(IDOK)
                                          .then([](HWND d) { EXPECT_TRUE(IsWindow(d)); })
                                          .doubleClick(kThumbs, "Plate"));
    ThumbnailDialog dialog(files_, Ktx_StringArray());
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.chosen, files_[1]);
}

TEST_F(Thumbnails, DrawingAgainReplacesTheItemsAndTheSelectionIsChecked) {
    winScriptNextDialog(kThumbDialog,
                        Script()
                            .then([this](HWND d) {
                                auto* dialog = static_cast<ThumbnailDialog*>(CWnd::FromHandle(d));
                                CImageListCtrl& t = dialog->thumbs;
                                EXPECT_TRUE(t.SelectThumbnail(2));
                                EXPECT_EQ(t.GetSelectionName(), files_[2]);
                                EXPECT_FALSE(t.SelectThumbnail(3));
                                EXPECT_TRUE(t.DrawThumbnails(Ktx_StringArray({files_[1]}), Ktx_StringArray()));
                                EXPECT_EQ(t.GetThumbnailCount(), 1);
                                EXPECT_EQ(t.GetItemCount(), 1);
                                EXPECT_EQ(ImageList_GetImageCount(t.GetImageList(LVSIL_NORMAL)), 1);
                                EXPECT_EQ(t.GetSelectionIndex(), -1);
                                EXPECT_TRUE(t.GetSelectionName().isEmpty());
                            })
                            .click(IDCANCEL));
    ThumbnailDialog dialog(files_, Ktx_StringArray());
    dialog.DoModal();
    CImageListCtrl unbound;
    EXPECT_FALSE(unbound.Initialize(ImageListData{}));
    EXPECT_FALSE(unbound.DrawThumbnails(files_, Ktx_StringArray()));
    EXPECT_EQ(unbound.GetSelectionIndex(), -1);
}

}  // namespace
