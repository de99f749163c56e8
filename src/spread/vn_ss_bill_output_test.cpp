#include "vn_ss_bill_output.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "acad.h"
#include "bill_picture.h"
#include "core.h"
#include "grid.h"
#include "ktx_spread.h"
#include "spread_settings.h"
#include "win_driver.h"

namespace {

namespace fs = std::filesystem;

Ktx_Array<int> ints(std::initializer_list<int> values) {
    Ktx_Array<int> array;
    for (int v : values) array.append(v);
    return array;
}

class BillOutputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::path(::testing::TempDir()) / ("vn_bill_output_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        gSettings.setSettingsDir(Ktx_String(folder.string()));
        billFile = Ktx_String((folder / "Hall\xBFMain list.vns").string());
    }
    void TearDown() override { fs::remove_all(folder); }

    Acad::ErrorStatus init(const Ktx_String& templateFile = Ktx_String()) {
        return output.init(billFile, {"Pos", "Profile", "Length", "Weight"}, Ktx_Array<int>(),
                           ints({1, 3, 1, 2}), templateFile, {"Project"}, {"Hall 3"});
    }
    Ktx_Spread& grid() { return *output.holder()->getSSPointer(); }
    Ktx_String cell(int col, int row, int kind = CellTextKind::Value) {
        Ktx_String text;
        grid().getCellText(col, row, text, kind);
        return text;
    }
    // The saved bill loaded into the grid again (after the grid was emptied).
    SpreadSettings reloaded() {
        SSSetMaxRows(grid().gridWindow(), 0);
        SSSetCellTag(grid().gridWindow(), 0, 0, "");
        EXPECT_TRUE(SSLoadFromFile(grid().gridWindow(), hostPath(billFile).c_str()));
        SpreadSettings settings;
        settings.readFromGrid(grid());
        return settings;
    }

    fs::path folder;
    Ktx_String billFile;
    VnSSBillOutput output;
};

TEST_F(BillOutputTest, WithoutAGridInitFailsWith337AndTheEndWithInvalidInput) {
    output.dropHolderForTests();
    EXPECT_EQ(init(), Acad::eNullObjectPointer);
    output.onAddRow({"1", "PL15", "600", "14.1"});
    EXPECT_EQ(output.onEndFeed(), Acad::eInvalidInput);
    EXPECT_FALSE(fs::exists(hostPath(billFile)));
}

TEST_F(BillOutputTest, InitOpensTheHolderUnderTheMainWindowWithHeadersAndGridLines) {
    ASSERT_EQ(init(), Acad::eOk);
    HWND window = output.holder()->window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetParent(window), adsw_acadMainWnd());
    EXPECT_EQ(GetFocus(), adsw_acadMainWnd());
    EXPECT_EQ(grid().getMaxCols(), 4);
    EXPECT_EQ(cell(2, kSpreadHeader, CellTextKind::Data), "Profile");
    EXPECT_EQ(SSGetGridType(grid().gridWindow()), 7);
    EXPECT_EQ(SSGetGridColor(grid().gridWindow()), 0x323232u);
}

TEST_F(BillOutputTest, TemplateFontFromItsEditorDataIsAppliedToAllCells) {
    ASSERT_EQ(init(), Acad::eOk);
    grid().setMaxRows(3);
    SpreadSettings settings;
    settings.readFromGrid(grid());
    settings.defaultFont = "Arial";
    settings.defaultTextHeight = 10;
    ASSERT_TRUE(settings.writeToGrid(grid()));
    const std::string templateFile = (folder / "template.vns").string();
    ASSERT_TRUE(SSSaveToFile(grid().gridWindow(), templateFile.c_str(), false));

    VnSSBillOutput second;
    ASSERT_EQ(second.init(billFile, {"A"}, Ktx_Array<int>(), Ktx_Array<int>(),
                          Ktx_String(templateFile), Ktx_StringArray(), Ktx_StringArray()),
              Acad::eOk);
    SSFont font;
    ASSERT_TRUE(SSGetFont(second.holder()->getSSPointer()->gridWindow(), 1, 2, &font));
    EXPECT_EQ(font.name, "Arial");
    EXPECT_EQ(font.height, 10);
}

