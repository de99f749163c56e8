// Reading a macro file: a path of this machine is opened as written; a module path (drive
// letter, backslashes, another letter case) goes through the look-up and finds the same file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core_reset.h"
#include "macro_file.h"
#include "path_translation.h"

namespace fs = std::filesystem;

namespace {

class MacroFileRead : public ::testing::Test {
  protected:
    fs::path root = fs::temp_directory_path() / ("vn_macro_read_" + std::to_string(getpid()));
    void SetUp() override {
        coreResetForTests();
        fs::create_directories(root / "c" / "Macros");
        setDriveRoot(root.string());
        std::ofstream(root / "c" / "Macros" / "End.macro", std::ios::binary) << "macro \"End\"\n";
    }
    void TearDown() override {
        fs::remove_all(root);
        coreResetForTests();
    }
    // The macro's name as read from path, or the error.
    std::string read(const std::string& path) {
        Ktx_Macro macro;
        MacroData data;
        Ktx_String error;
        return readMacroFile(Ktx_String(path), macro, data, error) ? macro.name : error.str();
    }
};

}  // namespace

TEST_F(MacroFileRead, TheSameFileUnderItsOwnPathAModulePathOrAnotherLetterCase) {
    const std::string own = (root / "c" / "Macros" / "End.macro").string();
    EXPECT_EQ(read(own), "End");
    EXPECT_EQ(read((root / "c" / "macros" / "END.MACRO").string()), "End");
    EXPECT_EQ(read("c:\\Macros\\End.macro"), "End");
    EXPECT_EQ(read("C:\\MACROS\\end.macro"), "End");
    EXPECT_EQ(read("c:\\Macros\\None.macro"), "cannot read c:\\Macros\\None.macro");
    EXPECT_EQ(read((root / "c" / "Macros").string()),
              "cannot read " + (root / "c" / "Macros").string());
}
