#include "bill_variables.h"

#include <gtest/gtest.h>

#include "core_clock.h"
#include "frame_reset.h"

namespace {

TEST(BillTitle, KeepsOnlyThePartBehindTheLastInvertedQuestionMark) {
    EXPECT_EQ(billTitle("C:\\Bills\\A\xBFMain list.vns"), "Main list");
    EXPECT_EQ(billTitle("C:\\Bills\\A\xBF"
                        "B\xBFLast.vns"),
              "Last");
    EXPECT_EQ(billTitle("C:\\Bills\\Plates.2026.vns"), "Plates.2026");
    EXPECT_EQ(billTitle("bills/Plates"), "Plates");
    EXPECT_EQ(billTitle("C:\\v1.0\\Plates"), "Plates");
}

TEST(BillDateText, DayMonthNameYearAndTime) {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 8;
    time.tm_hour = 9;
    time.tm_min = 5;
    EXPECT_EQ(billDateText(time), "08 December, 2026 (09:05)");
}

TEST(BillVariables, ThreeVariablesGoInFrontOfTheBillsOwn) {
    frameResetForTests();
    setCoreTimeSource([] { return std::time_t{1'800'000'000}; });
    Ktx_StringArray names{"Project"}, values{"Hall 3"};
    putBillVariablesInFront(names, values, "C:\\Bills\\Job\xBFPlates.vns");
    EXPECT_EQ(names, (Ktx_StringArray{"Date", "Title", "BillFilename", "Project"}));
    EXPECT_EQ(values[1], "Plates");
    EXPECT_EQ(values[2], "C:\\Bills\\Job\xBFPlates.vns");
    EXPECT_EQ(values[3], "Hall 3");
    EXPECT_TRUE(values[0].view().ends_with(")")) << values[0];
    EXPECT_NE(values[0].view().find("2027"), std::string_view::npos) << values[0];
    resetCoreClock();
}

}  // namespace
