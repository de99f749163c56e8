#include "acrx_entry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "frame.h"

class AcrxEntryTest : public ::testing::Test {
  protected:
    void SetUp() override { frameResetForTests(); }
    int appId_ = 0;
};

TEST_F(AcrxEntryTest, InitUnlocksRegistersMdiAwareAndLoadsBitmaps) {
    EXPECT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, &appId_), AcRx::kRetOK);
    EXPECT_FALSE(acrxDynamicLinkerObject()->isApplicationLocked(&appId_));
    EXPECT_TRUE(acrxDynamicLinkerObject()->isAppMDIAware(&appId_));
    EXPECT_TRUE(moduleBitmapsLoaded());
}

TEST_F(AcrxEntryTest, UnloadWithNoModelessWindowRemovesTheGroupSilently) {
    acedRegCmdsObject()->addCommand("KTXAPP_SS", "SSEDIT", "SSEDIT", 0, nullptr);
    acedRegCmdsObject()->addCommand("OTHERAPP", "CMD", "CMD", 0, nullptr);
    EXPECT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, &appId_), AcRx::kRetOK);
    EXPECT_FALSE(acedRegCmdsObject()->hasGroup("KTXAPP_SS"));
    EXPECT_TRUE(acedRegCmdsObject()->hasGroup("OTHERAPP"));
    EXPECT_EQ(acadCommandLineText(), "");
    EXPECT_TRUE(acadHostCallLog().empty());  // no prompt without a constraint editor
    // A second unload (group already gone) is just as quiet.
    EXPECT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, &appId_), AcRx::kRetOK);
    EXPECT_EQ(acadCommandLineText(), "");
}

TEST_F(AcrxEntryTest, OtherMessagesDoNothing) {
    acedRegCmdsObject()->addCommand("KTXAPP_SS", "SSEDIT", "SSEDIT", 0, nullptr);
    for (auto msg : {AcRx::kLoadDwgMsg, AcRx::kUnloadDwgMsg, AcRx::kQuitMsg, AcRx::kNullMsg}) {
        EXPECT_EQ(acrxEntryPoint(msg, &appId_), AcRx::kRetOK);
    }
    EXPECT_TRUE(acedRegCmdsObject()->hasGroup("KTXAPP_SS"));
    EXPECT_TRUE(acrxDynamicLinkerObject()->isApplicationLocked(&appId_));
    EXPECT_FALSE(moduleBitmapsLoaded());
}

TEST_F(AcrxEntryTest, TwentyFiveTimersUnderDistinctNames) {
    std::set<std::string> names;
    for (int i = 0; i < kCalcTimerCount; ++i) names.insert(calcTimers()[i].name);
    EXPECT_EQ(names.size(), 25u);
    EXPECT_TRUE(names.count("gRegisterFuntions"));
    EXPECT_TRUE(names.count("gSetMacroValuelsToSS"));
    EXPECT_EQ(calcTimers()[0].timer, &gCalcMain);
}
