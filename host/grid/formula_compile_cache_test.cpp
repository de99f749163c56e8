// Formulas compiled before are taken from the cache only where compiling them again would give
// the same result: a strict formula naming a custom function is refused on a sheet that lacks
// the function even after another sheet compiled it, and a reference keeps its own cell.
#include "formula_compile_cache.h"

#include <gtest/gtest.h>

#include "formula_engine.h"

namespace {

bool one(SpreadValue* result, SpreadValue*, short) {
    result->status = SPREAD_STATUS_VALID;
    result->type = SPREAD_TYPE_DOUBLE;
    result->dfValue = 1;
    return true;
}

// A key that owns its text.
struct OwnedKey {
    std::string text;
    FormulaCompileCache::Place place;
    FormulaCompileCache::KeyView view() const { return {text, place}; }
};

}  // namespace

TEST(FormulaCompileCache, AStrictFormulaNeedsTheCustomFunctionOnEverySheet) {
    FormulaCompileCache::shared().clear();
    FormulaEngine with;
    ASSERT_TRUE(with.addCustomFunction("ONE", 0, 0, one, 0));
    ASSERT_TRUE(with.setFormula(1, 1, "ONE()+1", FormulaSetMode::Strict));
    EXPECT_DOUBLE_EQ(with.value(1, 1).number, 2);

    FormulaEngine without;
    EXPECT_FALSE(without.setFormula(1, 1, "ONE()+1", FormulaSetMode::Strict));
    EXPECT_FALSE(without.hasFormula(1, 1));
    ASSERT_TRUE(without.addCustomFunction("ONE", 0, 0, one, 0));
    EXPECT_TRUE(without.setFormula(1, 1, "ONE()+1", FormulaSetMode::Strict));
}

// A sheet that registers its functions again after every load skips asking the cache's
// names again only when its registrations restore exactly the names it had: a partial
// replay, a replay with another name, or names copied in from another sheet must not pass
// for the full set.
TEST(FormulaCompileCache, ARegisteredAgainSheetReusesAnswersOnlyForTheSameNames) {
    FormulaCompileCache::shared().clear();
    FormulaEngine sheet;
    const auto registerNames = [&](std::initializer_list<const char*> names) {
        sheet.clearCustomFunctions();
        for (const char* name : names) ASSERT_TRUE(sheet.addCustomFunction(name, 0, 0, one, 0));
    };
    registerNames({"ONE", "TWO"});
    ASSERT_TRUE(sheet.setFormula(1, 1, "TWO()+1", FormulaSetMode::Strict));
    registerNames({"ONE"});  // the remembered order, cut short
    EXPECT_FALSE(sheet.setFormula(1, 1, "TWO()+1", FormulaSetMode::Strict));
    registerNames({"ONE", "TWO"});
    EXPECT_TRUE(sheet.setFormula(1, 1, "TWO()+1", FormulaSetMode::Strict));
    EXPECT_DOUBLE_EQ(sheet.value(1, 1).number, 2);
    registerNames({"ONE", "THREE"});  // as many names, one of them another
    EXPECT_FALSE(sheet.setFormula(1, 1, "TWO()+1", FormulaSetMode::Strict));
    registerNames({"ONE", "TWO"});
    EXPECT_TRUE(sheet.setFormula(1, 1, "TWO()+1", FormulaSetMode::Strict));

    FormulaEngine other;  // only ONE, its own registrations, then another sheet's names
    ASSERT_TRUE(other.addCustomFunction("ONE", 0, 0, one, 0));
    EXPECT_FALSE(other.setFormula(1, 1, "TWO()+1", FormulaSetMode::Strict));
    ASSERT_TRUE(other.assign(sheet));
    EXPECT_TRUE(other.setFormula(1, 1, "TWO()+1", FormulaSetMode::Strict));
    registerNames({"ONE"});
    ASSERT_TRUE(sheet.addCustomFunction("TWO", 0, 0, one, 0));
    EXPECT_TRUE(sheet.setFormula(1, 1, "TWO()+1", FormulaSetMode::Strict));
    ASSERT_TRUE(other.assign(sheet));
    sheet.clearCustomFunctions();
    EXPECT_FALSE(sheet.setFormula(1, 1, "TWO()+1", FormulaSetMode::Strict));
    EXPECT_TRUE(other.setFormula(1, 1, "TWO()+1", FormulaSetMode::Strict));
}

