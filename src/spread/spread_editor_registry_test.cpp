#include "spread_editor_registry.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "frame_reset.h"
#include "ktx_settings.h"
#include "spread_settings.h"
#include "win.h"

namespace {

class SpreadEditorRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { frameResetForTests(); }
    void TearDown() override { std::remove(file.c_str()); }

    static void setValue(const char* name, const char* text) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKey(HKEY_LOCAL_MACHINE, kSpreadEditorKey, &key), ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                DWORD(std::string(text).size() + 1)),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    std::string file = ::testing::TempDir() + "vn_spread_reg_" + std::to_string(::getpid());
};

TEST_F(SpreadEditorRegistryTest, BothValuesComeBackThroughTheRegistryFile) {
    SpreadSettings defaults;
    defaults.marginLeft = 12;
    ASSERT_TRUE(defaults.setVariables({"Date"}, {"\x80\xBF\xFF"}));
    Ktx_String stored;
    ASSERT_TRUE(defaults.toText(stored));
    ASSERT_TRUE(writeSpreadEditorRegistry("Nederlands", stored));
    ASSERT_TRUE(registrySaveFile(file));
    registryResetForTests();
    ASSERT_TRUE(registryLoadFile(file));

    Ktx_String language, text;
    ASSERT_TRUE(readSpreadEditorRegistry(language, text));
    EXPECT_EQ(language, "Nederlands");
    SpreadSettings read;
    ASSERT_TRUE(read.fromText(text));
    EXPECT_EQ(read.marginLeft, 12);
    EXPECT_EQ(read.varValues, defaults.varValues);
}

TEST_F(SpreadEditorRegistryTest, AMissingValueFailsTheReadAndKeepsBothOutputs) {
    Ktx_String language = "English", text = "default";
    EXPECT_FALSE(readSpreadEditorRegistry(language, text));  // no key at all
    setValue(kSpreadEditorLanguage, "Nederlands");
    EXPECT_FALSE(readSpreadEditorRegistry(language, text));
    EXPECT_EQ(language, "English");
    EXPECT_EQ(text, "default");
    setValue(kSpreadEditorDefaults, "x");
    EXPECT_TRUE(readSpreadEditorRegistry(language, text));
    EXPECT_EQ(language, "Nederlands");
}

TEST_F(SpreadEditorRegistryTest, AKeyThatCannotBeWrittenFailsTheWrite) {
    registryDenyAccess(HKEY_LOCAL_MACHINE, kSpreadEditorKey, KEY_SET_VALUE);
    EXPECT_FALSE(writeSpreadEditorRegistry("English", "x"));
    Ktx_String language, text;
    EXPECT_FALSE(readSpreadEditorRegistry(language, text));
}

TEST_F(SpreadEditorRegistryTest, CompanionFileLiesInTheSettingsFolder) {
    gSettings.settingsDir = "C:\\Users\\me\\Settings";  // set without the final backslash
    EXPECT_EQ(spreadCompanionFileName("Bill"), "C:\\Users\\me\\Settings\\Bill.vnd");
    EXPECT_EQ(spreadCompanionFileName("D:\\Jobs\\Bill.VNS"), "C:\\Users\\me\\Settings\\Bill.vnd");
    EXPECT_EQ(spreadCompanionFileName("bill.2026"), "C:\\Users\\me\\Settings\\bill.2026.vnd");
    EXPECT_EQ(spreadCompanionFileName("D:\\Jobs\\"), "");
}

// Regression: a sheet saved with no settings folder wrote its companion file into the
// current folder.
TEST_F(SpreadEditorRegistryTest, NoSettingsFolderGivesNoCompanionFile) {
    gSettings.settingsDir = "";
    EXPECT_EQ(spreadCompanionFileName("Bill.vns"), "");
}

}  // namespace
