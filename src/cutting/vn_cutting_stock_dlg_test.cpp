#include "vn_cutting_stock_dlg.h"

#include "csp_test_support.h"
#include "dlg_info.h"
#include "dlg_size.h"
#include "grid.h"
#include "grid_user.h"
#include "vn_input_line_dlg.h"
#include "win_driver.h"

namespace {

using D = VnCuttingStockDlg;

class CuttingStockDialog : public CspLibraryTest {
  protected:
    void SetUp() override {
        CspLibraryTest::SetUp();
        std::filesystem::create_directories(lib_ / "Texts");
        std::ofstream(lib_ / "Texts" / "English.txt")
            << "620=Cutting stock\n628=Save all shop tables\n629=Load the newest tables\n"
               "633=No shop file found\n634=for\n635=Loaded\n636=of%20\n637=No buy file found\n"
               "638=Loaded\n652=Cutting stock files\n";
    }
    static HWND item(HWND dialog, int id) { return GetDlgItem(dialog, id); }
    static std::string windowText(HWND window) {
        char text[4096] = {};
        GetWindowText(window, text, sizeof text);
        return text;
    }
    static std::string cell(HWND dialog, int gridId, int col, int row) {
        char text[256] = {};
        SSGetData(item(dialog, gridId), col, row, text);
        return text;
    }

    DlgCSP2Data data_ = twoEntries();
};

}  // namespace

TEST_F(CuttingStockDialog, OpensOnTheFirstEntryAndOkKeepsWhatWasTypedInEveryEntry) {
    winScriptNextDialog(
        D::kResourceId,
        Script()
            .then([&](HWND dlg) {
                EXPECT_EQ(windowText(dlg), "Cutting stock");
                EXPECT_EQ(SSGetMaxRows(item(dlg, D::kShopGrid)), 2);
                EXPECT_EQ(cell(dlg, D::kShopGrid, 2, 2), "4100");
                EXPECT_FALSE(IsWindowVisible(item(dlg, D::kAskEachFile)));
                EXPECT_TRUE(ssUserTypeInCell(item(dlg, D::kShopGrid), 2, 1, "2400"));
            })
            .choose(D::kEntryList, "Plate")
            .then([&](HWND dlg) {
                EXPECT_EQ(cell(dlg, D::kShopGrid, 1, 1), "PL 10");
                ssUserClickCell(item(dlg, D::kShopGrid), 1, 1);
            })
            .click(D::kAddShopRow)
            .click(IDOK));
    const DlgCSP2Data before = data_;
    ASSERT_TRUE(StartDlgCSP2(data_));
    EXPECT_EQ(data_.shopIds, (AcArray<int>{3, 3, 7, 7}));
    EXPECT_EQ(data_.shopRows[0][1], "2400");
    EXPECT_EQ(data_.shopRows[3], (Ktx_StringArray{"", "", ""}));
    EXPECT_EQ(data_.entryNames, before.entryNames);
}

TEST_F(CuttingStockDialog, CancelLeavesTheCallersDataAsItWas) {
    winScriptNextDialog(D::kResourceId, Script()
                                            .click(D::kDeleteEntry)
                                            .then([](HWND dlg) {
                                                EXPECT_EQ(SSGetMaxRows(item(dlg, D::kShopGrid)), 1);
                                            })
                                            .click(IDCANCEL));
    EXPECT_FALSE(StartDlgCSP2(data_));
    EXPECT_EQ(data_.entryIds, (AcArray<int>{3, 7}));
    EXPECT_EQ(data_.shopRows.length(), 3);
}

TEST_F(CuttingStockDialog, NewEntryAsksForANameAndDeletingTheLastSelectsTheOneBefore) {
    winScriptNextDialog(VnInputLineDlg::kResourceId,
                        Script().type(VnInputLineDlg::kText, "HEA").click(IDOK));
    winScriptNextDialog(
        D::kResourceId,
        Script()
            .click(D::kNewEntry)
            .then([](HWND dlg) {
                EXPECT_EQ(windowText(item(dlg, D::kEntryList)), "HEA");
                EXPECT_EQ(SSGetMaxRows(item(dlg, D::kShopGrid)), 0);
            })
            .click(D::kDeleteEntry)
            .then([](HWND dlg) { EXPECT_EQ(windowText(item(dlg, D::kEntryList)), "Plate"); })
            .click(IDOK));
    ASSERT_TRUE(StartDlgCSP2(data_));
    EXPECT_EQ(data_.entryIds, (AcArray<int>{3, 7}));
}

