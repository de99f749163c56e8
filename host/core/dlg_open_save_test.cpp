#include "dlg_open_save.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "path_translation.h"
#include "win_driver.h"

namespace {

TEST(DlgOpenSave, AsksWithTheFilterTitleAndFolderAndGivesThePathOrNothing) {
    const std::filesystem::path file =
        std::filesystem::path(::testing::TempDir()) / "vn_open_save_test.txt";
    std::ofstream(file) << "template";
    const Ktx_String existing = windowsPathFromHost(file.string());
    winQueueFileChoice({existing.str()});
    EXPECT_EQ(DlgOpenSave(true, "txt", "Templates (*.txt)", "Open a template", "C:\\lib\\"),
              existing);
    const FileChooserRecord& asked = winFileChoosers().back();
    EXPECT_EQ(asked.kind, FileChooserRecord::Kind::Open);
    EXPECT_EQ(asked.filter, "Templates (*.txt)|*.txt||");
    EXPECT_EQ(asked.title, "Open a template");
    EXPECT_EQ(asked.startFolder, "C:\\lib\\");
    EXPECT_FALSE(asked.multiple);
    winQueueFileChoice({});
    EXPECT_TRUE(DlgOpenSave(true, "txt", "Templates", "Open", "C:\\").isEmpty());
    winQueueFileChoice({"C:\\lib\\gone.txt"});  // no such file: refused as the platform would
    EXPECT_TRUE(DlgOpenSave(true, "txt", "Templates", "Open", "C:\\").isEmpty());
    std::filesystem::remove(file);
}

TEST(DlgOpenSave, ASaveNameWithoutExtensionGetsTheChoosersOne) {
    winQueueFileChoice({"C:\\lib\\Plate"});
    EXPECT_EQ(DlgOpenSave(false, "bmp", "Pictures (*.bmp)", "Save", "C:\\lib\\", "Plate"),
              "C:\\lib\\Plate.bmp");
    EXPECT_EQ(winFileChoosers().back().kind, FileChooserRecord::Kind::Save);
    EXPECT_EQ(winFileChoosers().back().defaultName, "Plate");
    winQueueFileChoice({"C:\\lib.v2\\Plate.BMP"});
    EXPECT_EQ(DlgOpenSave(false, "bmp", "Pictures", "Save", "C:\\"), "C:\\lib.v2\\Plate.BMP");
}

TEST(DlgOpenMulti, GivesEveryChosenPathOnceAndLeavesTheListAloneWhenCancelled) {
    Ktx_StringArray chosen({"kept"});
    winQueueFileChoice({});
    EXPECT_FALSE(DlgOpenMulti("C:\\lib\\Macros\\", "Drawing", "dwg", "Pick", chosen));
    EXPECT_EQ(chosen, Ktx_StringArray({"kept"}));
    winQueueFileChoice(
        {"C:\\lib\\Macros\\a.dwg", "C:\\lib\\Macros\\Plates", "c:\\lib\\macros\\A.dwg"});
    EXPECT_TRUE(DlgOpenMulti("C:\\lib\\Macros\\", "Drawing", "dwg", "Pick", chosen));
    EXPECT_EQ(chosen, Ktx_StringArray({"C:\\lib\\Macros\\a.dwg", "C:\\lib\\Macros\\Plates"}));
    const FileChooserRecord& asked = winFileChoosers().back();
    EXPECT_TRUE(asked.multiple);
    EXPECT_EQ(asked.filter, "Drawing (*.dwg)|*.dwg||");
    EXPECT_EQ(asked.title, "Pick");
    EXPECT_EQ(asked.startFolder, "C:\\lib\\Macros\\");
}

}  // namespace
