// The standards page of the macro settings dialog, driven by the scripted user.
#include "vn_dlg_macro_settings.h"

#include <gtest/gtest.h>

#include "file_ops.h"
#include "grid.h"
#include "vn_ss_mapping_page_fixture.h"
#include "win_driver.h"

namespace {

using D = VnDlgMacroSettings;
using P = VnSSMappingPage;

class MacroSettingsPage : public MappingPageFixture {
  protected:
    // Runs StartDlgMacroSettings with the script; `page` is valid inside its steps.
    bool run(Script script, bool* modified = nullptr) {
        winScriptNextDialog(D::kResourceId, std::move(script));
        return StartDlgMacroSettings(settings, modified);
    }
    static P& pageOf(HWND dialog) {
        return static_cast<D*>(CWnd::FromHandle(dialog))->standardsPage();
    }
    static HWND listGrid(HWND dialog) { return pageOf(dialog).standardsGrid().gridWindow(); }
    static HWND mappingGrid(HWND dialog) { return pageOf(dialog).mappingGrid().gridWindow(); }
    static std::string cell(HWND grid, int col, int row) {
        std::string text(static_cast<size_t>(SSGetDataLen(grid, col, row)), '\0');
        SSGetData(grid, col, row, text.data());
        return text;
    }
    // The "Std Name" column of the mapping grid, top to bottom.
    static std::vector<std::string> shownNames(HWND dialog) {
        std::vector<std::string> names;
        HWND grid = mappingGrid(dialog);
        for (int r = 1; r <= SSGetMaxRows(grid); ++r) names.push_back(cell(grid, 2, r));
        return names;
    }
    std::time_t mapTime(const std::string& name) {
        std::time_t t = 0;
        ObjectExportGetFileTime(windowsPathFromHost(mapPath(name).string()), t);
        return t;
    }
};

TEST_F(MacroSettingsPage, AddingToAnEmptyListInsertsAtRowOne) {
    bool modified = false;
    EXPECT_TRUE(run(Script()
                        .click(P::kAdd)
                        .then([](HWND dlg) {
                            EXPECT_EQ(SSGetMaxRows(listGrid(dlg)), 1);
                            EXPECT_EQ(cell(listGrid(dlg), 2, 1), "<Entire macro>");
                            // A standard is chosen in the new row: its variables show.
                            ASSERT_TRUE(ssUserTypeInCell(listGrid(dlg), 1, 1, "B"));
                            EXPECT_EQ(shownNames(dlg), (std::vector<std::string>{
                                                           "", "Width", "Beam", "", "Height"}));
                            EXPECT_EQ(cell(mappingGrid(dlg), 1, 1), "Input");
                            EXPECT_EQ(cell(mappingGrid(dlg), 1, 2), "Decim");
                            EXPECT_EQ(cell(mappingGrid(dlg), 1, 3), "Tekst");
                        })
                        .click(IDOK),
                    &modified));
    EXPECT_EQ(settings.standards, (Ktx_StringArray{"B"}));
    EXPECT_EQ(settings.mappingKeys, (Ktx_StringArray{""}));
    EXPECT_TRUE(modified);
}

TEST_F(MacroSettingsPage, SwitchingBetweenStandardsWithoutChangesWritesNothing) {
    link({{"A", "KA"}, {"B", "KB"}});
    const std::time_t old = 1000000000;
    for (const char* name : {"A", "B"})
        ObjectExportSetFileTime(windowsPathFromHost(mapPath(name).string()), old);
    const MacroSettingsData before = settings;
    bool modified = true;
    EXPECT_TRUE(run(Script()
                        .then([](HWND dlg) {
                            EXPECT_EQ(cell(mappingGrid(dlg), 3, 2), "End plate.W");
                            ASSERT_TRUE(ssUserClickCell(listGrid(dlg), 1, 2));
                            EXPECT_EQ(cell(mappingGrid(dlg), 3, 2), "End plate.H");
                            ASSERT_TRUE(ssUserClickCell(listGrid(dlg), 2, 1));
                            EXPECT_EQ(cell(mappingGrid(dlg), 3, 2), "End plate.W");
                        })
                        .click(IDOK),
                    &modified));
    EXPECT_EQ(mapTime("A"), old);
    EXPECT_EQ(mapTime("B"), old);
    EXPECT_EQ(settings, before);
    EXPECT_FALSE(modified);
}

TEST_F(MacroSettingsPage, ChangingOneLinkWritesAFreshKeyAtTheEndAndStoresIt) {
    link({{"A", "KA"}, {"B", "KB"}});
    // The grid steps find the grids on the page inside the tab control; showing B stores A's
    // change first.
    EXPECT_TRUE(run(Script()
                        .then(ssStepTypeInCell(P::kMappingGrid, 3, 2, "End plate.T"))
                        .then(ssStepClickCell(P::kListGrid, 1, 2))
                        .click(IDOK)));
    const Ktx_StringArray keys = mapKeys("A");
    ASSERT_EQ(keys.length(), 2);
    EXPECT_EQ(keys[0], "KA");
    EXPECT_EQ(keys[1].length(), 24);
    EXPECT_EQ(settings.mappingKeys, (Ktx_StringArray{keys[1], "KB"}));
    VnSSMapping stored;
    ASSERT_EQ(stored.getMappingFromFile(VnSSMappingPageModel::standardPath("A"), keys[1]),
              Acad::eOk);
    ASSERT_EQ(stored.mapCount(), 2);
    EXPECT_EQ(stored.map(0).varName, "T");
    EXPECT_EQ(mapKeys("B"), (Ktx_StringArray{"KB"}));
}

TEST_F(MacroSettingsPage, CancelKeepsTheSettingsButAChangedMappingIsAlreadyWritten) {
    link({{"A", "KA"}});
    bool modified = false;
    EXPECT_FALSE(run(Script()
                         .then([](HWND dlg) {
                             ASSERT_TRUE(ssUserTypeInCell(mappingGrid(dlg), 3, 5, "End plate.T"));
                             ASSERT_TRUE(ssUserClickCell(listGrid(dlg), 2, 1));  // same row
                         })
                         .click(P::kAdd)
                         .click(IDCANCEL),
                     &modified));
    EXPECT_EQ(settings.standards, (Ktx_StringArray{"A"}));
    EXPECT_EQ(settings.mappingKeys, (Ktx_StringArray{"KA"}));
    EXPECT_EQ(mapKeys("A").length(), 2);
    EXPECT_TRUE(modified);
}

TEST_F(MacroSettingsPage, GroupAndUnloadableStandardsShowNoVariableRows) {
    link({{"A", "KA"}, {"A", "Module.EndPlate"}, {"Missing", "KM"}});
    EXPECT_TRUE(run(Script()
                        .then([](HWND dlg) {
                            EXPECT_EQ(SSGetMaxRows(mappingGrid(dlg)), 5);
                            ASSERT_TRUE(ssUserClickCell(listGrid(dlg), 1, 2));
                            EXPECT_EQ(cell(listGrid(dlg), 2, 2), "EndPlate");
                            EXPECT_EQ(SSGetMaxRows(mappingGrid(dlg)), 0);
                            EXPECT_EQ(SSGetMaxCols(mappingGrid(dlg)), 3);
                            ASSERT_TRUE(ssUserClickCell(listGrid(dlg), 1, 3));
                            EXPECT_EQ(SSGetMaxRows(mappingGrid(dlg)), 0);
                            // Mapping the module-group row to the whole macro clears its key.
                            ASSERT_TRUE(ssUserTypeInCell(listGrid(dlg), 2, 2, "<Entire macro>"));
                        })
                        .click(IDOK)));
    EXPECT_EQ(settings.mappingKeys, (Ktx_StringArray{"KA", "", "KM"}));
}

TEST_F(MacroSettingsPage, RemoveAndMovesKeepKeysWithTheirStandards) {
    link({{"A", "KA"}, {"B", "KB"}, {"A", "Module.EndPlate"}});
    EXPECT_TRUE(run(Script()
                        .click(P::kDown)  // row 1 to row 2
                        .then([](HWND dlg) {
                            EXPECT_EQ(cell(listGrid(dlg), 1, 1), "B");
                            int col = 0, row = 0;
                            SSGetActiveCell(listGrid(dlg), &col, &row);
                            EXPECT_EQ(row, 2);
                            ASSERT_TRUE(ssUserClickCell(listGrid(dlg), 1, 3));
                        })
                        .click(P::kUp)  // the group row to row 2
                        .then([](HWND dlg) {
                            EXPECT_EQ(cell(listGrid(dlg), 2, 2), "EndPlate");
                            ASSERT_TRUE(ssUserClickCell(listGrid(dlg), 1, 1));
                        })
                        .click(P::kUp)  // nothing above row 1
                        .click(P::kRemove)
                        .click(IDOK)));
    EXPECT_EQ(settings.standards, (Ktx_StringArray{"A", "A"}));
    EXPECT_EQ(settings.mappingKeys, (Ktx_StringArray{"Module.EndPlate", "KA"}));
}

}  // namespace
