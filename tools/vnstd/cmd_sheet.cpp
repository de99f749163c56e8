// vnstd sheet: calculate, convert and show spreadsheet files (the grid's sheet files and
// CSV); "read" is the wrapper's file reader (cmd_sheet_read.cpp).
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "from_table.h"
#include "grid_file_io.h"
#include "option_parser.h"
#include "sheet_csv.h"
#include "sheet_file.h"

// vnstd sheet read FILE (cmd_sheet_read.cpp).
int runSheetReadCommand(const CliContext& context, const std::vector<std::string>& args);
// vnstd sheet export FILE -o OUT.csv (cmd_sheet_export.cpp).
int runSheetExportCommand(const CliContext& context, const std::vector<std::string>& args);

namespace {

const char* const kSheetUsage =
    "usage: vnstd sheet calc FILE [--header-row]\n"
    "       vnstd sheet convert IN OUT [--header-row]\n"
    "       vnstd sheet show FILE [--header-row]\n"
    "       vnstd sheet read FILE\n"
    "       vnstd sheet export FILE -o OUT.csv\n"
    "FILE is a sheet file or a CSV file (told apart by their contents). calc prints the\n"
    "calculated values as CSV of the same shape; convert writes CSV when OUT ends in .csv,\n"
    "else a sheet file; show lists the non-empty cells; read prints what the module's\n"
    "spreadsheet-file reader gives; export writes a sheet file as the editor's Export\n"
    "command does. --header-row: the first CSV line is the header row\n"
    "(row 0).\n";

// Each subcommand's own usage.
const struct {
    const char* sub;
    const char* usage;
} kSubUsages[] = {
    {"calc",
     "usage: vnstd sheet calc FILE [--header-row]\n"
     "Calculates a sheet or CSV file and prints the values as CSV of the same shape.\n"
     "--header-row: the first CSV line is the header row (row 0).\n"},
    {"convert",
     "usage: vnstd sheet convert IN OUT [--header-row]\n"
     "Converts between sheet files and CSV: CSV when OUT ends in .csv, else a sheet file.\n"
     "--header-row: the first CSV line is the header row (row 0).\n"},
    {"show",
     "usage: vnstd sheet show FILE [--header-row]\n"
     "Lists the non-empty cells (cell, type, data, formula, value), tab-separated.\n"
     "--header-row: the first CSV line is the header row (row 0).\n"},
    {"read",
     "usage: vnstd sheet read FILE\n"
     "Prints what the module's spreadsheet-file reader gives: the first cell's data text,\n"
     "the column headers, then every row, one line each, tab-separated.\n"},
    {"export",
     "usage: vnstd sheet export FILE -o OUT.csv\n"
     "Writes a sheet file as CSV, as the spreadsheet editor's Export command does: the\n"
     "column headers first, then every row, each cell's value as the grid shows it.\n"},
};

struct SheetArgs {
    std::vector<std::string> files;
    bool headerRow = false;
};

// Splits the arguments after the subcommand into files and the --header-row flag; false
// (with a usage message printed) for an unknown option or the wrong number of files.
bool parseSheetArgs(const CliContext& context, const std::vector<std::string>& args,
                    std::size_t fileCount, SheetArgs& parsed, int& exitCode) {
    OptionParser parser("sheet " + args[0]);
    parser.flag("--header-row", parsed.headerRow);
    std::string error;
    if (!parser.parse(std::vector<std::string>(args.begin() + 1, args.end()), error)) {
        exitCode = cliUsageError(context, error);
        return false;
    }
    parsed.files = parser.positional();
    if (parsed.files.size() != fileCount) {
        exitCode = cliUsageError(context, "sheet " + args[0] + ": expected " +
                                              std::to_string(fileCount) + " file name(s)");
        return false;
    }
    return true;
}

// Loads a sheet file or a CSV file; nullptr after printing "vnstd: FILE: line N: ...".
// `csvCalc`: whether a CSV file is calculated here or by the caller.
std::unique_ptr<SheetModel> loadSheet(const CliContext& context, const std::string& file,
                                      bool headerRow,
                                      SheetCsv::Calc csvCalc = SheetCsv::Calc::Now) {
    std::string error;
    const std::optional<std::string> text = gridReadFile(file, &error);
    if (!text) {
        cliFailure(context, error);
        return nullptr;
    }
    std::unique_ptr<SheetModel> sheet = SheetFile::looksLikeSheetFile(*text)
                                            ? SheetFile::read(*text, error)
                                            : SheetCsv::read(*text, headerRow, error, csvCalc);
    if (!sheet) cliFailure(context, file + ": " + error);
    return sheet;
}

bool endsWithNoCase(const std::string& text, const std::string& tail) {
    if (text.size() < tail.size()) return false;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const char a = text[text.size() - tail.size() + i];
        const char lower = (a >= 'A' && a <= 'Z') ? char(a + 32) : a;
        if (lower != tail[i]) return false;
    }
    return true;
}

