#include "vn_cutting_stock_model.h"

#include "command_line.h"
#include "csp_files.h"
#include "csp_test_support.h"
#include "file_chooser.h"
#include "message_box.h"
#include "win_driver.h"

namespace {

class CuttingStockModel : public CspLibraryTest {
  protected:
    void SetUp() override {
        CspLibraryTest::SetUp();
        setenv("TZ", "UTC", 1);
        tzset();
        std::filesystem::create_directories(lib_ / "Texts");
        std::ofstream(lib_ / "Texts" / "English.txt")
            << "626=Shop lengths\n627=Buy lengths\n633=No shop file found\n634=for\n"
               "635=Loaded\n636=of%20\n637=No buy file found\n638=Loaded\n"
               "7101=A cell holds the separator.\n";
    }
    static VnCspRows rows(std::initializer_list<Ktx_StringArray> list) {
        VnCspRows out;
        for (const auto& r : list) out.append(r);
        return out;
    }

    DlgCSP2Data data_ = twoEntries();
    CspScriptedChooser chooser_;
    VnCuttingStockModel model_{data_, chooser_};
};

TEST_F(CuttingStockModel, OpeningShowsTheFirstEntryAndChangingTheSelectionStoresTheGrids) {
    model_.open();
    EXPECT_EQ(model_.shownEntryId(), 3);
    ASSERT_EQ(model_.grid(VnCspTableKind::Shop).length(), 2);
    model_.grid(VnCspTableKind::Shop)[0][1] = "2400";
    model_.grid(VnCspTableKind::Buy).append(Ktx_StringArray{"IPE 200", "12000", "3"});
    model_.selectEntry(1);
    EXPECT_EQ(model_.shownEntryId(), 7);
    EXPECT_EQ(model_.grid(VnCspTableKind::Shop), rows({{"PL 10", "1200", "4"}}));
    EXPECT_EQ(data_.shopIds, (AcArray<int>{7, 3, 3}));
    EXPECT_EQ(data_.shopRows[1][1], "2400");
    EXPECT_EQ(data_.buyIds, (AcArray<int>{3}));
}

TEST_F(CuttingStockModel, WithNoEntriesTheGridsStayEmptyAndNothingIsStored) {
    DlgCSP2Data empty;
    VnCuttingStockModel model(empty, chooser_);
    model.open();
    EXPECT_EQ(model.shownEntryId(), -1);
    model.grid(VnCspTableKind::Shop).append(Ktx_StringArray{"x", "1", "1"});
    EXPECT_FALSE(model.addRow(VnCspTableKind::First, -1));
    EXPECT_FALSE(model.saveTable(VnCspTableKind::Shop, false));
    EXPECT_FALSE(model.loadTable(VnCspTableKind::Buy));
    model.confirm();
    EXPECT_TRUE(empty.shopRows.isEmpty());
    EXPECT_TRUE(chooser_.requests.empty());
}

TEST_F(CuttingStockModel, NewAndDeletedEntriesMoveTheSelection) {
    model_.open();
    EXPECT_FALSE(model_.newEntry(""));
    ASSERT_TRUE(model_.newEntry("HEA"));
    EXPECT_EQ(model_.selectedIndex(), 2);
    EXPECT_EQ(model_.shownEntryId(), 8);
    EXPECT_TRUE(model_.grid(VnCspTableKind::Shop).isEmpty());
    ASSERT_TRUE(model_.deleteSelectedEntry());
    EXPECT_EQ(model_.selectedIndex(), 1);
    EXPECT_EQ(model_.shownEntryId(), 7);
    model_.selectEntry(0);
    ASSERT_TRUE(model_.deleteSelectedEntry());
    EXPECT_EQ(model_.shownEntryId(), 7);
    EXPECT_EQ(data_.shopIds, (AcArray<int>{7}));
    ASSERT_TRUE(model_.deleteSelectedEntry());
    EXPECT_EQ(model_.shownEntryId(), -1);
    EXPECT_FALSE(model_.deleteSelectedEntry());
}

TEST_F(CuttingStockModel, RowsAreAddedBelowTheSelectedRowAndDeletedByIndex) {
    model_.open();
    ASSERT_TRUE(model_.addRow(VnCspTableKind::Shop, 0));
    EXPECT_EQ(model_.grid(VnCspTableKind::Shop)[1], (Ktx_StringArray{"", "", ""}));
    ASSERT_TRUE(model_.addRow(VnCspTableKind::First, -1));
    EXPECT_FALSE(model_.addRow(VnCspTableKind::Shop, 3));
    ASSERT_TRUE(model_.deleteRow(VnCspTableKind::Shop, 2));
    EXPECT_EQ(model_.grid(VnCspTableKind::Shop)[0][1], "2350");
    EXPECT_FALSE(model_.deleteRow(VnCspTableKind::Buy, 0));
}

TEST_F(CuttingStockModel, SavingAsksWithTheProposedNameAndFixesTheExtension) {
    writeFile("IPE", "Stock1.shp", "");
    writeFile("IPE", "Stock7.shp", "");
    model_.open();
    chooser_.answers.push_back(winPath("IPE", "mine.txt"));
    ASSERT_TRUE(model_.saveTable(VnCspTableKind::Shop, true));
    ASSERT_EQ(chooser_.requests.size(), 1u);
    const VnCspFileRequest& asked = chooser_.requests[0];
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.startName, cspEntryFolder("IPE") + "Stock8.shp");
    EXPECT_EQ(asked.filter, "Shop lengths (*.shp)|*.shp||");
    EXPECT_EQ(asked.flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_EQ(readFile("IPE", "mine.txt.shp"), kIpeShopFile);
    EXPECT_FALSE(model_.saveTable(VnCspTableKind::Buy, true)) << "cancelled";
    EXPECT_TRUE(model_.saveTable(VnCspTableKind::Buy, false));
    EXPECT_EQ(readFile("IPE", "Stock1.buy"), "");
}

TEST_F(CuttingStockModel, ACellHoldingTheSeparatorStopsTheSaveWithAMessage) {
    model_.open();
    model_.grid(VnCspTableKind::Shop)[0][0] =
        "IPE\xBF"
        "200";
    EXPECT_FALSE(model_.saveTable(VnCspTableKind::Shop, false));
    EXPECT_FALSE(model_.saveTable(VnCspTableKind::Shop, true));
    EXPECT_TRUE(chooser_.requests.empty()) << "refused before a name is asked for";
    EXPECT_FALSE(std::filesystem::exists(entryDir("IPE") / "Stock1.shp"));
    ASSERT_EQ(winMessageBoxes().size(), 2u);
    EXPECT_EQ(winMessageBoxes()[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(winMessageBoxes()[0].text, "A cell holds the separator.");
}

TEST_F(CuttingStockModel, LoadingStartsOnTheNewestFileAndReplacesTheEntrysRows) {
    writeFile("Plate", "old.buy",
              "x\xBF"
              "1\r\n",
              1'700'000'000);
    writeFile("Plate", "new.buy",
              "PL 10\xBF"
              "6000\xBF"
              "2\r\nPL 10\xBF"
              "12000\xBF"
              "1\r\n",
              1'700'000'100);
    model_.open();
    model_.selectEntry(1);
    chooser_.answers.push_back(winPath("Plate", "new"));
    ASSERT_TRUE(model_.loadTable(VnCspTableKind::Buy));
    EXPECT_EQ(chooser_.requests[0].startName, winPath("Plate", "new.buy"));
    EXPECT_FALSE(chooser_.requests[0].save);
    EXPECT_NE(chooser_.requests[0].flags & OFN_FILEMUSTEXIST, 0u);
    EXPECT_EQ(model_.grid(VnCspTableKind::Buy),
              rows({{"PL 10", "6000", "2"}, {"PL 10", "12000", "1"}}));
    EXPECT_EQ(data_.buyIds, (AcArray<int>{7, 7}));
    EXPECT_FALSE(model_.loadTable(VnCspTableKind::Buy)) << "cancelled";
}

TEST_F(CuttingStockModel, ShopOnlyBatchSavesEveryEntryUnderItsDefaultName) {
    writeFile("Plate", "Stock4.shp", "");
    model_.open();
    EXPECT_EQ(model_.saveAllShopTables(false), 2);
    EXPECT_TRUE(chooser_.requests.empty());
    EXPECT_EQ(readFile("IPE", "Stock1.shp"), kIpeShopFile);
    EXPECT_EQ(readFile("Plate", "Stock5.shp"),
              "PL 10\xBF"
              "1200\xBF"
              "4\r\n");
    chooser_.answers.push_back(std::nullopt);
    chooser_.answers.push_back(winPath("Plate", "asked"));
    EXPECT_EQ(model_.saveAllShopTables(true), 1);
    EXPECT_EQ(chooser_.requests.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(entryDir("Plate") / "asked.shp"));
}

TEST_F(CuttingStockModel, BatchLoadReportsEachEntryWordForWord) {
    writeFile("Plate", "Stock2.buy",
              "PL 10\xBF"
              "6000\xBF"
              "3\r\n",
              1'765'193'100);
    writeFile("IPE", "Stock1.shp",
              "IPE 200\xBF"
              "900\xBF"
              "1\r\n",
              1'765'000'000);
    writeFile("IPE", "Stock3.shp",
              "IPE 200\xBF"
              "1500\xBF"
              "2\r\n",
              1'765'100'000);
    model_.open();
    const Ktx_StringArray listing = model_.loadNewestAndReport();
    const std::string rule(116, '-');
    EXPECT_EQ(listing, (Ktx_StringArray{
                           rule,
                           "Loaded \"Stock3.shp\" for \"IPE\" of 07 December, 2025 (09:33)",
                           "",
                           "No buy file found for \"IPE\".",
                           rule,
                           "No shop file found for \"Plate\".",
                           "",
                           "Loaded \"Stock2.buy\" for \"Plate\" of 08 December, 2025 (11:25)",
                           rule,
                       }));
    EXPECT_EQ(model_.grid(VnCspTableKind::Shop), rows({{"IPE 200", "1500", "2"}}));
    EXPECT_EQ(data_.shopIds, (AcArray<int>{7, 3})) << "Plate's shop rows are left as they were";
    EXPECT_EQ(data_.buyIds, (AcArray<int>{7}));
}

}  // namespace
