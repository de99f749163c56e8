#include "vn_designer_dlg.h"

#include <gtest/gtest.h>

#include "designer_test_support.h"

namespace {

using D = VnDesignerDlg;

class DesignerDialog : public DesignerLibraryTest {
  protected:
    std::string platePath() const { return templatePath("EndPlate\\Plate").str(); }
    std::string plateText() const { return readFile(designFolder() / "EndPlate" / "Plate.txt"); }
};

TEST_F(DesignerDialog, RubberBandAlignTypeChangeAndSaveWriteTheExpectedFile) {
    // Label "h" (106,120)-(128,136) and the PlateHeight edit (106,138)-(166,156).
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .drag(0, {96, 112}, {170, 160})
                            .then([](HWND dlg) {
                                auto* d = static_cast<D*>(CWnd::FromHandlePermanent(dlg));
                                EXPECT_EQ(d->designer().getSelectedIds().size(), 2u);
                            })
                            .click(D::kAlignBottoms)
                            .mouse(0, WM_LBUTTONDOWN, {5, 255})  // clears the selection
                            .mouse(0, WM_LBUTTONDOWN, {150, 127})
                            .choose(D::kTypeCombo, dialString(802).str())
                            .click(D::kSave)
                            .files({templatePath("EndPlate\\Saved").str()})
                            .click(IDOK));
    EXPECT_TRUE(StartDlgDesigner(templatePath("EndPlate\\Plate")));

    Ktx_PropertiesList expected;
    ASSERT_EQ(expected.fromText(plateText()), Acad::eOk);
    expected.setProperty("type2", 3);
    expected.setProperty("topLeftY2", 118.0 / 260);
    expected.setProperty("bottomRightY2", 136.0 / 260);
    EXPECT_EQ(readFile(designFolder() / "EndPlate" / "Saved.txt"), expected.toText());
    EXPECT_TRUE(std::filesystem::exists(designFolder() / "EndPlate" / "Saved.bmp"));
    EXPECT_TRUE(winMessageBoxes().empty());
    ASSERT_EQ(winFileChoosers().size(), 1u);
    EXPECT_EQ(winFileChoosers()[0].kind, FileChooserRecord::Kind::Save);
    EXPECT_EQ(winFileChoosers()[0].filter, dialString(840).str() + " (*.txt)|*.txt||");
}

TEST_F(DesignerDialog, TheTypeChangeRecreatesTheWindowInItsPlace) {
    D dialog(templatePath("EndPlate\\Plate"));
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .mouse(0, WM_LBUTTONDOWN, {136, 147})
                            .choose(D::kTypeCombo, dialString(802).str())
                            .then([&dialog](HWND dlg) {
                                char name[32] = {};
                                GetClassName(GetDlgItem(dlg, 33002), name, 32);
                                EXPECT_STREQ(name, "COMBOBOX");
                                CRect r;
                                CWnd::FromHandle(GetDlgItem(dlg, 33002))->GetWindowRect(&r);
                                EXPECT_EQ(r.Width(), 60);
                                EXPECT_EQ(dialog.designer().getCurSel(), 2);
                            })
                            .click(IDCANCEL));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(DesignerDialog, ThePanelShowsTheSelectedControlsProperties) {
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .then([](HWND dlg) {
                                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, D::kContents)));
                                std::string title;
                                CWnd::FromHandle(dlg)->GetWindowText(title);
                                EXPECT_EQ(title, dialString(843).str() + " - <EndPlate\\Plate>");
                            })
                            .mouse(0, WM_LBUTTONDOWN, {314, 113})  // the PlateWidth flex button
                            .then([](HWND dlg) {
                                CWnd* d = CWnd::FromHandle(dlg);
                                std::string text;
                                d->GetDlgItemText(D::kContents, text);
                                EXPECT_EQ(text, "PlateWidth");
                                d->GetDlgItemText(D::kExtension, text);
                                EXPECT_EQ(text, "PlateSize;;1;");
                                d->GetDlgItemText(D::kTypeDescription, text);
                                EXPECT_EQ(text, dialString(1429).str());
                            })
                            .type(D::kExtension, "Other;;;")
                            .click(IDCANCEL));
    D dialog(templatePath("EndPlate\\Plate"));
    dialog.DoModal();
    EXPECT_EQ(dialog.designer().getControl(9)->flexGroup, "Other");
}

TEST_F(DesignerDialog, LabelsLetThePictureShowThroughAndPositionsCanBePrinted) {
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .then([](HWND dlg) {
                                winPaint(dlg);
                                // "End plate", a label of the template, and the panel's frame.
                                const auto hollow =
                                    reinterpret_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
                                EXPECT_EQ(winControlBrush(GetDlgItem(dlg, 33000)), hollow);
                                EXPECT_NE(winControlBrush(GetDlgItem(dlg, D::kContents)), hollow);
                            })
                            .click(IDCANCEL));
    D dialog(templatePath("EndPlate\\Bolts"));
    dialog.DoModal();
    acadClearCommandLine();
    dialog.designer().printPositions();
    const std::string printed = acadCommandLineText();
    EXPECT_EQ(printed.substr(0, 73),
              "**** Control Bolts ****\nLeft: 0.011111 - Right: 0.222222\nTop: 0.015385 - ");
    EXPECT_EQ(printed.substr(printed.size() - 9), "********\n");
}

