// The look-up functions: GETCELL, GETPROFCELL, GETSYSNAME and SECTIONSIZE.
#include <cmath>
#include <cstdlib>
#include <string>

#include "section_table_manager.h"
#include "string_helpers.h"
#include "vn_eval_report.h"
#include "vn_eval_trace.h"
#include "vn_ss_functions.h"
#include "vn_ss_functions_args.h"
#include "vn_ss_functions_files.h"
#include "vn_ss_functions_host.h"

using Args = VnSSFunctionsArgs;

namespace {

// The system name of a section; the name itself when the section tables do not know it.
Ktx_String systemNameOf(const Ktx_String& name) {
    Ktx_String full;
    if (gSectionTables.getSystemName(name, full) != Acad::eOk) return name;
    return full;
}

// A function's result in the evaluation trace; callers test VnEvalTrace::current() first, so
// no text is built for evaluations nobody explains.
void traceChoice(const char* function, const std::string& detail, const std::string& result) {
    VnEvalTrace::Choice c;
    c.function = function;
    c.detail = detail;
    c.result = result;
    VnEvalTrace::choiceMade(c);
}

std::string sectionColumn(const std::string& section, double column) {
    return "section " + section + ", column " + std::to_string(static_cast<int>(column));
}

// Whether a row's key is the looked-up key, letter case folded.
bool sameKey(std::string_view rowKey, std::string_view key) {
    return rowKey.size() == key.size() && (rowKey == key || ktxCompareNoCase(rowKey, key) == 0);
}

// The look-up key: the arguments after the file, numbers with 6 decimals, texts unchanged,
// joined by ";"; the list ends at the first argument that is neither.
Ktx_String lookupKey(const SpreadValue* args, short count) {
    Ktx_StringArray keys;
    for (short i = 1; i < count; ++i) {
        std::string text;
        double number = 0.0;
        if (Args::readNumber(args[i], number)) {
            keys.append(Ktx_String(number, 6));
        } else if (Args::readText(args[i], text)) {
            keys.append(Ktx_String(text));
        } else {
            break;
        }
    }
    return arrToStr(keys, ";");
}

bool lookUp(SpreadValue* result, SpreadValue* args, short count, bool bySystemName) {
    Args::resetResult(result);
    std::string fileName;
    if (count < 2 || !Args::readText(args[0], fileName)) return false;
    const auto& file = VnSSFunctionsFiles::lookupTableNamed(fileName);
    if (!file.found) {
        VnEvalReport::fileUnreadable(fileName, "no such data file");
        return false;
    }
    // Kept while the look-up runs: the answer above is only valid until the next call.
    const std::shared_ptr<const std::vector<LookupRow>> rows = file.parsed;
    if (!rows || rows->empty()) {
        VnEvalReport::fileUnreadable(vnHostPath(file.path),
                                     rows ? "has no rows" : "cannot be read");
        return false;
    }
    const Ktx_String key = lookupKey(args, count);
    const char* function = bySystemName ? "GETPROFCELL" : "GETCELL";
    for (size_t i = 0; i < rows->size(); ++i) {
        const LookupRow& row = (*rows)[i];
        const std::string_view written = row[0];
        if (!sameKey(bySystemName ? systemNameOf(Ktx_String(row[0])).view() : written, key.view()))
            continue;
        if (VnEvalTrace::current())
            traceChoice(function,
                        fileName + ": the key '" + key.str() + "' in row " + std::to_string(i + 1) +
                            (row[0] == key.str() ? "" : " (written '" + row[0] + "')"),
                        row.size() < 2 ? std::string() : row[1]);
        if (row.size() < 2) return false;
        return Args::writeText(result, row[1]);
    }
    if (VnEvalTrace::current())
        traceChoice(function, fileName + ": no row with the key '" + key.str() + "'", "");
    return false;
}

}  // namespace

bool VnSSFunctions::getCell(SpreadValue* result, SpreadValue* args, short count) {
    return lookUp(result, args, count, false);
}

bool VnSSFunctions::getProfCell(SpreadValue* result, SpreadValue* args, short count) {
    return lookUp(result, args, count, true);
}

bool VnSSFunctions::getSysName(SpreadValue* result, SpreadValue* args, short count) {
    Args::resetResult(result);
    std::string name;
    if (count < 1 || !Args::readText(args[0], name)) return false;
    const Ktx_String system = systemNameOf(Ktx_String(name));
    if (VnEvalTrace::current())
        traceChoice("GETSYSNAME", "the system name of '" + name + "'", system.str());
    return Args::writeText(result, system.str());
}

bool VnSSFunctions::sectionSize(SpreadValue* result, SpreadValue* args, short count) {
    Args::resetResult(result);
    std::string section;
    double column = 0.0;
    if (count < 2 || !Args::readText(args[0], section) || !Args::readNumber(args[1], column))
        return false;
    // A column number beyond any table (or not a number) names no column.
    if (!(std::fabs(column) < 1e6)) return false;
    Ktx_String value;
    if (gSectionTables.getSectionValue(Ktx_String(section), static_cast<int>(column), value) !=
        Acad::eOk) {
        VnEvalReport::fileUnreadable(
            "section " + section + ", column " + std::to_string(static_cast<int>(column)),
            "not in the section tables");
        if (VnEvalTrace::current())
            traceChoice("SECTIONSIZE", sectionColumn(section, column) + ": not in the tables", "");
        return false;
    }
    if (VnEvalTrace::current())
        traceChoice("SECTIONSIZE", sectionColumn(section, column), value.str());
    return Args::writeNumber(result, Args::leadingNumber(value.str()));
}
