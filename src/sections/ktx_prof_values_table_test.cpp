#include "ktx_prof_values_table.h"

#include <gtest/gtest.h>

#include "command_line.h"
#include "section_table_manager.h"
#include "sections_test_support.h"
#include "ui_languages.h"

namespace {

Ktx_ProfValuesTable heaTable() {
    return makeTable("HEA", {"100,1,HEA 100,HEA 100,HEA 100,HEA 100,96,100,5",
                             "120,1,HEA 120,HEA 120,HEA 120,HEA 120,114,120,5",
                             "140,0,HEA 140,HEA 140,HEA 140,HEA 140,133,140,5.5",
                             "160,1,HEA 160,HEA 160,HEA 160,HEA 160,152,160,6"});
}

TEST(ProfValuesTable, LanguageCountIsFiveOnlyWhenTheSeventhNameIsKorean) {
    Ktx_ProfValuesTable t;
    t.header = {"SysName", "I/O", "English", "Dutch", "German", "French"};
    EXPECT_EQ(t.getNrLanguages(), 4);
    t.header.append("h");
    EXPECT_EQ(t.getNrLanguages(), 4);
    t.header[6] = "Korean";
    EXPECT_EQ(t.getNrLanguages(), 5);
}

TEST(ProfValuesTable, GetColumnIsBoundByTheFirstRowAndPadsShortRows) {
    Ktx_ProfValuesTable t = makeTable("X", {"a,1,A", "b,1,B,B,B,B,7", "c"});
    Ktx_StringArray col;
    EXPECT_FALSE(t.getColumn(3, col));  // in the header, beyond the first row
    ASSERT_TRUE(t.getColumn(2, col));
    EXPECT_EQ(col, (Ktx_StringArray{"A", "B", ""}));
    ASSERT_TRUE(t.getColumn("SysName", col));
    EXPECT_EQ(col, (Ktx_StringArray{"a", "b", "c"}));
    EXPECT_FALSE(t.getColumn("Nope", col));
    EXPECT_FALSE(Ktx_ProfValuesTable().getColumn(0, col));
}

TEST(ProfValuesTable, CopyingARowNamesTheCopyFromTheCurrentLanguagePrefix) {
    Ktx_ProfValuesTable t = heaTable();
    ASSERT_TRUE(t.insertRow(0));
    ASSERT_EQ(t.rows.length(), 5);
    EXPECT_EQ(t.rows[1][0], "101");
    EXPECT_EQ(t.rows[1][2], "HEA 101");
    EXPECT_EQ(t.rows[1][3], "HEA 100");  // other languages stay as copied
    EXPECT_EQ(t.rows[1][6], "96");
    EXPECT_EQ(t.rows[0][0], "100");

    gMacroLangs.setCurLanguage("Dutch");
    t.rows[2][3] = "Profiel";  // no digit: the whole name is the prefix
    ASSERT_TRUE(t.insertRow(2));
    EXPECT_EQ(t.rows[3][0], "121");
    EXPECT_EQ(t.rows[3][3], "Profiel121");
    gMacroLangs.reset();
}

TEST(ProfValuesTable, CopyingTheLastRowOrABadIndexChangesNothing) {
    Ktx_ProfValuesTable t = heaTable();
    const auto before = t.rows;
    EXPECT_FALSE(t.insertRow(3));
    EXPECT_FALSE(t.insertRow(-1));
    EXPECT_EQ(t.rows, before);
    EXPECT_EQ(t.insertRow(3, "180", "HEA 180"), Acad::eInvalidInput);
    EXPECT_EQ(t.rows, before);
}

// Regression: naming the source row after the copy renamed an existing size, so "HEA-100"
// vanished from the table.
TEST(ProfValuesTable, InsertWithNamesKeepsTheSourceSizesName) {
    Ktx_ProfValuesTable t = heaTable();
    ASSERT_EQ(t.insertRow(0, "110", "HEA 110"), Acad::eOk);
    EXPECT_EQ(t.rows[0][0], "100");
    EXPECT_EQ(t.rows[0][2], "HEA 100");
    EXPECT_EQ(t.rows[1][0], "110");
    EXPECT_EQ(t.rows[1][5], "HEA 110");
}

TEST(ProfValuesTable, SetValuesNeedsExactlyOneValuePerValueColumn) {
    Ktx_ProfValuesTable t = heaTable();
    const auto before = t.rows;
    EXPECT_EQ(t.setValues(0, AcArray<double>{1, 2}), Acad::eInvalidInput);
    EXPECT_EQ(t.setValues(0, AcArray<double>{1, 2, 3, 4}), Acad::eInvalidInput);
    EXPECT_EQ(t.setValues(9, AcArray<double>{1, 2, 3}), Acad::eInvalidInput);
    EXPECT_EQ(t.rows, before);
    ASSERT_EQ(t.setValues(0, AcArray<double>{90, 100.25, 5}), Acad::eOk);
    EXPECT_EQ(t.rows[0][6], "90.0");
    EXPECT_EQ(t.rows[0][7], "100.2");
}

TEST(ProfValuesTable, NamesAndUserNamesNeedAWholeRow) {
    Ktx_ProfValuesTable t = makeTable("X", {"a,1,A,A,A,A,1,2,3", "b,1,B"});
    t.rows.append(Ktx_StringArray());
    EXPECT_EQ(t.setSysName(2, "c"), Acad::eInvalidInput);
    EXPECT_EQ(t.setUserNames(1, "Bee"), Acad::eInvalidInput);
    ASSERT_EQ(t.setUserNames(0, "Ay"), Acad::eOk);
    EXPECT_EQ(t.rows[0], (Ktx_StringArray{"a", "1", "Ay", "Ay", "Ay", "Ay", "1", "2", "3"}));
}

TEST(ProfValuesTable, ActiveFlagFiltersNamesAndPositions) {
    Ktx_ProfValuesTable t = heaTable();
    t.rows[0][1] = "0";
    t.rows[2][1] = "x";  // not "1": inactive for positions, kept in the names
    Ktx_StringArray names;
    t.getSysNames(names);
    EXPECT_EQ(names, (Ktx_StringArray{"HEA-100", "HEA-120", "HEA-140", "HEA-160"}));
    t.getFilteredSysNames(names);
    EXPECT_EQ(names, (Ktx_StringArray{"HEA-120", "HEA-140", "HEA-160"}));
    EXPECT_EQ(t.getfilteredIdx(3), 1);
    EXPECT_EQ(t.getfilteredIdx(4), -1);
    EXPECT_EQ(t.getfilteredIdx(-1), -1);
    t.rows.append(Ktx_StringArray{"0"});
    t.removeInactiveEntries();
    ASSERT_EQ(t.rows.length(), 4);
    EXPECT_EQ(t.rows[0][0], "120");
    EXPECT_EQ(t.rows[3][0], "0");
}

TEST(ProfValuesTable, FindsAndProposesSystemNames) {
    Ktx_ProfValuesTable t = heaTable();
    int row = -1;
    EXPECT_TRUE(t.findSysName("140", row));
    EXPECT_EQ(row, 2);
    EXPECT_FALSE(t.findSysName("HEA-140", row));
    EXPECT_EQ(t.findUnusedSysName("120"), "121");
    EXPECT_EQ(t.findUnusedSysName("200"), "200");
    EXPECT_FALSE(Ktx_ProfValuesTable().findSysName("", row));
}

TEST(ProfValuesTable, CopiesAreDeepAndKeepTheGrowthStep) {
    Ktx_ProfValuesTable t = heaTable();
    t.rows.setGrowLength(20);
    Ktx_ProfValuesTable copy(t);
    copy.rows[0][0] = "999";
    EXPECT_EQ(t.rows[0][0], "100");
    EXPECT_EQ(copy.rows.growLength(), 20);
    Ktx_ProfValuesTable assigned;
    assigned = t;
    EXPECT_EQ(assigned.rows, t.rows);
    EXPECT_EQ(assigned.shapeRef, "10");
}

TEST(ProfValuesTable, PublishesWithoutTheActiveColumn) {
    Ktx_SectionTableManager manager;
    Ktx_ProfValuesTable t = heaTable();
    t.shapeRef = "beam.dwg";
    EXPECT_EQ(t.setToGlobals(nullptr), Acad::eInvalidInput);
    ASSERT_EQ(t.setToGlobals(&manager), Acad::eOk);
    ASSERT_EQ(manager.tableCount(), 1);
    const Ktx_SectionTable* published = manager.table(0);
    EXPECT_EQ(published->name, "HEA.pr");
    EXPECT_EQ(published->shape, "Prof\\beam.dwg");
    EXPECT_EQ(published->header[1], "English");
    EXPECT_EQ(published->rows[0][1], "HEA 100");

    t.shapeRef = "3";
    t.rows.removeAt(0);
    ASSERT_EQ(t.setToGlobals(&manager), Acad::eOk);  // replaces the table of that name
    ASSERT_EQ(manager.tableCount(), 1);
    EXPECT_EQ(manager.table(0)->shape, "3");
    EXPECT_EQ(manager.table(0)->rows.length(), 3);
}

class ProfValuesTableFile : public SectionsLibraryTest {};

TEST_F(ProfValuesTableFile, ReadsTheSameFileWithOrWithoutTheExtension) {
    writeTable("HEA", {"1", "SysName\tI/O\tEnglish\tDutch\tGerman\tFrench\th",
                       "100\t1\tHEA 100\tHEA 100\tHEA 100\tHEA 100\t96"});
    Ktx_ProfValuesTable a, b;
    ASSERT_TRUE(a.readFromFile("HEA"));
    ASSERT_TRUE(b.readFromFile("HEA.pr"));
    EXPECT_EQ(a.name, "HEA");
    EXPECT_EQ(a.shapeRef, "1");
    EXPECT_EQ(a.header.length(), 7);
    ASSERT_EQ(a.rows.length(), 1);
    EXPECT_EQ(a.rows, b.rows);
    EXPECT_EQ(Ktx_ProfValuesTable::filePath("HEA.pr"), gSettings.libDir + "prof\\HEA.pr");
}

TEST_F(ProfValuesTableFile, WritesBackByteForByte) {
    const std::string text =
        "10\r\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\tKorean\th\r\n"
        "50x50x5\t1\tSHS 50x50x5\t\t\t\t\t50\r\n";
    writeText(lib() / "prof" / "SHS.pr", text);
    Ktx_ProfValuesTable t;
    ASSERT_TRUE(t.readFromFile("SHS"));
    EXPECT_EQ(t.getNrLanguages(), 5);
    ASSERT_TRUE(t.writeToFile("Copy"));
    EXPECT_EQ(readText(lib() / "prof" / "Copy.pr"), text);
}

TEST_F(ProfValuesTableFile, AMissingFileLeavesTheTableAsItWas) {
    Ktx_ProfValuesTable t = heaTable();
    EXPECT_FALSE(t.readFromFile("Missing"));
    EXPECT_EQ(t.name, "HEA");
    EXPECT_EQ(t.rows.length(), 4);
}

}  // namespace
