// Definitions of the shared parts of the "vnstd eval" tests (cmd_eval_fixture.h).
#include "cmd_eval_fixture.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

extern char** environ;

namespace evaltest {

namespace {

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

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> p;
    for (std::string& t : texts) p.push_back(t.data());
    p.push_back(nullptr);
    return p;
}

}  // namespace

std::ostream& operator<<(std::ostream& os, const Var& v) {
    return os << v.section << " " << v.name << " " << v.type << " [" << v.before << "] -> ["
              << v.after << "]";
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

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

bool parseJson(const std::string& text, Json& value) {
    return JsonReader(text).read(value);
}

std::vector<Var> jsonVars(const Json& doc) {
    std::vector<Var> vars;
    for (const Json& v : doc["variables"].items)
        vars.push_back(
            {v["section"].text, v["name"].text, v["type"].text, v["before"].text, v["after"].text});
    return vars;
}

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

std::set<std::string> timerNames() {
    std::istringstream names(
        "gLoadFile gInitSSForInput gSSSGetFromMacro gInitMapping gInitFromMacro "
        "gSetMacroValuelsToSS gSSSreplaceGenVars gCalcMain gSetToMacro gGetFromVars gCalcChild "
        "gSetToVars gRegisterFuntions gFindDuplicates gCalcCells gCalcCellSplitSymbol "
        "gCalcCellFindVarCell gCalcCellFindFunctions gCalcCellCalcNativeFunctions "
        "gCalcCellCalcFunctionsPrepare gCalcCellGetVarNames gCalcCellGetVarCoords "
        "gCalcCellReplaceVariables gCalcCellGetVarCoordName gCalcCellCalcFunctions");
    return {std::istream_iterator<std::string>(names), std::istream_iterator<std::string>()};
}

void EvalProgram::SetUp() {
    dir_ =
        fs::temp_directory_path() / ("vnstd_eval_" + std::to_string(getpid()) + "_" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "settings");
}

void EvalProgram::TearDown() {
    fs::remove_all(dir_);
}

ProgramRun EvalProgram::vnstd(const std::vector<std::string>& args) {
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
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
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

std::string EvalProgram::copyExamples() {
    fs::copy(kLibrary, dir_ / "library", fs::copy_options::recursive);
    fs::copy(kSource + "/examples/macros", dir_ / "macros", fs::copy_options::recursive);
    return (dir_ / "library").string();
}

void EvalProgram::addStandard(const std::string& name,
                              const std::vector<std::vector<std::string>>& rows) {
    std::ofstream(dir_ / "library" / "Connection Standards" / (name + ".vns"), std::ios::binary)
        << sheetText(rows);
}

std::string EvalProgram::macro(const std::string& name) const {
    return (dir_ / "macros" / name).string();
}

}  // namespace evaltest
