// vnstd eval driven through the built program: the example end plate standard against figures
// worked out by hand from the standard, its data files and the section tables; the JSON form;
// the timers; storing the macro back; general variables; warnings.
#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cmd_eval_fixture.h"

namespace evaltest {
namespace {

// IPE 300 (h 300, b 150, tf 10.7) with M20 bolts (hole 22): edge 1.5*22 to 5 = 35; thickness
// the stock size nearest above 1.5*10.7 = 16.05 within +10 = 20; width the first 20 mm flat
// bar at or above 150 + 20 = 180; height 300 + 30 = 330; gauge 0.6*150 to 10 = 90; side edge
// (180 - 90)/2 = 45. Bolt layout: inner 300 - 21.4 - 70 = 208.6, minimum pitch 3*22 to 5 =
// 65, rows INT(208.6/65) + 1 = 4, pitch 208.6/3 down to 5 = 65, bolts 2*4 = 8.
const std::vector<Var> kIpe300Vars = {
    {"Input", "Beam.Name", "String", "IPE-300", "IPE-300"},
    {"Input", "Bolt.Diameter", "Double", "20", "20"},
    {"Output", "PlateWidth", "Double", "200", "180"},
    {"Output", "PlateHeight", "Double", "380", "330"},
    {"Output", "PlateThickness", "Double", "15", "20"},
    {"Output", "HoleDia", "Double", "22", "22"},
    {"Output", "EdgeDist", "Double", "40", "35"},
    {"Output", "EdgeSide", "Double", "40", "45"},
    {"Output", "Gauge", "Double", "100", "90"},
    {"Output", "BoltRows", "Double", "2", "4"},
    {"Output", "BoltCount", "Double", "4", "8"},
    {"Output", "Pitch", "Double", "70", "65"},
};

// IPE 240 (h 240, b 120, tf 9.8) with M16 bolts (hole 18): edge 27 to 5 = 25; thickness
// 1.5*9.8 = 14.7, stock 15 is nearer than 12 and within +10; width: no bar for 15 mm fits
// 140 within +30 (180 is 40 away), so 140 rounded to 10 stays 140; height 270; gauge 72 to 10
// = 70; side edge 35. Bolt layout: inner 240 - 19.6 - 50 = 170.4, minimum pitch 54 to 5 = 55,
// rows INT(3.1) + 1 = 4, pitch 56.8 down to 5 = 55, bolts 8.
const std::vector<Var> kIpe240Vars = {
    {"Input", "Beam.Name", "String", "IPE-240", "IPE-240"},
    {"Input", "Bolt.Diameter", "Double", "16", "16"},
    {"Output", "PlateWidth", "Double", "150", "140"},
    {"Output", "PlateHeight", "Double", "300", "270"},
    {"Output", "PlateThickness", "Double", "12", "15"},
    {"Output", "HoleDia", "Double", "18", "18"},
    {"Output", "EdgeDist", "Double", "30", "25"},
    {"Output", "EdgeSide", "Double", "30", "35"},
    {"Output", "Gauge", "Double", "80", "70"},
    {"Output", "BoltRows", "Double", "2", "4"},
    {"Output", "BoltCount", "Double", "4", "8"},
    {"Output", "Pitch", "Double", "60", "55"},
};

TEST_F(EvalProgram, ExampleByKeyGivesTheHandWorkedPlate) {
    const ProgramRun run =
        vnstd({"--lib", kLibrary, "eval", "EndPlate", kIpe300, "--key", "EndPlateIPE300"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(parseTable(run.out), kIpe300Vars) << run.out;
    // The bare program runs exactly this.
    const ProgramRun bare = vnstd({});
    EXPECT_EQ(bare.exitCode, 0) << bare.err;
    EXPECT_EQ(bare.out, run.out);
}

TEST_F(EvalProgram, ModuleGroupExampleGivesTheHandWorkedPlate) {
    const ProgramRun run =
        vnstd({"eval", "EndPlate", kGroup, "--module", "EndPlate", "--lib", kLibrary});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(parseTable(run.out), kIpe240Vars) << run.out;
    // "Module.GROUP" as a key is the same group.
    const ProgramRun byKey = vnstd({"eval", "EndPlate", kGroup, "--key", "Module.EndPlate"});
    EXPECT_EQ(byKey.exitCode, 0) << byKey.err;
    EXPECT_EQ(byKey.out, run.out);
}

TEST_F(EvalProgram, JsonIsValidAndCarriesTheSameValuesAndTimers) {
    const ProgramRun run =
        vnstd({"eval", "EndPlate", kGroup, "--module=EndPlate", "--json", "--timings"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Json doc;
    ASSERT_TRUE(parseJson(run.out, doc)) << run.out;
    EXPECT_EQ(doc["standard"].text, "EndPlate");
    EXPECT_EQ(doc["macro"].text, kGroup);
    EXPECT_EQ(doc["ok"].text, "true");
    EXPECT_EQ(jsonVars(doc), kIpe240Vars);
    const std::vector<std::string>& names = doc["timings"].keys;
    for (const Json& figures : doc["timings"].items) {
        EXPECT_EQ(figures["laps"].kind, Json::kNumber);
        EXPECT_EQ(figures["total_ms"].kind, Json::kNumber);
    }
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), timerNames());
    EXPECT_EQ(doc["timings"]["gCalcMain"]["laps"].text, "1");
    EXPECT_EQ(doc["timings"]["gCalcChild"]["laps"].text, "1");
    // A failure is JSON too, with its reason.
    const ProgramRun failed = vnstd({"eval", "EndPlate", kGroup, "--key", "Bogus", "--json"});
    EXPECT_EQ(failed.exitCode, 1);
    Json failure;
    ASSERT_TRUE(parseJson(failed.out, failure)) << failed.out;
    EXPECT_EQ(failure["ok"].text, "false");
    EXPECT_NE(failure["reason"].text.find("no key 'Bogus'"), std::string::npos);
}

TEST_F(EvalProgram, TimingsFollowTheTableWithAllTwentyFiveTimers) {
    const ProgramRun run =
        vnstd({"eval", "EndPlate", kIpe300, "--key", "EndPlateIPE300", "--timings"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(parseTable(run.out), kIpe300Vars);
    const std::string timers = run.out.substr(run.out.find("\n\n") + 2);
    std::istringstream lines(timers);
    std::string line, name;
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("timer ", 0), 0u) << line;
    std::set<std::string> seen;
    std::map<std::string, std::pair<int, double>> figures;
    int laps = -1;
    double ms = 0;
    while (lines >> name >> laps >> ms) {
        seen.insert(name);
        figures[name] = {laps, ms};
    }
    EXPECT_EQ(seen, timerNames());
    // The parent and the bolt layout child: nested laps are counted, and the outer time
    // covers the inner steps'.
    EXPECT_EQ(figures["gLoadFile"].first, 2);
    EXPECT_EQ(figures["gCalcCells"].first, 2);
    EXPECT_EQ(figures["gCalcCellCalcNativeFunctions"].first, 1);
    EXPECT_GE(figures["gCalcCells"].second, figures["gCalcCellCalcNativeFunctions"].second);
    EXPECT_GE(figures["gCalcCells"].second, figures["gCalcChild"].second);
}

TEST_F(EvalProgram, WriteStoresTheNewValuesAndLeavesNothingElse) {
    const std::string lib = copyExamples();
    const std::string file = macro("endplate_ipe300.macro");
    auto macroFolder = [this] {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_ / "macros"))
            names.insert(entry.path().filename().string());
        return names;
    };
    const std::set<std::string> before = macroFolder();
    ASSERT_TRUE(before.contains("endplate_ipe300.macro"));
    const ProgramRun run =
        vnstd({"eval", "EndPlate", file, "--key", "EndPlateIPE300", "--lib", lib, "--write"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(parseTable(run.out), kIpe300Vars);
    EXPECT_EQ(macroFolder(), before);
    // Only the changed values are replaced: comments, blank lines and columns stay.
    const std::string text = readFile(file);
    const std::string was = readFile(evaltest::kSource + "/examples/macros/endplate_ipe300.macro");
    EXPECT_NE(text.find("\n  var W 180                     # plate width\n"), std::string::npos)
        << text;
    EXPECT_EQ(text.rfind("# A flush end plate joining", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(was.begin(), was.end(), '\n'));
    EXPECT_EQ(text.size(), was.size());
    // Read back, the stored values are the new ones and a second evaluation changes nothing.
    const ProgramRun again =
        vnstd({"eval", "EndPlate", file, "--key", "EndPlateIPE300", "--lib", lib});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    for (const Var& v : parseTable(again.out)) EXPECT_EQ(v.before, v.after) << v;
    // The module-group road writes into the group's module.
    const std::string group = macro("endplate_group.macro");
    ASSERT_EQ(vnstd({"eval", "EndPlate", group, "--module", "EndPlate", "--lib", lib, "--write"})
                  .exitCode,
              0);
    EXPECT_NE(readFile(group).find("\n  var PlateWidth 140"), std::string::npos) << readFile(group);
}

TEST_F(EvalProgram, GeneralVariablesReachTheStandardTextsQuoted) {
    const std::string lib = copyExamples();
    addStandard("Gen", {{"Input"},
                        {"Double PlateThickness"},
                        {"Output"},
                        {"Double PlateWidth", "Double PlateHeight"},
                        {"Calc"},
                        {"PlateWidth = PlateThickness*gen_Factor + gen_Extra"},
                        {"PlateHeight = IF(gen_Kind=\"wide\", 500, 100)"},
                        {"PlateThickness = PlateThickness + gen_Extra"}});
    const ProgramRun run =
        vnstd({"eval", "Gen", macro("endplate_group.macro"), "--module", "EndPlate", "--lib", lib,
               "--gen", "gen_Factor=10", "--gen=gen_Extra=0.5", "--gen", "gen_Kind=wide"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(parseTable(run.out),
              (std::vector<Var>{{"Input", "PlateThickness", "Double", "12", "12.5"},
                                {"Output", "PlateWidth", "Double", "150", "120.5"},
                                {"Output", "PlateHeight", "Double", "300", "500"}}));
}

TEST_F(EvalProgram, MessageBoxesBecomeWarningLinesOnStderr) {
    const std::string lib = copyExamples();
    addStandard("Noisy", {{"Input"},
                          {"Double PlateThickness"},
                          {"Output"},
                          {"Double PlateWidth", "Double PlateWidth"},
                          {"Calc"},
                          {"a note without an equation"},
                          {"PlateWidth = PlateThickness*2"}});
    const std::vector<std::string> args = {
        "eval", "Noisy", macro("endplate_group.macro"), "--module", "EndPlate", "--lib", lib};
    const ProgramRun quiet = vnstd(args);
    ASSERT_EQ(quiet.exitCode, 0) << quiet.err;
    EXPECT_EQ(quiet.err.rfind("warning: There were duplicate variable names found", 0), 0u)
        << quiet.err;
    EXPECT_EQ(quiet.err.find("equation failed"), std::string::npos) << quiet.err;
    EXPECT_EQ(std::count(quiet.err.begin(), quiet.err.end(), '\n'), 1) << quiet.err;
    EXPECT_EQ(parseTable(quiet.out),
              (std::vector<Var>{{"Input", "PlateThickness", "Double", "12", "12"},
                                {"Output", "PlateWidth", "Double", "150", "24"}}));
    std::vector<std::string> loud = args;
    loud.push_back("--messages");
    const ProgramRun messages = vnstd(loud);
    EXPECT_EQ(messages.exitCode, 0);
    EXPECT_NE(messages.err.find("\nwarning: The following equation failed: a note without an "
                                "equation Spreadsheet : "),
              std::string::npos)
        << messages.err;
    EXPECT_EQ(messages.out, quiet.out);
    // In a folder run each warning names its macro file.
    const ProgramRun folder = vnstd({"eval", "Noisy", "--macros", (dir_ / "macros").string(),
                                     "--module", "EndPlate", "--lib", lib});
    EXPECT_EQ(folder.err.rfind("warning: " + macro("endplate_group.macro") +
                                   ": There were duplicate variable names",
                               0),
              0u)
        << folder.err;
}

}  // namespace
}  // namespace evaltest
