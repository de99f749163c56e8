#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cli_test_run.h"

namespace {

namespace fs = std::filesystem;
using vnstd_test::Captured;
using vnstd_test::run;

// A copy of the example connections (so that their pictures are made there) and a steps file.
class VnstdMacroPick : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vnstd_pick_" + std::to_string(::getpid()));
        fs::create_directories(dir_ / "Connections");
        for (const char* name : {"EndPlate1.dwg", "EndPlate2.dwg", "FinPlate1.dwg"})
            fs::copy_file(fs::path(VN_SOURCE_DIR) / "examples/library/Macros/Connections" / name,
                          dir_ / "Connections" / name);
    }
    void TearDown() override { fs::remove_all(dir_); }
    Captured pick(const std::string& steps, std::vector<std::string> options = {}) {
        std::ofstream(dir_ / "steps.txt") << steps;
        std::vector<std::string> args = {"pick", (dir_ / "Connections").string(), "--steps",
                                         (dir_ / "steps.txt").string()};
        args.insert(args.end(), options.begin(), options.end());
        return run(runMacroCommand, args);
    }
    fs::path dir_;
};

}  // namespace

TEST_F(VnstdMacroPick, PrintsTheDrawingChosenByTheSteps) {
    // OK with nothing selected does nothing; the double click chooses.
    const Captured c = pick(
        "{\"kind\":\"click\",\"id\":1}\n{\"kind\":\"dblclick\",\"id\":9091,\"text\":\"FinPlate1\"}"
        "\n");
    ASSERT_EQ(c.code, 0) << c.err;
    EXPECT_EQ(c.out, (dir_ / "Connections" / "FinPlate1.dwg").string() + "\n");
    EXPECT_TRUE(fs::exists(dir_ / "Connections" / "EndPlate1.bmp"));
}

TEST_F(VnstdMacroPick, TheOtherChoicePrintsNothingAndRunningOutOfStepsCancels) {
    Captured c = pick("{\"kind\":\"click\",\"id\":1352}\n", {"--other"});
    EXPECT_EQ(c.code, 0) << c.err;
    EXPECT_EQ(c.out, "");
    c = pick("{\"kind\":\"click\",\"id\":1}\n");
    EXPECT_EQ(c.code, 1);
    EXPECT_NE(c.err.find("no drawing chosen"), std::string::npos);
    c = pick("{\"kind\":\"nonsense\"}\n");
    EXPECT_EQ(c.code, 1);
    EXPECT_NE(c.err.find("steps.txt:1"), std::string::npos);
}

TEST_F(VnstdMacroPick, HelpAndUsage) {
    Captured c = run(runMacroCommand, {"pick", "--help"});
    EXPECT_EQ(c.code, 0);
    EXPECT_NE(c.out.find("usage: vnstd macro pick FOLDER"), std::string::npos);
    EXPECT_NE(macroUsage({"pick"}).find("--steps FILE"), std::string::npos);
    c = run(runMacroCommand, {"pick"});
    EXPECT_EQ(c.code, 2);
}
