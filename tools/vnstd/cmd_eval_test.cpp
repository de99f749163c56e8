// vnstd eval driven through the built program: the example end plate standard against figures
// worked out by hand from the standard, its data files and the section tables; the JSON form;
// storing the macro back; general variables; warnings; exit codes; folder runs.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "commands.h"
#include "ktx_settings.h"
#include "module_session.h"
#include "path_translation.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

const std::string kSource = VN_SOURCE_DIR;
const std::string kLibrary = kSource + "/examples/library";
const std::string kIpe300 = kSource + "/examples/macros/endplate_ipe300.macro";
const std::string kGroup = kSource + "/examples/macros/endplate_group.macro";

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// One row of the printed table (or of the JSON's variables).
struct Var {
    std::string section, name, type, before, after;
    bool operator==(const Var&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Var& v) {
    return os << v.section << " " << v.name << " " << v.type << " [" << v.before << "] -> ["
              << v.after << "]";
}

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

// The rows of the variables table. Every column must start where its header word starts, with
// a blank before it; the table ends at the first empty line.
std::vector<Var> parseTable(const std::string& out) {
    std::istringstream lines(out);
    std::string header, line;
    std::getline(lines, header);
    EXPECT_EQ(header.rfind("section", 0), 0u) << out;
    std::vector<size_t> starts;
    for (const char* word : {"name", "type", "before", "after"})
        starts.push_back(header.find(std::string("  ") + word) + 2);
    std::vector<Var> vars;
    while (std::getline(lines, line) && !line.empty()) {
        std::vector<std::string> cells;
        size_t from = 0;
        for (size_t start : starts) {
            EXPECT_TRUE(start <= line.size() && line[start - 1] == ' ') << line;
            cells.push_back(line.substr(from, start - from));
            from = start;
        }
        cells.push_back(from < line.size() ? line.substr(from) : "");
        for (std::string& c : cells) c.erase(c.find_last_not_of(' ') + 1);
        vars.push_back({cells[0], cells[1], cells[2], cells[3], cells[4]});
    }
    return vars;
}

// A small JSON reader, enough to prove the output is valid JSON and to read it back.
struct Json {
    enum Kind { kNull, kBool, kNumber, kString, kArray, kObject } kind = kNull;
    std::string text;               // a string's value, a number's or literal's text
    std::vector<Json> items;        // an array's items, or an object's member values
    std::vector<std::string> keys;  // an object's member names, parallel to items
    const Json& operator[](const std::string& key) const {
        static const Json none;
        for (size_t i = 0; i < keys.size(); ++i)
            if (keys[i] == key) return items[i];
        return none;
    }
};

class JsonReader {
  public:
    explicit JsonReader(const std::string& s) : s_(s) {}
    bool read(Json& value) {
        if (!parse(value)) return false;
        skip();
        return pos_ == s_.size();
    }

