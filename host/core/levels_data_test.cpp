#include "levels_data.h"

#include <gtest/gtest.h>

namespace {

double absoluteOf(const VnLevelsDlgData& data, int index) {
    Ktx_String name, reference;
    double height = 0, absolute = -1;
    EXPECT_TRUE(data.getLevelData(index, name, reference, height, absolute));
    return absolute;
}

}  // namespace

TEST(Levels, HeightsAddUpAlongTheReferencesAndAReferenceMayNotLeadBack) {
    VnLevelsDlgData data;
    ASSERT_EQ(data.addLevel("Ground"), 0);
    ASSERT_EQ(data.addLevel("First"), 1);
    ASSERT_EQ(data.addLevel("Roof"), 2);
    data.updateLevel(0, 150.0);
    data.updateLevel(1, 3600.0);
    data.updateLevel(2, 3200.0);
    EXPECT_DOUBLE_EQ(absoluteOf(data, 2), 6950.0);
    EXPECT_FALSE(data.updateLevel(0, Ktx_String("Roof"))) << "Roof is measured from Ground";
    EXPECT_FALSE(data.updateLevel(1, Ktx_String("First")));
    EXPECT_FALSE(data.updateLevel(1, Ktx_String("Cellar")));
    EXPECT_TRUE(data.updateLevel(2, Ktx_String("WCS")));
    EXPECT_DOUBLE_EQ(absoluteOf(data, 2), 3200.0);
    EXPECT_FALSE(data.updateLevel(3, 1.0));
}

TEST(Levels, NamesInUseAndWcsAreRefused) {
    VnLevelsDlgData data;
    EXPECT_EQ(data.addLevel("wcs"), -1);
    EXPECT_EQ(data.addLevel(""), -1);
    ASSERT_EQ(data.addLevel("Ground"), 0);
    EXPECT_EQ(data.addLevel("GROUND"), -1);
    EXPECT_TRUE(data.nameInUse("Wcs"));
    EXPECT_EQ(data.getNames(), (Ktx_StringArray{"Ground"}));
}

TEST(Levels, DeletingALevelKeepsTheAbsoluteHeightsOfThoseMeasuredFromIt) {
    VnLevelsDlgData data;
    data.addLevel("Ground");
    data.addLevel("First");
    data.addLevel("Roof");
    data.updateLevel(1, 3600.0);
    data.updateLevel(2, 3200.0);
    ASSERT_TRUE(data.deleteLevel(1));
    Ktx_String name, reference;
    double height = 0, absolute = 0;
    ASSERT_TRUE(data.getLevelData(1, name, reference, height, absolute));
    EXPECT_EQ(reference, "Ground");
    EXPECT_DOUBLE_EQ(absolute, 6800.0);
    EXPECT_FALSE(data.deleteLevel(2));
}
