#include "vn_eval_report.h"

#include <gtest/gtest.h>

namespace {

TEST(EvalReport, OnlyTheInnermostScopeIsFilledAndNothingWithoutOne) {
    VnEvalReport::variableFailed("Lost", true, "x.vns");  // no scope: nowhere
    VnEvalReport outer, inner;
    {
        VnEvalReport::Scope a(outer);
        VnEvalReport::messageShown("first");
        {
            VnEvalReport::Scope b(inner);
            VnEvalReport::fileUnreadable("sizes.txt", "cannot be read");
            VnEvalReport::fileUnreadable("sizes.txt", "cannot be read");  // once per file
        }
        VnEvalReport::messageShown("second");
    }
    VnEvalReport::messageShown("after");
    EXPECT_EQ(outer.messages, (std::vector<std::string>{"first", "second"}));
    EXPECT_TRUE(outer.files.empty());
    ASSERT_EQ(inner.files.size(), 1u);
    EXPECT_TRUE(outer.variables.empty());
    EXPECT_EQ(VnEvalReport::current(), nullptr);
}

TEST(EvalReport, MissingInputsFailedChildrenAndUnreadableFilesMakeItIncomplete) {
    VnEvalReport report;
    report.variables.push_back({"Out", false, "a.vns"});
    report.cells.push_back({"a.vns", 1, 9, "X = 1 +", false, 1});
    EXPECT_FALSE(report.incomplete());  // an Output not set or a failed equation: warnings only
    report.cells.push_back({"a.vns", 1, 10, "Y = CallChild(b, X)", true, 1});
    EXPECT_TRUE(report.incomplete());
    VnEvalReport input;
    input.variables.push_back({"In", true, "a.vns"});
    EXPECT_TRUE(input.incomplete());
}

TEST(EvalReport, TheOutermostFailureIsTheLastStepThatFailedAtDepthOne) {
    VnEvalReport report;
    EXPECT_EQ(report.outermostFailure(), nullptr);
    report.failedSteps = {{"gCalcCellFindFunctions", "a.vns", 1},
                          {"gLoadFile", "child.vns", 2},
                          {"gCalcCells", "a.vns", 1},
                          {"gCalcMain", "a.vns", 1}};
    ASSERT_NE(report.outermostFailure(), nullptr);
    EXPECT_EQ(report.outermostFailure()->timer, "gCalcMain");
}

}  // namespace
