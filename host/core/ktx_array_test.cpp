#include "ktx_array.h"

#include <gtest/gtest.h>

#include "acad.h"
#include "ktx_string_array.h"

class KtxArrayTest : public ::testing::Test {
  protected:
    void SetUp() override { acadClearCommandLine(); }
};

TEST_F(KtxArrayTest, InsertAtBadIndexPrintsAndChangesNothing) {
    Ktx_Array<int> a;
    a.append(1);
    a.append(2);
    EXPECT_EQ(a.insertAt(3, 9), Acad::eInvalidIndex);
    EXPECT_EQ(a.insertAt(-1, 9), Acad::eInvalidIndex);
    EXPECT_EQ(acadCommandLineText(),
              "*Error* Invalid index passed to insert.\n*Error* Invalid index passed to insert.\n");
    EXPECT_EQ(a.asVector(), (std::vector<int>{1, 2}));
    EXPECT_EQ(a.insertAt(2, 3), Acad::eOk);  // at the end is valid
    EXPECT_EQ(a.insertAt(0, 0), Acad::eOk);
    EXPECT_EQ(a.asVector(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(KtxArrayTest, RemoveAtBadIndexPrintsAndChangesNothing) {
    Ktx_Array<int> a;
    EXPECT_EQ(a.removeAt(0), Acad::eInvalidIndex);
    a.append(5);
    EXPECT_EQ(a.removeAt(1), Acad::eInvalidIndex);
    EXPECT_EQ(acadCommandLineText(),
              "*Error* Invalid index passed to remove.\n*Error* Invalid index passed to remove.\n");
    EXPECT_EQ(a.length(), 1);
    EXPECT_EQ(a.removeAt(0), Acad::eOk);
    EXPECT_TRUE(a.isEmpty());
}

TEST_F(KtxArrayTest, StorageGrowsByTheGrowthStep) {
    Ktx_Array<int> a(2, 5);
    EXPECT_EQ(a.physicalLength(), 2);
    a.append(1);
    a.append(2);
    a.append(3);
    EXPECT_EQ(a.physicalLength(), 7);
    for (int i = 0; i < 100; ++i) a.append(i);
    EXPECT_EQ(a.length(), 103);
    EXPECT_GE(a.physicalLength(), 103);
}

TEST_F(KtxArrayTest, SetLogicalLengthShortensAndPadsWithDefaults) {
    Ktx_StringArray names{"a", "b", "c"};
    names.setLogicalLength(1);
    EXPECT_EQ(names.length(), 1);
    names.setLogicalLength(3);
    EXPECT_EQ(names[2], "");
    names.setLogicalLength(-4);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_EQ(acadCommandLineText(), "");
}

TEST_F(KtxArrayTest, StringArrayFindHonoursTheCaseFlag) {
    Ktx_StringArray keys{"Bracket", "plate", "BRACKET"};
    EXPECT_EQ(keys.find("bracket", false), 0);
    EXPECT_EQ(keys.find("BRACKET", true), 2);
    EXPECT_EQ(keys.find("bracket", true), -1);
    EXPECT_EQ(keys.find("Bracket", true, 1), -1);
    int index = 7;
    EXPECT_FALSE(keys.find("none", index));
    EXPECT_EQ(index, -1);
    EXPECT_TRUE(keys.find("Plate", index, false));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(keys.contains("PLATE", false));
    EXPECT_FALSE(keys.contains("PLATE", true));
}
