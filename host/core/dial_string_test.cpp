#include "dial_string.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core.h"
#include "ui_languages.h"

namespace fs = std::filesystem;

class DialStringTest : public ::testing::Test {
  protected:
    void SetUp() override {
        coreResetForTests();
        lib_ = fs::temp_directory_path() / ("vn_dial_" + std::to_string(getpid()));
        fs::create_directories(lib_ / "Texts");
        gSettings.setLibDir(windowsPathFromHost(lib_.string()));
    }
    void TearDown() override { fs::remove_all(lib_); }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(lib_ / "Texts" / name, std::ios::binary) << text;
    }
    fs::path lib_;
};

TEST_F(DialStringTest, TextsOfTheCurrentLanguageWithEnglishAndPlaceholderFallbacks) {
    write("English.txt", "1=OK\r\n2=Cancel\r\n606=Add\r\n");
    write("Dutch.txt", "2=Annuleren\r\n");
    EXPECT_EQ(dialString(1), "OK");
    EXPECT_EQ(dialString(1234), "#1234");
    ASSERT_TRUE(gMacroLangs.setCurLanguage("dutch"));
    EXPECT_EQ(dialString(2), "Annuleren");
    EXPECT_EQ(dialString(606), "Add");  // from the English table
    EXPECT_EQ(dialString(-5), "#-5");
    EXPECT_EQ(dialStringAllLangs(2),
              (Ktx_StringArray{"Cancel", "Annuleren", "Cancel", "Cancel", "Cancel"}));
}

TEST_F(DialStringTest, SubFilesAddKeysAndADamagedFileIsSkipped) {
    write("English.txt", "1=OK\r\n606=Add\r\n");
    write("English-designer.txt", "606=Add control\r\n1500=Designer\r\n");
    write("English-broken.txt", "no equals sign\r\n1=Broken\r\n");
    EXPECT_EQ(dialString(606), "Add control");
    EXPECT_EQ(dialString(1500), "Designer");
    EXPECT_EQ(dialString(1), "OK");
}

TEST_F(DialStringTest, NoTableAtAllGivesPlaceholdersAndANewLibraryIsReadAgain) {
    EXPECT_EQ(dialString(1), "#1");
    write("English.txt", "1=OK\r\n");
    EXPECT_EQ(dialString(1), "#1");  // tables are read once per library folder
    gSettings.setLibDir(windowsPathFromHost((lib_ / "Texts" / "..").string()));
    EXPECT_EQ(dialString(1), "OK");
}

TEST_F(DialStringTest, LanguagesAndTheMacroNameTable) {
    EXPECT_EQ(gMacroLangs.GetCurLanguage(), "English");
    EXPECT_EQ(gMacroLangs.GetAllLanguages().length(), 5);
    EXPECT_EQ(gMacroLangs.GetAllLanguages()[4], "Korean");
    EXPECT_FALSE(gMacroLangs.setCurLanguage(5));
    EXPECT_FALSE(gMacroLangs.setCurLanguage("Klingon"));
    EXPECT_EQ(gMacroLangs.getCurLanguageIndex(), 0);
    write("Macro Names.txt",
          "# section, name, English, Dutch\r\n\tEndPlate\tEnd plate\tKopplaat\r\n"
          "Prof\th\tHeight\t\r\n");
    EXPECT_EQ(gMacroLangs.GetString("EndPlate"), "End plate");
    gMacroLangs.setCurLanguage(1);
    EXPECT_EQ(gMacroLangs.GetString("EndPlate"), "Kopplaat");
    EXPECT_EQ(gMacroLangs.GetString("h", "Prof"), "Height");  // empty Dutch falls back
    EXPECT_EQ(gMacroLangs.GetString("h"), "h");               // other section
    EXPECT_EQ(gMacroLangs.GetString("Base", "", "Base plate"), "Base plate");
    EXPECT_EQ(gMacroLangs.GetStringChopSymbols("EndPlate", 4), "Kopp");
    coreResetForTests();
    EXPECT_EQ(gMacroLangs.GetCurLanguage(), "English");
}