TEST_F(CuttingStockDialog, ShopOnlyModeDisablesAllButTheShopTableAndSavesEveryEntry) {
    data_.shopOnly = true;
    winScriptNextDialog(
        D::kResourceId,
        Script()
            .then([](HWND dlg) {
                for (int id :
                     {D::kNewEntry, D::kDeleteEntry, D::kFirstGrid, D::kBuyGrid, D::kAddFirstRow,
                      D::kDeleteFirstRow, D::kAddBuyRow, D::kDeleteBuyRow, D::kOpenBuy, D::kSaveBuy,
                      D::kFirstLabel, D::kListLabel, D::kBuyLabel})
                    EXPECT_FALSE(IsWindowEnabled(item(dlg, id))) << id;
                for (int id : {D::kShopGrid, D::kAddShopRow, D::kSaveShop, D::kShopLabel})
                    EXPECT_TRUE(IsWindowEnabled(item(dlg, id))) << id;
                EXPECT_TRUE(IsWindowVisible(item(dlg, D::kAskEachFile)));
                EXPECT_EQ(windowText(item(dlg, D::kBatch)), "Save all shop tables");
            })
            .click(D::kBatch)
            .click(IDCANCEL));
    EXPECT_FALSE(StartDlgCSP2(data_));
    EXPECT_EQ(readFile("IPE", "Stock1.shp"), kIpeShopFile);
    EXPECT_TRUE(std::filesystem::exists(entryDir("Plate") / "Stock1.shp"));
    EXPECT_TRUE(winFileChoosers().empty()) << "not asked while 9074 is off";
}

TEST_F(CuttingStockDialog, LoadingTheNewestTablesShowsThemAndTheListing) {
    setenv("TZ", "UTC", 1);
    tzset();
    writeFile("Plate", "Stock2.buy",
              "PL 10\xBF"
              "6000\xBF"
              "47.1\r\n",
              1765195200);  // 08 December 2025, 12:00
    std::string listing;
    winScriptNextDialog(
        kDlgInfoResourceId,
        Script().then([&](HWND dlg) { listing = windowText(item(dlg, 1000)); }).click(IDOK));
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .chooseIndex(D::kEntryList, 1)
                            .click(D::kBatch)
                            .then([](HWND dlg) { EXPECT_EQ(cell(dlg, D::kBuyGrid, 2, 1), "6000"); })
                            .click(IDOK));
    ASSERT_TRUE(StartDlgCSP2(data_));
    EXPECT_NE(listing.find("No shop file found for \"Plate\".\r\n\r\n"
                           "Loaded \"Stock2.buy\" for \"Plate\" of 08 December, 2025 (12:00)"),
              std::string::npos)
        << listing;
    EXPECT_EQ(data_.buyIds, (AcArray<int>{7}));
}

TEST_F(CuttingStockDialog, TheDialogIsNeverMadeSmallerThanItsDesignedSize) {
    CSize designed;
    winScriptNextDialog(D::kResourceId, Script()
                                            .then([&](HWND dlg) {
                                                RECT r;
                                                GetWindowRect(dlg, &r);
                                                designed =
                                                    CSize(r.right - r.left, r.bottom - r.top);
                                            })
                                            .resize(150, 100)
                                            .then([&](HWND dlg) {
                                                RECT r;
                                                GetWindowRect(dlg, &r);
                                                EXPECT_EQ(r.right - r.left, designed.cx);
                                                EXPECT_EQ(r.bottom - r.top, designed.cy);
                                            })
                                            .resize(900, 500)
                                            .click(IDOK));
    ASSERT_TRUE(StartDlgCSP2(data_));
    const auto stored = dlgSizeRead(D::kSizeName);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->cx, 900);
}

TEST_F(CuttingStockDialog, ResizingStretchesTheBuyTableAndKeepsTheButtonsBelowTheGrids) {
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .resize(900, 600)
                            .then([](HWND dlg) {
                                RECT client, grid, save, ok;
                                GetClientRect(dlg, &client);
                                GetWindowRect(item(dlg, D::kBuyGrid), &grid);
                                GetWindowRect(item(dlg, D::kSaveBuy), &save);
                                GetWindowRect(item(dlg, D::kOpenBuy), &ok);
                                ScreenToClient(dlg, reinterpret_cast<POINT*>(&grid.right));
                                EXPECT_GT(grid.right, client.right - 40);
                                EXPECT_GT(save.top, grid.bottom);
                                GetWindowRect(item(dlg, IDOK), &ok);
                                ScreenToClient(dlg, reinterpret_cast<POINT*>(&ok.right));
                                EXPECT_GT(ok.right, client.right - 100);
                            })
                            .click(IDCANCEL));
    EXPECT_FALSE(StartDlgCSP2(data_));
}
