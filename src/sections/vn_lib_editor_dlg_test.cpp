#include "vn_lib_editor_dlg.h"

#include <gtest/gtest.h>

#include <fstream>

#include "dial_string.h"
#include "dlg_size.h"
#include "grid.h"
#include "grid_user.h"
#include "module_pictures.h"
#include "section_types.h"
#include "sections_test_support.h"
#include "spread_layout_dlg.h"
#include "vn_input_line_dlg.h"
#include "vn_lib_tables_model.h"
#include "win_driver.h"

namespace {

using E = VnLibEditorDlg;
using P = VnLibTablesPage;

class LibEditor : public SectionsLibraryTest {
  protected:
    void SetUp() override {
        SectionsLibraryTest::SetUp();
        const std::filesystem::path source =
            std::filesystem::path(VN_SOURCE_DIR) / "examples/library";
        for (const char* table : {"HEA.pr", "IPE.pr", "SHS.pr"}) {
            std::filesystem::copy_file(source / "prof" / table, lib() / "prof" / table);
        }
        std::filesystem::copy(source / "Texts", lib() / "Texts",
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        data.groups.appendNewGrp({"Beams", "Liggers", "Träger", "Poutres", "Beams"});
        data.groups.appendNewGrp({"Tubes", "Buizen", "Rohre", "Tubes", "Tubes"});
        data.GetAvailableFiles();
    }
    // Runs the editor on data with the script; the test's checks run inside it.
    INT_PTR run(const Ktx_String& fullName, Script script) {
        winScriptNextDialog(E::kResourceId, std::move(script));
        E dialog(data, fullName);
        editor = &dialog;
        const INT_PTR result = dialog.DoModal();
        editor = nullptr;
        return result;
    }
    HWND grid() { return editor->tablesPage().spread().gridWindow(); }
    Ktx_String cell(int col, int row) {
        Ktx_String text;
        editor->tablesPage().spread().getCellText(col, row, text, CellTextKind::Value);
        return text;
    }

    DlgEditLibData data;
    E* editor = nullptr;
};

TEST_F(LibEditor, OpensOnTheTableAndRowOfTheSection) {
    ASSERT_EQ(data.tableNames, (Ktx_StringArray{"HEA", "IPE", "SHS"}));
    run("IPE-300", Script()
                       .then([this](HWND) {
                           EXPECT_EQ(editor->shownPage(), E::kTablesPage);
                           EXPECT_EQ(editor->tablesPage().shownName(), "IPE");
                           int col = 0, row = 0;
                           SSGetActiveCell(grid(), &col, &row);
                           EXPECT_EQ(cell(1, row), "300");
                           EXPECT_EQ(cell(3, row), "IPE 300");
                       })
                       .click(IDCANCEL));
    run("", Script()
                .then([this](HWND) { EXPECT_EQ(editor->shownPage(), E::kGroupsPage); })
                .click(IDCANCEL));
}

TEST_F(LibEditor, UnsavedChangesAreSavedOnYesBeforeAnotherTable) {
    run("HEA-100", Script()
                       .then([this](HWND) { ASSERT_TRUE(ssUserTypeInCell(grid(), 7, 1, "97")); })
                       .choose(P::kTables, "IPE")
                       .answer(IDCANCEL)
                       .then([this](HWND) { EXPECT_EQ(editor->tablesPage().shownName(), "HEA"); })
                       .choose(P::kTables, "IPE")
                       .answer(IDYES)
                       .click(IDOK));
    ASSERT_EQ(winMessageBoxes().size(), 2u);
    EXPECT_EQ(winMessageBoxes()[0].caption, dialString(784).str());
    EXPECT_EQ(winMessageBoxes()[0].text, (dialString(785) + " <HEA> " + dialString(786)).str());
    Ktx_ProfValuesTable hea;
    ASSERT_TRUE(hea.readFromFile("HEA"));
    EXPECT_EQ(hea.rows[0][6], "97");
    EXPECT_EQ(hea.rows[0][2], "HEA 100");
    EXPECT_EQ(hea.shapeRef, "1");
}

TEST_F(LibEditor, ANewTableTakesTheNextFreeNameAndIsWrittenOnlyWhenSaved) {
    writeTable(dialString(779).str(), {"1", "SysName\tI/O\tEnglish\tDutch\tGerman\tFrench\th"});
    data.GetAvailableFiles();
    const Ktx_String expected = dialString(779) + "1";
    run("HEA-100", Script()
                       .click(P::kNewTable)
                       .then([&](HWND) {
                           EXPECT_EQ(editor->tablesPage().shownName(), expected);
                           EXPECT_TRUE(SSGetBool(grid(), SSB_CHANGEMADE));
                           EXPECT_EQ(SSGetMaxCols(grid()), 9);
                           EXPECT_EQ(cell(9, 1), "0");
                       })
                       .click(IDOK)
                       .answer(IDNO));
    EXPECT_FALSE(std::filesystem::exists(lib() / "prof" / (expected.str() + ".pr")));
    EXPECT_EQ(data.tableNames.length(), 5);
    EXPECT_EQ(libNewTable("X").header[6], "Korean");
}

TEST_F(LibEditor, AShapeWithFewerColumnsAsksBeforeCutting) {
    run("SHS-50x50x5", Script()
                           .choose(P::kShape, sectionTypeDisplayEntry(11).str())
                           .answer(IDNO)
                           .then([this](HWND) {
                               EXPECT_EQ(SSGetMaxCols(grid()), 17);
                               Ktx_String header;
                               editor->tablesPage().spread().getCellText(7, kSpreadHeader, header,
                                                                         CellTextKind::Value);
                               EXPECT_EQ(header, dialString(747));
                           })
                           .choose(P::kShape, sectionTypeDisplayEntry(9).str())
                           .answer(IDYES)
                           .then([this](HWND) { EXPECT_EQ(SSGetMaxCols(grid()), 7); })
                           .click(IDCANCEL));
    ASSERT_EQ(winMessageBoxes().size(), 2u);
    EXPECT_EQ(winMessageBoxes()[0].caption, dialString(792).str());
    EXPECT_EQ(winMessageBoxes()[0].text, (dialString(793) + " " + sectionTypeDisplayEntry(11) +
                                          " " + dialString(794) + "\n" + dialString(795))
                                             .str());
    Ktx_ProfValuesTable shs;
    ASSERT_TRUE(shs.readFromFile("SHS"));  // Cancel left the file alone
    EXPECT_EQ(shs.header.length(), 17);
}

TEST_F(LibEditor, DeleteAndRenameChangeTheFilesAtOnce) {
    winScriptNextDialog(VnInputLineDlg::kResourceId,
                        Script().type(VnInputLineDlg::kText, "HEB").click(IDOK));
    run("IPE-300", Script()
                       .click(P::kDeleteTable)
                       .answer(IDNO)
                       .click(P::kDeleteTable)
                       .answer(IDYES)
                       .then([this](HWND) { EXPECT_EQ(editor->tablesPage().shownName(), "HEA"); })
                       .click(P::kRename)
                       .click(IDCANCEL));
    EXPECT_FALSE(std::filesystem::exists(lib() / "prof" / "IPE.pr"));
    EXPECT_FALSE(std::filesystem::exists(lib() / "prof" / "HEA.pr"));
    ASSERT_TRUE(std::filesystem::exists(lib() / "prof" / "HEB.pr"));
    Ktx_ProfValuesTable heb;
    ASSERT_TRUE(heb.readFromFile("HEB"));
    EXPECT_EQ(heb.rows[0][2], "HEA 100");
    EXPECT_EQ(winMessageBoxes()[0].icon, MB_ICONWARNING);
}

TEST_F(LibEditor, GroupsAreEditedOnTheCopyAndGivenBackOnOk) {
    // Adds a disabled group with a picture, then moves "Beams" down; ends with `button`.
    auto editGroups = [](int button) {
        return Script()
            .click(VnLibItemsPage::kAdd)
            .click(VnLibItemsPage::kEnabled)
            .type(VnLibItemsPage::kImage, "new.bmp")
            .choose(VnLibItemsPage::kItems, "Beams")
            .click(VnLibItemsPage::kMoveDown)
            .click(button);
    };
    const DlgEditLibData before = data;
    winScriptNextDialog(E::kResourceId, editGroups(IDCANCEL));
    EXPECT_FALSE(StartDlgEditLibSections(data, ""));
    EXPECT_EQ(data, before);
    winScriptNextDialog(E::kResourceId, editGroups(IDOK));
    ASSERT_TRUE(StartDlgEditLibSections(data, ""));
    ASSERT_EQ(data.groups.length(), 3);
    EXPECT_EQ(data.groups.getName(0), "Tubes");
    EXPECT_EQ(data.groups.getName(1), "Beams");
    EXPECT_EQ(data.groups.getName(2), dialString(758));
    EXPECT_FALSE(data.groups.getEnabled(2));
    EXPECT_EQ(data.groups.getImage(2), "new.bmp");
}

TEST_F(LibEditor, ANewTypeHasNoGroupAndItsTableComesFromTheTablesList) {
    winScriptNextDialog(E::kResourceId, Script()
                                            .selectTab(E::kTab, E::kTypesPage)
                                            .click(VnLibItemsPage::kAdd)
                                            .choose(VnLibTypesPage::kTable, "SHS")
                                            .choose(VnLibTypesPage::kGroup, "Tubes")
                                            .click(IDOK));
    ASSERT_TRUE(StartDlgEditLibSections(data, ""));
    ASSERT_EQ(data.types.size(), 1u);
    EXPECT_EQ(data.types[0].table, "SHS");
    EXPECT_EQ(data.types[0].group, 1);
    EXPECT_TRUE(data.types[0].enabled);
    EXPECT_EQ(data.types[0].names, dialStringAllLangs(764));
}

CSize windowSize(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return CSize(r.right - r.left, r.bottom - r.top);
}

TEST_F(LibEditor, IsNeverMadeSmallerThanItsDesignedSizeAndItsGridGrowsWithIt) {
    CSize designed, gridBefore;
    run("HEA-100", Script()
                       .then([&](HWND dlg) {
                           designed = windowSize(dlg);
                           gridBefore = windowSize(grid());
                       })
                       .resize(150, 100)
                       .then([&](HWND dlg) {
                           EXPECT_EQ(windowSize(dlg).cx, designed.cx);
                           EXPECT_EQ(windowSize(dlg).cy, designed.cy);
                       })
                       .resize(900, 600)
                       .then([&](HWND dlg) {
                           EXPECT_EQ(windowSize(grid()).cx, gridBefore.cx + 900 - designed.cx);
                           EXPECT_EQ(windowSize(grid()).cy, gridBefore.cy + 600 - designed.cy);
                           RECT client, ok;
                           GetClientRect(dlg, &client);
                           GetWindowRect(GetDlgItem(dlg, IDOK), &ok);
                           ScreenToClient(dlg, reinterpret_cast<POINT*>(&ok.right));
                           EXPECT_GT(ok.bottom, client.bottom - 40);
                       })
                       .click(IDCANCEL));
    const auto stored = dlgSizeRead("DLG_EDIT_SECTIONLIB");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->cx, 900);
}

TEST_F(LibEditor, RowButtonsShowTheModulesIconsWithTheirTextsAsTooltips) {
    registerModulePictures();
    const int ids[] = {P::kCopy,  P::kPaste,   P::kInsertRow, P::kDeleteRow,
                       P::kRowUp, P::kRowDown, P::kFind};
    run("HEA-100", Script()
                       .then([&](HWND) {
                           HWND page = editor->tablesPage().GetSafeHwnd();
                           for (int i = 0; i < P::kRowButtonCount; ++i) {
                               HWND button = GetDlgItem(page, ids[i]);
                               EXPECT_NE(SendMessage(button, BM_GETIMAGE, IMAGE_ICON, 0), 0)
                                   << ids[i];
                               EXPECT_EQ(winToolTipOf(button), dialString(772 + i).str());
                           }
                           EXPECT_EQ(SSGetMaxRows(grid()), 24);
                       })
                       .click(P::kInsertRow)
                       .then([&](HWND) { EXPECT_EQ(SSGetMaxRows(grid()), 25); })
                       .click(IDCANCEL));
}

TEST_F(LibEditor, GridLayoutChangesTheTablesRowsAndColumnsAfterRefusingABadCount) {
    std::ofstream(lib() / "prof" / "Plate.dwg") << "drawing";
    data.GetAvailableFiles();
    ASSERT_EQ(data.drawingFiles.length(), 1);
    using L = VnSpreadLayoutDlg;
    winScriptNextDialog(L::kResourceId, Script()
                                            .type(L::kCols, "many")
                                            .click(IDOK)
                                            .answer(IDOK)
                                            .type(L::kCols, "20")
                                            .type(L::kRows, "3")
                                            .click(IDOK));
    run("SHS-50x50x5", Script()
                           .choose(P::kShape, data.drawingFiles[0].str())
                           .then([this](HWND) { EXPECT_EQ(SSGetMaxCols(grid()), 17); })
                           .click(P::kGridLayout)
                           .then([this](HWND) {
                               EXPECT_EQ(SSGetMaxCols(grid()), 20);
                               EXPECT_EQ(SSGetMaxRows(grid()), 3);
                               Ktx_ProfValuesTable table;
                               ASSERT_TRUE(table.getFromSS(editor->tablesPage().spread()));
                               EXPECT_EQ(table.header.length(), 20);
                               EXPECT_EQ(table.rows.length(), 3);
                           })
                           .click(IDCANCEL));
    ASSERT_EQ(winMessageBoxes().size(), 1u);
    EXPECT_EQ(winMessageBoxes()[0].text, dialString(1523).str());
}

}  // namespace
