#include "modeless_windows.h"

#include <gtest/gtest.h>

#include "frame.h"
#include "win_driver.h"

namespace {

constexpr UINT kEditorDialog = 9202;
const DialogTemplateRegistration kEditorTemplate({kEditorDialog,
                                                  "Constraints",
                                                  kDialogStyle,
                                                  0,
                                                  0,
                                                  200,
                                                  150,
                                                  {{IDOK, WC_BUTTON, BS_DEFPUSHBUTTON, 0, "OK", 10,
                                                    120, 50, 14}}});

// Counts the destructions of the editors so a test can see the object went too.
int gDestroyed = 0;

class Editor : public CDialog {
  public:
    Editor() : CDialog(kEditorDialog) {}
    ~Editor() override { ++gDestroyed; }
};

HWND openEditor() {
    auto editor = std::make_unique<Editor>();
    editor->Create(kEditorDialog, CWnd::FromHandle(adsw_acadMainWnd()));
    editor->ShowWindow(SW_SHOW);
    HWND h = editor->GetSafeHwnd();
    std::unique_ptr<CDialog> base = std::move(editor);
    EXPECT_TRUE(setConstraintEditor(base));
    return h;
}

class ModelessWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        frameResetForTests();
        winResetForTests();
        gDestroyed = 0;
    }
    void TearDown() override {}
    int appId_ = 0;
};

TEST_F(ModelessWindows, UnloadingWithTheConstraintEditorOpenDestroysItAndPostsAPrompt) {
    HWND window = openEditor();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, &appId_), AcRx::kRetOK);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(gDestroyed, 1);
    EXPECT_FALSE(isConstraintEditorOpen());
    EXPECT_EQ(acadPostedPromptCount(), 1);
    EXPECT_EQ(acadCommandLineText(), "");
}

TEST_F(ModelessWindows, FailedEraseIsReportedAndTheEditorStillGoes) {
    openEditor();
    winFailNext(WinFailure::DestroyWindow);
    EndDlgEditConstraints();
    EXPECT_EQ(acadCommandLineText(), "Erase window failed\n");
    EXPECT_FALSE(isConstraintEditorOpen());
    EXPECT_EQ(gDestroyed, 1);
    EXPECT_EQ(acadPostedPromptCount(), 1);
    EndDlgEditConstraints();  // nothing open: nothing happens
    EXPECT_EQ(acadPostedPromptCount(), 1);
}

TEST_F(ModelessWindows, SecondEditorIsRefused) {
    openEditor();
    std::unique_ptr<CDialog> second = std::make_unique<Editor>();
    EXPECT_FALSE(setConstraintEditor(second));
    EXPECT_NE(second, nullptr);
}

TEST_F(ModelessWindows, MacroDialogSlotsReuseTheHighestEmptyOneAndEndHighestFirst) {
    for (int i = 0; i < 3; ++i) {
        std::unique_ptr<CDialog> d = std::make_unique<Editor>();
        d->Create(kEditorDialog);
        EXPECT_TRUE(setMacroDlgAt(reserveMacroDlgSlot(), d));
    }
    takeMacroDlgAt(0).reset();
    takeMacroDlgAt(1).reset();
    EXPECT_EQ(reserveMacroDlgSlot(), 1);
    std::vector<int> ended;
    setMacroDlgEnder([&](int n) {
        ended.push_back(n);
        takeMacroDlgAt(n).reset();
        return true;
    });
    std::unique_ptr<CDialog> d = std::make_unique<Editor>();
    setMacroDlgAt(0, d);
    DestroyAllMacroDlgs();
    EXPECT_EQ(ended, (std::vector<int>{2, 0}));
    EXPECT_EQ(modelessMacroDlgCount(), 0);
    EXPECT_EQ(macroDlgAt(-1), nullptr);
}

}  // namespace
