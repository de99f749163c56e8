// vnstd lint driven through the built program: each rule with one standard that triggers it,
// and the example library, which triggers none.
#include <fstream>
#include <string>
#include <vector>

#include "cmd_eval_fixture.h"

namespace evaltest {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// One rule: a standard (and what it needs besides) and the finding it must give.
struct RuleCase {
    const char* code;
    const char* standard;  // its file name in "Connection Standards"
    Rows rows;
    const char* findingFile;  // the file the finding names (a suffix of its path)
    int row, col;
    bool error;
};

Rows plain(const std::vector<std::string>& calc, const std::vector<std::string>& locals = {}) {
    Rows rows = {{"Input"}, {"Double A"}, {"Output"}, {"Double B"}};
    if (!locals.empty()) rows.push_back({"Local"}), rows.push_back(locals);
    rows.push_back({"Calc"});
    for (const std::string& c : calc) rows.push_back({c});
    return rows;
}

const std::vector<RuleCase>& ruleCases() {
    static const std::vector<RuleCase> cases = {
        {"header",
         "NoInput.vns",
         {{"Output"}, {"Double B"}, {"Calc"}, {"B = 1"}},
         "NoInput.vns",
         1,
         1,
         true},
        {"header",
         "NoOutput.vns",
         {{"Input"}, {"Double A"}, {"Calc"}, {"A = 1"}},
         "NoOutput.vns",
         1,
         1,
         true},
        {"header",
         "NoCalc.vns",
         {{"Input"}, {"Double A"}, {"Output"}, {"Double B"}},
         "NoCalc.vns",
         1,
         1,
         true},
        {"type-word",
         "Float.vns",
         {{"Input"}, {"Double A", "Float F"}, {"Output"}, {"Double B"}, {"Calc"}, {"B = A"}},
         "Float.vns",
         2,
         2,
         false},
        {"type-word",
         "Integer.vns",
         {{"Input"}, {"Integer A"}, {"Output"}, {"Double B"}, {"Calc"}, {"B = A"}},
         "Integer.vns",
         2,
         1,
         false},
        {"empty-name",
         "NoName.vns",
         {{"Input"}, {"Double A", "Int"}, {"Output"}, {"Double B"}, {"Calc"}, {"B = A"}},
         "NoName.vns",
         2,
         2,
         true},
        {"duplicate",
         "Twice.vns",
         {{"Input"}, {"Double A"}, {"Output"}, {"Double B", "Double a"}, {"Calc"}, {"B = A"}},
         "Twice.vns",
         4,
         2,
         true},
        {"name-blanks",
         "Blank.vns",
         {{"Input"}, {"Double A "}, {"Output"}, {"Double B"}, {"Calc"}, {"B = 2"}},
         "Blank.vns",
         2,
         1,
         false},
        {"no-equation", "Comment.vns", plain({"B = A", "a comment"}), "Comment.vns", 7, 1, true},
        {"left-undeclared", "Left.vns", plain({"B = A", "C = A"}), "Left.vns", 7, 1, true},
        {"unknown-name", "Typo.vns", plain({"B = A * Wdth"}), "Typo.vns", 6, 1, true},
        {"unknown-function", "Foo.vns", plain({"B = FOO(A)"}), "Foo.vns", 6, 1, true},
        {"arg-count", "Abs.vns", plain({"B = ABS(A, 1)"}), "Abs.vns", 6, 1, true},
        {"arg-count", "RoundTo.vns", plain({"B = ROUNDTO(A)"}), "RoundTo.vns", 6, 1, true},
        {"syntax", "Syntax.vns", plain({"B = A +"}), "Syntax.vns", 6, 1, true},
        {"output-unassigned",
         "Unset.vns",
         {{"Input"}, {"Double A"}, {"Output"}, {"Double B", "Double C"}, {"Calc"}, {"B = A"}},
         "Unset.vns",
         4,
         2,
         false},
        {"local-unused", "Unused.vns", plain({"B = A"}, {"Double L"}), "Unused.vns", 6, 1, false},
        {"input-assigned", "InputSet.vns", plain({"A = 2", "B = A"}), "InputSet.vns", 6, 1, false},
        {"child-missing", "NoKid.vns", plain({"B = CallChild(\"Nope.vns\", A, B)"}), "NoKid.vns", 6,
         1, true},
        {"child-argument", "KidArg.vns", plain({"B = CallChild(\"Kid.vns\", A, Z)"}), "KidArg.vns",
         6, 1, true},
        {"child-arguments", "KidFew.vns", plain({"B = CallChild(\"Kid.vns\", A)"}), "KidFew.vns", 6,
         1, true},
        {"child-arguments", "KidMany.vns", plain({"B = CallChild(\"Kid.vns\", A, B, B)"}),
         "KidMany.vns", 6, 1, false},
        {"child-argument-type",
         "KidText.vns",
         {{"Input"},
          {"String A"},
          {"Output"},
          {"Double B"},
          {"Calc"},
          {"B = CallChild(\"Kid.vns\", A, B)"}},
         "KidText.vns",
         6,
         1,
         false},
        {"child-output-to-input", "KidIn.vns", plain({"B = CallChild(\"Kid.vns\", A, A)", "B = A"}),
         "KidIn.vns", 6, 1, true},
        {"child-output-to-local", "KidLocal.vns",
         plain({"B = CallChild(\"Kid.vns\", A, L)", "B = L"}, {"Double L"}), "KidLocal.vns", 8, 1,
         false},
        {"child-self", "Self.vns", plain({"B = CallChild(\"Self.vns\", A, B)"}), "Self.vns", 6, 1,
         true},
        {"child-cycle", "Cycle.vns", plain({"B = CallChild(\"Loop.vns\", A, B)"}), "Cycle.vns", 6,
         1, true},
        {"data-file", "NoData.vns", plain({"B = TONUMBER(GETCELL(\"none.txt\", A))"}), "NoData.vns",
         6, 1, true},
        {"data-file-line", "Sizes.vns",
         plain({"B = STDSIZEWITHTOLERANCE(\"lint_sizes.txt\", 1, A, 0, 5)"}), "lint_sizes.txt", 2,
         1, false},
        {"data-file-line", "Table.vns", plain({"B = TONUMBER(GETCELL(\"lint_table.txt\", A))"}),
         "lint_table.txt", 2, 1, false},
        {"mapping-type", "Mapped.vns", plain({"B = A"}), "Mapped.map", 2, 3, true},
        {"mapping-variable", "Mapped.vns", plain({"B = A"}), "Mapped.map", 2, 22, false},
        {"mapping-line", "Mapped.vns", plain({"B = A"}), "Mapped.map", 2, 37, true},
        {"mapping-line", "Mapped.vns", plain({"B = A"}), "Mapped.map", 3, 1, true},
        {"mapping-unmapped", "Mapped.vns", plain({"B = A"}), "Mapped.map", 2, 1, false},
        {"mapping-header", "NoHeader.vns", plain({"B = A"}), "NoHeader.map", 1, 1, false},
    };
    return cases;
}

class LintProgram : public EvalProgram {
  protected:
    void SetUp() override {
        EvalProgram::SetUp();
        lib_ = fs::path(copyExamples()) / "Connection Standards";
    }
    void write(const fs::path& file, const std::string& bytes) {
        std::ofstream(lib_ / file, std::ios::binary) << bytes;
    }
    fs::path lib_;
};

// The line of a finding: ".../FILE:ROW:COL: error|warning: ... [code]".
bool hasFinding(const std::string& out, const RuleCase& c) {
    const std::string place = std::string(c.findingFile) + ":" + std::to_string(c.row) + ":" +
                              std::to_string(c.col) + ": " + (c.error ? "error" : "warning") + ": ";
    const std::string code = std::string("[") + c.code + "]";
    for (size_t at = out.find(place); at != std::string::npos; at = out.find(place, at + 1)) {
        const std::string line = out.substr(at, out.find('\n', at) - at);
        if (line.size() >= code.size() &&
            line.compare(line.size() - code.size(), code.size(), code) == 0)
            return true;
    }
    return false;
}

TEST_F(LintProgram, ExampleLibraryLintsClean) {
    const ProgramRun run = vnstd({"--lib", kLibrary, "lint"});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "2 standard(s): 0 error(s), 0 warning(s)\n");
}

