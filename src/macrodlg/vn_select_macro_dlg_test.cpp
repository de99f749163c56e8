#include "vn_select_macro_dlg.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "dial_string.h"
#include "dlg_size.h"
#include "grid.h"
#include "grid_user.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "registry.h"
#include "win_driver.h"

namespace {

namespace fs = std::filesystem;
using D = VnSelectMacroDlg;
using Labels = std::vector<std::string>;

// A library folder "Macros\Conn" with two end plates (one with a stiffener) and a fin plate.
class SelectMacroDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        lib_ = fs::temp_directory_path() / ("vn_select_macro_" + std::to_string(::getpid()));
        fs::create_directories(lib_ / "Macros" / "Conn");
        gSettings.setLibDir(windowsPathFromHost(lib_.string()));
        const std::string plate = "module P1 other label Plate\n placement Plate PL10\n";
        write("EndPlate1.dwg", "macro E1\n" + plate);
        write("EndPlate2.dwg", "macro E2\n" + plate + " placement Stiffener PL8\n");
        write("FinPlate1.dwg", "macro F1\nmodule B1 bolt label Bolts\n pattern Rows one\n");
    }
    void TearDown() override { fs::remove_all(lib_); }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(lib_ / "Macros" / "Conn" / name) << text;
    }
    Ktx_String drawing(const std::string& name) const {
        return windowsPathFromHost((lib_ / "Macros" / "Conn" / name).string());
    }
    bool run(bool& extra, bool hint = false) {
        return StartDlgSelectMacro("", {"Conn"}, 0, 0, chosen_, extra, hint);
    }
    static Labels labels(HWND dlg) {
        Labels out;
        for (const auto& item : winWindowData(GetDlgItem(dlg, D::kThumbnails))->state.items)
            out.push_back(item.text);
        return out;
    }
    static RECT rectOf(HWND dlg, int id) { return winWindowData(GetDlgItem(dlg, id))->rect; }

    fs::path lib_;
    Ktx_String chosen_ = "before";
};

}  // namespace

TEST_F(SelectMacroDialog, OkWithoutASelectionStaysOpenAndADoubleClickChoosesTheDrawing) {
    bool extra = true;
    winScriptNextDialog(
        D::kResourceId,
        Script()
            .then([](HWND dlg) {
                // EndPlate1 and EndPlate2 would both read "EndPlate".
                EXPECT_EQ(labels(dlg), (Labels{"EndPlate1", "EndPlate2", "FinPlate1"}));
                char title[64];
                GetWindowText(dlg, title, sizeof title);
                EXPECT_EQ(std::string(title), dialString(1116).str());
            })
            .click(IDOK)
            .then([](HWND dlg) { EXPECT_TRUE(IsWindow(dlg)); })
            .doubleClick(D::kThumbnails, "FinPlate1"));
    ASSERT_TRUE(run(extra));
    EXPECT_EQ(chosen_, drawing("FinPlate1.dwg"));
    EXPECT_FALSE(extra);
    // The drawings had no pictures: the dialog had them made.
    EXPECT_TRUE(fs::exists(lib_ / "Macros" / "Conn" / "EndPlate2.bmp"));
}

TEST_F(SelectMacroDialog, TheOtherChoiceIsOfferedOnlyWhenAllowedAndEndsWithNoDrawing) {
    bool extra = false;
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .then([](HWND dlg) {
                                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, D::kOther)));
                                EXPECT_FALSE(IsWindowVisible(GetDlgItem(dlg, D::kHint)));
                            })
                            .click(IDCANCEL));
    EXPECT_FALSE(run(extra));
    EXPECT_EQ(chosen_, "before");

    extra = true;
    int listHeight = 0;
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .then([&](HWND dlg) {
                                EXPECT_TRUE(IsWindowVisible(GetDlgItem(dlg, D::kHint)));
                                const RECT r = rectOf(dlg, D::kThumbnails);
                                listHeight = r.bottom - r.top;
                            })
                            .click(D::kOther));
    ASSERT_TRUE(run(extra, true));
    EXPECT_TRUE(extra);
    EXPECT_TRUE(chosen_.isEmpty());
    // Without the hint the list is 60 pixels taller.
    winScriptNextDialog(D::kResourceId, Script().then([&](HWND dlg) {
        const RECT r = rectOf(dlg, D::kThumbnails);
        EXPECT_EQ(r.bottom - r.top, listHeight + D::kHintHeight);
    }));
    EXPECT_FALSE(run(extra, false));
}

