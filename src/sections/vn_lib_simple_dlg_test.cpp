#include "vn_lib_simple_dlg.h"

#include <gtest/gtest.h>

#include "dial_string.h"
#include "sections_test_support.h"
#include "win_driver.h"

namespace {

using D = VnLibSimpleDlg;

class LibSimpleDlg : public SectionsLibraryTest {
  protected:
    void SetUp() override {
        SectionsLibraryTest::SetUp();
        gSettings.setLibDir(windowsPathFromHost(std::string(VN_SOURCE_DIR) + "/examples/library"));
        gSettings.setAppDir(gSettings.libDir);
        ASSERT_TRUE(table.readFromFile("SHS"));
    }
    Ktx_ProfValuesTable table;
};

TEST_F(LibSimpleDlg, TypedValuesMakeTheNameAndTheSizeIsAddedInOrder) {
    int before = -1;
    ASSERT_TRUE(table.findSysName("60x60x3.6", before));
    table.deleteRow(before + 1);  // 60x60x4
    winScriptNextDialog(
        D::kResourceId,
        Script()
            .then([](HWND dlg) {
                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, D::kName)));
                EXPECT_TRUE(IsWindowVisible(GetDlgItem(dlg, D::kPicture)));
                EXPECT_TRUE(IsWindowVisible(GetDlgItem(dlg, D::kFirstField + 2 * 10)));
            })
            .type(D::kFirstField + 4, "4")
            .type(D::kFirstField + 6, "6")
            .then([](HWND dlg) {
                char text[64] = {};
                GetDlgItemText(dlg, D::kName, text, sizeof text);
                EXPECT_STREQ(text, "SHS 60x60x4");
            })
            .click(IDOK));
    int newRow = -1;
    const int rows = table.rows.length();
    ASSERT_TRUE(StartDlgEditLibSimple("60x60x3.6", table, newRow));
    EXPECT_EQ(newRow, before + 1);
    EXPECT_EQ(table.rows.length(), rows + 1);
    EXPECT_EQ(table.rows[newRow][0], "60x60x4");
    EXPECT_EQ(table.rows[newRow][9], "6");
}

TEST_F(LibSimpleDlg, ATubeWithTooSmallARadiusIsRefusedUntilCorrected) {
    winScriptNextDialog(D::kResourceId, Script()
                                            .type(D::kFirstField + 6, "1")
                                            .click(IDOK)
                                            .answer(IDOK)
                                            .type(D::kFirstField + 6, "0")
                                            .type(D::kFirstField + 0, "65")
                                            .click(IDOK));
    int newRow = -1;
    const int rows = table.rows.length();
    ASSERT_TRUE(StartDlgEditLibSimple("60x60x3.6", table, newRow));
    ASSERT_EQ(winMessageBoxes().size(), 1u);
    EXPECT_EQ(winMessageBoxes()[0].caption, dialString(1098).str());
    EXPECT_EQ(winMessageBoxes()[0].text,
              (dialString(1457) + "\n" + dialString(1458) + "\n\n" + dialString(888) + ".").str());
    EXPECT_EQ(winMessageBoxes()[0].icon, MB_ICONWARNING);
    EXPECT_EQ(table.rows.length(), rows + 1);
    EXPECT_EQ(table.rows[newRow][0], "65x60x3.6");
}

TEST_F(LibSimpleDlg, FieldsWithoutAColumnAreHiddenAndCancelKeepsTheTable) {
    table = makeTable("RHS", {"100x50x5,1,RHS 100x50x5,,,,100,50,5,7.5"}, "h,b,t,r");
    winScriptNextDialog(
        D::kResourceId,
        Script()
            .then([](HWND dlg) {
                EXPECT_TRUE(IsWindowVisible(GetDlgItem(dlg, D::kFirstField + 2 * 3)));
                EXPECT_FALSE(IsWindowVisible(GetDlgItem(dlg, D::kFirstLabel + 2 * 4)));
            })
            .click(D::kTyped)
            .type(D::kName, "Custom")
            .click(IDCANCEL));
    int newRow = -1;
    const Ktx_ProfValuesTable before = table;
    EXPECT_FALSE(StartDlgEditLibSimple("100x50x5", table, newRow));
    EXPECT_EQ(table.rows, before.rows);
    EXPECT_EQ(newRow, -1);
}

}  // namespace
