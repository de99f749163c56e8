#include "vn_dstv_dlgs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ktx_settings.h"
#include "path_translation.h"
#include "vn_input_line_dlg.h"
#include "win_driver.h"

namespace {

namespace fs = std::filesystem;
using G = VnDstvGroupsDlg;
using P = VnDstvPointsDlg;

class DstvPointsDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        lib_ = fs::temp_directory_path() /
               ("vn_dstv_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(lib_);
        fs::create_directories(lib_ / "DSTV Points");
        gSettings.setLibDir(windowsPathFromHost(lib_.string()));
        DstvPoints points;
        points.append(Ktx_DstvPointInfo("Hoek"));
        ASSERT_TRUE(groups_.writeToFile(groups_.groupFile("Kolommen"), points));
        ASSERT_TRUE(groups_.writeToFile(groups_.groupFile("Liggers"), DstvPoints()));
        ASSERT_TRUE(groups_.setStandardDstvPointsFile(groups_.groupFile("Kolommen")));
    }
    void TearDown() override { fs::remove_all(lib_); }
    std::string fileText(const std::string& group) const {
        std::ifstream in(lib_ / "DSTV Points" / (group + ".dat"), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void answerName(const std::string& name) {
        winScriptNextDialog(VnInputLineDlg::kResourceId,
                            Script().type(VnInputLineDlg::kText, name).click(IDOK));
    }
    static std::string text(HWND dlg, int id) {
        char buffer[128] = {};
        GetDlgItemText(dlg, id, buffer, sizeof buffer);
        return buffer;
    }

    fs::path lib_;
    DlgDstvPoints groups_;
};

}  // namespace

TEST_F(DstvPointsDialogs, AnExistingGroupNameIsRefusedWithAMessageAndANewOneGetsAnEmptyFile) {
    answerName("liggers");
    answerName("Spanten");
    winScriptNextDialog(G::kResourceId, Script()
                                            .click(G::kAdd)
                                            .answer(IDOK)
                                            .click(G::kAdd)
                                            .chooseIndex(G::kGroups, 2)
                                            .click(G::kMakeStandard)
                                            .click(IDOK));
    StartDSTVPointsDlg();
    ASSERT_EQ(winMessageBoxes().size(), 1u);
    EXPECT_NE(winMessageBoxes()[0].text.find("liggers"), std::string::npos);
    EXPECT_EQ(groups_.getAllDstvPointsFiles(), (Ktx_StringArray{"Kolommen", "Liggers", "Spanten"}));
    DstvPoints points;
    points.append(Ktx_DstvPointInfo("x"));
    EXPECT_TRUE(groups_.readFromFile(groups_.groupFile("Spanten"), points));
    EXPECT_TRUE(points.isEmpty());
    EXPECT_EQ(groups_.getStandardDstvPointsFile(), groups_.groupFile("Spanten"));
}

TEST_F(DstvPointsDialogs, TheStandardGroupIsCheckedAndRemovingItLeavesNoneChecked) {
    winScriptNextDialog(G::kResourceId,
                        Script()
                            .then([](HWND dlg) {
                                HWND list = GetDlgItem(dlg, G::kGroups);
                                EXPECT_EQ(SendMessage(list, CB_GETITEMDATA, 0, 0), 1);
                                EXPECT_EQ(SendMessage(list, CB_GETITEMDATA, 1, 0), 0);
                            })
                            .click(G::kRemove)
                            .then([](HWND dlg) {
                                HWND list = GetDlgItem(dlg, G::kGroups);
                                EXPECT_EQ(SendMessage(list, CB_GETCOUNT, 0, 0), 1);
                                EXPECT_EQ(SendMessage(list, CB_GETITEMDATA, 0, 0), 0);
                            })
                            .click(IDOK));
    StartDSTVPointsDlg();
    EXPECT_FALSE(fs::exists(lib_ / "DSTV Points" / "Kolommen.dat"));
}

TEST_F(DstvPointsDialogs, ANewPointHasItsDefaultsAndOkWritesTheGroup) {
    answerName("Las 1");
    winScriptNextDialog(P::kResourceId,
                        Script()
                            .click(P::kAdd)
                            .then([](HWND dlg) {
                                EXPECT_EQ(text(dlg, P::kEdgeDistance), "50");
                                EXPECT_EQ(text(dlg, P::kDiameter), "16");
                                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, P::kDiameter)));
                                EXPECT_EQ(text(dlg, P::kExtentSecond), "Boven");
                            })
                            .click(P::kFullHole)
                            .type(P::kDiameter, "22.5")
                            .click(P::kByIntersection)
                            .click(P::kCentred)
                            .choose(P::kIntersection, "Laatste snijpunt")
                            .click(IDOK));
    winScriptNextDialog(G::kResourceId, Script().click(G::kEdit).click(IDOK));
    StartDSTVPointsDlg();
    DstvPoints points;
    ASSERT_TRUE(groups_.readFromFile(groups_.groupFile("Kolommen"), points));
    ASSERT_EQ(points.length(), 2);
    const Ktx_DstvPointInfo& p = points[1];
    EXPECT_EQ(p.name, "Las 1");
    EXPECT_TRUE(p.fullHole);
    EXPECT_DOUBLE_EQ(p.holeDiameter, 22.5);
    EXPECT_FALSE(p.extentOn);
    EXPECT_TRUE(p.intersectionOn);
    EXPECT_FALSE(p.centred);
    EXPECT_EQ(p.intersectionIndex, 1);
    EXPECT_DOUBLE_EQ(p.minEdgeDistance, 50.0);
}

TEST_F(DstvPointsDialogs, CancelOfThePointDialogLeavesTheGroupFileByteForByte) {
    const std::string before = fileText("Kolommen");
    winScriptNextDialog(P::kResourceId,
                        Script().type(P::kName, "Anders").click(P::kRemove).click(IDCANCEL));
    winScriptNextDialog(G::kResourceId, Script().click(G::kEdit).click(IDOK));
    StartDSTVPointsDlg();
    EXPECT_EQ(fileText("Kolommen"), before);
}

TEST(DstvPointsModel, RemovingShowsThePointAtItsPlaceElseTheOneBefore) {
    DstvPoints points;
    for (const char* name : {"a", "b", "c"}) points.append(Ktx_DstvPointInfo(name));
    VnDstvPointsModel model(points);
    model.show(1);
    model.edgeDistanceText = "dertig";
    ASSERT_TRUE(model.removeCurrent());
    EXPECT_EQ(model.name, "c");
    ASSERT_TRUE(model.removeCurrent());
    EXPECT_EQ(model.name, "a");
    model.edgeDistanceText = "dertig";
    model.store();
    EXPECT_DOUBLE_EQ(model.points()[0].minEdgeDistance, 0.0) << "atof of text";
    ASSERT_TRUE(model.removeCurrent());
    EXPECT_FALSE(model.hasPoint());
    EXPECT_FALSE(model.removeCurrent());
}