  private:
    void skip() {
        while (pos_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    }
    bool eat(char c) {
        skip();
        if (pos_ >= s_.size() || s_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    bool parse(Json& v) {
        skip();
        if (pos_ >= s_.size()) return false;
        v.kind = s_[pos_] == '{'   ? Json::kObject
                 : s_[pos_] == '[' ? Json::kArray
                 : s_[pos_] == '"' ? Json::kString
                                   : Json::kNumber;
        if (v.kind == Json::kObject || v.kind == Json::kArray) return list(v);
        if (v.kind == Json::kString) return readString(v.text);
        const size_t end = std::min(s_.find_first_of(",]} \n\r\t", pos_), s_.size());
        v.text = s_.substr(pos_, end - pos_);
        pos_ = end;
        if (v.text == "true" || v.text == "false") v.kind = Json::kBool;
        if (v.text == "null") v.kind = Json::kNull;
        char* stop = nullptr;
        if (v.kind == Json::kNumber) std::strtod(v.text.c_str(), &stop);
        return v.kind != Json::kNumber || (!v.text.empty() && *stop == '\0');
    }
    bool list(Json& v) {
        const char close = v.kind == Json::kObject ? '}' : ']';
        ++pos_;
        if (eat(close)) return true;
        do {
            std::string key;
            skip();
            if (v.kind == Json::kObject && !(readString(key) && eat(':'))) return false;
            Json item;
            if (!parse(item)) return false;
            if (v.kind == Json::kObject) v.keys.push_back(key);
            v.items.push_back(item);
        } while (eat(','));
        return eat(close);
    }
    bool readString(std::string& out) {
        if (pos_ >= s_.size() || s_[pos_] != '"') return false;
        for (++pos_; pos_ < s_.size(); ++pos_) {
            const char c = s_[pos_];
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c != '\\') {
                out += c;
            } else if (++pos_ < s_.size() && s_[pos_] == 'u') {
                if (pos_ + 4 >= s_.size()) return false;
                out += static_cast<char>(std::stoi(s_.substr(pos_ + 1, 4), nullptr, 16) & 0xFF);
                pos_ += 4;
            } else {
                const std::string from = "\"\\/bfnrt", to = "\"\\/\b\f\n\r\t";
                if (pos_ >= s_.size() || from.find(s_[pos_]) == std::string::npos) return false;
                out += to[from.find(s_[pos_])];
            }
        }
        return false;
    }
    const std::string& s_;
    size_t pos_ = 0;
};

std::vector<Var> jsonVars(const Json& doc) {
    std::vector<Var> vars;
    for (const Json& v : doc["variables"].items)
        vars.push_back(
            {v["section"].text, v["name"].text, v["type"].text, v["before"].text, v["after"].text});
    return vars;
}

// A sheet file with the given cell texts (row by row, from column 1).
std::string sheetText(const std::vector<std::vector<std::string>>& rows) {
    std::string cells;
    size_t cols = 1, count = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        cols = std::max(cols, rows[r].size());
        for (size_t c = 0; c < rows[r].size(); ++c) {
            std::string text;
            for (char ch : rows[r][c])
                text += (ch == '"' || ch == '\\') ? std::string("\\") + ch : std::string(1, ch);
            cells += "cell " + std::to_string(c + 1) + " " + std::to_string(r + 1) + " data \"" +
                     text + "\"\r\n";
            ++count;
        }
    }
    return "VNSHEET 1\r\nsize " + std::to_string(cols) + " " + std::to_string(rows.size()) +
           "\r\n" + cells + "end " + std::to_string(count) + "\r\n";
}

const std::vector<std::string> kTimerNames = {"gLoadFile",
                                              "gInitSSForInput",
                                              "gSSSGetFromMacro",
                                              "gInitMapping",
                                              "gInitFromMacro",
                                              "gSetMacroValuelsToSS",
                                              "gSSSreplaceGenVars",
                                              "gCalcMain",
                                              "gSetToMacro",
                                              "gGetFromVars",
                                              "gCalcChild",
                                              "gSetToVars",
                                              "gRegisterFuntions",
                                              "gFindDuplicates",
                                              "gCalcCells",
                                              "gCalcCellSplitSymbol",
                                              "gCalcCellFindVarCell",
                                              "gCalcCellFindFunctions",
                                              "gCalcCellCalcNativeFunctions",
                                              "gCalcCellCalcFunctionsPrepare",
                                              "gCalcCellGetVarNames",
                                              "gCalcCellGetVarCoords",
                                              "gCalcCellReplaceVariables",
                                              "gCalcCellGetVarCoordName",
                                              "gCalcCellCalcFunctions"};

class EvalProgram : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vnstd_eval_" + std::to_string(getpid()) + "_" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "settings");
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs the program with the given arguments; settings in the scratch folder, no library
    // from the environment, stdin empty, stdout and stderr captured through files (so stderr
    // is no terminal).
    ProgramRun vnstd(const std::vector<std::string>& args) {
        std::vector<std::string> store = {VNSTD_EXE};
        store.insert(store.end(), args.begin(), args.end());
        std::vector<std::string> env = {"VNSTD_SETTINGS=" + (dir_ / "settings").string()};
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            if (entry.rfind("VNSTD_", 0) != 0) env.push_back(entry);
        }
        const std::string out = (dir_ / "stdout").string(), err = (dir_ / "stderr").string();
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        ProgramRun run;
        pid_t pid = 0;
        if (posix_spawn(&pid, VNSTD_EXE, &files, nullptr, pointers(store).data(),
                        pointers(env).data()) == 0) {
            int status = 0;
            waitpid(pid, &status, 0);
            run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&files);
        run.out = readFile(out);
        run.err = readFile(err);
        return run;
    }

