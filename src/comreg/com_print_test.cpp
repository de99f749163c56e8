#include "com_print.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "command_line.h"
#include "frame_reset.h"
#include "module_file.h"
#include "path_translation.h"
#include "text_file.h"
#include "win_reset.h"

namespace fs = std::filesystem;

namespace {

class ComPrint : public ::testing::Test {
  protected:
    void SetUp() override {
        winResetForTests();
        frameResetForTests();
        folder_ = fs::temp_directory_path() / ("vn_comprint_" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        moduleFileSetFolder(windowsPathFromHost(folder_.string()).str());
        acadClearCommandLine();
    }
    void TearDown() override {
        fs::remove_all(folder_);
        winResetForTests();
        frameResetForTests();
    }
    std::string idsFile() const {
        std::ifstream in(folder_ / "RegistryIDs.dat", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string moduleFolderText() const {
        return windowsPathFromHost(folder_.string()).str() + "\\";
    }
    fs::path folder_;
};

TEST(ClsidInitialiser, SplitsTheTextIntoTheStructureOfFourGroupsAndEightBytes) {
    EXPECT_EQ(clsidInitialiser("{1AD846C7-09D4-4381-A6A4-A79E22A8ADD1}"),
              "{0x1AD846C7,0x09D4,0x4381,{0xA6,0xA4,0xA7,0x9E,0x22,0xA8,0xAD,0xD1}};");
}

TEST(ClsidInitialiser, TextThatDoesNotHoldFiveLongEnoughGroupsGivesNothing) {
    EXPECT_EQ(clsidInitialiser("{1AD846C7-09D4-4381-A6A4}"), "");
    EXPECT_EQ(clsidInitialiser("{1AD846C7-09D4-4381-A6A4-A79E22A8ADD1-00}"), "");
    EXPECT_EQ(clsidInitialiser("{1AD846C7-09D4-4381-A6-A79E22A8ADD1}"), "");
    EXPECT_EQ(clsidInitialiser("{1AD846C7-09D4-4381-A6A4-A79E22A8AD}"), "");
    EXPECT_EQ(clsidInitialiser(""), "");
}

TEST_F(ComPrint, PrintsOneDeclarationPerClassInListOrder) {
    EXPECT_EQ(SSprintCLSIDs(), Acad::eOk);
    const std::string& printed = acadCommandLineText();
    EXPECT_EQ(printed.rfind("\nconst cCLSID CLSID_Bolt = "
                            "{0x1AD846C7,0x09D4,0x4381,{0xA6,0xA4,0xA7,0x9E,0x22,0xA8,0xAD,0xD1}};"
                            "\nconst cCLSID CLSID_Prof = "
                            "{0x099ED5DE,0xA6DB,0x452B,{0xAE,0x25,0xFD,0x42,0x14,0x30,0x1D,0x0F}};",
                            0),
              0u);
    size_t lines = 0;
    for (size_t at = printed.find("\nconst cCLSID CLSID_"); at != std::string::npos;
         at = printed.find("\nconst cCLSID CLSID_", at + 1))
        ++lines;
    EXPECT_EQ(lines, 15u);
    EXPECT_NE(printed.find("CLSID_OPMBody = {0xFCC17969,"), std::string::npos);
}

TEST_F(ComPrint, WritesTheIdentifierFileBesideTheModuleInItsOrder) {
    ASSERT_EQ(SSprintCLSIDs(), Acad::eOk);
    const std::string text = idsFile();
    EXPECT_EQ(text.rfind("TypeLib_={51A4A0BB-3E42-4CE5-9535-C741EE32EB77}\r\n"
                         "Class_Bolt={1AD846C7-09D4-4381-A6A4-A79E22A8ADD1}\r\n",
                         0),
              0u);
    EXPECT_NE(text.find("Class_OPMBody={FCC17969-8316-4346-80C9-E5F4F905DAFC}\r\n"
                        "Interface_IBolt={3CD6F50C-6079-44CF-9058-F5210839C280}\r\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("Interface_IOPMBody={5D9EE843-E570-4415-B671-8B35BD7DC835}\r\n"));
    Ktx_StringArray lines;
    ASSERT_TRUE(
        ObjectExportReadFile(windowsPathFromHost((folder_ / "RegistryIDs.dat").string()), lines));
    EXPECT_EQ(lines.length(), 1 + 15 + 10);
}

TEST_F(ComPrint, ReportsSuccessAndKeepsTheOldFileWhenTheWriteFails) {
    std::ofstream(folder_ / "RegistryIDs.dat") << "old";
    coreInjectWriteFailure(10);
    EXPECT_EQ(SSprintCLSIDs(), Acad::eOk);
    EXPECT_EQ(idsFile(), "old");
    EXPECT_TRUE(acadCommandLineText().ends_with("};\nCould not write " + moduleFolderText() +
                                                "RegistryIDs.dat\n"));
}

}  // namespace
