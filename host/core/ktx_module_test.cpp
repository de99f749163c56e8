#include "ktx_module.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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
    // A read replaces whatever text the value held, longer or shorter.
    value = "a longer text than any number written here";
    ASSERT_EQ(getSetConstrVarValue(&m, "W", value, true), Acad::eOk);
    EXPECT_EQ(value, "200");
    m.variables[0].value = -0.000125;
    ASSERT_EQ(getSetConstrVarValue(&m, "W", value, true), Acad::eOk);
    EXPECT_EQ(value, "-0.000125");
}

// Whole numbers take a shorter way to their text, and plain decimal texts to their value: both
// must give what the fixed-point text ("%.8f", zeros dropped) and strtod give, edges too.
const double kScales[] = {1.0, 10.0, 1e3, 1e7, 1e12, 3.0};

TEST(KtxModule, MacroNumberTextsAndReadingsAsTheReferenceGivesThem) {
    auto reference = [](double v) {
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.8f", v);
        std::string t = buf;
        if (t.find('.') != std::string::npos) {
            const size_t end = t.find_last_not_of('0');
            t.erase(t[end] == '.' ? end : end + 1);
        }
        return t == "-0" ? std::string("0") : t;
    };
    std::vector<double> values = {
        0.0,  -0.0, 1.0,   -1.0, 200.0, 999999999999999.0, 1e15, -1e15, 1e15 - 1,
        12.5, -0.5, 1e300, 4e-9, -4e-9, 123456789012345.0};
    std::uint64_t seed = 12345;
    for (int i = 0; i < 2000; ++i) {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        const double whole =
            static_cast<double>(static_cast<std::int64_t>(seed >> 14) % 2000000000000000ll) - 1e15;
        values.push_back(whole);
        values.push_back(whole / 1000.0);
    }
    for (double v : values) {
        const std::string text = macroNumberText(v);
        ASSERT_EQ(text, reference(v)) << v;
        double back = 0.0;
        ASSERT_TRUE(macroParseNumber(text, back)) << text;
        EXPECT_EQ(back, std::strtod(text.c_str(), nullptr)) << text;
    }
    for (std::uint64_t i = 0; i < 3000; ++i) {  // decimals as the grid writes them, and others
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        const int decimals = static_cast<int>((seed >> 8) % 24);
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", decimals,
                      static_cast<double>(static_cast<std::int64_t>(seed >> 20) % 100000000000ll) /
                          kScales[(seed >> 4) % 6]);
        double value = 0.0;
        ASSERT_TRUE(macroParseNumber(text, value)) << text;
        EXPECT_EQ(value, std::strtod(text, nullptr)) << text;
    }
    for (const char* text : {"-0",
                             " 12 ",
                             "007",
                             "-",
                             " ",
                             "1 2",
                             "--3",
                             "+4",
                             ".5",
                             "12.",
                             ".",
                             "-.25",
                             "1.2.3",
                             "0.1",
                             "-0.0",
                             "212.0000000",
                             "1234567890123456",
                             "99999999999999999999",
                             "9007199254740993",
                             "0.00000000000000000000001",
                             "1e3"}) {
        double value = 7.0, expected = 0.0;
        char* end = nullptr;
        expected = std::strtod(text, &end);
        while (*end == ' ') ++end;
        const bool valid = end != text && *end == '\0' &&
                           std::string(text).find_first_not_of(' ') != std::string::npos;
        ASSERT_EQ(macroParseNumber(text, value), valid) << text;
        if (!valid) continue;
        EXPECT_EQ(value, expected) << text;
        EXPECT_EQ(std::signbit(value), std::signbit(expected)) << text;
    }
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
