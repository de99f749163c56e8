#include "section_table_manager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "section_table_file.h"

namespace {

class SectionTables : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(tables.loadFolder(std::string(VN_SOURCE_DIR) + "/examples/library/prof"), 8);
    }
    Ktx_SectionTableManager tables;
};

TEST_F(SectionTables, ValuesByColumnWithoutTheIoColumn) {
    Ktx_StringArray names;
    ASSERT_EQ(tables.getSectionColumnNames("HEA-100", names), Acad::eOk);
    EXPECT_EQ(names[0], "SysName");
    EXPECT_EQ(names[1], "English");
    EXPECT_EQ(names[5], "h");
    Ktx_String value;
    ASSERT_EQ(tables.getSectionValue("HEA-100", 5, value), Acad::eOk);
    EXPECT_EQ(value, "96");
    ASSERT_EQ(tables.getSectionValue("IPE-300", 6, value), Acad::eOk);
    EXPECT_EQ(value, "150");
    ASSERT_EQ(tables.getSectionValue("HEA-100", 0, value), Acad::eOk);
    EXPECT_EQ(value, "100");
    EXPECT_NE(tables.getSectionValue("HEA-100", names.length(), value), Acad::eOk);
    EXPECT_NE(tables.getSectionValue("HEA-101", 5, value), Acad::eOk);
    EXPECT_NE(tables.getSectionValue("HEA100", 5, value), Acad::eOk);
}

TEST_F(SectionTables, SystemAndUserNames) {
    Ktx_String full;
    ASSERT_EQ(tables.getSystemName("HEA 100", full), Acad::eOk);
    EXPECT_EQ(full, "HEA-100");
    ASSERT_EQ(tables.getSystemName("IPE-80", full), Acad::eOk);
    EXPECT_EQ(full, "IPE-80");
    EXPECT_NE(tables.getSystemName("", full), Acad::eOk);
    Ktx_String user;
    ASSERT_EQ(tables.getUserName("IPE-80", user), Acad::eOk);
    EXPECT_EQ(user, "IPE 80");
}

TEST_F(SectionTables, TablesByNameWithOrWithoutExtension) {
    int a = -1, b = -1;
    ASSERT_TRUE(tables.hasTable("HEA", a));
    ASSERT_TRUE(tables.hasTable("hea.pr", b));
    EXPECT_EQ(a, b);
    EXPECT_EQ(tables.addSectionTable("HEA.pr", "1", {"SysName"}, Ktx_Array<Ktx_StringArray>()),
              Acad::eDuplicateKey);
    EXPECT_EQ(tables.removeTable(a), Acad::eOk);
    EXPECT_FALSE(tables.hasTable("HEA", a));
    EXPECT_EQ(tables.removeTable(50), Acad::eInvalidInput);
}

// Look-ups by full name go through an index of the tables: it must follow every change, and
// a name two tables give ("L" row "X-1" and "L-X" row "1") belongs to the first table.
TEST_F(SectionTables, LookUpsFollowChangedTables) {
    Ktx_String value;
    ASSERT_EQ(tables.getSectionValue("HEA-100", 5, value), Acad::eOk);
    int hea = -1;
    ASSERT_TRUE(tables.hasTable("HEA", hea));
    ASSERT_EQ(tables.removeTable(hea), Acad::eOk);
    EXPECT_EQ(tables.getSectionValue("HEA-100", 5, value), Acad::eKeyNotFound);

    Ktx_Array<Ktx_StringArray> rows;
    rows.append({"a.dwg"});
    rows.append({"SysName", "I/O", "English", "German", "French", "Spanish", "h"});
    rows.append({"100", "0", "HEA 100", "", "", "", "77"});
    ASSERT_EQ(tables.addTableFromFileRows("HEA", rows), Acad::eOk);
    ASSERT_EQ(tables.getSectionValue("HEA-100", 5, value), Acad::eOk);
    EXPECT_EQ(value, "77");

    rows[2] = {"X-1", "0", "first", "", "", "", "1"};
    ASSERT_EQ(tables.addTableFromFileRows("L", rows), Acad::eOk);
    rows[2] = {"1", "0", "second", "", "", "", "2"};
    ASSERT_EQ(tables.addTableFromFileRows("L-X", rows), Acad::eOk);
    ASSERT_EQ(tables.getSectionValue("L-X-1", 5, value), Acad::eOk);
    EXPECT_EQ(value, "1");

    tables.clear();
    EXPECT_EQ(tables.getSectionValue("L-X-1", 5, value), Acad::eKeyNotFound);
}

// More names asked in turn than the manager keeps answers for: each still gets its own row,
// or none.
TEST_F(SectionTables, NamesAskedInTurnEachGetTheirOwnRow) {
    const std::pair<const char*, const char*> asked[] = {
        {"HEA-100", "100"},  {"IPE-80", "80"},   {"HEA-101", nullptr}, {"IPE-300", "300"},
        {"HEA100", nullptr}, {"HEA-100", "100"}, {"X-1", nullptr},     {"IPE-80", "80"}};
    for (int round = 0; round < 3; ++round) {
        for (const auto& [name, system] : asked) {
            Ktx_String value = "unchanged";
            const Acad::ErrorStatus status = tables.getSectionValue(name, 0, value);
            if (system) {
                EXPECT_EQ(status, Acad::eOk) << name;
                EXPECT_EQ(value, system) << name;
            } else {
                EXPECT_EQ(status, Acad::eKeyNotFound) << name;
                EXPECT_EQ(value, "unchanged") << name;
            }
        }
    }
}

TEST(SectionTableFile, RoundTripAndRefusedCells) {
    const auto dir = std::filesystem::temp_directory_path() / "vn_section_table_file_test";
    std::filesystem::create_directories(dir);
    const Ktx_String path = (dir / "T.pr").string();
    Ktx_Array<Ktx_StringArray> rows;
    rows.append({"beam.dwg"});
    rows.append({"SysName", "I/O", "English", ""});
    rows.append({"1", "0", "\xC4 1", "2.5"});
    ASSERT_TRUE(writeFile(path, rows));
    Ktx_String name;
    Ktx_Array<Ktx_StringArray> back;
    ASSERT_TRUE(readFile(path, name, back));
    EXPECT_EQ(name, "T");
    ASSERT_EQ(back.length(), 3);
    EXPECT_EQ(back[1].length(), 4);
    EXPECT_EQ(back[2][2], "\xC4 1");
    rows[2][3] = "a\tb";
    EXPECT_FALSE(writeFile(path, rows));
    ASSERT_TRUE(readFile(path, name, back));
    EXPECT_EQ(back[2][3], "2.5");

    Ktx_SectionTableManager tables;
    ASSERT_TRUE(tables.loadTableFile(path));
    EXPECT_EQ(tables.table(0)->shape, "Prof\\beam.dwg");
    EXPECT_EQ(tables.table(0)->header.length(), 3);
    std::filesystem::remove_all(dir);
}

}  // namespace
