// vnstd eval when things go wrong, and over a folder: exit codes and messages, a failed
// evaluation leaving the macro file alone, the folder summary and its progress line.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "cmd_eval_fixture.h"
#include "commands.h"
#include "ktx_settings.h"
#include "module_session.h"
#include "path_translation.h"

namespace evaltest {
namespace {

TEST_F(EvalProgram, AFailedEvaluationLeavesTheMacroFileByteIdentical) {
    const std::string lib = copyExamples();
    addStandard("NoCalc",
                {{"Input"}, {"Double PlateThickness"}, {"Output"}, {"Double PlateWidth"}});
    const std::string group = macro("endplate_group.macro");
    const std::string before = readFile(group);
    const ProgramRun noCalc =
        vnstd({"eval", "NoCalc", group, "--module", "EndPlate", "--lib", lib, "--write"});
    EXPECT_EQ(noCalc.exitCode, 1);
    EXPECT_EQ(noCalc.out, "");
    EXPECT_NE(noCalc.err.find("vnstd: the evaluation of 'NoCalc' failed while calculating"),
              std::string::npos)
        << noCalc.err;
    // The bolt diameter of this macro's tab is "M20", which a Double input cannot take.
    const std::string endPlate = macro("end_plate.macro");
    const std::string endPlateBefore = readFile(endPlate);
    const ProgramRun badInput =
        vnstd({"eval", "EndPlate", endPlate, "--key", "EndPlateIPE300", "--lib", lib, "--write"});
    EXPECT_EQ(badInput.exitCode, 1);
    EXPECT_NE(badInput.err.find("failed while writing the inputs into the sheet"),
              std::string::npos)
        << badInput.err;
    EXPECT_EQ(
        vnstd({"eval", "Missing", group, "--module", "EndPlate", "--lib", lib, "--write"}).exitCode,
        1);
    EXPECT_EQ(readFile(group), before);
    EXPECT_EQ(readFile(endPlate), endPlateBefore);
}

TEST_F(EvalProgram, UsageErrorsExitTwoAndFailuresOneWithAClearMessage) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> usage = {
        {{"eval"}, "eval: no arguments"},
        {{"eval", "EndPlate", kIpe300}, "give exactly one of --key KEY and --module GROUP"},
        {{"eval", "EndPlate", kIpe300, "--key", "K", "--module", "M"}, "exactly one of"},
        {{"eval", "EndPlate", "--key", "K"}, "no macro file given"},
        {{"eval", "EndPlate", kIpe300, "x", "--key", "K"}, "too many arguments ('x')"},
        {{"eval", "EndPlate", kIpe300, "--key"}, "option --key needs a value"},
        {{"eval", "EndPlate", kIpe300, "--key", "K", "--gen", "novalue"}, "NAME=VALUE"},
        {{"eval", "EndPlate", kIpe300, "--key", "K", "--bogus"}, "unknown option '--bogus'"},
        {{"eval", "EndPlate", kIpe300, "--key", "K", "--lib", "/no/such"}, "no library folder"},
        {{"eval", "EndPlate", "--macros", "/no/such", "--key", "K"}, "no folder '/no/such'"},
    };
    for (const auto& [args, message] : usage) {
        const ProgramRun run = vnstd(args);
        EXPECT_EQ(run.exitCode, 2) << args.back();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("vnstd: eval: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Try 'vnstd eval --help'"), std::string::npos) << run.err;
    }
    const std::vector<std::pair<std::vector<std::string>, std::string>> failures = {
        {{"eval", "Missing", kIpe300, "--key", "K"}, "no standard 'Missing' (looked for "},
        {{"eval", "EndPlate", dir_.string() + "/none.macro", "--key", "K"},
         "cannot read macro file '" + dir_.string() + "/none.macro'"},
        {{"eval", "EndPlate", kIpe300, "--key", "Bogus"}, "no key 'Bogus' in the mapping file "},
        {{"eval", "EndPlate", kIpe300, "--module", "Bogus"},
         "the macro has no module group, module label or module named 'Bogus'"},
    };
    for (const auto& [args, message] : failures) {
        const ProgramRun run = vnstd(args);
        EXPECT_EQ(run.exitCode, 1) << message;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("vnstd: " + message, 0), 0u) << run.err;
    }
    // Help needs no library.
    for (const char* help : {"--help", "-h"}) {
        const ProgramRun run = vnstd({"--lib", "/no/such", "eval", "EndPlate", help});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out.rfind("usage: vnstd eval STANDARD MACRO_FILE", 0), 0u) << run.out;
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(EvalProgram, FolderRunSummarisesEveryMacroWithoutProgressOffATerminal) {
    const std::string lib = copyExamples();
    const ProgramRun run = vnstd({"eval", "EndPlate", "--macros", (dir_ / "macros").string(),
                                  "--key", "EndPlateIPE300", "--lib", lib});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "evaluated: 4\nfailed: 1\n  " + macro("end_plate.macro") +
                           ": the evaluation of 'EndPlate' failed while writing the inputs into "
                           "the sheet\n");
    EXPECT_EQ(run.err.find('\r'), std::string::npos);
    // No progress lines; what could not be retrieved or set is named per macro file.
    EXPECT_EQ(run.err.find("[1/4]"), std::string::npos);
    EXPECT_NE(run.err.find("warning: " + macro("two_beams.macro") +
                           ": the Input variable 'Bolt.Diameter' could not be retrieved"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find(macro("endplate_ipe300.macro")), std::string::npos) << run.err;
    // By module group: the macros without that group are named with the reason.
    const ProgramRun group = vnstd({"eval", "EndPlate", "--macros", (dir_ / "macros").string(),
                                    "--module", "EndPlate", "--lib", lib, "--json", "--timings"});
    EXPECT_EQ(group.exitCode, 1);
    Json doc;
    ASSERT_TRUE(parseJson(group.out, doc)) << group.out;
    EXPECT_EQ(doc["evaluated"].text, "4");
    EXPECT_EQ(doc["failed"].text, "3");
    ASSERT_EQ(doc["failures"].items.size(), 3u);
    EXPECT_EQ(doc["failures"].items[0]["macro"].text, macro("end_plate.macro"));
    EXPECT_EQ(doc["timings"]["gCalcMain"]["laps"].text, "1");
    // A folder where every macro evaluates succeeds.
    fs::create_directories(dir_ / "good");
    fs::copy_file(kIpe300, dir_ / "good" / "a.macro");
    fs::copy_file(kIpe300, dir_ / "good" / "b.macro");
    const ProgramRun good = vnstd({"eval", "EndPlate", "--macros", (dir_ / "good").string(),
                                   "--key", "EndPlateIPE300", "--lib", lib});
    EXPECT_EQ(good.exitCode, 0) << good.err;
    EXPECT_EQ(good.out, "evaluated: 2\nfailed: 0\n");
}

