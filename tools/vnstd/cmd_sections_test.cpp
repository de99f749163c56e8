// The sections command, run in-process on the shipped library and on a copy of it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli_test_run.h"
#include "commands.h"
#include "ktx_settings.h"
#include "path_translation.h"

namespace {

using vnstd_test::Captured;

class SectionsCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        lib_ =
            std::filesystem::temp_directory_path() / ("vnstd_sections_" + std::to_string(getpid()));
        std::filesystem::remove_all(lib_);
        const std::filesystem::path source =
            std::filesystem::path(VN_SOURCE_DIR) / "examples/library";
        std::filesystem::create_directories(lib_);
        for (const char* dir : {"prof", "icons", "Texts"}) {
            std::filesystem::copy(source / dir, lib_ / dir,
                                  std::filesystem::copy_options::recursive);
        }
    }
    void TearDown() override { std::filesystem::remove_all(lib_); }

    // Runs the command on the copy (shipped: on the library of the source tree).
    Captured run(std::vector<std::string> args, bool shipped = false) {
        CliContext context;
        context.out = std::tmpfile();
        context.err = std::tmpfile();
        context.libDir = shipped ? std::string(VN_SOURCE_DIR) + "/examples/library" : lib_.string();
        gSettings.setLibDir(windowsPathFromHost(context.libDir));
        gSettings.setAppDir(gSettings.libDir);
        Captured c;
        c.code = runSectionsCommand(context, args);
        c.out = vnstd_test::readAll(context.out);
        c.err = vnstd_test::readAll(context.err);
        return c;
    }
    std::string prof(const std::string& name) {
        std::ifstream in(lib_ / "prof" / name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void writeProf(const std::string& name, const std::string& text) {
        std::ofstream(lib_ / "prof" / name, std::ios::binary) << text;
    }

    std::filesystem::path lib_;
};

TEST_F(SectionsCommand, ListsTheShippedTablesAndFindsNothingWrong) {
    const Captured list = run({"list"}, true);
    EXPECT_EQ(list.code, 0);
    EXPECT_NE(list.out.find("SHS    10 <Rectangular tube>  123    123"), std::string::npos)
        << list.out;
    EXPECT_NE(list.out.find("UPN    3 <Channel>            16     16"), std::string::npos);
    const Captured check = run({"check"}, true);
    EXPECT_EQ(check.code, 0);
    EXPECT_EQ(check.out, "8 tables checked, 0 findings\n");
}

TEST_F(SectionsCommand, ShowLeavesOutInactiveSizesUnlessAll) {
    writeProf("T.pr",
              "1\r\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\th\r\n"
              "100\t1\tT 100\t\t\t\t100\r\n200\t0\tT 200\t\t\t\t200\r\n");
    const Captured active = run({"show", "T"});
    EXPECT_EQ(active.out.find("T 200"), std::string::npos);
    EXPECT_NE(active.out.find("T 100"), std::string::npos);
    const Captured all = run({"show", "T", "--all"});
    EXPECT_NE(all.out.find("200      0    T 200"), std::string::npos) << all.out;
    EXPECT_EQ(run({"show", "Missing"}).code, 1);
    EXPECT_EQ(run({"show"}).code, 2);
}

TEST_F(SectionsCommand, AddWritesTheSizeAtItsPlaceOrRefusesIt) {
    const std::string before = prof("RHS.pr");
    const Captured refused = run({"add", "RHS", "100x50x5", "100", "50", "5", "5"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("refused"), std::string::npos);
    EXPECT_EQ(prof("RHS.pr"), before);

    const Captured added = run({"add", "SHS", "60x60x3.6", "60", "60", "4.5", "6.75"});
    ASSERT_EQ(added.code, 0) << added.err;
    EXPECT_EQ(added.out, "added SHS-60x60x4.5 at row 19\n");
    const std::string after = prof("SHS.pr");
    const size_t at = after.find("\r\n60x60x4.5\t1\tSHS 60x60x4.5\t");
    ASSERT_NE(at, std::string::npos);
    EXPECT_LT(after.find("\r\n60x60x4\t"), at);
    EXPECT_GT(after.find("\r\n60x60x5\t"), at);
    EXPECT_EQ(run({"add", "SHS", "nothing", "1"}).code, 1);
}

TEST_F(SectionsCommand, CheckReportsEveryKindOfFault) {
    writeProf("Bad.pr",
              "99\r\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\th\r\n"
              "1\t1\tA\tA\tA\tA\t1\r\n1\t1\tB\tB\tB\tB\r\n");
    writeProf("Own.pr", "beam.dwg\r\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\r\n");
    std::filesystem::remove(lib_ / "icons" / "ProfSectionRound-small.bmp");
    writeProf("Bar.pr", "9\r\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\tD\r\n");
    const Captured check = run({"check"});
    EXPECT_EQ(check.code, 1);
    EXPECT_NE(check.out.find("Bad: system name '1' more than once"), std::string::npos)
        << check.out;
    EXPECT_NE(check.out.find("Bad: row 2 has 6 cells, the header 7"), std::string::npos);
    EXPECT_NE(check.out.find("Bad: shape '99' is no section type"), std::string::npos);
    EXPECT_NE(check.out.find("Own: drawing 'beam.dwg' is missing"), std::string::npos);
    EXPECT_NE(check.out.find("Own: no big picture"), std::string::npos);
    EXPECT_NE(check.out.find("Bar: no small picture"), std::string::npos);
    EXPECT_EQ(check.out.find("Bar: no big picture"), std::string::npos);
}

}  // namespace
