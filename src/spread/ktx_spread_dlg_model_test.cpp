#include "ktx_spread_dlg_model.h"

#include <gtest/gtest.h>

#include "grid.h"

namespace {

TEST(FormulasModel, RecalculateIsOfferedOnlyWithoutAutomaticCalculation) {
    Ktx_SpreadDlgModel m;
    EXPECT_TRUE(m.canRecalculate());
    m.autoCalculate = true;
    EXPECT_FALSE(m.canRecalculate());
    m.refStyle = Ktx_SpreadDlgModel::RefStyle::R1C1;
    m.resetToTestStart();
    EXPECT_TRUE(m.canRecalculate());
    EXPECT_EQ(m.gridRefStyle(), SS_REFSTYLE_DEFAULT);
}

TEST(FormulasModel, EachStyleHasItsGridCode) {
    Ktx_SpreadDlgModel m;
    m.refStyle = Ktx_SpreadDlgModel::RefStyle::A1;
    EXPECT_EQ(m.gridRefStyle(), SS_REFSTYLE_A1);
    m.refStyle = Ktx_SpreadDlgModel::RefStyle::R1C1;
    EXPECT_EQ(m.gridRefStyle(), SS_REFSTYLE_R1C1);
}

}  // namespace
