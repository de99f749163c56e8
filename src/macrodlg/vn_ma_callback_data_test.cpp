#include "vn_ma_callback_data.h"

#include <gtest/gtest.h>

namespace {

TEST(MACallBackData, ACopyOwnsItsOwnMacroData) {
    MacroData data;
    data.edit.title = "first";
    VnMACallBackData a;
    EXPECT_EQ(a.macroData(), nullptr);
    a.initDataClass(data);
    data.edit.title = "second";
    a.initDataClass(data);  // has one already: unchanged
    EXPECT_EQ(a.macroData()->edit.title, "first");
    {
        VnMACallBackData b(a);
        ASSERT_NE(b.macroData(), nullptr);
        EXPECT_NE(b.macroData(), a.macroData());
        b.macroData()->edit.title = "b";
        VnMACallBackData c;
        c = b;
        EXPECT_EQ(c.macroData()->edit.title, "b");
    }  // b and c go: a's data must live on (the shared pointer would be deleted twice)
    EXPECT_EQ(a.macroData()->edit.title, "first");
}

}  // namespace
