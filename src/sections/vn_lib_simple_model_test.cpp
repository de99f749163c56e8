#include "vn_lib_simple_model.h"

#include <gtest/gtest.h>

#include "sections_test_support.h"
#include "size_name_map.h"

namespace {

Ktx_ProfValuesTable tubes() {
    return makeTable("RHS",
                     {"100x50x5,1,RHS 100x50x5,RHS 100x50x5,RHS 100x50x5,RHS 100x50x5,100,50,5,7.5",
                      "50x50x5,1,SHS 50x50x5,SHS 50x50x5,SHS 50x50x5,SHS 50x50x5,50,50,5,7.5"},
                     "h,b,t,r");
}

TEST(SizeNameMap, PartsMapToTheFirstUnusedEqualValue) {
    EXPECT_EQ(mapNameToValues("100x50x5", {"100", "50", "5", "7.5"}), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(mapNameToValues("50x50x5", {"50", "50", "5", "7.5"}), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(mapNameToValues("50x50x5", {"50.0", "5", "50"}), (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(mapNameToValues("IPEx300", {"300", "IPE"}), (std::vector<int>{1, 0}));
    const std::vector<int> partial = mapNameToValues("60x60x4", {"60", "40", "4"});
    EXPECT_EQ(partial, (std::vector<int>{0, -1, 2}));
    EXPECT_FALSE(isCompleteNameMap(partial));
}

TEST(SizeNameMap, SquaresHaveTwoEqualFirstParts) {
    EXPECT_TRUE(isSquareSizeName("50x50x5"));
    EXPECT_FALSE(isSquareSizeName("100x50x5"));
    EXPECT_FALSE(isSquareSizeName("100"));
}

TEST(LibSimpleModel, TemplateFillsFieldsAndPrefixes) {
    VnLibSimpleModel model("100x50x5", tubes());
    EXPECT_EQ(model.templateRow(), 0);
    ASSERT_EQ(model.fieldCount(), 4);
    EXPECT_EQ(model.fieldText(3), "7.5");
    EXPECT_EQ(model.prefixes()[0], "RHS ");
    EXPECT_EQ(model.nameText(), "RHS 100x50x5");
    model.setFieldText(2, "6.3");
    EXPECT_EQ(model.composedName(), "100x50x6.3");
    EXPECT_EQ(model.nameText(), "RHS 100x50x6.3");
}

TEST(LibSimpleModel, ATemplateIsSoughtFurtherDownAndMayBeMissing) {
    Ktx_ProfValuesTable t = tubes();
    t.rows[0][6] = "101";  // 100x50x5 no longer maps onto its values
    VnLibSimpleModel model("100x50x5", t);
    EXPECT_EQ(model.templateRow(), 1);
    EXPECT_EQ(model.fieldText(0), "50");

    t.rows[1][0] = "S1";
    VnLibSimpleModel none("100x50x5", t);
    EXPECT_EQ(none.templateRow(), -1);
    EXPECT_EQ(none.fieldText(0), "");
    EXPECT_EQ(none.composedName(), "");
}

TEST(LibSimpleModel, TypedNamesAreTheSystemNameInEveryLanguage) {
    VnLibSimpleModel model("100x50x5", tubes());
    model.setTypedName("ignored while automatic");
    EXPECT_EQ(model.nameText(), "RHS 100x50x5");
    model.setAutomaticName(false);
    model.setTypedName("Special");
    model.setFieldText(0, "120");
    EXPECT_EQ(model.nameText(), "Special");
    int row = -1;
    ASSERT_EQ(model.add(row), VnLibSimpleModel::AddResult::Added);
    EXPECT_EQ(model.table().rows[row],
              (Ktx_StringArray{"Special", "1", "Special", "Special", "Special", "Special", "120",
                               "50", "5", "7.5"}));
}

TEST(LibSimpleModel, AnAutomaticNameGetsEachLanguagesPrefix) {
    Ktx_ProfValuesTable t = tubes();
    t.rows[0][3] = "Koker 100x50x5";
    t.rows[0][1] = "0";
    VnLibSimpleModel model("100x50x5", t);
    model.setFieldText(0, "120");
    int row = -1;
    ASSERT_EQ(model.add(row), VnLibSimpleModel::AddResult::Added);
    const Ktx_StringArray& added = model.table().rows[row];
    EXPECT_EQ(added[0], "120x50x5");
    EXPECT_EQ(added[1], "1");
    EXPECT_EQ(added[2], "RHS 120x50x5");
    EXPECT_EQ(added[3], "Koker 120x50x5");
}

// Regression: a refused size stayed in the table, so OK after correcting it added it twice.
TEST(LibSimpleModel, ARefusedTubeNeverEntersTheTable) {
    VnLibSimpleModel model("100x50x5", tubes());
    model.setFieldText(3, "5");  // corner radius equal to the wall thickness
    int row = -1;
    EXPECT_EQ(model.add(row), VnLibSimpleModel::AddResult::Refused);
    EXPECT_EQ(model.table().rows.length(), 2);
    model.setFieldText(3, "0");
    model.setFieldText(0, "120");
    ASSERT_EQ(model.add(row), VnLibSimpleModel::AddResult::Added);
    EXPECT_EQ(model.table().rows.length(), 3);
}

TEST(LibSimpleModel, OnlyRectangularTubesAreChecked) {
    Ktx_ProfValuesTable t = tubes();
    t.shapeRef = "11";
    VnLibSimpleModel model("100x50x5", t);
    model.setFieldText(3, "1");
    int row = -1;
    EXPECT_EQ(model.add(row), VnLibSimpleModel::AddResult::Added);
    EXPECT_EQ(VnLibSimpleModel("nothing", t).add(row), VnLibSimpleModel::AddResult::Failed);
}

class LibSimpleModelCatalogue : public SectionsLibraryTest {
  protected:
    // The shipped RHS and SHS tables as one table: the rectangles, then the squares.
    Ktx_ProfValuesTable hollowSections() {
        gSettings.setLibDir(windowsPathFromHost(std::string(VN_SOURCE_DIR) + "/examples/library"));
        Ktx_ProfValuesTable shs, rhs;
        EXPECT_TRUE(shs.readFromFile("SHS"));
        EXPECT_TRUE(rhs.readFromFile("RHS"));
        Ktx_ProfValuesTable both = shs;
        both.rows.removeAll();
        for (const Ktx_StringArray& row : rhs.rows) {
            Ktx_StringArray cut = row;
            cut.setLogicalLength(shs.header.length());
            both.rows.append(cut);
        }
        both.rows.append(shs.rows);
        return both;
    }
};

TEST_F(LibSimpleModelCatalogue, ANewSquareIsSortedAmongTheSquaresOnly) {
    Ktx_ProfValuesTable t = hollowSections();
    int row = -1;
    ASSERT_TRUE(t.findSysName("60x60x4", row));
    t.deleteRow(row);
    int before = -1;
    ASSERT_TRUE(t.findSysName("60x60x3.6", before));

    VnLibSimpleModel model("60x60x3.6", t);
    EXPECT_EQ(model.nameMap(), (std::vector<int>{0, 1, 2}));
    model.setFieldText(2, "4");
    model.setFieldText(3, "6");
    int added = -1;
    ASSERT_EQ(model.add(added), VnLibSimpleModel::AddResult::Added);
    EXPECT_EQ(added, before + 1);
    EXPECT_EQ(model.table().rows[added][2], "SHS 60x60x4");
}

TEST_F(LibSimpleModelCatalogue, ARectangleTakesItsPlaceAmongAllSizes) {
    Ktx_ProfValuesTable t = hollowSections();
    VnLibSimpleModel model("60x40x4", t);
    model.setFieldText(1, "45");
    int added = -1;
    ASSERT_EQ(model.add(added), VnLibSimpleModel::AddResult::Added);
    EXPECT_EQ(model.table().rows[added - 1][0], "60x40x6.3");
    EXPECT_EQ(model.table().rows[added][0], "60x45x4");
    EXPECT_EQ(model.table().rows[added][2], "RHS 60x45x4");
}

}  // namespace