// The progress line needs a terminal, so this runs the command in-process with stderr marked as
// one: a line per file, each overwriting the last, and a line break before the summary.
TEST_F(EvalProgram, FolderRunOnATerminalShowsProgress) {
    fs::create_directories(dir_ / "good");
    fs::copy_file(kIpe300, dir_ / "good" / "a.macro");
    fs::copy_file(kIpe300, dir_ / "good" / "b.macro");
    CliContext context;
    context.out = std::tmpfile();
    context.err = std::tmpfile();
    context.errIsTerminal = true;
    context.libDir = kLibrary;
    gSettings.setLibDir(windowsPathFromHost(kLibrary));
    int code = -1;
    {
        ModuleSession session(context.err);
        ASSERT_TRUE(session.loaded());
        code = runEvalCommand(
            context, {"EndPlate", "--macros", (dir_ / "good").string(), "--key", "EndPlateIPE300"});
    }
    std::rewind(context.err);
    std::string err(4096, '\0');
    err.resize(std::fread(err.data(), 1, err.size(), context.err));
    std::fclose(context.err);
    std::fclose(context.out);
    EXPECT_EQ(code, 0);
    const std::string good = (dir_ / "good").string();
    EXPECT_EQ(err, "\r[1/2] " + good + "/a.macro\x1b[K\r[2/2] " + good + "/b.macro\x1b[K\n");
}

}  // namespace
}  // namespace evaltest
