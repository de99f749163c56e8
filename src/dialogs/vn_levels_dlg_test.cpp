#include "vn_levels_dlg.h"

#include <gtest/gtest.h>

#include "vn_input_line_dlg.h"
#include "win_driver.h"

namespace {

using D = VnLevelsDlg;

VnLevelsDlgData twoLevels() {
    VnLevelsDlgData data;
    data.addLevel("Ground");
    data.addLevel("First");
    data.updateLevel(1, 3600.0);
    return data;
}

std::string text(HWND dlg, int id) {
    char buffer[128] = {};
    GetDlgItemText(dlg, id, buffer, sizeof buffer);
    return buffer;
}

void answerName(const std::string& name) {
    winScriptNextDialog(VnInputLineDlg::kResourceId,
                        Script().type(VnInputLineDlg::kText, name).click(IDOK));
}

}  // namespace

TEST(LevelsDialog, ANameInUseOrWcsIsAskedAgainAndTheNewLevelChoosesItsReference) {
    answerName("wcs");
    answerName("first");
    answerName("Roof");
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .then([](HWND dlg) {
                                EXPECT_EQ(text(dlg, D::kName), "Ground");
                                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, D::kReference)));
                            })
                            .click(D::kAdd)
                            .answer(IDOK)
                            .answer(IDOK)
                            .then([](HWND dlg) {
                                EXPECT_EQ(text(dlg, D::kName), "Roof");
                                EXPECT_EQ(text(dlg, D::kReference), "First");
                                EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, D::kReference)));
                            })
                            .choose(D::kReference, "Ground")
                            .type(D::kHeight, "7000")
                            .choose(D::kLevelList, "First")
                            .choose(D::kLevelList, "Roof")
                            .then([](HWND dlg) {
                                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, D::kReference)));
                                EXPECT_EQ(text(dlg, D::kAbsolute), "7000.000");
                            })
                            .click(IDOK));
    VnLevelsDlgData data = twoLevels();
    ASSERT_TRUE(StartDlgLevels(data));
    ASSERT_EQ(winMessageBoxes().size(), 2u);
    EXPECT_EQ(winMessageBoxes()[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    Ktx_String name, reference;
    double height = 0, absolute = 0;
    ASSERT_TRUE(data.getLevelData(2, name, reference, height, absolute));
    EXPECT_EQ(reference, "Ground");
    EXPECT_DOUBLE_EQ(height, 7000.0);
}

// Regression: after twenty names in use the last one used to be added all the same, making
// two levels of one name; the data now refuses it and nothing is added.
TEST(LevelsDialog, TheTwentiethNameInUseAddsNoTwinLevel) {
    Script script;
    script.click(D::kAdd);
    for (int i = 0; i < 20; ++i) {
        answerName("Ground");
        if (i < 19) script.answer(IDOK);
    }
    winScriptNextDialog(D::kResourceId, std::move(script).click(IDOK));
    VnLevelsDlgData data = twoLevels();
    ASSERT_TRUE(StartDlgLevels(data));
    EXPECT_EQ(winMessageBoxes().size(), 19u);
    EXPECT_EQ(data.getNames(), (Ktx_StringArray{"Ground", "First"}));
}

TEST(LevelsDialog, DeletingTheFirstLevelShowsTheNewFirstAndCancelKeepsTheData) {
    winScriptNextDialog(D::kResourceId, Script()
                                            .click(D::kDelete)
                                            .then([](HWND dlg) {
                                                EXPECT_EQ(text(dlg, D::kName), "First");
                                                EXPECT_EQ(text(dlg, D::kAbsolute), "3600.000");
                                            })
                                            .click(IDCANCEL));
    VnLevelsDlgData data = twoLevels();
    EXPECT_FALSE(StartDlgLevels(data));
    EXPECT_EQ(data.getNames(), (Ktx_StringArray{"Ground", "First"}));
}