TEST(FormulaCompileCache, TheSameTextInAnotherCellRefersFromThatCell) {
    FormulaCompileCache::shared().clear();
    FormulaEngine sheet;
    sheet.setFormula(1, 1, "5", FormulaSetMode::Strict);
    sheet.setFormula(1, 2, "7", FormulaSetMode::Strict);
    ASSERT_TRUE(sheet.setFormula(2, 1, "A1*2", FormulaSetMode::Strict));
    ASSERT_TRUE(sheet.setFormula(2, 2, "A1*2", FormulaSetMode::Strict));
    sheet.setRefStyle(FormulaRefStyle::R1C1);
    ASSERT_TRUE(sheet.setFormula(3, 2, "RC[-2]*3", FormulaSetMode::Strict));
    ASSERT_TRUE(sheet.setFormula(3, 1, "RC[-2]*3", FormulaSetMode::Strict));
    EXPECT_DOUBLE_EQ(sheet.value(2, 1).number, 10);
    EXPECT_DOUBLE_EQ(sheet.value(2, 2).number, 10);
    EXPECT_DOUBLE_EQ(sheet.value(3, 2).number, 21);
    EXPECT_DOUBLE_EQ(sheet.value(3, 1).number, 15);
}

// The table behind the cache: entries stay found with their own code while it grows, a key
// kept again takes its new code, and a full cache starts afresh.
TEST(FormulaCompileCache, EachKeyFindsItsOwnCodeAsTheTableGrowsAndEmpties) {
    FormulaCompileCache cache;
    const FormulaCompileCache::IsCustom none = [](std::string_view) { return false; };
    const auto key = [](int i) {
        // Few texts, many cells: keys that differ only by their place.
        return OwnedKey{"A" + std::to_string(i % 97), {i, i % 5, false, true}};
    };
    const int total = static_cast<int>(FormulaCompileCache::kMaxEntries) + 500;
    for (int i = 0; i < total; ++i)
        cache.keep(key(i).view(), Code{static_cast<std::uint32_t>(i)}, {}, {}, 1);
    const int firstKept = static_cast<int>(FormulaCompileCache::kMaxEntries);
    for (int i = 0; i < total; ++i) {
        const std::optional<CompiledFormula> found = cache.find(key(i).view(), 1, none);
        if (i < firstKept) {
            EXPECT_FALSE(found) << i;
        } else {
            ASSERT_TRUE(found) << i;
            EXPECT_EQ(found->code[0], static_cast<std::uint32_t>(i));
        }
    }
    cache.keep(key(total - 1).view(), Code{7, 7}, CodeRefs{1}, {}, 1);
    const std::optional<CompiledFormula> again = cache.find(key(total - 1).view(), 1, none);
    ASSERT_TRUE(again);
    EXPECT_EQ(Code(again->code.begin(), again->code.end()), (Code{7, 7}));
    EXPECT_EQ(CodeRefs(again->refs.begin(), again->refs.end()), CodeRefs{1});
    OwnedKey other = key(total - 1);
    other.place.r1c1 = true;
    EXPECT_FALSE(cache.find(other.view(), 1, none));
    cache.clear();
    EXPECT_FALSE(cache.find(key(total - 1).view(), 1, none));
}

// Texts of every length share words with the code after them, and the bound on kept words
// empties the cache rather than growing past it; a formula bigger than the bound is not kept.
TEST(FormulaCompileCache, TextsOfEveryLengthComeBackWholeAndTheWordBoundHolds) {
    FormulaCompileCache cache;
    const FormulaCompileCache::IsCustom none = [](std::string_view) { return false; };
    const FormulaCompileCache::Place cell{1, 1, false, true};
    const auto text = [](std::size_t length) { return std::string(length, 'x'); };
    for (std::uint32_t n = 0; n < 12; ++n)
        cache.keep({text(n), cell}, Code{n, 99}, CodeRefs{n + 1}, {}, 1);
    for (std::uint32_t n = 0; n < 12; ++n) {
        const std::optional<CompiledFormula> found = cache.find({text(n), cell}, 1, none);
        ASSERT_TRUE(found) << n;
        EXPECT_EQ(Code(found->code.begin(), found->code.end()), (Code{n, 99}));
        EXPECT_EQ(CodeRefs(found->refs.begin(), found->refs.end()), CodeRefs{n + 1});
    }
    const Code half(FormulaCompileCache::kMaxWords / 2, 5);
    cache.keep({"big one", cell}, half, {}, {}, 1);
    EXPECT_TRUE(cache.find({text(3), cell}, 1, none));
    cache.keep({"big two", cell}, half, {}, {}, 1);
    EXPECT_FALSE(cache.find({"big one", cell}, 1, none));
    EXPECT_FALSE(cache.find({text(3), cell}, 1, none));
    ASSERT_TRUE(cache.find({"big two", cell}, 1, none));
    EXPECT_EQ(cache.find({"big two", cell}, 1, none)->code.size(), half.size());
    cache.keep({"too big", cell}, Code(FormulaCompileCache::kMaxWords + 1, 5), {}, {}, 1);
    EXPECT_FALSE(cache.find({"too big", cell}, 1, none));
    EXPECT_TRUE(cache.find({"big two", cell}, 1, none));
}