int runCalc(const CliContext& context, const SheetArgs& args) {
    std::unique_ptr<SheetModel> sheet =
        loadSheet(context, args.files[0], args.headerRow, SheetCsv::Calc::Later);
    if (!sheet) return 1;
    // FROMTABLE reads cells of other spreadsheet files, as in every grid of the module.
    sheet->engine().addCustomFunction("FROMTABLE", 2, 4, fromTableCallback,
                                      SPREAD_CUSTFUNC_WANTCELLREF);
    sheet->engine().recalcAll();
    const std::string csv = SheetCsv::write(*sheet, args.headerRow, SheetCsv::Content::Values);
    std::fwrite(csv.data(), 1, csv.size(), context.out);
    return 0;
}

int runConvert(const CliContext& context, const SheetArgs& args) {
    std::unique_ptr<SheetModel> sheet = loadSheet(context, args.files[0], args.headerRow);
    if (!sheet) return 1;
    const std::string& out = args.files[1];
    const std::string bytes =
        endsWithNoCase(out, ".csv")
            ? SheetCsv::write(*sheet, args.headerRow, SheetCsv::Content::Contents)
            : SheetFile::write(*sheet);
    std::string error;
    if (!gridWriteFileAtomically(out, bytes, &error)) return cliFailure(context, error);
    return 0;
}

std::string cellName(int col, int row) {
    std::string letters;
    for (int c = col; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), char('A' + (c - 1) % 26));
    return (col == 0 ? "#" : letters) + std::to_string(row);
}

const char* typeName(int type) {
    switch (type) {
        case SS_CELLTYPE_EDIT:
            return "edit";
        case SS_CELLTYPE_STATICTEXT:
            return "static";
        case SS_CELLTYPE_PICTURE:
            return "picture";
        case SS_CELLTYPE_COMBOBOX:
            return "combo";
        case SS_CELLTYPE_BUTTON:
            return "button";
        case SS_CELLTYPE_INTEGER:
            return "integer";
        case SS_CELLTYPE_CHECKBOX:
            return "checkbox";
        case SS_CELLTYPE_NUMBER:
            return "number";
        case SS_CELLTYPE_CURRENCY:
            return "currency";
        case SS_CELLTYPE_PERCENT:
            return "percent";
        default:
            return "general";
    }
}

// Tabs, line breaks and backslashes written as escapes, so each cell stays one line.
std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

int runShow(const CliContext& context, const SheetArgs& args) {
    std::unique_ptr<SheetModel> sheet = loadSheet(context, args.files[0], args.headerRow);
    if (!sheet) return 1;
    sheet->engine().setRefStyle(FormulaRefStyle::A1);
    std::fprintf(context.out, "cell\ttype\tdata\tformula\tvalue\n");
    sheet->forEachUsedCell([&](int c, int r) {
        const std::string data = sheet->hasFormula(c, r) ? "" : sheet->dataText(c, r);
        const std::string formula = sheet->formulaText(c, r);
        if (data.empty() && formula.empty()) return;
        std::fprintf(context.out, "%s\t%s\t%s\t%s\t%s\n", cellName(c, r).c_str(),
                     typeName(sheet->format(c, r).cellType.type), escaped(data).c_str(),
                     escaped(formula).c_str(), escaped(sheet->valueText(c, r)).c_str());
    });
    return 0;
}

}  // namespace

std::string sheetUsage(const std::vector<std::string>& args) {
    for (const auto& s : kSubUsages)
        if (!args.empty() && args[0] == s.sub) return s.usage;
    return kSheetUsage;
}

int runSheetCommand(const CliContext& context, const std::vector<std::string>& args) {
    if (cliAsksForHelp(args)) return std::fputs(sheetUsage(args).c_str(), context.out) < 0 ? 1 : 0;
    if (args.empty()) {
        std::fputs(kSheetUsage, context.err);
        return 2;
    }
    const std::string& sub = args[0];
    if (sub == "read") {
        return runSheetReadCommand(context, std::vector<std::string>(args.begin() + 1, args.end()));
    }
    if (sub == "export")
        return runSheetExportCommand(context,
                                     std::vector<std::string>(args.begin() + 1, args.end()));
    SheetArgs parsed;
    int exitCode = 0;
    const std::size_t files = sub == "convert" ? 2 : 1;
    if (sub != "calc" && sub != "convert" && sub != "show") {
        return cliUsageError(context, "sheet: unknown subcommand '" + sub + "'");
    }
    if (!parseSheetArgs(context, args, files, parsed, exitCode)) return exitCode;
    if (sub == "calc") return runCalc(context, parsed);
    if (sub == "convert") return runConvert(context, parsed);
    return runShow(context, parsed);
}
