#include "vn_macro_dlg.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "ctool_tip_ctrl.h"
#include "grid_user.h"
#include "ktx_dlg_designer_data.h"
#include "macro_dlg_test_support.h"
#include "macro_load_standards.h"
#include "scripted_user.h"
#include "vn_macro_fields_dlg.h"
#include "vn_macro_image_page.h"
#include "vn_macro_prof_adv.h"
#include "vn_macro_profile_page.h"

namespace {

using D = VnMacroDlg;

class MacroDialog : public MacroDlgTest {
  protected:
    // Opens the modal dialog, runs `check` on it once it is shown, then closes it.
    void whileOpen(const std::function<void(VnMacroDlg&)>& check,
                   const std::function<void(Script&)>& more = nullptr) {
        Script s;
        if (more) more(s);
        s.then([&](HWND h) {
            auto* d = dynamic_cast<VnMacroDlg*>(CWnd::FromHandlePermanent(h));
            ASSERT_NE(d, nullptr);
            check(*d);
        });
        s.click(D::kClose);
        winScriptNextDialog(D::kResourceId, s);
        StartDlgMacro(data_);
    }
    static CSize windowSize(HWND h) {
        RECT r;
        GetWindowRect(h, &r);
        return CSize(r.right - r.left, r.bottom - r.top);
    }
};

TEST_F(MacroDialog, SizeKeysForOneMacroAndForThreeWithoutAGroup) {
    VnMacroDlg one(data_);
    EXPECT_EQ(one.sizeKey(), "DLG_MACRO_EDITVARS_EndPlate");
    Ktx_Macro b, c;
    data_.edit.macros = {&macro_, &b, &c};
    VnMacroDlg three(data_);
    EXPECT_EQ(three.sizeKey(), "DLG_MACRO_EDITVARS_3_MACROS");
    data_.edit.currentGroup = "Plates";
    VnMacroDlg group(data_);
    EXPECT_EQ(group.sizeKey(), "DLG_MACRO_EDITVARS_GROUP_Plates");
}

TEST_F(MacroDialog, AModalDialogCopiesItsDataBackAndRunsTheClashCheck) {
    clearMacroCoreCallLog();
    winScriptNextDialog(D::kResourceId, Script().click(D::kClose));
    StartDlgMacro(data_);
    EXPECT_TRUE(data_.edit.closing);  // the dialog's data came back
    EXPECT_EQ(acadPostedCommands(), std::vector<std::string>{"CANCELCMD"});
    const auto& log = macroCoreCallLog();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "clashInitDlgStarted -1");
    EXPECT_EQ(log[1], "clashResetInfo -1");
    EXPECT_EQ(log[2], "clashcheck");
    EXPECT_EQ(log[3], "changeView End plate 3");
    EXPECT_EQ(log.back(), "clashDlgClosed -1");
}

TEST_F(MacroDialog, PagesFollowTheTabKinds) {
    data_.tabs.resize(4);
    data_.tabs[2].name = "Stiffeners";
    data_.tabs[2].edit.kind = 2;
    data_.tabs[3].name = "Other";
    data_.tabs[3].edit.kind = 7;
    whileOpen([](VnMacroDlg& d) {
        ASSERT_EQ(d.pageCount(), 4);
        EXPECT_NE(dynamic_cast<VnMacroImagePage*>(d.page(0)), nullptr);
        EXPECT_NE(dynamic_cast<VnMacroImagePage*>(d.page(1)), nullptr);
        EXPECT_NE(dynamic_cast<VnMacroProfilePage*>(d.page(2)), nullptr);
        EXPECT_EQ(d.page(3), nullptr);
        EXPECT_EQ(d.pageKind(3), 7);
        EXPECT_EQ(d.GetDlgItem(D::kTabs)->SendMessage(TCM_GETITEMCOUNT), 4);
    });
}

TEST_F(MacroDialog, TheSizeGrowsToThePagesAndNeverBelowTheMinimum) {
    whileOpen(
        [](VnMacroDlg& d) {
            // The user made it as small as it goes.
            const CSize size = windowSize(d.GetSafeHwnd());
            EXPECT_EQ(size.cx, D::kMinTrackWidth);
            EXPECT_EQ(size.cy, D::kMinTrackHeight);
        },
        [](Script& s) {
            s.then([](HWND h) {
                const CSize size = windowSize(h);
                auto* d = dynamic_cast<VnMacroDlg*>(CWnd::FromHandlePermanent(h));
                for (int i = 0; i < d->pageCount(); ++i) {
                    const CSize asked = d->page(i)->requestedSize();
                    EXPECT_GE(size.cx, asked.cx + D::kExtraWidth);
                    EXPECT_GE(size.cy, asked.cy + D::kExtraHeight);
                }
            });
            s.resize(100, 100);
        });
    // The size is kept under the dialog's key.
    EXPECT_TRUE(dlgSizeRead("DLG_MACRO_EDITVARS_EndPlate").has_value());
}

