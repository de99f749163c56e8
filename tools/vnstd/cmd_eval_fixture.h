#pragma once
// What the tests of "vnstd eval" share: running the built program with its output captured,
// a scratch folder with a copy of the example library, reading the printed table and JSON
// back, and writing small standards.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace evaltest {

namespace fs = std::filesystem;

inline const std::string kSource = VN_SOURCE_DIR;
inline const std::string kLibrary = kSource + "/examples/library";
inline const std::string kIpe300 = kSource + "/examples/macros/endplate_ipe300.macro";
inline const std::string kGroup = kSource + "/examples/macros/endplate_group.macro";

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// One row of the printed table (or of the JSON's variables).
struct Var {
    std::string section, name, type, before, after;
    bool operator==(const Var&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Var& v);

std::string readFile(const fs::path& path);
// The rows of the variables table. Every column must start where its header word starts, with
// a blank before it (checked); the table ends at the first empty line.
std::vector<Var> parseTable(const std::string& out);

// A JSON value, as far as the tests need one.
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

// Reads a whole JSON text; false when it is not valid JSON.
bool parseJson(const std::string& text, Json& value);
// The "variables" of an evaluation's JSON.
std::vector<Var> jsonVars(const Json& doc);

// A sheet file with the given cell texts (row by row, from column 1).
std::string sheetText(const std::vector<std::vector<std::string>>& rows);

// The 25 evaluation timers' names.
std::set<std::string> timerNames();

// A scratch folder per test (removed afterwards) holding the settings folder, the captured
// output and, when asked, a copy of the example library and macros.
class EvalProgram : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the program with the given arguments; settings in the scratch folder, no library
    // from the environment, stdin empty, stdout and stderr captured through files (so stderr
    // is no terminal).
    ProgramRun vnstd(const std::vector<std::string>& args);
    // Copies the example library and macros into the scratch folder; returns the library.
    std::string copyExamples();
    // Writes a standard into the copied library's "Connection Standards" folder.
    void addStandard(const std::string& name, const std::vector<std::vector<std::string>>& rows);
    // A file of the copied macros folder.
    std::string macro(const std::string& name) const;

    fs::path dir_;
};

}  // namespace evaltest
