// Every text key the module's code uses has an English text in the example library, so no
// dialog shows a "#key" placeholder. Keys are found in src/ as dialString(N), a binding's
// caption(N) and label(control, N), and as named text keys: constexpr int kText... = N.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "core.h"
#include "dial_string.h"

namespace {

namespace fs = std::filesystem;

std::set<int> keysUsedIn(const fs::path& root) {
    const std::regex use(
        R"((?:dialString|dialStringAllLangs|caption)\(\s*(\d+)\s*\)|label\([^,()]+,\s*(\d+)\s*\)|constexpr int kText\w* = (\d+);)");
    std::set<int> keys;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || name.ends_with("_test.cpp")) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        const std::string code = text.str();
        for (std::sregex_iterator it(code.begin(), code.end(), use), end; it != end; ++it) {
            for (int group = 1; group <= 3; ++group) {
                if ((*it)[group].matched) keys.insert(std::stoi((*it)[group].str()));
            }
        }
    }
    return keys;
}

TEST(TextKeys, EveryKeyTheModuleUsesHasAnEnglishText) {
    const fs::path source(VN_SOURCE_DIR);
    gSettings.setLibDir(windowsPathFromHost((source / "examples" / "library").string()));
    std::string missing;
    for (int key : keysUsedIn(source / "src")) {
        if (dialString(key).startsWith("#")) missing += " " + std::to_string(key);
    }
    EXPECT_EQ(missing, "") << "keys without a text in examples/library/Texts";
}

}  // namespace
