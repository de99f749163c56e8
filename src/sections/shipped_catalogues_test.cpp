// The section tables shipped in the example library: each loads, shows in a grid, comes back
// from the grid and saves unchanged byte for byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "file_ops.h"
#include "file_search.h"
#include "ktx_prof_values_table.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "section_table_file.h"
#include "section_types.h"
#include "spread_test_host.h"
#include "whole_file.h"

namespace {

class ShippedCatalogues : public SpreadHostTest {
  protected:
    void SetUp() override {
        SpreadHostTest::SetUp();
        gSettings.setLibDir(windowsPathFromHost(std::string(VN_SOURCE_DIR) + "/examples/library"));
        ObjectExportFindFiles(gSettings.libDir + "prof\\", "*.pr", files);
    }
    Ktx_StringArray files;
};

TEST_F(ShippedCatalogues, LoadShowAndSaveByteForByte) {
    ASSERT_EQ(files.length(), 8);
    ASSERT_TRUE(ss.create(&host, kPlaceholderId, true));
    for (const Ktx_String& file : files) {
        SCOPED_TRACE(file.str());
        std::string bytes;
        ASSERT_TRUE(fileReadWhole(hostPath(file), bytes));
        Ktx_ProfValuesTable table;
        ASSERT_TRUE(table.readFromFile(getFileName(file)));
        EXPECT_GT(shapeTypeNumber(table.shapeRef), 0);
        ASSERT_TRUE(table.setToSS(ss));
        EXPECT_FALSE(SSGetBool(grid(), SSB_CHANGEMADE));
        Ktx_String rowHeader;
        ss.getCellText(kSpreadHeader, table.rows.length(), rowHeader, CellTextKind::Value);
        EXPECT_EQ(rowHeader, table.name);
        Ktx_ProfValuesTable back;
        back.shapeRef = table.shapeRef;
        ASSERT_TRUE(back.getFromSS(ss));
        EXPECT_EQ(back.name, table.name);
        std::string text;
        ASSERT_TRUE(formatTableText(back.toFileRows(), text));
        EXPECT_EQ(text, bytes);
    }
}

TEST_F(ShippedCatalogues, AnEmptyTableLeavesTheGridEmpty) {
    ASSERT_TRUE(ss.create(&host, kPlaceholderId, true));
    Ktx_ProfValuesTable table;
    ASSERT_TRUE(table.readFromFile("UPN"));
    ASSERT_TRUE(table.setToSS(ss));
    table.rows.removeAll();
    EXPECT_FALSE(table.setToSS(ss));
    EXPECT_EQ(ss.getMaxRows(), 0);
    Ktx_ProfValuesTable back;
    EXPECT_FALSE(back.getFromSS(ss));
}

}  // namespace
