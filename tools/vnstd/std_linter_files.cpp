// The rules of the files a standard reads besides itself: the data files of the engineering
// functions and the standard's mapping file.
#include <cstdlib>

#include "mapping_file.h"
#include "object_export_math.h"
#include "std_linter.h"
#include "std_size_file.h"
#include "string_helpers.h"
#include "vn_map_kind.h"
#include "vn_object_map.h"
#include "vn_ss_functions_files.h"
#include "vn_ss_functions_host.h"
#include "vn_standards_calc_index.h"

namespace {

std::string quoted(const std::string& s) {
    return "'" + s + "'";
}

const char* const kTypeNames[3] = {"Int", "Double", "String"};

size_t skipBlanks(const std::string& s, size_t i) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r')) ++i;
    return i;
}

// True when text[i...] starts with a number; i moves past it.
bool readNumber(const std::string& s, size_t& i) {
    const char* begin = s.c_str() + i;
    char* end = nullptr;
    std::strtod(begin, &end);
    if (end == begin) return false;
    i += static_cast<size_t>(end - begin);
    return true;
}

// A standard-size line as it is meant: "a" or "a x b", blanks around; the engine reads any
// other line too (as far as numbers go), which hides a mistake.
bool isSizeLine(const std::string& line) {
    size_t i = skipBlanks(line, 0);
    if (!readNumber(line, i)) return false;
    i = skipBlanks(line, i);
    if (i < line.size() && line[i] == 'x') {
        i = skipBlanks(line, i + 1);
        if (!readNumber(line, i)) return false;
        i = skipBlanks(line, i);
    }
    return i == line.size();
}

bool isBlank(const std::string& line) {
    return skipBlanks(line, 0) == line.size();
}

}  // namespace

void StdLinter::dataFile(const StdSheet& s, const StdSheetCell& cell, const std::string& function,
                         const std::string& name) {
    Ktx_String path;
    if (!VnSSFunctionsFiles::resolve(name, path)) {
        report_.error(shown(s.hostPath), cell.row, cell.col,
                      function + ": no data file " + quoted(name) +
                          " as given, in \"Connection Standards\\Data\", \"Connection "
                          "Standards\" nor the library folder",
                      "data-file");
        return;
    }
    const bool table = function == "GETCELL" || function == "GETPROFCELL";
    if (!checkedDataFiles_.insert((table ? "table|" : "sizes|") + vnHostPath(path)).second) return;
    if (table)
        tableFileLines(path.str());
    else
        sizeFileLines(path.str());
}

void StdLinter::sizeFileLines(const std::string& path) {
    std::vector<std::string> lines;
    const std::string file = shown(vnHostPath(Ktx_String(path)));
    if (!vnReadTextLines(Ktx_String(path), lines)) {
        report_.error(file, 1, 1, "the standard-size file cannot be read", "data-file");
        return;
    }
    const std::vector<std::string> plain = StdSizeFile::withoutComments(lines);
    int sizes = 0;
    for (size_t i = 0; i < plain.size(); ++i) {
        if (isBlank(plain[i])) continue;
        ++sizes;
        if (isSizeLine(plain[i])) continue;
        const StdSize read = StdSizeFile::parseLine(plain[i]);
        report_.warning(file, static_cast<int>(i + 1), 1,
                        quoted(lines[i]) + " is not \"a\" nor \"a x b\": it is read as " +
                            Ktx_String(read.a, 6).str() + " x " + Ktx_String(read.b, 6).str(),
                        "data-file-line");
    }
    if (sizes == 0)
        report_.warning(file, 1, 1,
                        "the standard-size file holds no sizes: the functions only round",
                        "data-file");
}

void StdLinter::tableFileLines(const std::string& path) {
    std::vector<std::string> lines;
    const std::string file = shown(vnHostPath(Ktx_String(path)));
    if (!vnReadTextLines(Ktx_String(path), lines)) {
        report_.error(file, 1, 1, "the look-up table cannot be read", "data-file");
        return;
    }
    std::map<std::string, size_t> keys;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = removeLineComment(lines[i]);
        if (line.empty()) continue;
        const int lineNo = static_cast<int>(i + 1);
        const size_t tab = line.find('\t');
        if (tab == std::string::npos)
            report_.warning(file, lineNo, 1,
                            "the row " + quoted(line) +
                                " has no tab: a look-up finds its key but gives no value",
                            "data-file-line");
        const std::string key = line.substr(0, tab);
        const auto [it, added] = keys.emplace(Ktx_String(key).toLower().str(), i + 1);
        if (!added)
            report_.warning(file, lineNo, 1,
                            "the key " + quoted(key) + " is the key of line " +
                                std::to_string(it->second) + " too: that line wins",
                            "data-file-line");
    }
    if (keys.empty())
        report_.error(file, 1, 1, "the look-up table has no rows: every look-up fails",
                      "data-file");
}

