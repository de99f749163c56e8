#include "ktx_spread_dlg.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "acad.h"
#include "frame.h"
#include "grid.h"
#include "path_translation.h"
#include "spread_exports.h"
#include "win_driver.h"

namespace {

namespace fs = std::filesystem;

class FormulasDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        frameResetForTests();
        root = fs::path(::testing::TempDir()) / ("vn_formulas_" + std::to_string(::getpid()));
        fs::create_directories(root / "c" / "a");
        setDriveRoot(root.string());
        acadClearCommandLine();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    // Writes a sheet file with a column-header row and two data rows.
    void writeSheet(const fs::path& path) {
        Ktx_SpreadDlg maker(Ktx_SpreadDlg::ModeTest);
        winScriptNextDialog(Ktx_SpreadDlg::kResourceId, Script().then([&](HWND) {
            Ktx_Spread& ss = maker.spread();
            ss.setMaxRows(0);  // drop the test grid's number cells
            ss.setMaxCols(2);
            ss.setMaxRows(2);
            ss.setColumnHeaders(Ktx_StringArray({"Name", "Value"}));
            ss.setRowTexts(1, Ktx_StringArray({"first", "4"}));
            ss.setRowTexts(2, Ktx_StringArray({"second", "x\xA4y"}));
            ss.setCellFormula(2, 1, "2*2");
            ASSERT_TRUE(SSSaveToFile(ss.gridWindow(), path.string().c_str(), false));
        }));
        maker.DoModal();
        acadClearCommandLine();
    }

    static HWND gridOf(HWND dialog) { return GetDlgItem(dialog, Ktx_SpreadDlg::kGrid); }

    fs::path root;
};

}  // namespace

TEST_F(FormulasDialog, EvaluateLoadsTheFixedFileThroughItsDrive) {
    writeSheet(root / "c" / "a" / "t3.sss");
    winScriptNextDialog(Ktx_SpreadDlg::kResourceId, Script().then([](HWND dialog) {
        char text[16] = {};
        SSGetData(gridOf(dialog), 2, 1, text);
        EXPECT_STREQ(text, "4");
    }));
    EvaluateSS();
    EXPECT_EQ(acadCommandLineText(), "Loading spreadsheet:c:\\a\\t3.sss\n");
    EXPECT_EQ(currentSpread(), nullptr);  // the dialog's grid is no longer current
}

TEST_F(FormulasDialog, ButtonsSaveLoadAndReportFailures) {
    const std::string saved = (root / "saved.sss").string();
    winScriptNextDialog(Ktx_SpreadDlg::kResourceId,
                        Script()
                            .type(Ktx_SpreadDlg::kFileName, saved)
                            .click(Ktx_SpreadDlg::kSaveToFile)
                            .then([&](HWND) { EXPECT_TRUE(fs::exists(saved)); })
                            .click(Ktx_SpreadDlg::kLoadFromFile)
                            .type(Ktx_SpreadDlg::kFileName, (root / "no" / "x.sss").string())
                            .click(Ktx_SpreadDlg::kSaveToFile)
                            .click(Ktx_SpreadDlg::kLoadFromFile)
                            .click(IDOK));
    Ktx_SpreadDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(acadCommandLineText(), "Save failed\nLoad failed\n");
}

TEST_F(FormulasDialog, AutoCalculateAndStyleDriveTheGrid) {
    winScriptNextDialog(
        Ktx_SpreadDlg::kResourceId,
        Script()
            .then([](HWND dialog) {
                EXPECT_FALSE(SSGetBool(gridOf(dialog), SSB_AUTOCALC));
                EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, Ktx_SpreadDlg::kRecalculate)));
                EXPECT_EQ(SSGetMaxRows(gridOf(dialog)), 10);
                EXPECT_EQ(SSGetMaxCols(gridOf(dialog)), 8);
            })
            .click(Ktx_SpreadDlg::kAutoCalculate)
            .click(Ktx_SpreadDlg::kStyleR1C1)
            .then([](HWND dialog) {
                EXPECT_TRUE(SSGetBool(gridOf(dialog), SSB_AUTOCALC));
                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, Ktx_SpreadDlg::kRecalculate)));
                EXPECT_EQ(SSGetRefStyle(gridOf(dialog)), SS_REFSTYLE_R1C1);
            })
            .click(Ktx_SpreadDlg::kAutoCalculate)
            .then([](HWND dialog) {
                EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, Ktx_SpreadDlg::kRecalculate)));
                EXPECT_EQ(IsDlgButtonChecked(dialog, Ktx_SpreadDlg::kStyleDefault), BST_UNCHECKED);
            })
            .type(Ktx_SpreadDlg::kFileName, "C:\\a\\typed.sss")
            .click(IDOK));
    Ktx_SpreadDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.model().fileName, Ktx_String("C:\\a\\typed.sss"));
    EXPECT_EQ(dlg.model().refStyle, Ktx_SpreadDlgModel::RefStyle::R1C1);
    EXPECT_FALSE(dlg.model().autoCalculate);
}

TEST_F(FormulasDialog, ReadSSFileGivesFirstCellHeadersAndRows) {
    writeSheet(root / "table.sss");
    Ktx_String first = "stale";
    Ktx_StringArray headers;
    Ktx_Array<Ktx_StringArray> rows;
    ReadSSFile((root / "table.sss").string().c_str(), first, headers, rows);
    EXPECT_EQ(first, "first");
    EXPECT_EQ(headers, Ktx_StringArray({"Name", "Value"}));
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0], Ktx_StringArray({"first", "4"}));
    EXPECT_EQ(rows[1], Ktx_StringArray({"second", "x\xA4y"}));

    ReadSSFile((root / "missing.sss").string().c_str(), first, headers, rows);
    EXPECT_TRUE(first.isEmpty());
    EXPECT_TRUE(headers.isEmpty());
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_EQ(acadCommandLineText(), "Load failed\n");
}
