#include "ktx_module.h"

#include <gtest/gtest.h>

namespace {

Ktx_Module boltModule() {
    Ktx_Module m;
    m.name = "Bolts1";
    m.kind = Ktx_ModuleKind::kBolt;
    m.patterns.push_back({"Rows", 1, true, false, true});
    return m;
}

TEST(KtxModule, ReverseStartReadThenWriteLeavesPatternAsItWas) {
    for (bool first : {true, false}) {
        for (bool reversed : {false, true}) {
            Ktx_Module m = boltModule();
            Ktx_BoltPattern* p = &m.patterns[0];
            (first ? p->reverseStart1 : p->reverseStart2) = reversed;
            bool flag = false;
            ASSERT_EQ(getSetBoltPatternReverses(&m, p, first, true, flag, nullptr), Acad::eOk);
            // The module turns a flag read as true into "0", and writes "1" as true.
            const char* text = flag ? "0" : "1";
            EXPECT_STREQ(text, reversed ? "1" : "0");
            bool write = std::string(text) == "1";
            ASSERT_EQ(getSetBoltPatternReverses(&m, p, first, false, write, nullptr), Acad::eOk);
            EXPECT_EQ(first ? p->reverseStart1 : p->reverseStart2, reversed);
        }
    }
}

TEST(KtxModule, ReverseStartNeedsABoltModuleAndASecondDirection) {
    Ktx_Module m = boltModule();
    m.patterns[0].twoDirectional = false;
    bool flag = true;
    EXPECT_NE(getSetBoltPatternReverses(&m, &m.patterns[0], false, true, flag, nullptr), Acad::eOk);
    m.kind = Ktx_ModuleKind::kOther;
    Ktx_BoltPattern* p = nullptr;
    EXPECT_NE(findPattern(&m, "Rows", p, nullptr), Acad::eOk);
    EXPECT_NE(getSetBoltPatternReverses(&m, &m.patterns[0], true, true, flag, nullptr), Acad::eOk);
}

TEST(KtxModule, ConstraintVariableTextsAndRefusedWrites) {
    Ktx_Module m;
    m.variables.push_back({"W", 12.5});
    Ktx_String value;
    ASSERT_EQ(getSetConstrVarValue(&m, "W", value, true), Acad::eOk);
    EXPECT_EQ(value, "12.5");
    for (const char* bad : {"", "abc", "12mm", "0x10", "nan"}) {
        Ktx_String text = bad;
        EXPECT_NE(getSetConstrVarValue(&m, "W", text, false), Acad::eOk) << bad;
    }
    EXPECT_DOUBLE_EQ(m.variables[0].value, 12.5);
    Ktx_String text = " 200 ";
    EXPECT_EQ(getSetConstrVarValue(&m, "W", text, false), Acad::eOk);
    EXPECT_EQ(getSetConstrVarValue(&m, "w", value, true), Acad::eKeyNotFound);
}

TEST(KtxModule, CutOffsetsExistOnlyForTheirCutType) {
    Ktx_Module m;
    m.cuts.push_back({"C", kCutTypeChamfer, {}});
    Ktx_CutConstraint* cut = nullptr;
    ASSERT_EQ(getCutConstraint(&m, "C", cut), Acad::eOk);
    double v = 4.0;
    EXPECT_EQ(getSetCutValue(&m, cut, kCutChamferOffset2, v, false), Acad::eOk);
    EXPECT_NE(getSetCutValue(&m, cut, kCutOffset, v, false), Acad::eOk);
    EXPECT_NE(getSetCutValue(&m, cut, 9, v, true), Acad::eOk);
    AcArray<int> offsets;
    EXPECT_FALSE(getCutOffsets(kCutTypeCount, offsets));
    EXPECT_TRUE(getCutOffsets(kCutTypeFull, offsets));
    EXPECT_EQ(offsets.length(), kCutOffsetTypeCount);
}

}  // namespace
