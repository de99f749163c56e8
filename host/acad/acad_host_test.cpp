#include <gtest/gtest.h>

#include "acad.h"

class AcadHostTest : public ::testing::Test {
  protected:
    void SetUp() override { acadResetForTests(); }
};

TEST_F(AcadHostTest, PrintfFormatsIntoTheSinkUntilCleared) {
    EXPECT_EQ(acutPrintf("Loading spreadsheet:%s\n", "a.vns"), 26);
    acutPrintf("%i-%.2f", 7, 1.5);
    EXPECT_EQ(acadCommandLineText(), "Loading spreadsheet:a.vns\n7-1.50");
    acadClearCommandLine();
    EXPECT_EQ(acadCommandLineText(), "");
    const std::string big(5000, 'x');
    acutPrintf("%s", big.c_str());
    EXPECT_EQ(acadCommandLineText(), big);
}

TEST_F(AcadHostTest, PostedCommandsAreRecordedInOrder) {
    EXPECT_EQ(acedPostCommand("CANCELCMD"), Acad::eOk);
    acedUpdateDisplay();
    acedPostCommandPrompt();
    EXPECT_EQ(acedPostCommand(nullptr), Acad::eInvalidInput);
    EXPECT_EQ(acadPostedCommands(), std::vector<std::string>{"CANCELCMD"});
    EXPECT_EQ(acadPostedPromptCount(), 1);
    EXPECT_EQ(acadDisplayUpdateCount(), 1);
    EXPECT_EQ(acadHostCallLog(),
              (std::vector<std::string>{"CANCELCMD", "<update display>", "<prompt>"}));
}

TEST_F(AcadHostTest, CommandGroupsAreAddedAndRemovedWhole) {
    auto* stack = AcEdCommandStack::cast(acrxSysRegistry()->at("ACAD_REGISTERED_COMMANDS"));
    ASSERT_NE(stack, nullptr);
    EXPECT_EQ(stack->addCommand("KTXAPP_SS", "SSEDIT", "SSEDIT", 0, nullptr), Acad::eOk);
    EXPECT_EQ(stack->addCommand("KTXAPP_SS", "SSEDIT", "x", 0, nullptr), Acad::eDuplicateKey);
    EXPECT_EQ(stack->addCommand("OTHER", "SSEDIT", "SSEDIT", 0, nullptr), Acad::eOk);
    EXPECT_EQ(stack->removeGroup("KTXAPP_SS"), Acad::eOk);
    EXPECT_FALSE(stack->hasGroup("KTXAPP_SS"));
    EXPECT_TRUE(stack->hasGroup("OTHER"));
    EXPECT_EQ(stack->removeGroup("KTXAPP_SS"), Acad::eKeyNotFound);
}

TEST_F(AcadHostTest, DynamicLinkerRecordsUnlockAndMdiAwareness) {
    auto* linker = AcRxDynamicLinker::cast(acrxSysRegistry()->at("DynamicLinker"));
    ASSERT_NE(linker, nullptr);
    int app = 0;
    EXPECT_TRUE(linker->isApplicationLocked(&app));
    EXPECT_TRUE(linker->unlockApplication(&app));
    EXPECT_TRUE(linker->registerAppMDIAware(&app));
    EXPECT_FALSE(linker->isApplicationLocked(&app));
    EXPECT_TRUE(linker->isAppMDIAware(&app));
    EXPECT_FALSE(linker->unlockApplication(nullptr));
    EXPECT_EQ(AcEdCommandStack::cast(acrxSysRegistry()->at("DynamicLinker")), nullptr);
    EXPECT_EQ(acrxSysRegistry()->at("NoSuchService"), nullptr);
}

TEST_F(AcadHostTest, ResetRestoresAFreshHost) {
    acutPrintf("x");
    acedPostCommand("CANCELCMD");
    acedRegCmdsObject()->addCommand("G", "C", "C", 0, nullptr);
    acTransactionManager()->startTransaction();
    acadResetForTests();
    EXPECT_EQ(acadCommandLineText(), "");
    EXPECT_TRUE(acadPostedCommands().empty());
    EXPECT_FALSE(acedRegCmdsObject()->hasGroup("G"));
    EXPECT_EQ(acTransactionManager()->numActiveTransactions(), 0);
}

TEST_F(AcadHostTest, TransactionsNestAndRefuseUnbalancedEnds) {
    auto* tm = acTransactionManager();
    EXPECT_EQ(tm->endTransaction(), Acad::eNotApplicable);
    AcTransaction* outer = tm->startTransaction();
    AcTransaction* inner = tm->startTransaction();
    EXPECT_EQ(inner->depth(), 2);
    EXPECT_EQ(tm->abortTransaction(), Acad::eOk);
    EXPECT_EQ(tm->topTransaction(), outer);
    EXPECT_EQ(tm->endTransaction(), Acad::eOk);
    EXPECT_EQ(tm->numActiveTransactions(), 0);
}
