// Custom functions: how arguments arrive with and without flag 1, string results, failing
// callbacks, late registration, and that every global memory block is freed exactly once.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "formula_test_util.h"
#include "win_driver.h"

namespace {

std::string blockString(HGLOBAL h) {
    const char* p = static_cast<const char*>(GlobalLock(h));
    std::string s = p ? p : "";
    GlobalUnlock(h);
    return s;
}

HGLOBAL stringBlock(const std::string& s) {
    HGLOBAL h = GlobalAlloc(GHND, s.size() + 1);
    std::memcpy(GlobalLock(h), s.data(), s.size());
    GlobalUnlock(h);
    return h;
}

// Describes its arguments: "type:status:value" joined by "|".
bool describe(SpreadValue* result, SpreadValue* args, short count) {
    std::string s;
    for (short i = 0; i < count; ++i) {
        const SpreadValue& a = args[i];
        s += std::to_string(a.type) + ":" + std::to_string(a.status) + ":";
        if (a.status != SPREAD_STATUS_VALID)
            s += "-";
        else if (a.type == SPREAD_TYPE_LONG)
            s += std::to_string(a.lValue);
        else if (a.type == SPREAD_TYPE_DOUBLE)
            s += formatNumberGeneral(a.dfValue);
        else if (a.type == SPREAD_TYPE_STRING)
            s += blockString(a.hszValue);
        else
            s += std::to_string(a.col) + "," + std::to_string(a.row) + "," +
                 std::to_string(a.col2) + "," + std::to_string(a.row2);
        if (i + 1 < count) s += "|";
    }
    result->status = SPREAD_STATUS_VALID;
    result->type = SPREAD_TYPE_STRING;
    result->hszValue = stringBlock(s);
    return true;
}

// Frees its string argument itself (allowed), and hands back a double.
bool freesItsArgument(SpreadValue* result, SpreadValue* args, short) {
    if (args[0].type == SPREAD_TYPE_STRING) GlobalFree(args[0].hszValue);
    result->status = SPREAD_STATUS_VALID;
    result->type = SPREAD_TYPE_DOUBLE;
    result->dfValue = 2.5;
    return true;
}

// Hands its own argument block back as the result.
bool passesItsBlockOn(SpreadValue* result, SpreadValue* args, short) {
    *result = args[0];
    return true;
}

bool fails(SpreadValue* result, SpreadValue*, short) {
    result->status = SPREAD_STATUS_VALID;  // a value written, yet the call failed
    result->type = SPREAD_TYPE_LONG;
    result->lValue = 9;
    return false;
}

class FormulaCustom : public ::testing::Test {
  protected:
    void SetUp() override {
        globalMemoryReset();
        e.setNumber(1, 1, 3);      // A1
        e.setText(1, 2, "steel");  // A2
        // A3 empty
        e.setLogical(1, 4, true);  // A4
    }
    void TearDown() override {
        e.clear();
        EXPECT_EQ(globalMemoryLiveBlocks(), 0);
        EXPECT_EQ(globalMemoryMisuses(), 0);
    }
    FormulaEngine e;
};

TEST_F(FormulaCustom, WithoutFlagArgumentsArriveAsValues) {
    ASSERT_TRUE(e.addCustomFunction("Describe", 0, 9, describe, 0));
    EXPECT_EQ(evalText(e, "=DESCRIBE(A1,A2,A3,A4,\"x\"&1,A1:A2)"),
              "1:0:3|2:0:steel|0:2:-|0:0:1|2:0:x1|1:0:3");
    EXPECT_EQ(evalText(e, "=describe()"), "");
}

TEST_F(FormulaCustom, WithFlagOneReferencesArriveAsReferences) {
    ASSERT_TRUE(e.addCustomFunction("DESCRIBE", 0, 9, describe, SPREAD_CUSTFUNC_WANTCELLREF));
    EXPECT_EQ(evalText(e, "=DESCRIBE(A1,B2:C5,7)"), "3:0:1,1,1,1|4:0:2,2,3,5|1:0:7");
}

TEST_F(FormulaCustom, ArgumentBlocksAreFreedOnceWhoeverFreesThem) {
    ASSERT_TRUE(e.addCustomFunction("FREES", 1, 1, freesItsArgument, 0));
    ASSERT_TRUE(e.addCustomFunction("PASS", 1, 1, passesItsBlockOn, 0));
    EXPECT_EQ(evalText(e, "=FREES(A2)"), "2.5");
    EXPECT_EQ(evalText(e, "=PASS(A2)&\"!\""), "steel!");
    EXPECT_EQ(evalText(e, "=FREES(1)"), "2.5");
    // TearDown checks: no block left, none freed twice.
}

TEST_F(FormulaCustom, FailingCallbackLeavesTheCellWithoutValue) {
    ASSERT_TRUE(e.addCustomFunction("FAILS", 0, 0, fails, 0));
    ASSERT_TRUE(e.setFormula(2, 1, "=FAILS()"));
    EXPECT_TRUE(e.value(2, 1).isEmpty());
    ASSERT_TRUE(e.setFormula(2, 2, "=B1+1"));
    EXPECT_EQ(cellText(e, 2, 2), "1");
}

TEST_F(FormulaCustom, WrongCountsAndErrorArgumentsDoNotCall) {
    ASSERT_TRUE(e.addCustomFunction("DESCRIBE", 1, 2, describe, 0));
    EXPECT_EQ(evalText(e, "=DESCRIBE()"), "#VALUE!");
    EXPECT_EQ(evalText(e, "=DESCRIBE(1,2,3)"), "#VALUE!");
    EXPECT_EQ(evalText(e, "=DESCRIBE(A2,1/0)"), "#DIV/0!");
}

TEST_F(FormulaCustom, UnregisteredFunctionIsNameErrorUntilRegisteredAndRecalculated) {
    ASSERT_FALSE(e.setFormula(2, 1, "=DESCRIBE(A1)"));  // refused outside the loader
    ASSERT_TRUE(e.setFormula(2, 1, "=DESCRIBE(A1)", FormulaSetMode::Loader));
    EXPECT_EQ(cellText(e, 2, 1), "#NAME?");
    ASSERT_TRUE(e.addCustomFunction("describe", 1, 1, describe, 0));
    EXPECT_EQ(cellText(e, 2, 1), "#NAME?");
    e.recalcAll();
    EXPECT_EQ(cellText(e, 2, 1), "1:0:3");
    ASSERT_TRUE(e.setFormula(2, 2, "=DESCRIBE(A2)"));  // now accepted directly
    e.clearCustomFunctions();
    e.recalcAll();
    EXPECT_EQ(cellText(e, 2, 2), "#NAME?");
}

// The registry reuses the slots of functions it let go: what a lookup finds must be exactly
// what is registered now, in any order of registration, replacement, clearing and copying.
TEST_F(FormulaCustom, RegistryFindsExactlyTheFunctionsRegisteredNow) {
    for (const char* name : {"MID_NAME", "zeta", "Alpha", "beta2", "BETA"})
        ASSERT_TRUE(e.addCustomFunction(name, 1, 1, describe, 0)) << name;
    ASSERT_TRUE(e.addCustomFunction("alpha", 1, 1, fails, 0));  // replaces Alpha
    EXPECT_EQ(evalText(e, "=ZETA(7)"), "1:0:7");
    ASSERT_TRUE(e.setFormula(2, 3, "=ALPHA(1)"));
    EXPECT_TRUE(e.value(2, 3).isEmpty());  // the replacement (fails) was called
    std::unique_ptr<FormulaEngine> copy = e.clone();
    e.clearCustomFunctions();
    for (const char* name : {"BETA", "GAMMA"})
        ASSERT_TRUE(e.addCustomFunction(name, 1, 1, describe, 0));
    for (const char* gone : {"ALPHA", "ZETA", "MID_NAME", "BETA2"})
        EXPECT_FALSE(e.hasCustomFunction(gone)) << gone;
    EXPECT_TRUE(e.hasCustomFunction("beta") && e.hasCustomFunction("Gamma"));
    for (const char* kept : {"ALPHA", "ZETA", "MID_NAME", "BETA2", "BETA"})
        EXPECT_TRUE(copy->hasCustomFunction(kept)) << kept;
    EXPECT_FALSE(copy->hasCustomFunction("GAMMA"));
    ASSERT_TRUE(copy->assign(e));  // fewer functions copied over more
    EXPECT_FALSE(copy->hasCustomFunction("ZETA"));
    EXPECT_TRUE(copy->hasCustomFunction("GAMMA"));
}

// A sheet registers its functions again after every load. Each registration must land on
// its own name, whether the names come in the order remembered from last time or not, in
// other letter case, with other callbacks and flags, or with counts that must be refused.
TEST_F(FormulaCustom, RegisteringAgainAfterClearingReplacesExactlyTheNamedFunctions) {
    for (const char* name : {"Alpha", "BETA", "gamma"})
        ASSERT_TRUE(e.addCustomFunction(name, 1, 1, describe, 0)) << name;
    e.clearCustomFunctions();
    ASSERT_TRUE(e.addCustomFunction("Alpha", 1, 1, fails, 0));     // same place, other callback
    EXPECT_FALSE(e.addCustomFunction("BETA", 2, 1, describe, 0));  // bad counts at its place
    EXPECT_FALSE(e.hasCustomFunction("BETA"));
    ASSERT_TRUE(e.addCustomFunction("Gamma", 0, 2, describe, SPREAD_CUSTFUNC_WANTCELLREF));
    ASSERT_TRUE(e.setFormula(2, 3, "=ALPHA(1)"));
    EXPECT_TRUE(e.value(2, 3).isEmpty());  // fails was called
    EXPECT_EQ(evalText(e, "=GAMMA(A2)"), "3:0:1,2,1,2");
    e.clearCustomFunctions();
    for (const char* name : {"gamma", "Alpha", "DELTA", "BETA"})  // another order
        ASSERT_TRUE(e.addCustomFunction(name, 1, 1, describe, 0)) << name;
    e.clearCustomFunctions();
    ASSERT_TRUE(e.addCustomFunction("gamma", 1, 1, describe, 0));
    ASSERT_TRUE(e.addCustomFunction("Alpha", 1, 1, describe, 0));
    EXPECT_FALSE(e.addCustomFunction("DELTA", 1, 256, describe, 0));  // too many arguments
    EXPECT_FALSE(e.addCustomFunction("SUM", 1, 1, describe, 0));      // a built-in, not DELTA
    for (const char* gone : {"DELTA", "BETA"}) EXPECT_FALSE(e.hasCustomFunction(gone)) << gone;
    EXPECT_EQ(evalText(e, "=ALPHA(A2)&GAMMA(A1)"), "2:0:steel1:0:3");
    EXPECT_EQ(evalText(e, "=SUM(A1)"), "3");
}

// A sheet remembers the functions its formulas found while the registry stays the same, also
// across registering the same functions again in the same order: every other registration
// must reach the formulas.
TEST_F(FormulaCustom, FormulasCallWhatIsRegisteredAfterEveryRegistration) {
    const auto registerAll = [&](FormulaCustomFunction alpha, FormulaCustomFunction beta) {
        e.clearCustomFunctions();
        ASSERT_TRUE(e.addCustomFunction("Alpha", 1, 1, alpha, 0));
        ASSERT_TRUE(e.addCustomFunction("Beta", 1, 1, beta, 0));
    };
    registerAll(describe, describe);
    EXPECT_EQ(evalText(e, "=ALPHA(A1)&BETA(A2)"), "1:0:32:0:steel");
    registerAll(describe, describe);  // the same again
    EXPECT_EQ(evalText(e, "=ALPHA(A1)&BETA(A2)"), "1:0:32:0:steel");
    registerAll(describe, freesItsArgument);  // another callback at the same place
    EXPECT_EQ(evalText(e, "=ALPHA(A1)&BETA(A2)"), "1:0:32.5");
    registerAll(describe, describe);
    EXPECT_EQ(evalText(e, "=BETA(A2)"), "2:0:steel");
    ASSERT_TRUE(e.addCustomFunction("Beta", 1, 1, freesItsArgument, 0));  // outside the order
    EXPECT_EQ(evalText(e, "=BETA(A2)"), "2.5");
    FormulaEngine other;
    ASSERT_TRUE(other.addCustomFunction("BETA", 1, 1, describe, SPREAD_CUSTFUNC_WANTCELLREF));
    ASSERT_TRUE(e.assign(other));  // a copy of another registry
    ASSERT_TRUE(e.setNumber(1, 1, 3) && e.setText(1, 2, "steel"));
    EXPECT_EQ(evalText(e, "=BETA(A2)"), "3:0:1,2,1,2");
    EXPECT_FALSE(e.hasCustomFunction("ALPHA"));
    other.clear();
}

// More arguments than the records kept on the stack: each arrives, and each block is freed.
TEST_F(FormulaCustom, ManyStringArgumentsArriveAndAreFreed) {
    ASSERT_TRUE(e.addCustomFunction("DESCRIBE", 0, 20, describe, 0));
    EXPECT_EQ(evalText(e, "=DESCRIBE(\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i\",A2,A1)"),
              "2:0:a|2:0:b|2:0:c|2:0:d|2:0:e|2:0:f|2:0:g|2:0:h|2:0:i|2:0:steel|1:0:3");
    EXPECT_EQ(evalText(e, "=DESCRIBE(1,2,3,4,5,6,7,8,9,A2,1/0)"), "#DIV/0!");
    // TearDown checks: no block left, none freed twice.
}

TEST_F(FormulaCustom, BuiltInNamesCannotBeTaken) {
    EXPECT_FALSE(e.addCustomFunction("sum", 1, 1, describe, 0));
    EXPECT_FALSE(e.addCustomFunction("", 1, 1, describe, 0));
    EXPECT_FALSE(e.addCustomFunction("X", 2, 1, describe, 0));
    EXPECT_FALSE(e.hasCustomFunction("SUM"));
}

TEST_F(FormulaCustom, CallbackMayChangeTheSheetWhileItIsCalculated) {
    static FormulaEngine* sheet = nullptr;
    sheet = &e;
    auto writer = [](SpreadValue* result, SpreadValue*, short) {
        sheet->setNumber(5, 5, 42);        // a cell others read
        sheet->setFormula(6, 6, "=E5*2");  // a new formula
        result->status = SPREAD_STATUS_VALID;
        result->type = SPREAD_TYPE_LONG;
        result->lValue = 1;
        return true;
    };
    ASSERT_TRUE(e.addCustomFunction("WRITER", 0, 0, writer, 0));
    ASSERT_TRUE(e.setFormula(4, 5, "=E5+1"));
    ASSERT_TRUE(e.setFormula(1, 9, "=WRITER()"));
    EXPECT_EQ(cellText(e, 1, 9), "1");
    EXPECT_EQ(cellText(e, 6, 6), "84");
    EXPECT_EQ(cellText(e, 4, 5), "43");
    // The formula goes on after a call that added code: operators, a text, a reference.
    ASSERT_TRUE(e.setFormula(1, 10, "=1+WRITER()*2&\"-\"&A2"));
    EXPECT_EQ(cellText(e, 1, 10), "3-steel");
    e.recalcAll();
    EXPECT_EQ(cellText(e, 4, 5), "43");
    EXPECT_EQ(cellText(e, 1, 10), "3-steel");
}

}  // namespace
