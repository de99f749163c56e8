// vnstd mapping link driven through the built program on a copy of the example library.
#include <string>
#include <vector>

#include "cmd_eval_fixture.h"

namespace evaltest {
namespace {

class MappingLink : public EvalProgram {
  protected:
    void SetUp() override {
        EvalProgram::SetUp();
        lib = copyExamples();
        mapFile = fs::path(lib) / "Connection Standards" / "EndPlate.map";
    }
    ProgramRun link(std::vector<std::string> args) {
        std::vector<std::string> all = {"--lib", lib, "mapping", "link", "EndPlate"};
        all.insert(all.end(), args.begin(), args.end());
        return vnstd(all);
    }
    // The keys of the mapping file's lines, in order.
    std::vector<std::string> keys() const {
        std::vector<std::string> found;
        const std::string text = readFile(mapFile);
        for (size_t at = text.find("\r\n"); at != std::string::npos;
             at = text.find("\r\n", at + 2)) {
            const size_t eq = text.find('=', at);
            if (eq != std::string::npos) found.push_back(text.substr(at + 2, eq - at - 2));
        }
        return found;
    }
    // The line of a key.
    std::string line(const std::string& key) const {
        const std::string text = readFile(mapFile);
        const size_t at = text.find("\n" + key + "=");
        return at == std::string::npos ? "" : text.substr(at + 1, text.find('\r', at) - at - 1);
    }

    std::string lib;
    fs::path mapFile;
};

TEST_F(MappingLink, AChangedLinkGetsAFreshKeyAndTheSameLinksKeepTheKey) {
    const ProgramRun changed =
        link({"--key", "EndPlateIPE300", "--macro", macro("endplate_ipe300.macro"),
              "PlateWidth=End plate.H.Distance"});
    ASSERT_EQ(changed.exitCode, 0) << changed.err;
    ASSERT_EQ(changed.out.size(), 25u) << changed.out;
    const std::string key = changed.out.substr(0, 24);
    EXPECT_EQ(keys(), (std::vector<std::string>{"EndPlateIPE300", key}));
    EXPECT_NE(line(key).find(std::string("PlateWidth\x83") + "End plate\x95" + "Distance H"),
              std::string::npos);
    // The other links came along from the old line.
    EXPECT_NE(line(key).find(std::string("Beam.Name\x83\x95") + "PrPlName Prof0"),
              std::string::npos);

    const std::string before = readFile(mapFile);
    const ProgramRun same = link({"--key", key, "PlateWidth=End plate.H.Distance"});
    ASSERT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, key + "\n");
    EXPECT_EQ(readFile(mapFile), before);
}

TEST_F(MappingLink, RemovingALinkIsAChange) {
    const ProgramRun run = link({"--key", "EndPlateIPE300", "Pitch="});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string key = run.out.substr(0, 24);
    ASSERT_EQ(keys().size(), 2u);
    EXPECT_EQ(line(key).find("Pitch\x83"), std::string::npos);
    EXPECT_NE(line(key).find("Gauge\x83"), std::string::npos);
}

TEST_F(MappingLink, BadInputIsRefusedWithAMessageAndNothingWritten) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    };
    const std::vector<Case> cases = {
        {{"Nope=End plate.W.Distance"}, 2, "no Input or Output variable of EndPlate"},
        {{"Section=.Prof0.PrPlName"}, 2, "no Input or Output variable"},  // a Local
        {{"PlateWidth=End plate.W"}, 2, "with a known KIND"},
        {{"PlateWidth=End plate.W.Dist"}, 2, "with a known KIND"},
        {{"PlateWidth=.Prof0.PrPlName"}, 2, "cannot take a PrPlName"},
        {{"PlateWidth"}, 2, "is not VAR=OBJECT.PROPERTY.KIND"},
        {{}, 2, "usage: vnstd mapping link"},
        {{"--key", "Missing", "Pitch="}, 1, "no line with the key 'Missing'"},
        {{"--macro", macro("endplate_ipe300.macro"), "PlateWidth=Ghost.W.Distance"},
         1,
         "the macro has no Ghost.W.Distance"},
    };
    const std::string before = readFile(mapFile);
    for (const Case& c : cases) {
        const ProgramRun run = link(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    const ProgramRun missing = vnstd({"--lib", lib, "mapping", "link", "Nope", "A="});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("cannot read the variables of"), std::string::npos);
    EXPECT_EQ(readFile(mapFile), before);
}

}  // namespace
}  // namespace evaltest
