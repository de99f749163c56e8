#include "vn_levels_model.h"

#include <gtest/gtest.h>

namespace {

VnLevelsDlgData threeLevels() {
    VnLevelsDlgData data;
    data.addLevel("Ground");
    data.addLevel("First");
    data.addLevel("Roof");
    data.updateLevel(1, 3600.0);
    data.updateLevel(2, 3200.5);
    return data;
}

}  // namespace

TEST(LevelsModel, ShowsALevelWithThreeDecimalsAndTheOtherNamesAsReferences) {
    VnLevelsDlgData data = threeLevels();
    VnLevelsDlgModel model(data);
    ASSERT_TRUE(model.show(2));
    EXPECT_EQ(model.heightText, "3200.500");
    EXPECT_EQ(model.absoluteText, "6800.500");
    EXPECT_EQ(model.reference, "First");
    EXPECT_EQ(model.referenceChoices, (Ktx_StringArray{"Ground", "First"}));
    EXPECT_FALSE(model.show(3));
    EXPECT_EQ(model.shown(), 2);
}

TEST(LevelsModel, OnlyTheNewLevelStoresItsReferenceAndChoosingAnotherEndsThat) {
    VnLevelsDlgData data = threeLevels();
    VnLevelsDlgModel model(data);
    model.show(2);
    model.reference = "Ground";
    model.heightText = "abc";
    model.choose(0);
    model.show(2);
    EXPECT_EQ(model.reference, "First") << "not the new level";
    EXPECT_EQ(model.heightText, "0.000") << "atof of text that is no number";
    ASSERT_TRUE(model.add("Attic"));
    EXPECT_TRUE(model.newLevel());
    model.reference = "Ground";
    model.heightText = "9000";
    model.choose(1);
    EXPECT_FALSE(model.newLevel());
    model.choose(3);
    EXPECT_EQ(model.reference, "Ground");
    EXPECT_EQ(model.absoluteText, "9000.000");
}

TEST(LevelsModel, DeletingShowsTheLevelBeforeOrTheNewFirstOrNone) {
    VnLevelsDlgData data = threeLevels();
    VnLevelsDlgModel model(data);
    model.show(2);
    ASSERT_TRUE(model.deleteShown());
    EXPECT_EQ(model.name, "First");
    model.choose(0);
    ASSERT_TRUE(model.deleteShown());
    EXPECT_EQ(model.shown(), 0);
    EXPECT_EQ(model.name, "First");
    ASSERT_TRUE(model.deleteShown());
    EXPECT_EQ(model.shown(), -1);
    EXPECT_EQ(model.name, "");
    EXPECT_FALSE(model.deleteShown());
}