TEST_F(SelectMacroDialog, TheFilterOptionsVisibilityIsRememberedThroughTheRegistryFile) {
    bool extra = false;
    int hiddenTop = 0;
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .then([&](HWND dlg) {
                                EXPECT_FALSE(IsWindowVisible(GetDlgItem(dlg, D::kFilterGrid)));
                                hiddenTop = rectOf(dlg, D::kThumbnails).top;
                            })
                            .click(D::kFilterButton)
                            .then([&](HWND dlg) {
                                EXPECT_TRUE(IsWindowVisible(GetDlgItem(dlg, D::kFilterGrid)));
                                const RECT frame = rectOf(dlg, D::kFilterFrame);
                                // The list gives the frame the grid's room.
                                EXPECT_GT(rectOf(dlg, D::kThumbnails).top, hiddenTop);
                                EXPECT_GE(rectOf(dlg, D::kThumbnails).top, frame.bottom);
                            })
                            .click(IDCANCEL));
    EXPECT_FALSE(run(extra));
    const std::string file = (lib_ / "registry.reg").string();
    ASSERT_TRUE(registrySaveFile(file));
    registryResetForTests();
    ASSERT_TRUE(registryLoadFile(file));
    winScriptNextDialog(
        D::kResourceId,
        Script()
            .then([&](HWND dlg) {
                EXPECT_TRUE(IsWindowVisible(GetDlgItem(dlg, D::kFilterGrid)));
                EXPECT_GT(rectOf(dlg, D::kThumbnails).top, hiddenTop);
            })
            .click(D::kFilterButton)
            .then([&](HWND dlg) { EXPECT_EQ(rectOf(dlg, D::kThumbnails).top, hiddenTop); })
            .click(IDCANCEL));
    EXPECT_FALSE(run(extra));
    bool large = true;
    ASSERT_TRUE(readDlgRegBool(D::kRegSection, D::kRegLargeDlg, large));
    EXPECT_FALSE(large);
}

TEST_F(SelectMacroDialog, UncheckingAFilterItemNarrowsTheThumbnails) {
    bool extra = false;
    writeDlgRegBool(D::kRegSection, D::kRegLargeDlg, true);
    auto gridText = [](HWND dlg, int col, int row) {
        char text[64] = "";
        SSGetData(GetDlgItem(dlg, D::kFilterGrid), col, row, text);
        return std::string(text);
    };
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .then([&](HWND dlg) {
                                // Row 1: Plate with its two placements; row 2: Bolts, Rows.
                                EXPECT_EQ(gridText(dlg, 2, 1), "Plate");
                                EXPECT_EQ(gridText(dlg, 6, 1), "Stiffener");
                                EXPECT_EQ(gridText(dlg, 4, 2), "Rows");
                                EXPECT_EQ(gridText(dlg, 5, 1), "1");
                            })
                            .then(ssStepClickCell(D::kFilterGrid, 5, 1))
                            .then([&](HWND dlg) {
                                EXPECT_EQ(labels(dlg), (Labels{"EndPlate", "FinPlate"}));
                                EXPECT_EQ(gridText(dlg, 5, 1), "0");
                            })
                            .then(ssStepClickCell(D::kFilterGrid, 1, 2))
                            .then([&](HWND dlg) { EXPECT_EQ(labels(dlg), Labels{"EndPlate"}); })
                            .then(ssStepClickCell(D::kFilterGrid, 6, 1))  // a label: nothing
                            .then([&](HWND dlg) { EXPECT_EQ(labels(dlg), Labels{"EndPlate"}); })
                            .doubleClick(D::kThumbnails, "EndPlate"));
    ASSERT_TRUE(run(extra));
    EXPECT_EQ(chosen_, drawing("EndPlate1.dwg"));
}

TEST_F(SelectMacroDialog, DisabledNamesAreNotOffered) {
    bool extra = false;
    winScriptNextDialog(D::kResourceId, Script().then([](HWND dlg) {
        EXPECT_EQ(labels(dlg), Labels{"FinPlate"});
    }));
    EXPECT_FALSE(StartDlgSelectMacro("Pick", {"Conn\\EndPlate1.dwg", "Conn\\FinPlate1.dwg"},
                                     {false, true}, 0, 0, chosen_, extra, false));
}
