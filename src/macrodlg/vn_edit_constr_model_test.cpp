#include "vn_edit_constr_model.h"

#include <gtest/gtest.h>

#include "edit_constr_file.h"

namespace {

TEST(EditConstrRules, RemovingKeepsThePositionOrTakesTheNewLast) {
    EXPECT_EQ(vnModuleAfterRemove(1, 3), 1);
    EXPECT_EQ(vnModuleAfterRemove(3, 3), 2);  // the last of four was removed
    EXPECT_EQ(vnModuleAfterRemove(0, 0), -1);
}

TEST(EditConstrRules, OptionButtonsActAsOneGroupOfTheOfferedOnes) {
    VnConstrOptionGroup group;
    group.show(3, 2);
    EXPECT_EQ(group.enabledCount(), 3);
    EXPECT_TRUE(group.isChecked(2));
    EXPECT_TRUE(group.choose(3));
    EXPECT_FALSE(group.isChecked(2));
    EXPECT_FALSE(group.choose(4));  // beyond the enabled ones
    EXPECT_EQ(group.checked(), 3);
    group.show(1, 4);  // a chosen option beyond the offered ones checks none
    EXPECT_EQ(group.checked(), 0);
}

TEST(EditConstrRules, GridClicksSortOnOtherColumnsAndMenusOnTheFirstThree) {
    EXPECT_TRUE(vnHeaderClickSorts(2, 1));
    EXPECT_FALSE(vnHeaderClickSorts(2, 2));
    EXPECT_FALSE(vnHeaderClickSorts(5, 1));
    EXPECT_TRUE(vnRightClickOpensMenu(3, 2, 2));
    EXPECT_FALSE(vnRightClickOpensMenu(4, 1, 2));
    EXPECT_FALSE(vnRightClickOpensMenu(1, 0, 2));  // the header row
    EXPECT_FALSE(vnRightClickOpensMenu(1, 3, 2));
    EXPECT_EQ(vnRowAfterDelete(3, 4), 2);
    EXPECT_EQ(vnRowAfterDelete(1, 4), 1);
    EXPECT_EQ(vnRowAfterDelete(1, 0), 0);
}

class StoringAConstraint : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(
            parseConstrDrawing("macro M\nmodule A\ngeom L line\ngeom K line\n"
                               "constraint Distance L K var W options 3 option 1\n"
                               "constraint Distance K L value 5\nvar W 40\n",
                               drawing, error))
            << error;
        data.drawing = &drawing;
        data.currentModule = "A";
    }
    Ktx_ConstrDrawing drawing;
    EditConstrData data;
};

TEST_F(StoringAConstraint, InvalidFieldsChangeNothing) {
    const Ktx_Constraint before = *data.constraint(1);
    VnConstrFields f = VnConstrFields::of(before);
    f.value = "12a";
    EXPECT_EQ(vnStoreConstraint(data, 1, f), VnStoreResult::kBadValue);
    f.useVariable = true;
    EXPECT_EQ(vnStoreConstraint(data, 1, f), VnStoreResult::kNoVariable);
    f.variable = "w";
    EXPECT_EQ(vnStoreConstraint(data, 1, f), VnStoreResult::kVariableInUse);
    EXPECT_EQ(*data.constraint(1), before);
    EXPECT_TRUE(drawing.log.empty());
    EXPECT_EQ(vnStoreConstraint(data, 2, f), VnStoreResult::kNothing);
}

TEST_F(StoringAConstraint, ValidFieldsReplaceTheConstraintAndUpdateIt) {
    VnConstrFields f = VnConstrFields::of(*data.constraint(0));
    EXPECT_EQ(f.value, "40");
    f.useVariable = false;
    f.value = "12.5";
    f.option = 3;
    ASSERT_EQ(vnStoreConstraint(data, 0, f), VnStoreResult::kStored);
    const Ktx_Constraint& c = *data.constraint(0);
    EXPECT_EQ(ConstraintRowTexts(c), (Ktx_StringArray{"Distance", "L", "K", "12.5"}));
    EXPECT_EQ(c.option, 3);
    EXPECT_EQ(drawing.log, std::vector<std::string>{"update constraint A 0"});
}

TEST(EditConstrRules, VariablesRowsReadBackAsNameNumberAndInteger) {
    VnVarsEqsRows rows;
    rows.add("W", "250", "0");
    rows.add("H", "x", "");
    EXPECT_EQ(rows.names, (Ktx_StringArray{"W", "H"}));
    EXPECT_EQ(rows.values, (std::vector<double>{250, 0}));
    EXPECT_EQ(rows.kinds, (std::vector<int>{0, 0}));
}

}  // namespace
