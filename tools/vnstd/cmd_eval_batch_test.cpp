// A folder of macros evaluated in one run gives each macro the same result as a run of its own:
// a sample of end plates of several beams and bolt sizes, the same file several times over,
// written back with --write and compared byte by byte with the files of single runs.
#include <gtest/gtest.h>

#include <fstream>

#include "cmd_eval_fixture.h"

using namespace evaltest;

namespace {

// The example macro with another beam and bolt diameter.
std::string variant(const std::string& beam, int bolt) {
    std::string text = readFile(kIpe300);
    const auto replace = [&](const std::string& from, const std::string& to) {
        const size_t at = text.find(from);
        if (at != std::string::npos) text.replace(at, from.size(), to);
    };
    replace("profile IPE-300", "profile " + beam);
    replace("bolts 20 2", "bolts " + std::to_string(bolt) + " 2");
    return text;
}

}  // namespace

class EvalBatch : public EvalProgram {};

TEST_F(EvalBatch, AFolderRunWritesWhatSingleRunsWrite) {
    const std::string lib = copyExamples();
    const fs::path folder = dir_ / "batch";
    const fs::path single = dir_ / "single";
    fs::create_directories(folder);
    fs::create_directories(single);
    const char* beams[] = {"IPE-200", "IPE-300", "IPE-240", "IPE-300"};
    const int bolts[] = {16, 20, 24};
    std::vector<std::string> names;
    for (int i = 0; i < 12; ++i) {
        const std::string name = "m" + std::to_string(10 + i) + ".macro";
        const std::string text = variant(beams[i % 4], bolts[i % 3]);
        std::ofstream(folder / name, std::ios::binary) << text;
        std::ofstream(single / name, std::ios::binary) << text;
        names.push_back(name);
    }
    const ProgramRun batch = vnstd({"eval", "EndPlate", "--macros", folder.string(), "--key",
                                    "EndPlateIPE300", "--lib", lib, "--write"});
    ASSERT_EQ(batch.exitCode, 0) << batch.err;
    EXPECT_NE(batch.out.find("evaluated: 12"), std::string::npos) << batch.out;
    for (const std::string& name : names) {
        const ProgramRun one = vnstd({"eval", "EndPlate", (single / name).string(), "--key",
                                      "EndPlateIPE300", "--lib", lib, "--write"});
        ASSERT_EQ(one.exitCode, 0) << one.err;
        EXPECT_EQ(readFile(folder / name), readFile(single / name)) << name;
    }
    // The values were written, and the beams and bolts gave different plates.
    EXPECT_NE(readFile(folder / names[0]), variant(beams[0], bolts[0]));
    EXPECT_NE(readFile(folder / names[0]), readFile(folder / names[1]));
}

// Worker processes change nothing a folder run prints: the same summary, the same warnings in
// the order of the files, the timers' laps added up over the workers.
TEST_F(EvalBatch, WorkerProcessesPrintWhatOneProcessPrints) {
    const std::string lib = copyExamples();
    const std::string folder = (dir_ / "macros").string();
    for (int i = 0; i < 3; ++i)
        fs::copy_file(kIpe300, dir_ / "macros" / ("copy" + std::to_string(i) + ".macro"));
    const std::vector<std::string> args = {"eval",  "EndPlate",       "--macros", folder,
                                           "--key", "EndPlateIPE300", "--lib",    lib};
    const ProgramRun one = vnstd(args);
    ASSERT_EQ(one.exitCode, 1) << one.err;  // end_plate.macro fails, two_beams.macro warns
    ASSERT_NE(one.err.find("warning: "), std::string::npos);
    for (const char* jobs : {"2", "3", "64"}) {
        std::vector<std::string> withJobs = args;
        withJobs.insert(withJobs.end(), {"--jobs", jobs});
        const ProgramRun run = vnstd(withJobs);
        EXPECT_EQ(run.exitCode, one.exitCode) << jobs;
        EXPECT_EQ(run.out, one.out) << jobs;
        EXPECT_EQ(run.err, one.err) << jobs;
    }
    std::vector<std::string> timed = args;
    timed.insert(timed.end(), {"--json", "--timings"});
    Json alone, workers;
    ASSERT_TRUE(parseJson(vnstd(timed).out, alone));
    timed.insert(timed.end(), {"--jobs", "2"});
    ASSERT_TRUE(parseJson(vnstd(timed).out, workers));
    for (const char* timer : {"gLoadFile", "gCalcMain", "gCalcCells", "gCalcChild"})
        EXPECT_EQ(workers["timings"][timer]["laps"].text, alone["timings"][timer]["laps"].text)
            << timer;
    EXPECT_EQ(alone["timings"]["gCalcMain"]["laps"].text, "6");
}

TEST_F(EvalBatch, JobsAreCheckedAsAnOptionOfAFolderRun) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"eval", "EndPlate", "--macros", "d", "--key", "K", "--jobs",
                                   "0"},
          std::vector<std::string>{"eval", "EndPlate", "--macros", "d", "--key", "K", "--jobs",
                                   "2x"},
          std::vector<std::string>{"eval", "EndPlate", "m.macro", "--key", "K", "--jobs", "2"}}) {
        const ProgramRun run = vnstd(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("--jobs"), std::string::npos) << run.err;
    }
}
