#include "csp_files.h"

#include "csp_test_support.h"
#include "file_search.h"

namespace {

class CspFiles : public CspLibraryTest {};

TEST_F(CspFiles, TheEntryFolderLiesBelowTheLibrarysCuttingStockFolder) {
    EXPECT_EQ(cspEntryFolder("HEA 200"), gSettings.libDir + "Cutting Stock\\HEA 200\\");
}

TEST_F(CspFiles, DefaultSaveNameCountsOnFromTheLargestStockNumber) {
    const Ktx_String folder = cspEntryFolder("IPE");
    ObjectExportCreateDirectory(folder);
    EXPECT_EQ(cspDefaultSaveName(folder, "shp"), folder + "Stock1.shp");
    writeFile("IPE", "Stock1.shp", "");
    writeFile("IPE", "stock7.SHP", "");
    writeFile("IPE", "Stock12.buy", "");
    writeFile("IPE", "Stockx.shp", "");
    writeFile("IPE", "Stock99.shp.bak", "");
    EXPECT_EQ(cspDefaultSaveName(folder, "shp"), folder + "Stock8.shp");
    EXPECT_EQ(cspDefaultSaveName(folder, "buy"), folder + "Stock13.buy");
    EXPECT_EQ(cspDefaultSaveName(folder, "csv1"), folder + "Stock0.csv1");
}

TEST_F(CspFiles, ExtensionIsAppendedUnlessThePathEndsExactlyInIt) {
    EXPECT_EQ(cspWithExtension("c:\\x\\name", "shp"), "c:\\x\\name.shp");
    EXPECT_EQ(cspWithExtension("c:\\x\\name.txt", "shp"), "c:\\x\\name.txt.shp");
    EXPECT_EQ(cspWithExtension("c:\\x\\name.shp", "shp"), "c:\\x\\name.shp");
}

TEST_F(CspFiles, NewestFileWinsAndEqualTimesKeepTheFirstFound) {
    const Ktx_String folder = cspEntryFolder("IPE");
    Ktx_String file;
    std::time_t modified = 0;
    EXPECT_FALSE(cspNewestFile(folder, "shp", file, modified));
    writeFile("IPE", "a.shp", "", 1'700'000'000);
    writeFile("IPE", "b.shp", "", 1'700'000'500);
    writeFile("IPE", "c.shp", "", 1'700'000'500);
    writeFile("IPE", "d.buy", "", 1'800'000'000);
    ASSERT_TRUE(cspNewestFile(folder, "shp", file, modified));
    EXPECT_EQ(getFileName(file), "b.shp");
    EXPECT_EQ(modified, 1'700'000'500);
}

TEST_F(CspFiles, RowsAreWrittenAsLinesOfCellsJoinedByTheSeparatorByte) {
    VnCspRows rows;
    rows.append(Ktx_StringArray{"IPE 200", "6000", "4"});
    rows.append(Ktx_StringArray{"", "12000", ""});
    std::filesystem::create_directories(entryDir("IPE"));
    ASSERT_TRUE(cspWriteTableFile(winPath("IPE", "t.shp"), rows));
    EXPECT_EQ(readFile("IPE", "t.shp"),
              "IPE 200\xBF"
              "6000\xBF"
              "4\r\n\xBF"
              "12000\xBF\r\n");
    VnCspRows back;
    ASSERT_TRUE(cspReadTableFile(winPath("IPE", "t.shp"), back));
    EXPECT_EQ(back, rows);
}

TEST_F(CspFiles, ATableWithTheSeparatorInACellIsNotWrittenSinceItWouldReadBackSplit) {
    writeFile("IPE", "t.shp", "old\r\n");
    VnCspRows rows;
    rows.append(Ktx_StringArray{"IPE 200", "6000", "4"});
    rows.append(
        Ktx_StringArray{"a\xBF"
                        "b",
                        "1", "2"});
    int row = -1, cell = -1;
    ASSERT_TRUE(cspFindSeparatorInCells(rows, row, cell));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(cell, 0);
    EXPECT_FALSE(cspWriteTableFile(winPath("IPE", "t.shp"), rows));
    EXPECT_EQ(readFile("IPE", "t.shp"), "old\r\n");
}

TEST_F(CspFiles, ALineIsSplitAtEverySeparatorByteWhenRead) {
    writeFile("IPE", "t.buy",
              "a\xBF"
              "b\xBF"
              "c\xBF"
              "d\n");
    VnCspRows rows;
    ASSERT_TRUE(cspReadTableFile(winPath("IPE", "t.buy"), rows));
    ASSERT_EQ(rows.length(), 1);
    EXPECT_EQ(rows[0], (Ktx_StringArray{"a", "b", "c", "d"}));
    EXPECT_FALSE(cspReadTableFile(winPath("IPE", "missing.buy"), rows));
}

}  // namespace
