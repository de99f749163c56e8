// vnstd bill FEED.tsv --template T.vns -o BILL.vns [--types 1,3,2,...] [--var NAME=VALUE]
// [--pictures]: a bill of material fed through the module's bill output exactly as the Core
// library feeds it, and saved as a sheet file.
#include <cstdio>
#include <string>
#include <vector>

#include "ac_transaction.h"
#include "commands.h"
#include "grid_file_io.h"
#include "ktx_bill.h"
#include "option_parser.h"
#include "path_translation.h"
#include "vn_ss_bill_output.h"

namespace {

const char* const kBillUsage =
    "usage: vnstd bill FEED.tsv --template T.vns -o BILL.vns [--types 1,3,2,...]\n"
    "                  [--var NAME=VALUE]... [--pictures]\n"
    "Writes a bill of material into a spreadsheet as the module's bill output does and saves\n"
    "it. FEED.tsv is tab-separated: the first line holds the column names, each further line\n"
    "one row; a line whose first field starts with \"#subtotal\" is a subtotal row of the\n"
    "fields after it. --types gives each column's type (1 whole number, 2 one decimal,\n"
    "3 text); --var adds a spreadsheet variable after Date, Title and BillFilename;\n"
    "--pictures puts a picture of each part (from its Length and Width or Profile columns)\n"
    "below its row.\n";

struct BillArgs {
    std::string feed;
    std::string templateFile;
    std::string output;
    std::string types;
    std::vector<std::string> vars;
    bool pictures = false;
};

// "1,3,2" as numbers; false for anything that is not a comma-separated list of numbers.
bool parseTypes(const std::string& text, Ktx_Array<int>& types) {
    size_t start = 0;
    while (!text.empty() && start <= text.size()) {
        const size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma - start);
        if (item.empty() || item.size() > 6 ||
            item.find_first_not_of("0123456789") != std::string::npos)
            return false;
        types.append(std::stoi(item));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return true;
}

bool parseVars(const std::vector<std::string>& vars, Ktx_StringArray& names,
               Ktx_StringArray& values) {
    for (const std::string& var : vars) {
        const size_t equals = var.find('=');
        if (equals == std::string::npos || equals == 0) return false;
        names.append(Ktx_String(var.substr(0, equals)));
        values.append(Ktx_String(var.substr(equals + 1)));
    }
    return true;
}

bool parseBillArgs(const CliContext& context, const std::vector<std::string>& args,
                   BillArgs& parsed, int& exitCode) {
    OptionParser parser("bill");
    parser.value("--template", parsed.templateFile)
        .value("-o", parsed.output)
        .value("--types", parsed.types)
        .values("--var", parsed.vars)
        .flag("--pictures", parsed.pictures);
    std::string error;
    if (!parser.parse(args, error)) {
        exitCode = cliUsageError(context, error);
        return false;
    }
    if (parser.positional().size() != 1) {
        exitCode = cliUsageError(context, "bill: give one feed file");
        return false;
    }
    parsed.feed = parser.positional()[0];
    if (parsed.templateFile.empty() || parsed.output.empty()) {
        exitCode = cliUsageError(context, "bill: give --template and -o");
        return false;
    }
    return true;
}

}  // namespace

std::string billUsage(const std::vector<std::string>&) {
    return kBillUsage;
}

int runBillCommand(const CliContext& context, const std::vector<std::string>& args) {
    BillArgs parsed;
    int exitCode = 0;
    if (!parseBillArgs(context, args, parsed, exitCode)) return exitCode;
    Ktx_StringArray varNames;
    Ktx_StringArray varValues;
    if (!parseVars(parsed.vars, varNames, varValues))
        return cliUsageError(context, "bill: --var wants NAME=VALUE");
    std::string error;
    const std::optional<std::string> text = gridReadFile(parsed.feed, &error);
    if (!text) return cliFailure(context, error);
    std::optional<Ktx_Bill> bill = Ktx_Bill::fromFeed(*text, error);
    if (!bill) return cliFailure(context, parsed.feed + ": " + error);
    if (!parseTypes(parsed.types, bill->columnTypes))
        return cliUsageError(context, "bill: --types wants numbers separated by commas");
    const Ktx_String output = windowsPathFromHost(parsed.output);
    AcTransaction* transaction =
        parsed.pictures ? acTransactionManager()->startTransaction() : nullptr;
    VnSSBillOutput billOutput;
    billOutput.setVars(-1, 160, 40, true, true, parsed.pictures ? &*bill : nullptr, transaction);
    const Acad::ErrorStatus ready =
        billOutput.init(output, bill->columnNames, Ktx_Array<int>(), bill->columnTypes,
                        windowsPathFromHost(parsed.templateFile), varNames, varValues);
    if (ready != Acad::eOk) return cliFailure(context, "the bill's window could not be opened");
    bill->output(billOutput);
    if (transaction) acTransactionManager()->endTransaction();
    if (!billOutput.saved()) return cliFailure(context, "the bill was not saved: " + parsed.output);
    std::fprintf(context.out, "%s: %d rows\n", parsed.output.c_str(), billOutput.rowsWritten());
    return 0;
}
