#include "macro_props_filter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "bitmap_file.h"
#include "command_line.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "preview_bmps.h"

namespace {

namespace fs = std::filesystem;

// A library with three connections and a drawing that is no macro file.
class MacroPropsFilterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        lib_ = fs::temp_directory_path() / ("vn_props_filter_" + std::to_string(::getpid()));
        fs::create_directories(lib_ / "Macros" / "Conn");
        gSettings.setLibDir(windowsPathFromHost(lib_.string()));
        write("A1.dwg",
              "macro A\nmodule P1 other label Plate\n placement Plate PL10\n"
              "module B1 bolt label Bolts\n var Rows 3\n var Count 6\n pattern Rows two\n");
        write("A2.dwg",
              "macro A\nmodule P1 other label Plate\n placement Plate PL10\n"
              " placement Stiffener PL8\n");
        write("B1.dwg", "macro B\nmodule Beam1 profile\n cut Cope cope\n");
        write("Broken.dwg", "macro B\nmodule X1 thing\n");
    }
    void TearDown() override { fs::remove_all(lib_); }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(lib_ / "Macros" / "Conn" / name) << text;
    }
    static std::vector<std::string> titles(const Ktx_StringArray& files) {
        std::vector<std::string> out;
        for (const Ktx_String& f : files) out.push_back(fs::path(hostPath(f)).stem().string());
        return out;
    }
    std::vector<std::string> filtered() const {
        Ktx_StringArray files;
        filter_.getFilteredMacros(files);
        return titles(files);
    }

    fs::path lib_;
    Ktx_MacroPropsFilter filter_;
};

using Names = std::vector<std::string>;

}  // namespace

TEST_F(MacroPropsFilterTest, ModulesOfTheSameTabNameMergeWithTheirProperties) {
    ASSERT_EQ(filter_.initialize({"Conn"}, {true}, 0, 0), Acad::eOk);
    Ktx_Array<Ktx_StringArray> names, labels;
    Ktx_Array<AcArray<bool>> states;
    filter_.getMergedProperties(names, labels, states);
    ASSERT_EQ(names.length(), 3);
    EXPECT_EQ(names[0], (Ktx_StringArray{"Plate", "Plate", "Stiffener"}));
    EXPECT_EQ(names[1], (Ktx_StringArray{"Bolts", "Rows"}));
    EXPECT_EQ(names[2], (Ktx_StringArray{"Beam1", "Cope"}));
    EXPECT_EQ(states[0].length(), 3);
    EXPECT_TRUE(states[0][2]);
    EXPECT_EQ(filter_.getThumbnailWidth(), Ktx_MacroPropsFilter::kDefaultThumbSize);
    // The drawing that does not read is offered all the same, and its error is reported.
    Ktx_StringArray all;
    filter_.getAllDwgFiles(all);
    EXPECT_EQ(titles(all), (Names{"A1", "A2", "B1", "Broken"}));
    EXPECT_NE(acadCommandLineText().find("Broken.dwg: line 2"), std::string::npos);
}

TEST_F(MacroPropsFilterTest, SwitchingAnItemOffHidesTheDrawingsThatHaveIt) {
    ASSERT_EQ(filter_.initialize({"Conn"}, {true}, 0, 0), Acad::eOk);
    ASSERT_EQ(filter_.setModulePropStatus("Plate", "Stiffener", false), Acad::eOk);
    EXPECT_EQ(filtered(), (Names{"A1", "B1", "Broken"}));
    ASSERT_EQ(filter_.setModuleStatus("Bolts", false), Acad::eOk);
    EXPECT_EQ(filtered(), (Names{"B1", "Broken"}));
    ASSERT_EQ(filter_.setModuleStatus("Bolts", true), Acad::eOk);
    ASSERT_EQ(filter_.setModulePropStatus("Plate", "Stiffener", true), Acad::eOk);
    EXPECT_EQ(filtered(), (Names{"A1", "A2", "B1", "Broken"}));
    EXPECT_EQ(filter_.setModuleStatus("Nothing", false), Acad::eKeyNotFound);
    EXPECT_EQ(filter_.setModulePropStatus("Bolts", "Cope", false), Acad::eKeyNotFound);
    EXPECT_EQ(filtered().size(), 4u);
}

TEST_F(MacroPropsFilterTest, OnlyEnabledNamesAreTakenAndEachDrawingOnce) {
    const Ktx_String b1 = windowsPathFromHost((lib_ / "Macros" / "Conn" / "B1.dwg").string());
    ASSERT_EQ(filter_.initialize({"Conn\\A1.dwg", "Conn", b1, "Missing"}, {true, false, true, true},
                                 40, 30),
              Acad::eOk);
    EXPECT_EQ(filtered(), (Names{"A1", "B1"}));
    EXPECT_EQ(filter_.getThumbnailHeight(), 30);
    EXPECT_NE(acadCommandLineText().find("not found"), std::string::npos);
    ASSERT_EQ(filter_.initialize({"Conn", "Conn"}, {true, true}, 0, 0), Acad::eOk);
    EXPECT_EQ(filtered().size(), 4u);
    EXPECT_EQ(filter_.initialize({"Conn"}, {}, 0, 0), Acad::eInvalidInput);
    EXPECT_TRUE(filtered().empty());
}

TEST_F(MacroPropsFilterTest, PreviewsAreWrittenBesideTheDrawings) {
    const Ktx_String dir = windowsPathFromHost((lib_ / "Macros" / "Conn").string()) + "\\";
    EXPECT_FALSE(CreatePreviewBMPs({dir + "A1.dwg"}, 64, 48, "bmp"));
    EXPECT_FALSE(fs::exists(lib_ / "Macros" / "Conn" / "A1.bmp"));
    // The broken drawing gets no picture; the others do.
    EXPECT_FALSE(
        CreatePreviewBMPs({dir + "A1.dwg", dir + "Broken.dwg", dir + "B1.dwg"}, 64, 48, "abm"));
    EXPECT_FALSE(fs::exists(lib_ / "Macros" / "Conn" / "Broken.bmp"));
    const auto picture = readBmpFile((lib_ / "Macros" / "Conn" / "A1.bmp").string());
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width(), 64);
    EXPECT_EQ(picture->height(), 48);
    // Something of the modules is drawn: not every inner pixel is white.
    int drawn = 0;
    for (int y = 1; y < 47; ++y)
        for (int x = 1; x < 63; ++x) drawn += picture->pixel(x, y) != RGB(255, 255, 255);
    EXPECT_GT(drawn, 100);
    EXPECT_TRUE(fs::exists(lib_ / "Macros" / "Conn" / "B1.bmp"));
}

TEST_F(MacroPropsFilterTest, RegressionAWildThumbnailSizeMakesNoHugePicture) {
    ASSERT_EQ(filter_.initialize({"Conn"}, {true}, 100000, 2000000000), Acad::eOk);
    EXPECT_EQ(filter_.getThumbnailWidth(), Ktx_MacroPropsFilter::kMaxThumbSize);
    EXPECT_EQ(filter_.getThumbnailHeight(), Ktx_MacroPropsFilter::kMaxThumbSize);
    const Ktx_String a1 = windowsPathFromHost((lib_ / "Macros" / "Conn" / "A1.dwg").string());
    EXPECT_FALSE(CreatePreviewBMPs({a1}, 64, kPreviewMaxSide + 1, "abm"));
    EXPECT_FALSE(fs::exists(lib_ / "Macros" / "Conn" / "A1.bmp"));
}
