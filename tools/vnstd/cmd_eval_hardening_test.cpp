// vnstd eval: what went wrong is said, never written silently; modules by name or label; the
// macro's general variables; a standard's own library; help everywhere.
#include <fstream>
#include <string>
#include <vector>

#include "cmd_eval_fixture.h"

namespace evaltest {
namespace {

const std::vector<std::vector<std::string>> kDoubler = {
    {"Input"}, {"Double PlateThickness"},        {"Output"}, {"Double PlateWidth"},
    {"Calc"},  {"PlateWidth = PlateThickness*2"}};

TEST_F(EvalProgram, ALabelledModuleIsAddressedByItsNameAsByItsLabel) {
    const std::string lib = copyExamples();
    addStandard("Doubler", kDoubler);
    const std::vector<Var> expected = {{"Input", "PlateThickness", "Double", "12", "12"},
                                       {"Output", "PlateWidth", "Double", "150", "24"}};
    for (const char* module : {"EP1", "End plate"}) {
        const ProgramRun run = vnstd(
            {"eval", "Doubler", macro("endplate_group.macro"), "--module", module, "--lib", lib});
        ASSERT_EQ(run.exitCode, 0) << module << ": " << run.err;
        EXPECT_EQ(parseTable(run.out), expected) << module;
        EXPECT_EQ(run.err, "") << module;
    }
}

TEST_F(EvalProgram, AMissingInputWarnsFailsWithStrictAndIsNeverWrittenUnlessForced) {
    const std::string lib = copyExamples();
    addStandard("Missing", {{"Input"},
                            {"Double Nowhere"},
                            {"Output"},
                            {"Double PlateWidth"},
                            {"Calc"},
                            {"PlateWidth = Nowhere + 5"}});
    const std::string file = macro("endplate_group.macro");
    const std::string before = readFile(file);
    const std::vector<std::string> args = {"eval", "Missing", file, "--module",
                                           "EP1",  "--lib",   lib};
    const ProgramRun plain = vnstd(args);
    EXPECT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(plain.err,
              "warning: the Input variable 'Nowhere' could not be retrieved from the macro\n");
    auto with = [&](std::vector<std::string> extra) {
        std::vector<std::string> all = args;
        all.insert(all.end(), extra.begin(), extra.end());
        return vnstd(all);
    };
    const ProgramRun strict = with({"--strict"});
    EXPECT_EQ(strict.exitCode, 1);
    EXPECT_NE(strict.err.find("vnstd: --strict: 1 variable(s)"), std::string::npos) << strict.err;
    const ProgramRun refused = with({"--write"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("not written: the outputs were computed from missing inputs (1 "
                               "Input(s) not retrieved); --force writes them anyway"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(readFile(file), before);
    const ProgramRun forced = with({"--write", "--force"});
    EXPECT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_NE(readFile(file).find("\n  var PlateWidth 5\n"), std::string::npos) << readFile(file);
    EXPECT_EQ(with({"--force"}).exitCode, 2);  // --force alone is a usage error
}

TEST_F(EvalProgram, AFailedChildOrAMissingDataFileRefusesTheWrite) {
    const std::string lib = copyExamples();
    addStandard("BadChild",
                {{"Input"},
                 {"Double PlateThickness"},
                 {"Output"},
                 {"Double PlateWidth", "Double PlateHeight"},
                 {"Calc"},
                 {"PlateWidth = CallChild(\"Empty.vns\", PlateThickness, PlateWidth)"},
                 {"PlateHeight = STDSIZEWITHTOLERANCE(\"nothing.txt\", 10, 95, 0, 10)"}});
    std::ofstream(fs::path(lib) / "Connection Standards" / "Childs" / "Empty.vns");
    const std::string file = macro("endplate_group.macro");
    const std::string before = readFile(file);
    const ProgramRun run =
        vnstd({"eval", "BadChild", file, "--module", "EP1", "--lib", lib, "--write"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("the child standard did not load: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Empty.vns: the file is empty"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("warning: CallChild failed: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("warning: nothing.txt: no such standard-size file"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("1 CallChild(s) failed, 1 data or section file(s) unreadable"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(readFile(file), before);
}

TEST_F(EvalProgram, AnUnchangedMacroFileIsNotTouched) {
    const std::string lib = copyExamples();
    const std::string file = macro("endplate_ipe300.macro");
    const std::vector<std::string> args = {"eval",           "EndPlate", file, "--key",
                                           "EndPlateIPE300", "--lib",    lib,  "--write"};
    ASSERT_EQ(vnstd(args).exitCode, 0);
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24);
    fs::last_write_time(file, old);
    const std::string written = readFile(file);
    const ProgramRun again = vnstd(args);
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(fs::last_write_time(file), old);
    EXPECT_EQ(readFile(file), written);
}

TEST_F(EvalProgram, BeforeShowsWhatTheMacroTabsHeldBeforeTheEvaluation) {
    const std::string lib = copyExamples();
    addStandard("Bigger", {{"Input"},
                           {"Double Beam"},
                           {"Output"},
                           {"Double Bolt.Diameter"},
                           {"Calc"},
                           {"Bolt.Diameter = 24"}});
    std::ofstream(fs::path(lib) / "Connection Standards" / "Bigger.map", std::ios::binary)
        << "Mapping version 1.0\r\nK=Bolt.Diameter\x83"
           "Bolts\x95"
           "BoltsDiameter\r\n";
    const ProgramRun run =
        vnstd({"eval", "Bigger", macro("endplate_ipe300.macro"), "--key", "K", "--lib", lib});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(parseTable(run.out),
              (std::vector<Var>{{"Input", "Beam", "Double", "", ""},
                                {"Output", "Bolt.Diameter", "Double", "20", "24"}}));
}

TEST_F(EvalProgram, TheMacrosGeneralVariablesReachTheStandardUnderBothNames) {
    const std::string lib = copyExamples();
    addStandard(
        "Gaps",
        {{"Input"}, {"Double W"}, {"Output"}, {"Double T"}, {"Calc"}, {"T = gen_Gap + Gap"}});
    addStandard("OwnGap", {{"Input"},
                           {"Double W"},
                           {"Output"},
                           {"Double T"},
                           {"Local"},
                           {"Double Gap"},
                           {"Calc"},
                           {"Gap = 1"},
                           {"T = gen_Gap + Gap"}});
    const std::string file = macro("two_beams.macro");  // general gen_Gap 8
    auto outputOf = [&](std::vector<std::string> args) {
        args.insert(args.end(), {"--module", "Ends", "--lib", lib});
        const ProgramRun run = vnstd(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        const std::vector<Var> vars = parseTable(run.out);
        return vars.size() == 2 ? vars[1].after : "(" + run.out + ")";
    };
    EXPECT_EQ(outputOf({"eval", "Gaps", file}), "16");
    EXPECT_EQ(outputOf({"eval", "OwnGap", file}), "9");  // the standard's own Gap stays
    EXPECT_EQ(outputOf({"eval", "Gaps", file, "--gen", "gen_Gap=20"}), "40");
}

TEST_F(EvalProgram, AStandardOfAnotherLibraryTakesItsChildrenAndDataFromThere) {
    const std::string lib = copyExamples();
    const fs::path other = dir_ / "other";
    fs::copy(lib, other, fs::copy_options::recursive);
    fs::remove(other / "Connection Standards" / "Data" / "bolt_holes.txt");
    const std::string standard = (other / "Connection Standards" / "EndPlate.vns").string();
    const std::vector<std::string> args = {"eval", standard, macro("endplate_ipe300.macro"),
                                           "--key", "EndPlateIPE300"};
    const ProgramRun own = vnstd(args);
    EXPECT_NE(own.err.find("bolt_holes.txt: no such data file"), std::string::npos) << own.err;
    std::vector<std::string> withLib = {"--lib", lib};
    withLib.insert(withLib.end(), args.begin(), args.end());
    const ProgramRun given = vnstd(withLib);
    EXPECT_EQ(given.exitCode, 0) << given.err;
    EXPECT_NE(given.err.find("warning: the standard " + standard + " lies outside the library "),
              std::string::npos)
        << given.err;
    EXPECT_EQ(given.err.find("bolt_holes.txt"), std::string::npos) << given.err;
}

TEST_F(EvalProgram, AStandardThatDoesNotLoadIsNamedWithItsFirstBadLine) {
    const std::string lib = copyExamples();
    std::ofstream(fs::path(lib) / "Connection Standards" / "Bad.vns", std::ios::binary)
        << "VNSHEET 1\r\nsize 2 2\r\ncell 9 9\r\nend 1\r\n";
    const ProgramRun bad =
        vnstd({"eval", "Bad", macro("endplate_group.macro"), "--module", "EP1", "--lib", lib});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("while loading the standard: "), std::string::npos) << bad.err;
    EXPECT_NE(bad.err.find("Bad.vns: line 3: cell outside the sheet"), std::string::npos)
        << bad.err;
    const std::string csv = (fs::path(lib) / "Connection Standards" / "EndPlate.csv").string();
    const ProgramRun wrong =
        vnstd({"eval", csv, macro("endplate_ipe300.macro"), "--key", "EndPlateIPE300"});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_NE(wrong.err.find("not a sheet file (it reads as CSV: 'vnstd sheet convert"),
              std::string::npos)
        << wrong.err;
}

TEST_F(EvalProgram, EveryCommandAndSubcommandAnswersHelpOnStdout) {
    const std::vector<std::vector<std::string>> asks = {{"--help"},
                                                        {"-h"},
                                                        {"eval", "-h"},
                                                        {"macro", "--help"},
                                                        {"mapping", "-h"},
                                                        {"sheet", "--help"},
                                                        {"sheet", "calc", "--help"},
                                                        {"sheet", "convert", "a", "-h"},
                                                        {"sheet", "show", "-h"},
                                                        {"sheet", "read", "--help"},
                                                        {"macro", "show", "--no-such", "--help"}};
    for (const auto& ask : asks) {
        std::vector<std::string> args = {"--lib", "/no/such"};
        args.insert(args.end(), ask.begin(), ask.end());
        const ProgramRun run = vnstd(args);
        EXPECT_EQ(run.exitCode, 0) << ask.back();
        EXPECT_EQ(run.out.rfind("usage: vnstd", 0), 0u) << run.out;
        EXPECT_EQ(run.err, "");
    }
    EXPECT_NE(vnstd({"sheet", "calc", "--help"}).out.find("sheet calc FILE"), std::string::npos);
    EXPECT_EQ(vnstd({"sheet", "calc", "--help"}).out.find("sheet read"), std::string::npos);
    EXPECT_EQ(vnstd({"macro", "--bad"}).exitCode, 2);
}

}  // namespace
}  // namespace evaltest
