#include "ktx_macro.h"

#include <gtest/gtest.h>

namespace {

TEST(KtxMacro, GroupsLabelsNamesAndTheEmptyGroup) {
    Ktx_Macro macro;
    Ktx_Module a, b, c;
    a.name = "A";
    a.label = "Plates";
    b.name = "B";
    b.label = "Plates";
    c.name = "C";
    macro.modules = {a, b, c};
    macro.groups.push_back({"Ends", {"C", "A"}});
    Ktx_StringArray names;
    ASSERT_EQ(getModNamesOfGroup(&macro, "Ends", names), Acad::eOk);
    EXPECT_EQ(names[0], "C");
    ASSERT_EQ(getModNamesOfGroup(&macro, "Plates", names), Acad::eOk);
    EXPECT_EQ(names.length(), 2);
    ASSERT_EQ(getModNamesOfGroup(&macro, "C", names), Acad::eOk);
    EXPECT_EQ(names.length(), 1);
    EXPECT_EQ(getModNamesOfGroup(&macro, "", names), Acad::eOk);
    EXPECT_EQ(names.length(), 0);
    // A labelled module is found by its name when no tab name matches.
    ASSERT_EQ(getModNamesOfGroup(&macro, "A", names), Acad::eOk);
    ASSERT_EQ(names.length(), 1);
    EXPECT_EQ(names[0], "A");
    EXPECT_EQ(getModNamesOfGroup(&macro, "Z", names), Acad::eKeyNotFound);
}

TEST(KtxMacro, UnknownGeneralVariableIsNeitherReadNorAdded) {
    Ktx_Macro macro;
    macro.generalVariables.push_back({"gen_W", 3.0});
    double v = -1;
    EXPECT_FALSE(macro.generalVariableValue("gen_X", v));
    EXPECT_EQ(v, -1);
    EXPECT_EQ(macro.setGeneralVariable("gen_X", 2.0), Acad::eKeyNotFound);
    EXPECT_EQ(macro.generalVariables.size(), 1u);
}

}  // namespace
