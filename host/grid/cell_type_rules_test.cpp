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
                          Case{SS_CELLTYPE_GENERAL, "0.10"},
                          Case{SS_CELLTYPE_GENERAL, "-0"},
                          Case{SS_CELLTYPE_GENERAL, "-0.0"},
                          Case{SS_CELLTYPE_GENERAL, "-0.5"},
                          Case{SS_CELLTYPE_GENERAL, "0.00001"},
                          Case{SS_CELLTYPE_GENERAL, "0.000001"},
                          Case{SS_CELLTYPE_GENERAL, "999999999999999"},
                          Case{SS_CELLTYPE_GENERAL, "1000000000000000"},
                          Case{SS_CELLTYPE_GENERAL, "9007199254740993"},
                          Case{SS_CELLTYPE_GENERAL, "12345678901234567890"},
                          Case{SS_CELLTYPE_GENERAL, ".5"},
                          Case{SS_CELLTYPE_NUMBER, "-65.0000000"},
                          Case{SS_CELLTYPE_NUMBER, "65"},
                          Case{SS_CELLTYPE_INTEGER, "12"},
                          Case{SS_CELLTYPE_INTEGER, "12.0"}}) {
        const std::optional<DataContent> read = readDataText(typeOf(c.type), c.text);
        const std::optional<FormulaValue> content = contentForData(typeOf(c.type), c.text);
        ASSERT_TRUE(read && content) << c.text;
        EXPECT_EQ(read->kind, content->kind) << c.text;
        EXPECT_EQ(isCanonicalDataText(*read, c.text), canonicalDataText(*content) == c.text)
            << c.text;
        EXPECT_EQ(read->canonical, canonicalDataText(*content) == c.text) << c.text;
    }
}

// Reading a data text tells at once whether it is canonical; for decimals of every length,
// with needless zeros or not, that must agree with formatting the number it reads as.
TEST(CellTypeRules, ReadingADecimalTellsWhetherItIsCanonical) {
    std::uint64_t seed = 7;
    int notCanonical = 0;
    for (int sig = 1; sig <= 19; ++sig) {
        for (int exp10 = -7; exp10 <= 17; ++exp10) {
            for (int n = 0; n < 4; ++n) {
                std::string text = plainDecimalText(seed, sig, exp10, n % 2 == 1);
                if (n >= 2) text += text.find('.') == std::string::npos ? ".0" : "00";
                for (int type : {SS_CELLTYPE_GENERAL, SS_CELLTYPE_NUMBER}) {
                    SSCellType t = typeOf(type);
                    t.minValue = -1e300;
                    t.maxValue = 1e300;
                    const std::optional<DataContent> read = readDataText(t, text);
                    ASSERT_TRUE(read && read->kind == FormulaValueKind::Number) << text;
                    const bool canonical = formatNumberGeneral(read->number) == text;
                    EXPECT_EQ(read->canonical, canonical) << text;
                    notCanonical += canonical ? 0 : 1;
                }
            }
        }
    }
    EXPECT_GT(notCanonical, 1000);
}

TEST(CellTypeRules, AFirstByteRefusalIsAlwaysReadDataTextsRefusal) {
    const int types[] = {SS_CELLTYPE_NUMBER,  SS_CELLTYPE_CURRENCY, SS_CELLTYPE_PERCENT,
                         SS_CELLTYPE_INTEGER, SS_CELLTYPE_GENERAL,  SS_CELLTYPE_CHECKBOX,
                         SS_CELLTYPE_EDIT,    SS_CELLTYPE_COMBOBOX, SS_CELLTYPE_STATICTEXT};
    const std::string tails[] = {"",
                                 "5",
                                 ".5",
                                 "e3",
                                 "5e3",
                                 "5%",
                                 " 5 ",
                                 "x",
                                 "5x",
                                 "0.0",
                                 "-1",
                                 "1e999",
                                 "12345678901234567890",
                                 "+5",
                                 "\t7",
                                 "TRUE",
                                 "a + b"};
    int refused = 0;
    for (const int kind : types) {
        SSCellType type = typeOf(kind);
        type.minValue = -1e9;
        type.maxValue = 1e9;
        for (int byte = 0; byte < 256; ++byte) {
            for (const std::string& tail : tails) {
                const std::string text = std::string(1, static_cast<char>(byte)) + tail;
                if (!refusedAtFirstByte(type, text)) continue;
                ++refused;
                EXPECT_FALSE(readDataText(type, text).has_value()) << kind << " '" << text << "'";
            }
        }
        EXPECT_FALSE(refusedAtFirstByte(type, ""));
    }
    EXPECT_GT(refused, 0);
}

TEST(CellTypeRules, EveryByteANumberCanStartWithIsLeftToTheFullRead) {
    // With a zero after it, a byte starts a number the number cell takes exactly when the
    // quick refusal lets it through: the refusal misses no first byte it could have caught.
    for (const int kind : {SS_CELLTYPE_NUMBER, SS_CELLTYPE_INTEGER}) {
        SSCellType type = typeOf(kind);
        type.minValue = -1e9;
        type.maxValue = 1e9;
        for (int byte = 0; byte < 256; ++byte) {
            const std::string text = std::string(1, static_cast<char>(byte)) + "0";
            EXPECT_EQ(refusedAtFirstByte(type, text), !readDataText(type, text).has_value())
                << kind << " byte " << byte;
        }
    }
    EXPECT_TRUE(refusedAtFirstByte(typeOf(SS_CELLTYPE_NUMBER), "x = a + b"));
    EXPECT_FALSE(refusedAtFirstByte(typeOf(SS_CELLTYPE_GENERAL), "x = a + b"));
}