    // Copies the example library and macros into the scratch folder; returns the library.
    std::string copyExamples() {
        fs::copy(kLibrary, dir_ / "library", fs::copy_options::recursive);
        fs::copy(kSource + "/examples/macros", dir_ / "macros", fs::copy_options::recursive);
        return (dir_ / "library").string();
    }
    // Writes a standard into the copied library's "Connection Standards" folder.
    void addStandard(const std::string& name, const std::vector<std::vector<std::string>>& rows) {
        std::ofstream(dir_ / "library" / "Connection Standards" / (name + ".vns"), std::ios::binary)
            << sheetText(rows);
    }
    std::string macro(const std::string& name) { return (dir_ / "macros" / name).string(); }

    static std::vector<char*> pointers(std::vector<std::string>& texts) {
        std::vector<char*> p;
        for (std::string& t : texts) p.push_back(t.data());
        p.push_back(nullptr);
        return p;
    }

    fs::path dir_;
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
    ASSERT_TRUE(JsonReader(run.out).read(doc)) << run.out;
    EXPECT_EQ(doc["standard"].text, "EndPlate");
    EXPECT_EQ(doc["macro"].text, kGroup);
    EXPECT_EQ(doc["ok"].text, "true");
    EXPECT_EQ(jsonVars(doc), kIpe240Vars);
    const std::vector<std::string>& names = doc["timings"].keys;
    for (const Json& figures : doc["timings"].items) {
        EXPECT_EQ(figures["laps"].kind, Json::kNumber);
        EXPECT_EQ(figures["total_ms"].kind, Json::kNumber);
    }
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()),
              std::set<std::string>(kTimerNames.begin(), kTimerNames.end()));
    EXPECT_EQ(doc["timings"]["gCalcMain"]["laps"].text, "1");
    EXPECT_EQ(doc["timings"]["gCalcChild"]["laps"].text, "1");
    // A failure is JSON too, with its reason.
    const ProgramRun failed = vnstd({"eval", "EndPlate", kGroup, "--key", "Bogus", "--json"});
    EXPECT_EQ(failed.exitCode, 1);
    Json failure;
    ASSERT_TRUE(JsonReader(failed.out).read(failure)) << failed.out;
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
    int laps = -1;
    while (lines >> name >> laps >> line) {
        seen.insert(name);
        if (name == "gLoadFile") {
            EXPECT_EQ(laps, 2);  // the parent and the bolt layout child
        }
    }
    EXPECT_EQ(seen, std::set<std::string>(kTimerNames.begin(), kTimerNames.end()));
}

TEST_F(EvalProgram, WriteStoresTheNewValuesAndLeavesNothingElse) {
    const std::string lib = copyExamples();
    const std::string file = macro("endplate_ipe300.macro");
    const ProgramRun run =
        vnstd({"eval", "EndPlate", file, "--key", "EndPlateIPE300", "--lib", lib, "--write"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(parseTable(run.out), kIpe300Vars);
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_ / "macros"))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"end_plate.macro", "endplate_group.macro",
                                            "endplate_ipe300.macro", "two_beams.macro"}));
    const std::string text = readFile(file);
    EXPECT_NE(text.find("var W 180\r\n"), std::string::npos) << text;
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
    EXPECT_NE(readFile(group).find("var PlateWidth 140\r\n"), std::string::npos);
}

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
    for (const char* help : {"--help", "-h"}) {
        const ProgramRun run = vnstd({"eval", "EndPlate", help});
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
    EXPECT_EQ(run.err, "");
    // By module group: the macros without that group are named with the reason.
    const ProgramRun group = vnstd({"eval", "EndPlate", "--macros", (dir_ / "macros").string(),
                                    "--module", "EndPlate", "--lib", lib, "--json", "--timings"});
    EXPECT_EQ(group.exitCode, 1);
    Json doc;
    ASSERT_TRUE(JsonReader(group.out).read(doc)) << group.out;
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
