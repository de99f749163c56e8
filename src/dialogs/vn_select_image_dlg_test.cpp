#include "vn_select_image_dlg.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "bitmap_file.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "win_driver.h"

namespace {

namespace fs = std::filesystem;
using D = VnSelectImageDlg;

class SelectImageDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        lib_ = fs::temp_directory_path() / ("vn_select_image_" + std::to_string(::getpid()));
        fs::create_directories(lib_ / "Texts");
        std::ofstream(lib_ / "Texts" / "Macro Names.txt") << "\tWide\tWide base plate\n";
        gSettings.setLibDir(windowsPathFromHost(lib_.string()));
        for (auto [name, width] : {std::pair{"Wide.bmp", 48}, std::pair{"Narrow.bmp", 20}}) {
            BitmapImage image(width, 24, false);
            std::ofstream(lib_ / name, std::ios::binary) << encodeBmp(image);
            data_.imageFiles.append(windowsPathFromHost((lib_ / name).string()));
        }
        data_.title = "Choose a base plate";
    }
    void TearDown() override { fs::remove_all(lib_); }
    static std::vector<std::string> labels(HWND dlg) {
        std::vector<std::string> out;
        for (const auto& item : winWindowData(GetDlgItem(dlg, D::kThumbnails))->state.items)
            out.push_back(item.text);
        return out;
    }

    fs::path lib_;
    VnSelectImageDlgData data_;
};

}  // namespace

TEST_F(SelectImageDialog, OkWithoutAThumbnailStaysOpenAndADoubleClickChooses) {
    winScriptNextDialog(
        D::kResourceId,
        Script()
            .then([](HWND dlg) {
                EXPECT_EQ(labels(dlg), (std::vector<std::string>{"Wide base plate", "Narrow"}));
                char title[64];
                GetWindowText(dlg, title, sizeof title);
                EXPECT_STREQ(title, "Choose a base plate");
            })
            .click(IDOK)
            .then([](HWND dlg) { EXPECT_TRUE(IsWindow(dlg)); })
            .doubleClick(D::kThumbnails, "Narrow"));
    ASSERT_TRUE(StartDlgSelectImage(data_));
    EXPECT_EQ(data_.selection, data_.imageFiles[1]);
}

TEST_F(SelectImageDialog, TheThumbnailsTakeTheFirstPicturesSize) {
    const ImageListData size = selectImageThumbSize(data_.imageFiles);
    EXPECT_EQ(size.thumbWidth, 48);
    EXPECT_EQ(size.thumbHeight, 24);
    const ImageListData fallback = selectImageThumbSize(Ktx_StringArray{"C:\\none.bmp"});
    EXPECT_EQ(fallback.thumbWidth, ImageListData().thumbWidth);
}

TEST_F(SelectImageDialog, AnEmptyListEndsOnlyWithCancel) {
    VnSelectImageDlgData empty;
    empty.selection = "before";
    winScriptNextDialog(
        D::kResourceId,
        Script().click(IDOK).then([](HWND dlg) { EXPECT_TRUE(IsWindow(dlg)); }).click(IDCANCEL));
    EXPECT_FALSE(StartDlgSelectImage(empty));
    EXPECT_EQ(empty.selection, "before");
}
