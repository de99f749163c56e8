#include "dialog_scope.h"

#include <gtest/gtest.h>

#include <string>

#include "frame.h"
#include "resource_module.h"
#include "win_driver.h"

namespace {

constexpr UINT kLevelsDialog = 9201;
constexpr int kLevelName = 300;

const DialogTemplateRegistration kLevelsTemplate(
    {kLevelsDialog,
     "Levels",
     kDialogStyle,
     0,
     0,
     120,
     60,
     {
         {kLevelName, WC_EDIT, WS_TABSTOP, 0, "", 10, 10, 100, 12},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 10, 40, 50, 14},
         {IDCANCEL, WC_BUTTON, WS_TABSTOP, 0, "Cancel", 65, 40, 50, 14},
     }});

struct LevelsData {
    std::string name = "Ground";
    int edits = 0;
};

// Edits the copy as it goes, so a cancelled run would show if the copy leaked back.
class LevelsDialog : public CDialog {
  public:
    explicit LevelsDialog(LevelsData& data) : CDialog(kLevelsDialog), data_(data) {
        onCommand(kLevelName, EN_CHANGE, [this] {
            GetDlgItemText(kLevelName, data_.name);
            ++data_.edits;
        });
    }
    BOOL OnInitDialog() override {
        resourcesSeen = coreCurrentResourceModule();
        return TRUE;
    }
    static HINSTANCE resourcesSeen;

  private:
    LevelsData& data_;
};
HINSTANCE LevelsDialog::resourcesSeen = nullptr;

bool StartDlgLevels(LevelsData& data) {
    return runDialogOnCopy<LevelsDialog>(data);
}

const HINSTANCE kModule = reinterpret_cast<HINSTANCE>(0x7000);

class DialogConvention : public ::testing::Test {
  protected:
    void SetUp() override {
        frameResetForTests();
        winResetForTests();
        coreSetCurrentResourceModule(nullptr);
        vnResourceOverride().SaveDefaultResource(kModule);
    }
    void TearDown() override { coreSetCurrentResourceModule(nullptr); }
};

TEST_F(DialogConvention, CancelLeavesTheCallersDataAndReturnsFalse) {
    winScriptNextDialog(kLevelsDialog, Script().type(kLevelName, "Roof").click(IDCANCEL));
    LevelsData data;
    EXPECT_FALSE(StartDlgLevels(data));
    EXPECT_EQ(data.name, "Ground");
    EXPECT_EQ(data.edits, 0);
}

TEST_F(DialogConvention, OkCopiesTheEditedDataBack) {
    winScriptNextDialog(kLevelsDialog, Script().type(kLevelName, "Roof").click(IDOK));
    LevelsData data;
    EXPECT_TRUE(StartDlgLevels(data));
    EXPECT_EQ(data.name, "Roof");
    EXPECT_EQ(data.edits, 4);
}

TEST_F(DialogConvention, ResourcesAreRestoredOnlyWhenTheScopeSetThem) {
    LevelsData data;
    StartDlgLevels(data);
    EXPECT_EQ(LevelsDialog::resourcesSeen, kModule);
    EXPECT_EQ(coreCurrentResourceModule(), nullptr);
    // Already current: the scope changes nothing, so it must not restore the stale original.
    coreSetCurrentResourceModule(kModule);
    StartDlgLevels(data);
    EXPECT_EQ(LevelsDialog::resourcesSeen, kModule);
    EXPECT_EQ(coreCurrentResourceModule(), kModule);
}

TEST_F(DialogConvention, ModalRunWithoutCopyBackOnlyReportsOk) {
    winScriptNextDialog(kLevelsDialog, Script().type(kLevelName, "Roof").click(IDOK));
    LevelsData data;
    DialogScope<LevelsData> scope(data);
    LevelsDialog dialog(scope.copy());
    EXPECT_TRUE(scope.runWithoutCopyBack(dialog));
    EXPECT_EQ(data.name, "Ground");
}

}  // namespace