TEST_F(MacroDialog, ImageButtonsShowPicturesAndTooltipsAndTheScaleFollowsTheCloseButton) {
    whileOpen([](VnMacroDlg& d) {
        EXPECT_EQ(winToolTipOf(GetDlgItem(d.GetSafeHwnd(), D::kView0)), "Top view");
        EXPECT_EQ(winToolTipOf(GetDlgItem(d.GetSafeHwnd(), D::kLoadStandards)),
                  "Load from standards");
        EXPECT_NE(d.GetDlgItem(D::kView3)->SendMessage(BM_GETIMAGE, IMAGE_ICON), 0);
        RECT r;
        GetWindowRect(GetDlgItem(d.GetSafeHwnd(), D::kClose), &r);
        EXPECT_DOUBLE_EQ(designerDialogScale(), (r.bottom - r.top) * 0.05);
    });
}

TEST_F(MacroDialog, AViewButtonCancelsTheCommandAndAsksForTheSelectedTabsView) {
    clearMacroCoreCallLog();
    whileOpen([](VnMacroDlg&) {}, [](Script& s) { s.selectTab(D::kTabs, 1).click(D::kView1); });
    const auto& log = macroCoreCallLog();
    EXPECT_NE(std::find(log.begin(), log.end(), "changeView Bolts 1"), log.end());
}

TEST_F(MacroDialog, AFilterChangeRebuildsThePagesAndTellsTheCoreWhichCombo) {
    data_.edit.filterList1 = {"All"};
    data_.edit.filterList2 = {"All", "Plates"};
    clearMacroCoreCallLog();
    whileOpen([](VnMacroDlg& d) { EXPECT_EQ(d.pageCount(), 2); },
              [](Script& s) { s.choose(D::kFilter2, "Plates"); });
    EXPECT_EQ(data_.edit.filterSel2, 1);
    const auto& log = macroCoreCallLog();
    EXPECT_NE(std::find(log.begin(), log.end(), "UpdateAllFilterModified 0 0 1"), log.end());
}

TEST_F(MacroDialog, TheProfilePageEditsTheGroupInPlace) {
    data_.tabs.resize(3);
    MacroTabData& t = data_.tabs[2];
    t.name = "Stiffeners";
    t.edit.kind = 2;
    t.groups.push_back({});
    t.groups[0].groupName = "Stiffener";
    t.groups[0].sectionName = "PL10*95";
    whileOpen([](VnMacroDlg&) {},
              [](Script& s) {
                  s.selectTab(D::kTabs, 2).then([](HWND d) {
                      EXPECT_TRUE(ssUserTypeInCell(winFindControl(d, VnMacroProfilePage::kGrid), 3,
                                                   1, "PL12*95"));
                  });
              });
    EXPECT_EQ(data_.tabs[2].groups[0].sectionName, "PL12*95");
}

TEST_F(MacroDialog, TheAdvancedProfileDialogEditsAGroupThroughEitherCallback) {
    data_.tabs[0].groups.push_back({});
    data_.tabs[0].groups[0].groupName = "Stiffener";
    winScriptNextDialog(VnMacroFieldsDlg::kResourceId,
                        Script()
                            .then([](HWND d) {
                                ssUserTypeInCell(winFindControl(d, VnMacroFieldsDlg::kGrid), 2, 3,
                                                 "S355");
                            })
                            .click(IDOK));
    EXPECT_TRUE(StartDlgMacroProfAdv(data_, "End plate", "Stiffener", false));
    EXPECT_EQ(data_.tabs[0].groups[0].material, "S355");

    // The Core library's own callback over selected objects.
    static std::vector<VnMACallBackType> calls;
    calls.clear();
    auto callback = [](VnMACallBackType type, const VnMACallBackData& record,
                       MacroProfData& props) {
        calls.push_back(type);
        if (type == kMACallBackGetProps) props.sectionName = "HEA-200";
        return record.items.size() == 2;
    };
    AcArray<AcDbObjectId> objects{AcDbObjectId(7), AcDbObjectId(9)};
    bool result = false;
    winScriptNextDialog(VnMacroFieldsDlg::kResourceId, Script().click(IDOK));
    EXPECT_TRUE(StartDlgMacroProfAdv(&objects, result, callback));
    EXPECT_TRUE(result);
    EXPECT_EQ(calls, (std::vector<VnMACallBackType>{kMACallBackGetProps, kMACallBackSetProps}));
}

