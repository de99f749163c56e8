// Every text key the module's code uses has an English text in the example library, so no
// dialog shows a "#key" placeholder. Keys are found in src/ as dialString(N), a binding's
// caption(N) and label(control, N), and as named text keys: constexpr int kText... = N.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "core.h"
#include "dial_string.h"

namespace {

namespace fs = std::filesystem;

// The number after each `marker` in `code` (digits, spaces allowed before them), where the
// number is followed by `close`.
void collect(const std::string& code, const std::string& marker, char close, std::set<int>& keys) {
    for (size_t at = code.find(marker); at != std::string::npos; at = code.find(marker, at + 1)) {
        size_t i = at + marker.size();
        while (i < code.size() && code[i] == ' ') ++i;
        const size_t digits = i;
        while (i < code.size() && std::isdigit(static_cast<unsigned char>(code[i]))) ++i;
        while (i < code.size() && code[i] == ' ') ++i;
        if (i > digits && i < code.size() && code[i] == close) {
            keys.insert(std::stoi(code.substr(digits, i - digits)));
        }
    }
}

// label(control, N): the number after the first comma.
void collectLabels(const std::string& code, std::set<int>& keys) {
    for (size_t at = code.find("label("); at != std::string::npos;
         at = code.find("label(", at + 1)) {
        const size_t comma = code.find_first_of(",()", at + 6);
        if (comma != std::string::npos && code[comma] == ',') {
            collect(code.substr(comma, code.find(')', comma) + 1 - comma), ",", ')', keys);
        }
    }
}

std::set<int> keysUsedIn(const fs::path& root) {
    std::set<int> keys;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || name.ends_with("_test.cpp")) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        const std::string code = text.str();
        for (const char* call : {"dialString(", "dialStringAllLangs(", "caption("}) {
            collect(code, call, ')', keys);
        }
        collectLabels(code, keys);
        for (size_t at = code.find("constexpr int kText"); at != std::string::npos;
             at = code.find("constexpr int kText", at + 1)) {
            // Only this declaration, up to its ";": every "kTextA = N" of it.
            const size_t end = code.find(';', at);
            const std::string declaration =
                code.substr(at, end == std::string::npos ? end : end + 1 - at);
            collect(declaration, "=", ';', keys);
            collect(declaration, "=", ',', keys);
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
