#include "vn_eval_trace.h"

#include <gtest/gtest.h>

#include "vn_standards_dlg.h"
#include "vn_standards_fixture.h"

namespace {

class EvalTrace : public StandardsFixture {
  protected:
    // A parent that looks up a size, calls a child, and has a failing cell.
    void SetUp() override {
        StandardsFixture::SetUp();
        writeStandard("P.vns",
                      "Input\nDouble A\nOutput\nDouble R,Double S\nLocal\nDouble T\nCalc\n"
                      "\"T = STDSIZEWITHTOLERANCE(\"\"sizes.txt\"\", 5, A, 0, 10)\"\n"
                      "\"R = CallChild(\"\"C.vns\"\", T, R)\"\n"
                      "S = Nothing + 1\n");
        writeStandard("Childs/C.vns", "Input\nDouble X\nOutput\nDouble Y\nCalc\nY = X*10\n");
        writeFile("Data/sizes.txt", "10\n20\n40\n");
    }
    VnDlgStandardsData data() {
        return childData(
            standardPath("P.vns"),
            {{"A", VnCellInput, "12"}, {"R", VnCellOutput, ""}, {"S", VnCellOutput, ""}});
    }
};

TEST_F(EvalTrace, RecordsSheetsCellsChoicesAndTheChildCalled) {
    VnEvalTrace trace;
    auto d = data();
    {
        VnEvalTrace::Scope scope(trace);
        ASSERT_TRUE(StartDlgStandardsSS(d));
    }
    ASSERT_EQ(trace.sheets.size(), 2u);
    const VnEvalTrace::Sheet& parent = trace.sheets[0];
    EXPECT_EQ(parent.depth, 1);
    EXPECT_EQ(parent.parentSheet, -1);
    ASSERT_EQ(parent.variables.size(), 4u);
    EXPECT_EQ(parent.variables[0].name, "A");
    EXPECT_EQ(parent.variables[0].value, "12");
    ASSERT_EQ(parent.cells.size(), 3u);

    const VnEvalTrace::Cell& size = parent.cells[0];
    EXPECT_EQ(size.left, "T");
    EXPECT_EQ(size.formula, "STDSIZEWITHTOLERANCE(\"sizes.txt\", 5, A2, 0, 10)");
    EXPECT_TRUE(size.ok);
    EXPECT_EQ(std::stod(size.value), 20.0);
    ASSERT_EQ(size.choices.size(), 1u);
    const VnEvalTrace::Choice& choice = size.choices[0];
    EXPECT_EQ(choice.function, "STDSIZEWITHTOLERANCE");
    EXPECT_TRUE(choice.tolerance);
    EXPECT_EQ(choice.candidates, (std::vector<double>{10, 20, 40}));
    EXPECT_DOUBLE_EQ(choice.low, 12.0);
    EXPECT_DOUBLE_EQ(choice.high, 22.0);
    EXPECT_EQ(std::stod(choice.result), 20.0);

    const VnEvalTrace::Cell& call = parent.cells[1];
    EXPECT_TRUE(call.childCall);
    EXPECT_TRUE(call.ok);
    ASSERT_EQ(call.childSheet, 1);
    const VnEvalTrace::Sheet& child = trace.sheets[1];
    EXPECT_EQ(child.depth, 2);
    EXPECT_EQ(child.parentSheet, 0);
    EXPECT_EQ(child.parentCell, 1);
    ASSERT_EQ(child.cells.size(), 1u);
    EXPECT_EQ(std::stod(child.cells[0].value), 200.0);

    EXPECT_FALSE(parent.cells[2].ok);
    EXPECT_EQ(parent.cells[2].left, "S");
}

TEST_F(EvalTrace, NothingIsRecordedOutsideAScope) {
    VnEvalTrace trace;
    { VnEvalTrace::Scope scope(trace); }
    auto d = data();
    ASSERT_TRUE(StartDlgStandardsSS(d));
    EXPECT_TRUE(trace.sheets.empty());
    EXPECT_EQ(VnEvalTrace::current(), nullptr);
}

}  // namespace
