#include "cell_type_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

SSCellType typeOf(int type) {
    SSCellType t;
    t.type = type;
    return t;
}

// A deterministic spread of decimals: `sig` significant digits placed at power `exp10`.
std::string plainDecimalText(std::uint64_t& seed, int sig, int exp10, bool negative) {
    std::string digits;
    for (int i = 0; i < sig; ++i) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        digits.push_back(char('0' + (seed >> 59) % 10));
    }
    digits.front() = digits.front() == '0' ? '7' : digits.front();
    digits.back() = digits.back() == '0' ? '3' : digits.back();
    std::string text = negative ? "-" : "";
    if (exp10 < 0) return text + "0." + std::string(std::size_t(-exp10 - 1), '0') + digits;
    const std::size_t intDigits = std::size_t(exp10) + 1;
    if (digits.size() <= intDigits)
        return text + digits + std::string(intDigits - digits.size(), '0');
    return text + digits.substr(0, intDigits) + "." + digits.substr(intDigits);
}

}  // namespace

TEST(CellTypeRules, PlainDecimalsAreTheirNumbersCanonicalText) {
    std::uint64_t seed = 42;
    int checked = 0;
    for (int sig = 1; sig <= 15; ++sig) {
        for (int exp10 = -5; exp10 <= 14; ++exp10) {
            for (int n = 0; n < 12; ++n) {
                const std::string text = plainDecimalText(seed, sig, exp10, n % 2 == 1);
                if (!isPlainCanonicalNumber(text)) continue;
                const std::optional<double> number = parseNumberText(text);
                ASSERT_TRUE(number) << text;
                ASSERT_EQ(formatNumberGeneral(*number), text);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 3000);
    for (const char* text : {"0", "-12", "0.00001", "999999999999999", "-0.5", "100.05"}) {
        EXPECT_TRUE(isPlainCanonicalNumber(text)) << text;
        EXPECT_EQ(formatNumberGeneral(*parseNumberText(text)), text);
    }
}

TEST(CellTypeRules, NumberTextsWithAnotherCanonicalFormAreNotTakenAsPlain) {
    for (const char* text : {"",
                             "-",
                             "-0",
                             "00",
                             "007",
                             "+1",
                             "1.",
                             ".5",
                             "1.50",
                             "0.0",
                             "1e5",
                             "1E+20",
                             " 1",
                             "1 ",
                             "5%",
                             "0.000001",
                             "1234567890123456",
                             "0.1234567890123456",
                             "1,5",
                             "1.2.3"}) {
        EXPECT_FALSE(isPlainCanonicalNumber(text)) << text;
    }
}

TEST(CellTypeRules, DataTextIsCanonicalExactlyWhenItsValuesTextIsTheSame) {
    struct Case {
        int type;
        const char* text;
    };
    for (const Case& c : {Case{SS_CELLTYPE_GENERAL, "12.5"},
                          Case{SS_CELLTYPE_GENERAL, "12.50"},
                          Case{SS_CELLTYPE_GENERAL, "1e3"},
                          Case{SS_CELLTYPE_GENERAL, "1E+20"},
                          Case{SS_CELLTYPE_GENERAL, "0.1234567890123456"},
                          Case{SS_CELLTYPE_NUMBER, " 7"},
                          Case{SS_CELLTYPE_NUMBER, "-0"},
                          Case{SS_CELLTYPE_NUMBER, "50%"},
                          Case{SS_CELLTYPE_EDIT, "12.50"},
                          Case{SS_CELLTYPE_CHECKBOX, "true"},
                          Case{SS_CELLTYPE_CHECKBOX, "1"},
                          Case{SS_CELLTYPE_GENERAL, ""},
                          Case{SS_CELLTYPE_GENERAL, "abc"},
                          Case{SS_CELLTYPE_NUMBER, "65.0000000"},
                          Case{SS_CELLTYPE_GENERAL, "1."},
                          Case{SS_CELLTYPE_GENERAL, "+1"},
                          Case{SS_CELLTYPE_GENERAL, "1.5E+20"},
                          Case{SS_CELLTYPE_GENERAL, "1E-07"},
                          Case{SS_CELLTYPE_GENERAL, "1E+20 "},
                          Case{SS_CELLTYPE_GENERAL, "1e+20"},
                          Case{SS_CELLTYPE_GENERAL, "0.10"}}) {
        const std::optional<DataContent> read = readDataText(typeOf(c.type), c.text);
        const std::optional<FormulaValue> content = contentForData(typeOf(c.type), c.text);
        ASSERT_TRUE(read && content) << c.text;
        EXPECT_EQ(read->kind, content->kind) << c.text;
        EXPECT_EQ(isCanonicalDataText(*read, c.text), canonicalDataText(*content) == c.text)
            << c.text;
    }
}
