// vnstd explain on the example end plate, checked against the values worked out by hand
// (cmd_eval_test.cpp shows the working): the cells, the choices of the functions, the child's
// Output and the arguments it was given, and the macro properties the mapping names.
#include <string>

#include "cmd_eval_fixture.h"

namespace evaltest {
namespace {

const Json* use(const Json& node, const std::string& name) {
    for (const Json& u : node["uses"].items)
        if (u["name"].text == name) return &u;
    return nullptr;
}

class ExplainProgram : public EvalProgram {
  protected:
    Json explain(const std::vector<std::string>& outputs) {
        std::vector<std::string> args = {"--lib", kLibrary, "explain",        "EndPlate",
                                         kIpe300, "--key",  "EndPlateIPE300", "--json"};
        args.insert(args.end(), outputs.begin(), outputs.end());
        const ProgramRun run = vnstd(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        Json doc;
        EXPECT_TRUE(parseJson(run.out, doc)) << run.out;
        return doc;
    }
};

TEST_F(ExplainProgram, PlateWidthComesFromTheStockWidthsWithinTheWindow) {
    const Json doc = explain({"PlateWidth"});
    ASSERT_EQ(doc["outputs"].items.size(), 1u);
    const Json& width = doc["outputs"].items[0];
    EXPECT_EQ(width["value"].text, "180");
    EXPECT_EQ(width["origin"].text, "cell");
    EXPECT_EQ(width["row"].text, "18");
    EXPECT_EQ(width["formula"].text,
              "STDWIDTHWITHTOLERANCE(\"endplate_widths.txt\", 10, C4, C8 + 20, 0, 30)");
    ASSERT_EQ(width["choices"].items.size(), 1u);
    const Json& choice = width["choices"].items[0];
    // Widths for 20 mm plate (or any thickness), sorted; wanted b + 20 = 170, up to +30.
    std::vector<std::string> candidates;
    for (const Json& c : choice["candidates"].items) candidates.push_back(c.text);
    EXPECT_EQ(candidates, (std::vector<std::string>{"180", "200", "250", "300"}));
    EXPECT_EQ(choice["low"].text, "170");
    EXPECT_EQ(choice["high"].text, "200");
    EXPECT_EQ(choice["result"].text, "180");

    const Json* thickness = use(width, "PlateThickness");
    ASSERT_NE(thickness, nullptr);
    EXPECT_EQ((*thickness)["value"].text, "20");
    EXPECT_EQ((*thickness)["choices"].items[0]["low"].text, "16.05");  // 1.5 * tf 10.7
    const Json* b = use(width, "B");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ((*b)["value"].text, "150");
    EXPECT_EQ((*b)["choices"].items[0]["detail"].text, "section IPE-300, column 6");
    const Json* section = use(*b, "Section");
    ASSERT_NE(section, nullptr);
    const Json* beam = use(*section, "Beam.Name");
    ASSERT_NE(beam, nullptr);
    EXPECT_EQ((*beam)["origin"].text, "macro");
    EXPECT_EQ((*beam)["from"].text, "PrPlName Prof0 (mapping key EndPlateIPE300)");
}

TEST_F(ExplainProgram, BoltRowsComeFromTheChildWithTheArgumentsItWasGiven) {
    const Json doc = explain({"BoltRows"});
    ASSERT_EQ(doc["outputs"].items.size(), 1u);
    const Json& rows = doc["outputs"].items[0];
    EXPECT_EQ(rows["value"].text, "4");
    EXPECT_EQ(rows["origin"].text, "child");
    EXPECT_EQ(rows["from"].text, "the Output 'Rows' of the child BoltLayout.vns");
    const Json* childRows = use(rows, "Rows");
    ASSERT_NE(childRows, nullptr);
    const Json* inner = use(*childRows, "Inner");
    const Json* minPitch = use(*childRows, "MinPitch");
    ASSERT_TRUE(inner && minPitch);
    EXPECT_EQ((*inner)["value"].text, "208.6");  // 300 - 2*10.7 - 2*35
    EXPECT_EQ((*minPitch)["value"].text, "65");  // 3*22 to 5
    const Json* edge = use(*inner, "Edge");
    ASSERT_NE(edge, nullptr);
    EXPECT_EQ((*edge)["origin"].text, "argument");
    EXPECT_EQ((*edge)["value"].text, "35");
    ASSERT_EQ((*edge)["uses"].items.size(), 1u);
    EXPECT_EQ((*edge)["uses"].items[0]["name"].text, "EdgeDist");
}

TEST_F(ExplainProgram, EveryOutputWithoutNamesAndTextForm) {
    EXPECT_EQ(explain({})["outputs"].items.size(), 10u);
    const ProgramRun run = vnstd(
        {"--lib", kLibrary, "explain", "EndPlate", kIpe300, "--key", "EndPlateIPE300", "Gauge"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "Gauge = 90  (Output Double)");
    EXPECT_NE(run.out.find("  formula: ROUNDTO(0.6*C8, 10)\n"), std::string::npos) << run.out;
}

TEST_F(ExplainProgram, GeneralVariablesAreListedWithTheCellThatUsesThem) {
    const std::string lib = copyExamples();
    addStandard("Gap", {{"Input"},
                        {"String Beam.Name"},
                        {"Output"},
                        {"Double PlateWidth"},
                        {"Calc"},
                        {"PlateWidth = 100 + gen_Gap"}});
    const ProgramRun run = vnstd({"--lib", lib, "explain", "Gap", macro("endplate_group.macro"),
                                  "--module", "EndPlate", "--gen", "gen_Gap=7", "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    Json doc;
    ASSERT_TRUE(parseJson(run.out, doc)) << run.out;
    const Json& width = doc["outputs"].items[0];
    EXPECT_EQ(width["value"].text, "107");
    EXPECT_EQ(width["text"].text, "PlateWidth = 100 + 7");
    const Json* gap = use(width, "gen_Gap");
    ASSERT_NE(gap, nullptr);
    EXPECT_EQ((*gap)["origin"].text, "general");
    EXPECT_EQ((*gap)["value"].text, "7");
}

TEST_F(ExplainProgram, AnOutputTheStandardDoesNotHaveFails) {
    const ProgramRun run = vnstd(
        {"--lib", kLibrary, "explain", "EndPlate", kIpe300, "--key", "EndPlateIPE300", "Nothing"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("no Output named 'Nothing'"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace evaltest
