#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_test_run.h"
#include "commands.h"
#include "ktx_settings.h"
#include "macro_file.h"
#include "macro_load_standards.h"
#include "path_translation.h"
#include "section_table_manager.h"

namespace {

namespace fs = std::filesystem;
using vnstd_test::Captured;
using vnstd_test::run;

const fs::path kExample = fs::path(VN_SOURCE_DIR) / "examples/library/Macros/End plates/EndPlate dialog.macro";

std::string textOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class MacroEdit : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vn_macro_edit_" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::copy_file(kExample, macro_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string steps(const std::vector<std::string>& events) {
        std::ofstream out(stepsFile_);
        for (const std::string& e : events) out << e << "\n";
        return stepsFile_.string();
    }
    fs::path dir_;
    fs::path macro_ = fs::temp_directory_path() / ("vn_macro_edit_" + std::to_string(getpid())) /
                      "end plate.macro";
    fs::path stepsFile_ = macro_.parent_path() / "steps.txt";
};

// The plate thickness field of the plate tab's template (its seventh control).
const char* kTypeThickness = R"({"kind":"type","id":33006,"text":"25"})";
const char* kLeaveThickness = R"({"kind":"leave","id":33006})";

TEST_F(MacroEdit, AThicknessTypedInTheTemplateChangesTheMacroWrittenBackOnClose) {
    const std::string original = textOf(macro_);
    const std::string file = macro_.string();
    Captured dry =
        run(runMacroCommand, {"edit", file, "--steps", steps({kTypeThickness, kLeaveThickness})});
    EXPECT_EQ(dry.code, 0) << dry.err;
    EXPECT_EQ(textOf(macro_), original);  // without --write nothing is written

    clearMacroCoreCallLog();
    Captured c = run(runMacroCommand, {"edit", file, "--write", "--steps",
                                       steps({kTypeThickness, kLeaveThickness})});
    ASSERT_EQ(c.code, 0) << c.err;
    EXPECT_NE(c.err.find("wrote " + file), std::string::npos) << c.err;
    const auto& log = macroCoreCallLog();
    EXPECT_GE(std::count(log.begin(), log.end(), "clashcheck"), 2);  // opening and applying
    std::string expected = original;
    for (const char* line : {"  var PlateThickness ", "  cell PlateThickness "}) {
        const size_t at = expected.find(std::string(line) + "12");
        ASSERT_NE(at, std::string::npos) << line;
        expected.replace(at + std::string(line).size(), 2, "25");
    }
    EXPECT_EQ(textOf(macro_), expected);  // only the two values changed, comments kept
}

TEST_F(MacroEdit, LoadFromStandardsGivesTheValuesOfEval) {
    Ktx_Macro macro;
    MacroData data;
    Ktx_String error;
    ASSERT_TRUE(readMacroFile(windowsPathFromHost(kExample.string()), macro, data, error))
        << error.str();
    data.edit.macros = {&macro};
    gSettings.setLibDir(windowsPathFromHost(std::string(VN_SOURCE_DIR) + "/examples/library"));
    gSectionTables.loadLibrary();
    installMacroStandardsEvaluator();
    ASSERT_EQ(data.loadFromStandards(), Acad::eOk);

    Captured eval = run(runEvalCommand, {"EndPlate", macro_.string(), "--module", "EndPlate",
                                         "--write", "--force"});
    ASSERT_EQ(eval.code, 0) << eval.err;
    Ktx_Macro evaluated;
    MacroData evaluatedData;
    ASSERT_TRUE(
        readMacroFile(windowsPathFromHost(macro_.string()), evaluated, evaluatedData, error));
    ASSERT_EQ(evaluated.modules.size(), macro.modules.size());
    for (const Ktx_Module& m : evaluated.modules) {
        for (const Ktx_ConstrVar& v : m.variables) {
            const Ktx_ConstrVar* loaded =
                macro.findModule(Ktx_String(m.name.c_str()))->findVariable(v.name);
            ASSERT_NE(loaded, nullptr) << m.name << "." << v.name;
            EXPECT_EQ(loaded->value, v.value) << m.name << "." << v.name;
        }
    }
    // The load changed the plate (so the comparison above is no comparison of unchanged files)
    // and the plate tab shows the macro's new value.
    EXPECT_EQ(macro.findModule(Ktx_String("Plate1"))->findVariable("PlateThickness")->value, 20.0);
    EXPECT_EQ(data.tabs[0].findCellWithName(Ktx_String("PlateThickness"))->value, "20");
}

TEST_F(MacroEdit, UsageAndFileErrors) {
    EXPECT_EQ(run(runMacroCommand, {"edit"}).code, 2);
    EXPECT_EQ(run(runMacroCommand, {"edit", macro_.string(), "--port", "http"}).code, 2);
    Captured missing =
        run(runMacroCommand, {"edit", (dir_ / "none.macro").string(), "--steps", steps({})});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("cannot read macro file"), std::string::npos) << missing.err;
    Captured badSteps =
        run(runMacroCommand, {"edit", macro_.string(), "--steps", (dir_ / "none.txt").string()});
    EXPECT_EQ(badSteps.code, 1);
    Captured help = run(runMacroCommand, {"edit", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("usage: vnstd macro edit FILE"), std::string::npos);
}

}  // namespace
