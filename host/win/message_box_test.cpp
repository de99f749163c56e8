#include "message_box.h"

#include <gtest/gtest.h>

#include "win_driver.h"

namespace {

class MessageBoxes : public ::testing::Test {
  protected:
    void SetUp() override { winResetForTests(); }
};

TEST_F(MessageBoxes, QueuedNoIsAnsweredAndRecordedWithIcon) {
    winQueueMessageBoxAnswer(IDNO);
    EXPECT_EQ(AfxMessageBox("Save changes?", MB_YESNO | MB_ICONQUESTION), IDNO);
    ASSERT_EQ(winMessageBoxes().size(), 1u);
    const MessageBoxRecord& r = winMessageBoxes()[0];
    EXPECT_EQ(r.text, "Save changes?");
    EXPECT_EQ(r.icon, MB_ICONQUESTION);
    EXPECT_EQ(r.buttons, MB_YESNO);
    EXPECT_EQ(r.answer, IDNO);
}

TEST_F(MessageBoxes, UnscriptedBoxesTakeTheSafeAnswer) {
    EXPECT_EQ(MessageBox(nullptr, "Delete?", "Title", MB_YESNOCANCEL | MB_ICONEXCLAMATION),
              IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "Delete?", "Title", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBox(nullptr, "Done", "Title", MB_OK), IDOK);
    EXPECT_EQ(MessageBox(nullptr, "Failed", "Title", MB_ABORTRETRYIGNORE), IDABORT);
    EXPECT_EQ(winMessageBoxes()[0].caption, "Title");
    EXPECT_EQ(winMessageBoxes()[0].icon, MB_ICONEXCLAMATION);
}

TEST_F(MessageBoxes, AnswerThatIsNoButtonIsReportedAndTheDefaultTaken) {
    winExpectUserFailures();
    winQueueMessageBoxAnswer(IDYES);
    EXPECT_EQ(AfxMessageBox("Load failed", MB_OK | MB_ICONEXCLAMATION), IDOK);
    ASSERT_EQ(winUserFailures().size(), 1u);
    EXPECT_EQ(winUserFailures()[0], "answer 6 is not a button of the box \"Load failed\"");
}

}  // namespace
