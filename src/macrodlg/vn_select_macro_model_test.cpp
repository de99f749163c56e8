#include "vn_select_macro_model.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ktx_settings.h"
#include "path_translation.h"

namespace {

namespace fs = std::filesystem;

class SelectMacroLabels : public ::testing::Test {
  protected:
    void SetUp() override {
        lib_ = fs::temp_directory_path() / ("vn_select_labels_" + std::to_string(::getpid()));
        fs::create_directories(lib_ / "Texts");
        std::ofstream(lib_ / "Texts" / "Macro Names.txt") << "\tBase2\tColumn base 7\n";
        gSettings.setLibDir(windowsPathFromHost(lib_.string()));
    }
    void TearDown() override { fs::remove_all(lib_); }
    fs::path lib_;
};

}  // namespace

TEST_F(SelectMacroLabels, TrailingDigitsGoUnlessTwoLabelsWouldBeEqual) {
    // Translated first (Base2 -> "Column base 7"), then shortened.
    EXPECT_EQ(selectMacroLabels({"C:\\m\\EndPlate1.dwg", "C:\\m\\FinPlate12.dwg", "Base2.dwg"}),
              (Ktx_StringArray{"EndPlate", "FinPlate", "Column base "}));
    EXPECT_EQ(selectMacroLabels({"C:\\m\\EndPlate1.dwg", "C:\\m\\EndPlate2.dwg", "Fin3.dwg"}),
              (Ktx_StringArray{"EndPlate1", "EndPlate2", "Fin3"}));
    // A name of digits only keeps them rather than showing no label.
    EXPECT_EQ(selectMacroLabels({"C:\\m\\100.dwg", "C:\\m\\Splice1.dwg"}),
              (Ktx_StringArray{"100", "Splice"}));
}

TEST(SelectMacroModel, ChoosingTakesTheSelectedDrawingOrTheOtherChoice) {
    VnSelectMacroInput input;
    input.extraChoice = true;
    VnSelectMacroModel model(input);
    EXPECT_FALSE(model.choose(""));
    EXPECT_TRUE(model.extraChoice);
    ASSERT_TRUE(model.choose("C:\\m\\EndPlate1.DWG"));
    EXPECT_EQ(model.chosen, "C:\\m\\EndPlate1.dwg");
    EXPECT_FALSE(model.extraChoice);
    model.chooseOther();
    EXPECT_TRUE(model.extraChoice);
    EXPECT_TRUE(model.chosen.isEmpty());
    EXPECT_FALSE(model.hintShown());
    model.showHint = 1;
    EXPECT_TRUE(model.hintShown());
}

TEST(SelectMacroModel, GridCellsMapToItemsAndClicksCountOnlyWhenReady) {
    VnSelectMacroModel model{VnSelectMacroInput()};
    model.itemNames.append(Ktx_StringArray{"Plate", "Stiffener"});
    model.itemNames.append(Ktx_StringArray{"Bolts"});
    EXPECT_EQ(model.filterColumnCount(), 4);
    int row = -1, item = -1;
    ASSERT_TRUE(model.filterItemAt(3, 1, row, item));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(item, 1);
    ASSERT_TRUE(model.filterItemAt(2, 2, row, item));
    EXPECT_EQ(item, 0);
    EXPECT_FALSE(model.filterItemAt(3, 2, row, item));  // the second row has one item
    EXPECT_FALSE(model.filterItemAt(1, 3, row, item));
    EXPECT_FALSE(model.filterItemAt(0, 1, row, item));
    // The filter knows none of these items: the click changes nothing, ready or not.
    EXPECT_FALSE(model.filterClicked(1, 1, false));
    model.filtersReady = true;
    EXPECT_FALSE(model.filterClicked(1, 1, false));
    EXPECT_EQ(model.filterRowCount(), 2);
}
