// vnstd sections list | show TABLE [--all] | add TABLE TEMPLATE VALUE... | check: the section
// tables of the library's "prof" folder.
//
// list prints each table with its shape and its number of sizes; show prints the active sizes
// of one table (all of them, with their active flag, with --all); add adds a size as the
// simple size dialog does (the template size's row copied, the values in the order of the
// value columns, the composed name, the sorted position, the rectangular tube check) and
// writes the table back; check reports duplicate system names, rows whose length differs from
// the header's, shapes that are no section type and no drawing, and missing pictures.
#include <string>
#include <vector>

#include "commands.h"
#include "file_ops.h"
#include "file_search.h"
#include "ktx_prof_values_table.h"
#include "ktx_settings.h"
#include "section_images.h"
#include "section_types.h"
#include "string_helpers.h"
#include "text_table.h"
#include "vn_lib_simple_model.h"

namespace {

const char* const kSectionsUsage =
    "usage: vnstd sections list | show TABLE [--all] | add TABLE TEMPLATE VALUE... | check\n"
    "  list    every table of the library's prof folder: shape and number of sizes\n"
    "  show    the active sizes of a table (--all: every size with its I/O flag)\n"
    "  add     adds a size made from the row of TEMPLATE with the values given in the order of\n"
    "          the value columns, named from them; writes the table\n"
    "  check   duplicate system names, rows of the wrong length, shapes without a section type,\n"
    "          missing pictures (exit 1 when anything is found)\n";

// The table names of the library, in name order.
Ktx_StringArray tableNames() {
    Ktx_StringArray files, names;
    ObjectExportFindFiles(gSettings.libDir + "prof\\", "*.pr", files);
    for (const Ktx_String& file : files) names.append(removeExtension(getFileName(file)));
    return names;
}

std::string shapeText(const Ktx_String& shape) {
    if (isDrawingShape(shape)) return shape.str() + " (drawing)";
    return shape.str() + " " + sectionTypeDisplayEntry(shapeTypeNumber(shape)).str();
}

int listTables(const CliContext& context) {
    std::vector<TextTableRow> rows = {{"TABLE", "SHAPE", "SIZES", "ACTIVE"}};
    for (const Ktx_String& name : tableNames()) {
        Ktx_ProfValuesTable table;
        if (!table.readFromFile(name)) {
            rows.push_back({name.str(), "(unreadable)", "-", "-"});
            continue;
        }
        Ktx_StringArray active;
        table.getFilteredSysNames(active);
        rows.push_back({name.str(), shapeText(table.shapeRef), std::to_string(table.rows.length()),
                        std::to_string(active.length())});
    }
    printTextTable(context.out, rows);
    return 0;
}

int showTable(const CliContext& context, const std::string& name, bool all) {
    Ktx_ProfValuesTable table;
    if (!table.readFromFile(name)) return cliFailure(context, "no section table '" + name + "'");
    std::fprintf(context.out, "%s: shape %s\n", table.name.c_str(),
                 shapeText(table.shapeRef).c_str());
    std::vector<TextTableRow> lines;
    TextTableRow header;
    for (const Ktx_String& cell : table.header) header.push_back(cell.str());
    if (!all && !header.empty())
        header.erase(header.begin() + std::min<size_t>(1, header.size() - 1));
    lines.push_back(header);
    for (const Ktx_StringArray& row : table.rows) {
        if (!all && row.length() > 1 && row[1] == "0") continue;
        TextTableRow line;
        for (int col = 0; col < row.length(); ++col) {
            if (!all && col == 1) continue;
            line.push_back(row[col].str());
        }
        lines.push_back(line);
    }
    printTextTable(context.out, lines);
    return 0;
}

int addSize(const CliContext& context, const std::vector<std::string>& args) {
    Ktx_ProfValuesTable table;
    if (!table.readFromFile(args[1]))
        return cliFailure(context, "no section table '" + args[1] + "'");
    VnLibSimpleModel model(args[2], table);
    const int values = static_cast<int>(args.size()) - 3;
    if (model.templateRow() < 0) {
        return cliFailure(context, "'" + args[2] + "' is no size of " + args[1] +
                                       " whose name is made of its values");
    }
    if (values > model.fieldCount()) {
        return cliUsageError(context, "sections add: " + args[1] + " takes at most " +
                                          std::to_string(model.fieldCount()) + " values");
    }
    for (int k = 0; k < values; ++k)
        model.setFieldText(k, Ktx_String(args[3 + static_cast<size_t>(k)]));
    int row = -1;
    switch (model.add(row)) {
        case VnLibSimpleModel::AddResult::Refused:
            return cliFailure(context,
                              "refused: the corner radius of a rectangular tube must be 0 "
                              "or greater than its wall thickness");
        case VnLibSimpleModel::AddResult::Failed:
            return cliFailure(context, "no size '" + args[2] + "' in " + args[1]);
        case VnLibSimpleModel::AddResult::Added:
            break;
    }
    if (!model.table().writeToFile(table.name))
        return cliFailure(context, "cannot write " + args[1]);
    std::fprintf(context.out, "added %s-%s at row %d\n", table.name.c_str(),
                 model.newSysName().c_str(), row + 1);
    return 0;
}

// The findings of one table.
void checkTable(const Ktx_String& name, std::vector<std::string>& findings) {
    Ktx_ProfValuesTable table;
    const std::string at = name.str() + ": ";
    if (!table.readFromFile(name)) {
        findings.push_back(at + "cannot be read");
        return;
    }
    Ktx_StringArray sysNames;
    table.getColumn(0, sysNames);
    for (int index : getDuplicates(sysNames)) {
        findings.push_back(at + "system name '" + sysNames[index].str() + "' more than once");
    }
    for (int r = 0; r < table.rows.length(); ++r) {
        if (table.rows[r].length() != table.header.length()) {
            findings.push_back(at + "row " + std::to_string(r + 1) + " has " +
                               std::to_string(table.rows[r].length()) + " cells, the header " +
                               std::to_string(table.header.length()));
        }
    }
    const Ktx_String& shape = table.shapeRef;
    if (isDrawingShape(shape)) {
        if (!ObjectExportFileExists(gSettings.libDir + "prof\\" + shape)) {
            findings.push_back(at + "drawing '" + shape.str() + "' is missing");
        }
    } else if (sectionTypeImageBase(shapeTypeNumber(shape)).isEmpty()) {
        findings.push_back(at + "shape '" + shape.str() + "' is no section type");
        return;
    }
    for (bool big : {true, false}) {
        const Ktx_String picture = sectionImageName(shape, "", big);
        if (picture.startsWith("Unknown-")) {
            findings.push_back(at + "no " + (big ? "big" : "small") + " picture");
        }
    }
}

int checkTables(const CliContext& context) {
    std::vector<std::string> findings;
    const Ktx_StringArray names = tableNames();
    for (const Ktx_String& name : names) checkTable(name, findings);
    for (const char* unknown : {"Unknown-big.bmp", "Unknown-small.bmp"}) {
        if (!ObjectExportFileExists(sectionIconsFolder() + unknown)) {
            findings.push_back(std::string("icons: ") + unknown + " is missing");
        }
    }
    for (const std::string& line : findings) std::fprintf(context.out, "%s\n", line.c_str());
    std::fprintf(context.out, "%d tables checked, %zu findings\n", names.length(), findings.size());
    return findings.empty() ? 0 : 1;
}

}  // namespace

std::string sectionsUsage(const std::vector<std::string>&) {
    return kSectionsUsage;
}

int runSectionsCommand(const CliContext& context, const std::vector<std::string>& args) {
    const std::string wrong =
        "sections: give list, show TABLE [--all], add TABLE TEMPLATE VALUE... or check";
    if (args.empty()) return cliUsageError(context, wrong);
    const std::string& what = args[0];
    if (what == "list" && args.size() == 1) return listTables(context);
    if (what == "check" && args.size() == 1) return checkTables(context);
    if (what == "show" && args.size() == 2) return showTable(context, args[1], false);
    if (what == "show" && args.size() == 3 && args[2] == "--all")
        return showTable(context, args[1], true);
    if (what == "add" && args.size() >= 4) return addSize(context, args);
    return cliUsageError(context, wrong);
}