// Regression: the panel's empty, disabled extension field of a type without extension
// overwrote the control's stored list value on every change of its contents.
TEST_F(DesignerDialog, EditingAControlWithoutExtensionKeepsItsStoredValue) {
    writeFile(designFolder() / "kept.txt",
              "nrOfControls=1\r\ntype0=13\r\ntopLeftX0=0.1\r\ntopLeftY0=0.1\r\n"
              "bottomRightX0=0.5\r\nbottomRightY0=0.2\r\ncontents0=Beam\r\n"
              "comboList0=Lists\\profiles.txt\r\n");
    writePicture(designFolder() / "kept.bmp", 100, 100);
    D dialog(templatePath("kept"));
    winScriptNextDialog(
        D::kResourceId,
        Script().mouse(0, WM_LBUTTONDOWN, {30, 15}).type(D::kContents, "Column").click(IDCANCEL));
    dialog.DoModal();
    EXPECT_EQ(dialog.designer().getControl(0)->contents, "Column");
    EXPECT_EQ(dialog.designer().getControl(0)->comboList, "Lists\\profiles.txt");
}

TEST_F(DesignerDialog, TheSaveQuestionsThreeAnswers) {
    const std::string before = plateText();
    // A press anywhere, even on no control, marks the template as changed.
    winScriptNextDialog(D::kResourceId, Script()
                                            .mouse(0, WM_LBUTTONDOWN, {5, 255})
                                            .close()
                                            .answer(IDCANCEL)
                                            .key(VK_ESCAPE)
                                            .close()
                                            .answer(IDNO));
    EXPECT_FALSE(StartDlgDesigner(templatePath("EndPlate\\Plate")));
    ASSERT_EQ(winMessageBoxes().size(), 2u);
    EXPECT_EQ(winMessageBoxes()[0].text, dialString(838).str() + "\n<EndPlate\\Plate>");
    EXPECT_EQ(winMessageBoxes()[0].caption, dialString(837).str());
    EXPECT_EQ(winMessageBoxes()[0].buttons, static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_EQ(winMessageBoxes()[0].icon, static_cast<UINT>(MB_ICONQUESTION));
    EXPECT_EQ(plateText(), before);

    winScriptNextDialog(D::kResourceId, Script().click(D::kAdd).click(IDOK).answer(IDYES));
    EXPECT_TRUE(StartDlgDesigner(templatePath("EndPlate\\Plate")));
    Ktx_PropertiesList saved;
    ASSERT_EQ(saved.fromText(plateText()), Acad::eOk);
    int count = 0;
    saved.getProperty("nrOfControls", count);
    EXPECT_EQ(count, 14);
}

TEST_F(DesignerDialog, APictureForAnUnnamedTemplateNeedsANameFirst) {
    writePicture(lib_ / "pic.bmp", 20, 10);
    D dialog;
    winScriptNextDialog(D::kResourceId, Script()
                                            .click(D::kPicture)
                                            .files({libPath("pic.bmp").str()})
                                            .cancelFiles()
                                            .then([&dialog](HWND) {
                                                EXPECT_EQ(dialog.designer().imageWidth, 0);
                                                EXPECT_TRUE(dialog.designer().name.isEmpty());
                                            })
                                            .click(D::kPicture)
                                            .files({libPath("pic.bmp").str()})
                                            .files({templatePath("fresh").str()})
                                            .click(IDCANCEL));
    dialog.DoModal();
    EXPECT_EQ(dialog.designer().name, "fresh");
    EXPECT_EQ(dialog.designer().imageWidth, 20);
    EXPECT_TRUE(std::filesystem::exists(designFolder() / "fresh.bmp"));
    EXPECT_TRUE(std::filesystem::exists(designFolder() / "fresh.txt"));
    EXPECT_EQ(winFileChoosers()[1].kind, FileChooserRecord::Kind::Save);
}

TEST_F(DesignerDialog, ASaveOutsideTheTemplateFolderKeepsTheChangesUnsaved) {
    winScriptNextDialog(D::kResourceId, Script()
                                            .click(D::kAdd)
                                            .click(D::kSave)
                                            .files({libPath("elsewhere.txt").str()})
                                            .close()
                                            .answer(IDCANCEL)
                                            .click(IDCANCEL));
    D dialog(templatePath("EndPlate\\Plate"));
    dialog.DoModal();
    EXPECT_TRUE(dialog.modified());
    EXPECT_FALSE(std::filesystem::exists(lib_ / "elsewhere.txt"));
    EXPECT_EQ(winMessageBoxes().size(), 1u);
}

}  // namespace

namespace {

int rightMargin(HWND dlg, int id) {
    CRect client, button;
    CWnd* d = CWnd::FromHandle(dlg);
    d->GetClientRect(&client);
    d->GetDlgItem(id)->GetWindowRect(&button);
    d->ScreenToClient(&button);
    return client.right - button.right;
}

TEST_F(DesignerDialog, ResizingKeepsItsOwnControlsAtTheRightAndTheSizeIsKept) {
    int margin = 0;
    winScriptNextDialog(D::kResourceId,
                        Script()
                            .then([&margin](HWND dlg) { margin = rightMargin(dlg, IDOK); })
                            .resize(900, 600)
                            .then([&margin](HWND dlg) {
                                EXPECT_EQ(rightMargin(dlg, IDOK), margin);
                                EXPECT_GT(rightMargin(dlg, D::kExtension), 0);
                            })
                            .click(IDCANCEL));
    StartDlgDesigner({});
    winScriptNextDialog(D::kResourceId, Script()
                                            .then([](HWND dlg) {
                                                CRect r;
                                                CWnd::FromHandle(dlg)->GetWindowRect(&r);
                                                EXPECT_EQ(r.Size(), CSize(900, 600));
                                            })
                                            .click(IDCANCEL));
    StartDlgDesigner({});
}

}  // namespace
