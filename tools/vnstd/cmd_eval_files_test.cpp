// The macro files of a folder run: which entries of a folder count, and their order.
#include "cmd_eval_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(MacroFileList, RegularMacroFilesAndLinksToThemInByteOrder) {
    const fs::path dir = fs::temp_directory_path() / ("vn_macro_list_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "folder.macro");
    for (const char* name : {"b.macro", "a.macro", "B.macro", ".macro", "x.macrox", "a.Macro"})
        std::ofstream(dir / name) << "macro m\n";
    fs::create_symlink(dir / "a.macro", dir / "link.macro");
    fs::create_symlink(dir / "gone", dir / "dangling.macro");
    const MacroFileList list(dir.string());
    std::vector<std::string> paths;
    for (size_t i = 0; i < list.size(); ++i) paths.push_back(list.path(i));
    const std::string d = dir.string() + "/";
    EXPECT_EQ(paths, (std::vector<std::string>{d + "B.macro", d + "a.macro", d + "b.macro",
                                               d + "link.macro"}));
    // A folder given with its separator gives the same paths; a missing folder none.
    EXPECT_EQ(MacroFileList(d).path(0), d + "B.macro");
    EXPECT_TRUE(MacroFileList((dir / "missing").string()).empty());
    fs::remove_all(dir);
}
