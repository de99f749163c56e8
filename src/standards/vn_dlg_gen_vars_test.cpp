#include "vn_dlg_gen_vars.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "grid.h"
#include "grid_user.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "win_driver.h"

namespace {

using D = VnDlgGenVars;

// Rows spanned together with row `row` of column 1 (1 when the cell is alone).
int spannedRows(HWND dialog, int gridId, int row) {
    int col = 0, anchor = 0, cols = 0, rows = 0;
    HWND grid = GetDlgItem(dialog, gridId);
    if (SSGetCellSpan(grid, 1, row, &col, &anchor, &cols, &rows) == SS_SPAN_NO) return 1;
    return rows;
}

std::string cell(HWND dialog, int gridId, int col, int row) {
    HWND grid = GetDlgItem(dialog, gridId);
    std::string text(static_cast<size_t>(std::max(SSGetDataLen(grid, col, row), 0)) + 1, '\0');
    SSGetData(grid, col, row, text.data());
    return text.c_str();
}

class GenVarsDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        gSettings.setLibDir(windowsPathFromHost(std::string(VN_SOURCE_DIR) + "/examples/library"));
    }
};

TEST_F(GenVarsDialog, EmptyTablesOpenWithOneRowEachUnderTheirHeaders) {
    VnAutoStandardsData data;
    winScriptNextDialog(D::kResourceId, Script()
                                            .then([](HWND dlg) {
                                                HWND first = GetDlgItem(dlg, D::kGrid1);
                                                HWND second = GetDlgItem(dlg, D::kGrid2);
                                                EXPECT_EQ(SSGetMaxRows(first), 1);
                                                EXPECT_EQ(SSGetMaxCols(first), 4);
                                                EXPECT_EQ(SSGetMaxRows(second), 1);
                                                EXPECT_EQ(SSGetMaxCols(second), 5);
                                                EXPECT_EQ(cell(dlg, D::kGrid1, 3, 0),
                                                          "Drawings and folders");
                                                EXPECT_EQ(cell(dlg, D::kGrid2, 3, 0), "Module");
                                                SSCellType type;
                                                SSGetCellType(second, 5, 1, &type);
                                                EXPECT_EQ(type.type, SS_CELLTYPE_BUTTON);
                                            })
                                            .click(IDOK));
    EXPECT_TRUE(StartDlgGenVars(data));
    EXPECT_EQ(data.genNames, Ktx_StringArray({""}));
    EXPECT_EQ(data.modDrawings, Ktx_StringArray({""}));
}

TEST_F(GenVarsDialog, EqualNamesAreJoinedAndJoinedAgainAfterARowMoves) {
    VnAutoStandardsData data;
    data.genNames = {"gen_a", "gen_a", "gen_b"};
    data.genValues = {"1", "2", "3"};
    data.genDrawings = {"", "", ""};
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .then([](HWND dlg) { EXPECT_EQ(spannedRows(dlg, D::kGrid1, 1), 2); })
                            .then(ssStepClickCell(D::kGrid1, 2, 3))
                            .click(D::kUp1)
                            .then([](HWND dlg) {
                                EXPECT_EQ(spannedRows(dlg, D::kGrid1, 1), 1);
                                EXPECT_EQ(spannedRows(dlg, D::kGrid1, 2), 1);
                            })
                            .click(D::kUp1)
                            .then([](HWND dlg) { EXPECT_EQ(spannedRows(dlg, D::kGrid1, 2), 2); })
                            .click(IDOK));
    EXPECT_TRUE(StartDlgGenVars(data));
    EXPECT_EQ(data.genNames, Ktx_StringArray({"gen_b", "gen_a", "gen_a"}));
    EXPECT_EQ(data.genValues, Ktx_StringArray({"3", "1", "2"}));
}

TEST_F(GenVarsDialog, AddAndRemoveWorkOnTheSelectedRowAndCancelKeepsTheCallersData) {
    VnAutoStandardsData data;
    data.modNames = {"gen_x", "gen_y"};
    data.modValues = {"1", "2"};
    data.modModules = {"Plate", "Bolt"};
    data.modDrawings = {"a.dwg", "b.dwg"};
    const VnAutoStandardsData before = data;
    winScriptNextDialog(D::kResourceId, Script()
                                            .then(ssStepClickCell(D::kGrid2, 1, 2))
                                            .click(D::kAdd2)
                                            .then(ssStepClickCell(D::kGrid2, 1, 1))
                                            .click(D::kRemove2)
                                            .click(IDOK));
    EXPECT_TRUE(StartDlgGenVars(data));
    EXPECT_EQ(data.modNames, Ktx_StringArray({"", "gen_y"}));
    EXPECT_EQ(data.modModules, Ktx_StringArray({"", "Bolt"}));

    data = before;
    winScriptNextDialog(D::kResourceId, Script().click(D::kRemove2).click(IDCANCEL));
    EXPECT_FALSE(StartDlgGenVars(data));
    EXPECT_EQ(data, before);
}

TEST_F(GenVarsDialog, ChosenDrawingsBelowMacrosAreAddedRelativeAndOthersDropped) {
    VnAutoStandardsData data;
    data.genNames = {"gen_a"};
    data.genValues = {"1"};
    data.genDrawings = {"Old.dwg"};
    winQueueFileChoice({"C:\\Elsewhere\\Far.dwg"});
    const std::string macros = gSettings.libDir.str() + "Macros\\";
    std::string shouted = macros;
    for (char& c : shouted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    winQueueFileChoice({macros + "Plates\\End.dwg", "C:\\Other\\X.dwg", shouted + "Beams"});
    winQueueFileChoice({});
    winScriptNextDialog(D::kResourceId, Script()
                                            .then(ssStepClickCell(D::kGrid1, 4, 1))
                                            .then([](HWND dlg) {
                                                EXPECT_EQ(cell(dlg, D::kGrid1, 3, 1), "Old.dwg");
                                            })
                                            .then(ssStepClickCell(D::kGrid1, 4, 1))
                                            .then(ssStepClickCell(D::kGrid1, 4, 1))
                                            .click(IDOK));
    EXPECT_TRUE(StartDlgGenVars(data));
    EXPECT_EQ(data.genDrawings, Ktx_StringArray({"Old.dwg;Plates\\End.dwg;Beams"}));
    ASSERT_EQ(winFileChoosers().size(), 3u);
    EXPECT_EQ(winFileChoosers()[0].startFolder, macros);
    EXPECT_EQ(winFileChoosers()[0].title,
              "Select the drawings and folders that apply to this general variable");
    EXPECT_EQ(winFileChoosers()[0].filter, "AutoCAD Drawing (*.dwg)|*.dwg||");
}

}  // namespace
