// vnstd test driven through the built program on a copy of the example library, its macros
// and its cases: a passing folder, failing expectations, a missing macro, --junit, --update.
#include <fstream>
#include <string>

#include "cli_test_run.h"
#include "cmd_eval_fixture.h"
#include "whole_file.h"

namespace evaltest {
namespace {

class CasesProgram : public EvalProgram {
  protected:
    void SetUp() override {
        EvalProgram::SetUp();
        lib_ = copyExamples();
        fs::copy(kSource + "/examples/tests", dir_ / "tests", fs::copy_options::recursive);
    }
    ProgramRun test(std::vector<std::string> more = {}) {
        std::vector<std::string> args = {"--lib", lib_, "test"};
        args.insert(args.end(), more.begin(), more.end());
        return vnstd(args);
    }
    void writeCase(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / "tests" / name, std::ios::binary) << text;
    }
    std::string caseText(const std::string& name) { return readFile(dir_ / "tests" / name); }
    std::string lib_;
};

const char* const kWrong =
    "# by hand: wrong on purpose\r\n"
    "standard EndPlate\r\n"
    "macro ../macros/endplate_ipe300.macro\r\n"
    "key EndPlateIPE300\r\n"
    "expect PlateWidth = 170   +- 5\r\n"
    "expect Beam.Name=IPE-300\r\n"
    "expect HoleDia = 21\r\n";

TEST_F(CasesProgram, ShippedCasesPass) {
    const ProgramRun run = test();
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "2 passed, 0 failed\n");
}

TEST_F(CasesProgram, FailingExpectationsNameExpectedAndActual) {
    writeCase("wrong.case", kWrong);
    const std::string junit = (dir_ / "junit.xml").string();
    const ProgramRun run = test({"--junit", junit});
    EXPECT_EQ(run.exitCode, 1);
    const std::string file = (dir_ / "tests" / "wrong.case").string();
    EXPECT_EQ(run.out, file + ": PlateWidth: expected 170, got 180\n" + file +
                           ": HoleDia: expected 21, got 22\n2 passed, 1 failed\n");
    const std::string xml = readFile(junit);
    EXPECT_NE(xml.find("<testsuite name=\"vnstd test\" tests=\"3\" failures=\"1\""),
              std::string::npos)
        << xml;
    EXPECT_NE(xml.find("<failure message=\"PlateWidth: expected 170, got 180\">"),
              std::string::npos)
        << xml;
}

TEST_F(CasesProgram, MissingMacroFileFailsTheCase) {
    writeCase("lost.case",
              "standard EndPlate\nmacro gone.macro\nkey EndPlateIPE300\n"
              "expect PlateWidth = 180\n");
    const ProgramRun run = test();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("lost.case: cannot read macro file"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2 passed, 1 failed"), std::string::npos);
}

TEST_F(CasesProgram, UpdateRewritesOnlyTheExpectedValues) {
    writeCase("wrong.case", kWrong);
    const std::string untouched = caseText("endplate_ipe300.case");
    const ProgramRun run = test({"--update"});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "updated " + (dir_ / "tests" / "wrong.case").string() + "\n");
    std::string want = kWrong;
    want.replace(want.find("170"), 3, "180");
    want.replace(want.find("= 21"), 4, "= 22");
    EXPECT_EQ(caseText("wrong.case"), want);
    EXPECT_EQ(caseText("endplate_ipe300.case"), untouched);
    EXPECT_EQ(test().out, "3 passed, 0 failed\n");
}

// In-process, so that the atomic writer can be made to meet a full disk halfway.
TEST_F(CasesProgram, UpdateOnAFullDiskLeavesTheCaseWhole) {
    writeCase("wrong.case", kWrong);
    const std::string before = caseText("wrong.case");
    fileInjectWriteFault(FileWriteFault::DiskFull, 20);
    const auto run = vnstd_test::run(runTestCommand, {(dir_ / "tests").string(), "--update"});
    fileInjectWriteFault(FileWriteFault::None);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.out.find("wrong.case: "), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("endplate_"), std::string::npos) << run.out;  // the others ran
    EXPECT_EQ(caseText("wrong.case"), before);
    size_t files = 0;
    for (const auto& entry : fs::directory_iterator(dir_ / "tests"))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 3u);  // no temporary file left beside the cases
}

}  // namespace
}  // namespace evaltest