TEST_F(BillOutputTest, EmptyFeedSavesHeadersAndTheThreeVariablesInFront) {
    ASSERT_EQ(init(), Acad::eOk);
    EXPECT_EQ(output.onStartFeed(), Acad::eOk);
    EXPECT_EQ(output.onEndFeed(), Acad::eOk);
    const SpreadSettings settings = reloaded();
    EXPECT_EQ(grid().getMaxRows(), 0);
    EXPECT_EQ(cell(4, kSpreadHeader, CellTextKind::Data), "Weight");
    EXPECT_EQ(settings.varNames, (Ktx_StringArray{"Date", "Title", "BillFilename", "Project"}));
    EXPECT_EQ(settings.varValues[1], "Main list");
    EXPECT_EQ(settings.varValues[2], billFile);
    EXPECT_EQ(settings.varValues[3], "Hall 3");
}

TEST_F(BillOutputTest, RowsAreFormattedByColumnTypeAndSubtotalsColoured) {
    ASSERT_EQ(init(), Acad::eOk);
    output.onStartFeed();
    output.onAddRow({"1", "PL15", "600", "14.13"});
    output.onAddSubTotals({"", "Total", "", "14.13"}, Ktx_StringArray(), true, 0);
    EXPECT_EQ(output.onEndFeed(), Acad::eOk);
    EXPECT_EQ(grid().getMaxRows(), 2);
    EXPECT_EQ(cell(4, 1), "14.1");
    EXPECT_EQ(cell(2, 1), "PL15");
    COLORREF back = 0, fore = 0;
    SSGetColor(grid().gridWindow(), 2, 2, &back, &fore);
    EXPECT_EQ(back, 0xFFD1A4u);
    SSGetColor(grid().gridWindow(), 3, 2, &back, &fore);
    EXPECT_EQ(back, SS_COLOR_DEFAULT);
}

TEST_F(BillOutputTest, WithBillAndTransactionEachRowGetsAPictureRowAndThePictureFileGoes) {
    std::string error;
    Ktx_Bill bill = *Ktx_Bill::fromFeed("Pos\tProfile\tLength\tWeight\n", error);
    AcTransaction transaction(1);
    output.setVars(-1, 100, 30, true, true, &bill, &transaction);
    ASSERT_EQ(init(), Acad::eOk);
    output.onStartFeed();
    EXPECT_EQ(bmpDialogSize(), 120);
    output.onAddRow({"1", "PL15", "600", "14.13"});
    output.onAddRow({"2", "bolt", "", "0.3"});  // no length: no picture
    EXPECT_EQ(output.onEndFeed(), Acad::eOk);
    EXPECT_EQ(bmpDialogSize(), 0);
    HWND h = grid().gridWindow();
    EXPECT_EQ(grid().getMaxRows(), 3);
    EXPECT_EQ(cell(1, 3), "2");
    SSCellType type;
    ASSERT_TRUE(SSGetCellType(h, 2, 2, &type));
    EXPECT_EQ(type.type, SS_CELLTYPE_PICTURE);
    EXPECT_NE(type.picture, 0u);  // read when set: still shown after the file went
    int cols = 0, rows = 0;
    EXPECT_EQ(SSGetCellSpan(h, 2, 2, nullptr, nullptr, &cols, &rows), SS_SPAN_ANCHOR);
    EXPECT_EQ(cols, 3);
    ASSERT_TRUE(SSGetCellType(h, 1, 2, &type));
    EXPECT_NE(type.picture, 0u);
    int style = 0;
    COLORREF color = 0;
    SSGetBorder(h, 1, 2, SS_BORDERTYPE_RIGHT, &style, &color);
    EXPECT_EQ(style, 6);
    EXPECT_TRUE(fs::is_empty(hostPath(billPictureFolder())));
}

}  // namespace