TEST_F(MacroDialog, AnArrayButtonOpensTheArraysFieldsCountAndEntries) {
    MacroArray array;
    array.name = "Holes";
    array.kind = 1;
    array.count.value = "2";
    array.entries = {{"50", 0}, {"70", 0}};
    array.buttonId = 33070;
    data_.tabs[0].edit.arrays.push_back(array);
    // Rows: fields 1-4, the count (kind 1), then the entries: the second entry is row 7.
    winScriptNextDialog(VnMacroFieldsDlg::kResourceId,
                        Script()
                            .then([](HWND d) {
                                EXPECT_TRUE(ssUserTypeInCell(
                                    winFindControl(d, VnMacroFieldsDlg::kGrid), 2, 7, "80"));
                            })
                            .click(IDOK));
    EXPECT_TRUE(StartDlgMacroTabItem(data_, 0, 33070, nullptr));
    EXPECT_EQ(data_.tabs[0].edit.arrays[0].entries[1].value, "80");
    EXPECT_FALSE(StartDlgMacroTabItem(data_, 0, 33071, nullptr));
}

}  // namespace

namespace {

class MacroDialogOnExample : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string source = VN_SOURCE_DIR;
        gSettings.setLibDir(windowsPathFromHost(source + "/examples/library"));
        file_ = source + "/examples/library/Macros/End plates/EndPlate dialog.macro";
        ASSERT_TRUE(read(macro_, data_));
    }
    bool read(Ktx_Macro& macro, MacroData& data) {
        Ktx_String error;
        if (!readMacroFile(Ktx_String(file_.c_str()), macro, data, error)) return false;
        data.edit.macros = {&macro};
        return true;
    }
    std::string file_;
    Ktx_Macro macro_;
    MacroData data_;
};

TEST_F(MacroDialogOnExample, LoadFromStandardsGivesTheMacroWhatTheEvaluationComputes) {
    Ktx_Macro expected;
    MacroData expectedData;
    ASSERT_TRUE(read(expected, expectedData));
    ASSERT_EQ(evaluateStandardForMacro(expected, "EndPlate", "Module.EndPlate", expectedData),
              Acad::eOk);
    clearMacroCoreCallLog();
    winScriptNextDialog(D::kResourceId, Script().click(D::kLoadStandards).click(D::kClose));
    StartDlgMacro(data_);
    Ktx_Module* plate = macro_.findModule("Plate1");
    Ktx_Module* plateExpected = expected.findModule("Plate1");
    ASSERT_TRUE(plate && plateExpected);
    int changed = 0;
    for (const Ktx_ConstrVar& v : plateExpected->variables) {
        EXPECT_DOUBLE_EQ(plate->findVariable(v.name)->value, v.value) << v.name;
        MacroCell* cell = data_.tabs[0].findCellWithName(Ktx_String(v.name.c_str()));
        if (!cell) continue;
        EXPECT_EQ(cell->value, macroNumberText(v.value)) << v.name;
        MacroCell* before = expectedData.tabs[0].findCellWithName(Ktx_String(v.name.c_str()));
        if (before && before->value != cell->value) ++changed;
    }
    EXPECT_GT(changed, 0);  // the evaluation does change the plate
    const auto& log = macroCoreCallLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "clashcheck"), 2);
}

}  // namespace

namespace {

TEST_F(MacroDialogOnExample, TheProfilePageShowsTheGroupWithItsPlacing) {
    std::vector<std::string> row;
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .selectTab(D::kTabs, 2)
                            .then([&](HWND h) {
                                auto* d = dynamic_cast<VnMacroDlg*>(CWnd::FromHandlePermanent(h));
                                auto* page = dynamic_cast<VnMacroProfilePage*>(d->page(2));
                                ASSERT_NE(page, nullptr);
                                Ktx_StringArray texts;
                                ASSERT_TRUE(page->grid().getRowTexts(1, texts));
                                for (int i = 0; i < texts.length(); ++i)
                                    row.push_back(texts[i].c_str());
                            })
                            .click(D::kClose));
    StartDlgMacro(data_);
    EXPECT_EQ(row, (std::vector<std::string>{"Stiffener", "Stiffener plate", "PL10*95", "S235",
                                             "Center", "0\xB0"}));
    // The data keeps the placing.
    EXPECT_EQ(data_.tabs[2].groups[0].offsetType, "Center");
}

}  // namespace

namespace {

TEST_F(MacroDialog, PropertiesWrittenToAFileAreReadBackAndAppliedToTheMacro) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("vn_macro_props_" + std::to_string(::getpid()) + ".mpr");
    const std::string path = windowsPathFromHost(file.string()).str();
    constexpr int kPlateHeightEdit = 33002;
    winScriptNextDialog(
        D::kResourceId,
        Script()
            .click(D::kWriteProps)
            .files({path})
            .type(kPlateHeightEdit, "400")
            .leave(kPlateHeightEdit)
            .then([this](HWND) { EXPECT_DOUBLE_EQ(plateVariable("PlateHeight"), 400.0); })
            .click(D::kReadProps)
            .files({path})
            .click(D::kClose));
    StartDlgMacro(data_);
    std::filesystem::remove(file);
    EXPECT_DOUBLE_EQ(plateVariable("PlateHeight"), 380.0);
    EXPECT_EQ(data_.tabs[0].findCellWithName("PlateHeight")->value, "380");
}

}  // namespace