void StdLinter::mappingFile(const StdSheet& s, const VnVarCells& vars) {
    const Ktx_String path = mappingFilePath(Ktx_String(s.path));
    std::vector<std::string> lines;
    if (!vnFileExists(path) || !vnReadTextLines(path, lines)) return;
    const std::string file = shown(vnHostPath(path));
    std::set<std::string> keys;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 && isMappingHeaderLine(Ktx_String(lines[0]))) continue;
        if (i == 0)
            report_.warning(file, 1, 1,
                            std::string("the first line is not the header \"") + kMappingHeader +
                                "\": it is read as a mapping line",
                            "mapping-header");
        if (isBlank(lines[i])) continue;
        mappingLine(vars, file, static_cast<int>(i + 1), lines[i], keys);
    }
}

// One line: KEY "=" pairs separated by 0xBF, each SSVAR 0x83 MAPPING-TEXT.
void StdLinter::mappingLine(const VnVarCells& vars, const std::string& file, int lineNo,
                            const std::string& line, std::set<std::string>& keys) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) {
        report_.error(file, lineNo, 1, "the line has no \"=\": it names no key", "mapping-line");
        return;
    }
    const std::string key = line.substr(0, eq);
    if (!keys.insert(key).second)
        report_.warning(file, lineNo, 1,
                        "the key " + quoted(key) + " again: only its first line is used",
                        "mapping-line");
    std::set<std::string> mapped;
    size_t start = eq + 1;
    while (start <= line.size()) {
        size_t end = line.find(kMappingPairSeparator, start);
        if (end == std::string::npos) end = line.size();
        const std::string pair = line.substr(start, end - start);
        const int col = static_cast<int>(start + 1);
        start = end + 1;
        if (!pair.empty()) mappingPair(vars, {file, lineNo, col}, pair, mapped);
    }
    unmappedVariables(vars, file, lineNo, key, mapped);
}

// One pair; the variable it maps goes into `mapped` (letter case folded) when the map is usable.
void StdLinter::mappingPair(const VnVarCells& vars, const Place& at, const std::string& pair,
                            std::set<std::string>& mapped) {
    const size_t sep = pair.find(kMappingVarSeparator);
    if (sep == std::string::npos) {
        report_.warning(at.file, at.row, at.col,
                        "a pair without the byte 0x83 is skipped: " + quoted(pair), "mapping-line");
        return;
    }
    VnObjectMap map;
    const std::string var = pair.substr(0, sep);
    if (map.getMappingFromStrs(Ktx_String(var), Ktx_String(pair.substr(sep + 1))) != Acad::eOk) {
        report_.error(at.file, at.row, at.col,
                      "the map of " + quoted(var) +
                          " does not parse (no 0x95 byte or no kind keyword): it is skipped",
                      "mapping-line");
        return;
    }
    int index = -1;
    if (vars.findVarCell(Ktx_String(var), index) != Acad::eOk) {
        report_.warning(at.file, at.row, at.col,
                        quoted(var) + " is no variable of the standard: the map points at nothing",
                        "mapping-variable");
        return;
    }
    VnValueType kindType = VnValueString;
    mapKindValueType(map.kind, kindType);
    const VnVarCell& v = vars[index];
    if (kindType != v.valueType) {
        report_.error(at.file, at.row, at.col,
                      quoted(var) + " is " + kTypeNames[v.valueType] + " but the kind " +
                          mapKindKeyword(map.kind) + " holds " + kTypeNames[kindType] +
                          ": the map is never used",
                      "mapping-type");
        return;
    }
    mapped.insert(VnStandardsCalcIndex::foldedKey(v.name));
}

void StdLinter::unmappedVariables(const VnVarCells& vars, const std::string& file, int lineNo,
                                  const std::string& key, const std::set<std::string>& mapped) {
    for (int i = 0; i < vars.length(); ++i) {
        const VnVarCell& v = vars[i];
        if (v.isLocal() || v.name.isEmpty() ||
            mapped.count(VnStandardsCalcIndex::foldedKey(v.name)))
            continue;
        report_.warning(file, lineNo, 1,
                        "the key " + quoted(key) + " maps nothing to the " +
                            (v.isInput() ? "Input " : "Output ") + quoted(v.name.str()) +
                            (v.isInput() ? ": it is not retrieved" : ": it is not set"),
                        "mapping-unmapped");
    }
}