// One cell given its formulas in turn: each text finds its own code, whichever was seen last
// there, and the same text under other parse settings is another key.
TEST(FormulaCompileCache, ACellGivenTextsInTurnFindsEachTextsCode) {
    FormulaCompileCache cache;
    const FormulaCompileCache::IsCustom none = [](std::string_view) { return false; };
    const FormulaCompileCache::Place cell{3, 4, false, true};
    cache.keep({"A1+1", cell}, Code{1}, {}, {}, 1);
    cache.keep({"A1+2", cell}, Code{2}, {}, {}, 1);
    for (int round = 0; round < 2; ++round) {
        for (std::uint32_t n : {1u, 2u, 1u, 1u, 2u}) {
            const std::string text = "A1+" + std::to_string(n);
            const std::optional<CompiledFormula> found = cache.find({text, cell}, 1, none);
            ASSERT_TRUE(found) << text;
            EXPECT_EQ(found->code[0], n);
        }
        EXPECT_FALSE(cache.find({"A1+3", cell}, 1, none));
        EXPECT_FALSE(cache.find({"A1+1", {3, 4, true, true}}, 1, none));
        EXPECT_FALSE(cache.find({"A1+1", {3, 4, false, false}}, 1, none));
        cache.keep({"A1+1", cell}, Code{1}, {}, {}, 1);  // kept again: still its own code
    }
    cache.clear();
    EXPECT_FALSE(cache.find({"A1+2", cell}, 1, none));
}

// A column of thousands of formulas, each cell taking two texts in turn, finds every text's
// own code again, while the table of places grows under it.
TEST(FormulaCompileCache, ThousandsOfCellsGivenTextsInTurnFindEachTextsCode) {
    FormulaCompileCache cache;
    const FormulaCompileCache::IsCustom none = [](std::string_view) { return false; };
    constexpr int kRows = 6000;
    const auto text = [](int row, int n) {
        return "B" + std::to_string(row) + "+" + std::to_string(n);
    };
    for (int row = 1; row <= kRows; ++row)
        for (std::uint32_t n : {1u, 2u})
            cache.keep({text(row, n), {1, row, false, true}}, Code{n, std::uint32_t(row)}, {}, {},
                       1);
    for (std::uint32_t n : {1u, 2u, 2u, 1u}) {
        for (int row = 1; row <= kRows; ++row) {
            const std::optional<CompiledFormula> found =
                cache.find({text(row, n), {1, row, false, true}}, 1, none);
            ASSERT_TRUE(found) << row;
            ASSERT_EQ(found->code[0], n) << row;
            ASSERT_EQ(found->code[1], std::uint32_t(row));
        }
    }
    EXPECT_FALSE(cache.find({text(7, 1), {1, 8, false, true}}, 1, none));
}

// A formula taken from the cache follows every cell it reads, as one compiled anew: a single
// cell, each cell of a small range and any cell of a large range bring it up to date.
TEST(FormulaCompileCache, AFormulaFoundAgainFollowsEveryCellItReads) {
    FormulaCompileCache::shared().clear();
    for (int round = 0; round < 2; ++round) {  // compiled, then found in the cache
        FormulaEngine sheet;
        ASSERT_TRUE(sheet.setFormula(4, 1, "A1+SUM(B1:B3)+SUM(C1:C200)", FormulaSetMode::Strict));
        sheet.setNumber(1, 1, 1);
        sheet.setNumber(2, 3, 10);
        sheet.setNumber(3, 150, 100);
        EXPECT_DOUBLE_EQ(sheet.value(4, 1).number, 111) << round;
        sheet.setNumber(2, 1, 1000);
        EXPECT_DOUBLE_EQ(sheet.value(4, 1).number, 1111) << round;

        ASSERT_TRUE(sheet.setFormula(5, 1, "A5*2", FormulaSetMode::Strict));
        sheet.setNumber(1, 5, 4);
        EXPECT_DOUBLE_EQ(sheet.value(5, 1).number, 8) << round;
    }
}
