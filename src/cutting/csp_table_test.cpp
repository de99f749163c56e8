#include "csp_table.h"

#include <gtest/gtest.h>

#include "command_line.h"
#include "csp_entries.h"

namespace {

Ktx_StringArray row(const char* a) {
    return Ktx_StringArray{a, "", ""};
}

DlgCSP2Data tableData() {
    DlgCSP2Data data;
    data.entryIds = {1, 2, 5};
    data.entryNames = {"A", "B", "C"};
    data.buyIds = {1, 2, 2, 5, 2};
    for (const char* cell : {"a1", "b1", "b2", "c1", "b3"}) data.buyRows.append(row(cell));
    return data;
}

TEST(CspTable, AnEntryShowsItsFirstRunOfRowsOnly) {
    DlgCSP2Data data = tableData();
    const VnCspRows rows = cspRowsOf(data.buyIds, data.buyRows, 2);
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0][0], "b1");
    EXPECT_EQ(rows[1][0], "b2");
    EXPECT_TRUE(cspRowsOf(data.buyIds, data.buyRows, 9).isEmpty());
}

TEST(CspTable, StoringRemovesEveryOldRowAndAppendsTheNewOnesTogether) {
    DlgCSP2Data data = tableData();
    VnCspRows rows;
    rows.append(row("n1"));
    rows.append(row("n2"));
    cspStoreRows(cspTable(data, VnCspTableKind::Buy), 2, rows);
    EXPECT_EQ(data.buyIds, (AcArray<int>{1, 5, 2, 2}));
    ASSERT_EQ(data.buyRows.length(), 4);
    EXPECT_EQ(data.buyRows[1][0], "c1");
    EXPECT_EQ(data.buyRows[3][0], "n2");
    EXPECT_EQ(cspRowsOf(data.buyIds, data.buyRows, 2), rows);
}

TEST(CspTable, ArraysOfDifferentLengthsAreReadOnlyAsFarAsBothGo) {
    DlgCSP2Data data = tableData();
    data.buyIds.append(2);  // an id without a row
    const VnCspRows none;
    cspStoreRows(cspTable(data, VnCspTableKind::Buy), 2, none);
    EXPECT_EQ(data.buyRows.length(), 2);
    EXPECT_EQ(data.buyIds, (AcArray<int>{1, 5, 2}));
}

TEST(CspEntries, NewIdIsOneInAnEmptyListElseTheLargestPlusOneDespiteGaps) {
    EXPECT_EQ(cspNextEntryId({}), 1);
    EXPECT_EQ(cspNextEntryId({4, 1, 9, 2}), 10);
    DlgCSP2Data data = tableData();
    EXPECT_EQ(cspAddEntry(data, "D"), 3);
    EXPECT_EQ(data.entryIds[3], 6);
    EXPECT_EQ(data.entryNames[3], "D");
}

TEST(CspEntries, DeletingRemovesTheRowsOfEveryTableAndPicksTheNextSelection) {
    DlgCSP2Data data = tableData();
    data.shopIds = {2};
    data.shopRows.append(row("s"));
    EXPECT_EQ(cspDeleteEntry(data, 1), 1);
    EXPECT_EQ(data.entryIds, (AcArray<int>{1, 5}));
    EXPECT_EQ(data.entryNames, (Ktx_StringArray{"A", "C"}));
    EXPECT_EQ(data.buyIds, (AcArray<int>{1, 5}));
    EXPECT_TRUE(data.shopRows.isEmpty());
    EXPECT_EQ(cspDeleteEntry(data, 1), 0) << "the last entry goes: the one before is selected";
    EXPECT_EQ(cspDeleteEntry(data, 0), -1);
    EXPECT_TRUE(data.entryIds.isEmpty());
    EXPECT_EQ(cspDeleteEntry(data, 0), -1);
}

}  // namespace