TEST_F(LintProgram, EveryRuleFindsItsMistake) {
    for (const RuleCase& c : ruleCases()) write(c.standard, sheetText(c.rows));
    write("Childs/Kid.vns",
          sheetText({{"Input"}, {"Double X"}, {"Output"}, {"Double Y"}, {"Calc"}, {"Y = X"}}));
    write("Childs/Loop.vns", sheetText({{"Input"},
                                        {"Double X"},
                                        {"Output"},
                                        {"Double Y"},
                                        {"Calc"},
                                        {"Y = CallChild(\"Cycle.vns\", X, Y)"}}));
    write("Data/lint_sizes.txt", "10\r\n20 mm\r\n30 x 4\r\n");
    write("Data/lint_table.txt", "M12\t13\r\nM14\r\n");
    write("Mapped.map",
          "Mapping version 1.0\r\nK=A\x83X\x95PrPlName Prof0\xbfQ\x83X\x95"
          "Distance W\xbf"
          "B\x83"
          "bad\r\nbroken\r\n");
    write("NoHeader.map",
          "K=A\x83X\x95"
          "Distance W\xbf"
          "B\x83X\x95"
          "Distance H\r\n");
    const ProgramRun run = vnstd({"--lib", lib_.parent_path().string(), "lint"});
    EXPECT_EQ(run.exitCode, 1);
    for (const RuleCase& c : ruleCases())
        EXPECT_TRUE(hasFinding(run.out, c))
            << c.code << " in " << c.findingFile << ":" << c.row << ":" << c.col << "\n"
            << run.out;
}

TEST_F(LintProgram, WarningsAloneExitZeroAndJsonCountsThem) {
    write("Unused.vns", sheetText(plain({"B = A"}, {"Double L"})));
    const ProgramRun run =
        vnstd({"--lib", lib_.parent_path().string(), "lint", "--json", "Unused"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    Json doc;
    ASSERT_TRUE(parseJson(run.out, doc)) << run.out;
    EXPECT_EQ(doc["standards"].text, "1");
    EXPECT_EQ(doc["errors"].text, "0");
    EXPECT_EQ(doc["warnings"].text, "1");
    ASSERT_EQ(doc["findings"].items.size(), 1u);
    EXPECT_EQ(doc["findings"].items[0]["code"].text, "local-unused");
    EXPECT_EQ(doc["findings"].items[0]["row"].text, "6");
}

}  // namespace
}  // namespace evaltest
