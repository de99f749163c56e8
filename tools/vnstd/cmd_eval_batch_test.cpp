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
