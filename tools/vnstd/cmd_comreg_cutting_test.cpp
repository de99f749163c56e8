// The comreg and cutting commands, run in-process on the shipped library and a module folder
// of the test's own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_test_run.h"
#include "command_line.h"
#include "commands.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "registry.h"
#include "text_file.h"

namespace {

using vnstd_test::Captured;
using vnstd_test::run;

size_t lineCount(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

class ComregCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        registryResetForTests();
        dir_ =
            std::filesystem::temp_directory_path() / ("vnstd_comreg_" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::filesystem::remove_all(dir_);
        registryResetForTests();
    }
    Captured comreg(const std::string& action) {
        return run(runComregCommand, {action, "--module-dir", dir_.string()});
    }
    std::filesystem::path dir_;
};

TEST_F(ComregCommand, RegisterPrintsEveryValueWrittenAndCleanupEveryKeyRemoved) {
    EXPECT_EQ(comreg("register").code, 1) << "no Olex.arx yet";
    std::ofstream(dir_ / "Olex.arx") << "x";
    const Captured reg = comreg("register");
    ASSERT_EQ(reg.code, 0) << reg.err;
    EXPECT_EQ(lineCount(reg.out), 78u);
    EXPECT_EQ(reg.out.rfind("HKEY_CLASSES_ROOT\\TypeLib\\{51A4A0BB-3E42-4CE5-9535-C741EE32EB77}"
                            "\\1.1 = \"Varnox 1.0 Type Library\"\n",
                            0),
              0u);
    const Captured clean = comreg("cleanup");
    ASSERT_EQ(clean.code, 0) << clean.err;
    EXPECT_EQ(lineCount(clean.out), 1u + 15u + 10u);
    EXPECT_EQ(comreg("cleanup").out, "") << "nothing left to remove";
}

TEST_F(ComregCommand, PrintWritesTheDeclarationsAndTheIdentifierFile) {
    const Captured printed = comreg("print");
    ASSERT_EQ(printed.code, 0);
    EXPECT_EQ(lineCount(printed.out), 15u);
    EXPECT_EQ(printed.out.rfind("const cCLSID CLSID_Bolt = {0x1AD846C7,", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(dir_ / "RegistryIDs.dat"));
    EXPECT_EQ(comreg("frobnicate").code, 2);
}

TEST_F(ComregCommand, PrintFailsWhenTheIdentifierFileCannotBeWritten) {
    coreInjectWriteFailure(5);
    const Captured printed = comreg("print");
    EXPECT_EQ(printed.code, 1);
    EXPECT_EQ(lineCount(printed.out), 15u) << "the declarations are still printed";
    EXPECT_NE(printed.err.find("cannot write"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "RegistryIDs.dat"));
}

TEST(CuttingCommand, ListAndShowReadTheShippedEntries) {
    const Captured list = run(runCuttingCommand, {"list"});
    ASSERT_EQ(list.code, 0) << list.err;
    EXPECT_NE(list.out.find("1   IPE    1"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("2   Plate  1"), std::string::npos) << list.out;
    const Captured show = run(runCuttingCommand, {"show", "plate"});
    ASSERT_EQ(show.code, 0) << show.err;
    EXPECT_NE(show.out.find("Shop table: Stock1.shp\n"), std::string::npos);
    EXPECT_NE(show.out.find("PL-20x300  12000        565.2\n"), std::string::npos) << show.out;
    EXPECT_EQ(run(runCuttingCommand, {"show", "HEB"}).code, 1);
    EXPECT_EQ(run(runCuttingCommand, {"show"}).code, 2);
}

// The listing with each " of <date>" that reads as "%d %B, %Y (%H:%M)" written " of <date>".
std::string withDatesMasked(const std::string& listing) {
    std::string out;
    size_t start = 0;
    while (start < listing.size()) {
        size_t end = listing.find('\n', start);
        if (end == std::string::npos) end = listing.size();
        std::string line = listing.substr(start, end - start);
        const size_t of = line.rfind(" of ");
        int day = 0, year = 0, hour = 0, minute = 0, used = 0;
        char month[32] = {};
        if (of != std::string::npos &&
            std::sscanf(line.c_str() + of, " of %2d %31[A-Za-z], %4d (%2d:%2d)%n", &day, month,
                        &year, &hour, &minute, &used) == 5 &&
            of + static_cast<size_t>(used) == line.size())
            line = line.substr(0, of) + " of <date>";
        out += line + "\n";
        start = end + 1;
    }
    return out;
}

TEST(CuttingCommand, ReportIsTheBatchListingLineForLine) {
    const Captured report = run(runCuttingCommand, {"report"});
    ASSERT_EQ(report.code, 0) << report.err;
    const std::string rule(116, '-');
    EXPECT_EQ(withDatesMasked(report.out),
              rule + "\nLoaded \"Stock1.shp\" for \"IPE\" of <date>\n\nLoaded \"Stock1.buy\" for " +
                  "\"IPE\" of <date>\n" + rule +
                  "\nLoaded \"Stock1.shp\" for \"Plate\" of <date>\n\n" +
                  "Loaded \"Stock1.buy\" for \"Plate\" of <date>\n" + rule + "\n");
}

}  // namespace
