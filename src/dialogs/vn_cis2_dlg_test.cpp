#include "vn_cis2_dlg.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ktx_settings.h"
#include "path_translation.h"
#include "section_translation.h"
#include "win_driver.h"

namespace {

using D = VnCis2Dlg;

bool enabled(HWND dlg, int id) {
    return IsWindowEnabled(GetDlgItem(dlg, id)) != FALSE;
}
bool checked(HWND dlg, int id) {
    return IsDlgButtonChecked(dlg, id) == BST_CHECKED;
}
constexpr int kDependents[] = {D::kOption1, D::kOption2, D::kOption3, D::kAlternative1,
                               D::kAlternative2};

}  // namespace

TEST(Cis2Dialog, TheModeRadiosEnableTheDependentChoicesWithoutChangingThem) {
    auto states = [](HWND dlg) {
        std::string s;
        for (int id : kDependents) s += checked(dlg, id) ? '1' : '0';
        return s;
    };
    winScriptNextDialog(D::kResourceId, Script()
                                            .then([&](HWND dlg) {
                                                EXPECT_TRUE(checked(dlg, D::kMode1));
                                                for (int id : kDependents)
                                                    EXPECT_FALSE(enabled(dlg, id)) << id;
                                                EXPECT_EQ(states(dlg), "10010");
                                            })
                                            .click(D::kMode2)
                                            .then([&](HWND dlg) {
                                                for (int id : kDependents)
                                                    EXPECT_TRUE(enabled(dlg, id)) << id;
                                            })
                                            .click(D::kOption1)
                                            .click(D::kOption3)
                                            .click(D::kAlternative2)
                                            .click(D::kMode1)
                                            .then([&](HWND dlg) {
                                                for (int id : kDependents)
                                                    EXPECT_FALSE(enabled(dlg, id)) << id;
                                                EXPECT_EQ(states(dlg), "00101");
                                            })
                                            .click(IDOK));
    VnDlgCis2Data data;
    ASSERT_TRUE(StartDlgCis2Info(data));
    EXPECT_TRUE(data.mode1);
    EXPECT_FALSE(data.option1);
    EXPECT_FALSE(data.option2);
    EXPECT_TRUE(data.option3);
    EXPECT_TRUE(data.alternative2);
}

TEST(Cis2Dialog, CancelAfterTheTableWasEditedKeepsTheBlockAndTheWrittenTable) {
    const auto lib =
        std::filesystem::temp_directory_path() / ("vn_cis2_" + std::to_string(::getpid()));
    std::filesystem::create_directories(lib);
    gSettings.setLibDir(windowsPathFromHost(lib.string()));
    std::ofstream(lib / D::kTableFile, std::ios::binary) << "HEA 200=W8X31\r\n";
    winScriptNextDialog(
        kSectionTranslationResourceId,
        Script().type(1001, "HEA 200\r\nIPE 300").type(1002, "W8X31\r\nIPE300").click(IDOK));
    winScriptNextDialog(D::kResourceId, Script().click(D::kMode2).click(D::kTable).click(IDCANCEL));
    VnDlgCis2Data data;
    EXPECT_FALSE(StartDlgCis2Info(data));
    EXPECT_TRUE(data.mode1);
    std::ifstream in(lib / D::kTableFile, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "HEA 200=W8X31\r\nIPE 300=IPE300\r\n");
    std::filesystem::remove_all(lib);
}
