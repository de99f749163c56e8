// The spreadsheet editor's commands and its dialogs (font and colours, print preview, header
// and footer legend), driven as a person would.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core.h"
#include "grid.h"
#include "grid_file_io.h"
#include "spread_editor_commands.h"
#include "spread_font_dlg.h"
#include "spread_legend_dlg.h"
#include "spread_preview_dlg.h"
#include "spread_settings.h"
#include "spread_test_host.h"
#include "win_driver.h"

namespace {

namespace fs = std::filesystem;

class SpreadEditorTest : public SpreadHostTest {
  protected:
    void SetUp() override {
        SpreadHostTest::SetUp();
        gSettings.setLibDir(windowsPathFromHost(std::string(VN_SOURCE_DIR) + "/examples/library"));
        folder = fs::path(::testing::TempDir()) / ("vn_editor_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        gSettings.setSettingsDir(windowsPathFromHost(folder.string()));
        makeGrid(2, 3);
        ss.setCellText(1, 1, "IPE 300");
        ss.setCellText(2, 1, "42.2");
        ss.setCellText(1, SS_HEADER, "Profile");
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string menuText(HMENU menu, int position) {
        char text[64] = {};
        GetMenuString(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
        return text;
    }

    fs::path folder;
};

TEST_F(SpreadEditorTest, MenuBarGroupsTheCommandsAndTheContextMenuHoldsTheFiveCellCommands) {
    HMENU bar = createSpreadEditorMenuBar();
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    EXPECT_EQ(menuText(bar, 0), "File");
    EXPECT_EQ(menuText(bar, 3), "Tools");
    HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(GetMenuItemID(file, 4), UINT(SpreadCommand::Export));
    EXPECT_EQ(menuText(file, 4), "Export...");
    EXPECT_EQ(GetMenuState(file, 5, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));
    HMENU context = createSpreadEditorContextMenu();
    ASSERT_EQ(GetMenuItemCount(context), 5);
    EXPECT_EQ(menuText(context, 2), "Lettertype en kleuren");
    EXPECT_EQ(GetMenuItemID(context, 4), UINT(SpreadCommand::ContextCellType));
    DestroyMenu(bar);
    DestroyMenu(context);
}

TEST_F(SpreadEditorTest, ExportWritesTheChosenCsvAndSaveAsTheSheetWithItsSettingsFile) {
    VnSpreadEditor editor(ss);
    const std::string csv = (folder / "out.csv").string();
    winQueueFileChoice({csv});
    ASSERT_TRUE(editor.onCommand(SpreadCommand::Export));
    EXPECT_EQ(gridReadFile(csv).value_or(""), "Profile,\r\nIPE 300,42.2\r\n,\r\n,\r\n");
    const std::string sheet = (folder / "sheet.vns").string();
    winQueueFileChoice({sheet});
    ASSERT_TRUE(editor.onCommand(SpreadCommand::Save));  // no name yet: asks for one
    EXPECT_TRUE(fs::exists(sheet));
    EXPECT_TRUE(fs::exists(folder / "sheet.vnd"));
    EXPECT_EQ(editor.fileName(), Ktx_String(sheet));
    EXPECT_FALSE(editor.onCommand(SpreadCommand::Borders));  // not this editor's
}

TEST_F(SpreadEditorTest, AFailedExportIsAMessageBox) {
    VnSpreadEditor editor(ss);
    winQueueFileChoice({(folder / "missing" / "out.csv").string()});
    EXPECT_FALSE(editor.onCommand(SpreadCommand::Export));
    ASSERT_EQ(winMessageBoxes().size(), 1u);
    EXPECT_EQ(winMessageBoxes()[0].text.rfind("The file could not be written:", 0), 0u);
}

TEST_F(SpreadEditorTest, FontDialogOpensOnTheFirstCellAndOkAppliesToTheBlock) {
    SSSetSelectBlock(grid(), 1, 1, 2, 1);
    winScriptNextDialog(VnSpreadFontDlg::kResourceId,
                        Script()
                            .choose(VnSpreadFontDlg::kFontName, "Arial")
                            .type(VnSpreadFontDlg::kFontHeight, "16")
                            .choose(VnSpreadFontDlg::kBackground, "Geel")
                            .click(IDOK));
    ASSERT_TRUE(StartDlgSpreadFont(ss));
    SSFont font;
    ASSERT_TRUE(SSGetFont(grid(), 2, 1, &font));
    EXPECT_EQ(font.name, "Arial");
    EXPECT_EQ(font.height, 16);
    COLORREF back = 0, fore = 0;
    SSGetColor(grid(), 2, 1, &back, &fore);
    EXPECT_EQ(back, 0x00FFFFu);
    SSGetFont(grid(), 1, 2, &font);
    EXPECT_NE(font.name, "Arial");  // outside the block
}

TEST_F(SpreadEditorTest, FontHeightOutsideSixToSeventyTwoIsRefused) {
    VnSpreadFontData data;
    EXPECT_FALSE(VnSpreadFontModel::setHeight(data, "5"));
    EXPECT_FALSE(VnSpreadFontModel::setHeight(data, "12pt"));
    EXPECT_TRUE(VnSpreadFontModel::setHeight(data, "72"));
    EXPECT_EQ(data.height, 72);
}

TEST(SpreadPreviewModel, PagesOfFortyRowsAndZoomSteps) {
    VnSpreadPreviewModel m;
    m.setRows(81);
    EXPECT_EQ(m.pageCount, 3);
    EXPECT_FALSE(m.canPrevious());
    m.next();
    m.next();
    EXPECT_FALSE(m.canNext());
    EXPECT_EQ(m.firstRow(), 81);
    m.setRows(0);
    EXPECT_EQ(m.pageCount, 1);
    EXPECT_EQ(m.page, 1);
    for (int i = 0; i < 10; ++i) m.zoomIn();
    EXPECT_EQ(m.zoom, 400);
    EXPECT_FALSE(m.canZoomIn());
    m.zoomOut();
    EXPECT_EQ(m.caption(), "Page 1 of 1 (300%)");
}

TEST_F(SpreadEditorTest, PreviewShowsThePageWithHeadersAndSetupEditsTheLegend) {
    ss.setMaxRows(45);
    ss.setCellText(1, 41, "second page");
    HWND preview = nullptr;
    winScriptNextDialog(VnSpreadLegendDlg::kResourceId,
                        Script().type(VnSpreadLegendDlg::kLegend, "Page &P of &N").click(IDOK));
    winScriptNextDialog(
        VnSpreadPreviewDlg::kResourceId,
        Script()
            .click(VnSpreadPreviewDlg::kNext)
            .then([&](HWND dialog) {
                preview = ::GetDlgItem(dialog, VnSpreadPreviewDlg::kPreview);
                char text[32] = {};
                SSGetData(preview, 1, 1, text);
                EXPECT_STREQ(text, "second page");
                SSGetData(preview, 1, 0, text);
                EXPECT_STREQ(text, "Profile");
                EXPECT_EQ(SSGetMaxRows(preview), 5);
                EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, VnSpreadPreviewDlg::kNext)));
                EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, VnSpreadPreviewDlg::kPrint)));
            })
            .click(VnSpreadPreviewDlg::kSetup)
            .then([](HWND dialog) {
                char text[64] = {};
                ::GetDlgItemText(dialog, VnSpreadPreviewDlg::kPage, text, 64);
                EXPECT_STREQ(text, "Page 2 of 2 (100%)   Page 2 of 2");
            })
            .click(IDCANCEL));
    EXPECT_TRUE(StartDlgSpreadPreview(ss));
}

TEST(SpreadLegend, CodesStandForPageNumberPagesAndDate) {
    EXPECT_EQ(spreadLegendResult("&P/&N &D &&x &Q&", 2, 5, "08-12-2026"), "2/5 08-12-2026 &x &Q&");
}

TEST_F(SpreadEditorTest, LegendFontCanBecomeTheSheetsDefaultFont) {
    VnSpreadLegendData data;
    winScriptNextDialog(VnSpreadLegendDlg::kResourceId,
                        Script()
                            .click(VnSpreadLegendDlg::kChangeFont)  // Tahoma -> Times New Roman
                            .click(VnSpreadLegendDlg::kDefaultFont)
                            .click(VnSpreadLegendDlg::kRight)
                            .click(IDOK));
    ASSERT_TRUE(StartDlgSpreadLegend(data, ss));
    EXPECT_EQ(data.fontName, "Times New Roman");
    EXPECT_EQ(data.alignment, VnSpreadLegendData::Right);
    SpreadSettings settings;
    settings.readFromGrid(ss);
    EXPECT_EQ(settings.defaultFont, "Times New Roman");
    SSFont font;
    SSGetFont(grid(), 2, 3, &font);
    EXPECT_EQ(font.name, "Times New Roman");
}

}  // namespace
