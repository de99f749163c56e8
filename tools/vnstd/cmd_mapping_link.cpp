// vnstd mapping link STANDARD [--key KEY] [--macro FILE] VAR=OBJECT.PROPERTY.KIND ...: links
// variables of a standard as the macro settings dialog's standards page saves them.
#include "cmd_mapping_link.h"

#include <cstdio>
#include <string>
#include <vector>

#include "ktx_macro.h"
#include "macro_data.h"
#include "macro_file.h"
#include "mapping_file.h"
#include "option_parser.h"
#include "path_translation.h"
#include "section_table_manager.h"
#include "std_sheet.h"
#include "vn_map_kind.h"
#include "vn_ss_mapping.h"
#include "vn_ss_mapping_page_model.h"

const char* const kMappingLinkUsage =
    "usage: vnstd mapping link STANDARD [--key KEY] [--macro FILE.macro] VAR=OBJECT.PROPERTY.KIND"
    " ...\n"
    "\n"
    "Links Input and Output variables of a standard (its name below \"Connection Standards\\\",\n"
    "without extension) to properties of a macro, as the standards page of the macro settings\n"
    "dialog does, and prints the mapping key the macro is to keep.\n"
    "\n"
    "The links start from the line of KEY in the standard's mapping file (none without --key);\n"
    "each VAR=OBJECT.PROPERTY.KIND replaces the link of VAR, and VAR= removes it. OBJECT ends\n"
    "at the first \".\", KIND (a keyword such as Distance or PrPlName) follows the last one;\n"
    "OBJECT and PROPERTY may be empty (\".Prof0.PrPlName\", \"Bolts..BoltsDiameter\").\n"
    "When the links changed, they are written as a new line at the end of the mapping file\n"
    "under a fresh 24-character key, which is printed; the line of KEY stays for other macros.\n"
    "When nothing changed, nothing is written and KEY is printed.\n"
    "\n"
    "  --key KEY          the key the macro uses now (it must have a line in the file)\n"
    "  --macro FILE       also check that every link names a property of this macro\n"
    "                     (vnstd macro show FILE lists them)\n";

namespace {

struct LinkRequest {
    std::string standard, key, macroFile;
    std::vector<std::string> links;
};

// One VAR=OBJECT.PROPERTY.KIND argument checked against the standard's variables; an empty
// right side gives a map of kind 0 (the link is removed).
bool parseLink(const std::string& arg, const StdSheet& sheet, VnObjectMap& map,
               std::string& error) {
    const size_t eq = arg.find('=');
    if (eq == std::string::npos || eq == 0) {
        error = "'" + arg + "' is not VAR=OBJECT.PROPERTY.KIND";
        return false;
    }
    map.ssVarName = arg.substr(0, eq);
    int index = -1;
    if (sheet.variables.findVarCell(map.ssVarName, index) != Acad::eOk ||
        sheet.variables[index].isLocal()) {
        error = "'" + map.ssVarName.str() + "' is no Input or Output variable of " + sheet.name();
        return false;
    }
    map.ssVarName = sheet.variables[index].name;
    const std::string target = arg.substr(eq + 1);
    if (target.empty()) return true;
    const size_t first = target.find('.'), last = target.rfind('.');
    VnMapKind kind = VnMapNone;
    const std::string keyword = last == std::string::npos ? "" : target.substr(last + 1);
    if (first == last || !parseMapKindKeyword(keyword, kind) || keyword != mapKindKeyword(kind)) {
        error = "'" + target + "' is not OBJECT.PROPERTY.KIND with a known KIND";
        return false;
    }
    VnValueType kindType = VnValueString;
    mapKindValueType(kind, kindType);
    if (!isSameValueFamily(kindType, sheet.variables[index].valueType)) {
        error = "'" + map.ssVarName.str() + "' cannot take a " + keyword +
                " (a number and a text do not mix)";
        return false;
    }
    map.objectName = target.substr(0, first);
    map.varName = target.substr(first + 1, last - first - 1);
    map.kind = kind;
    return true;
}

// The links of the request applied to the stored ones.
bool applyLinks(const LinkRequest& request, const StdSheet& sheet, VnSSMapping& mapping,
                bool& removed, std::string& error) {
    removed = false;
    for (const std::string& arg : request.links) {
        VnObjectMap map;
        if (!parseLink(arg, sheet, map, error)) return false;
        auto& maps = mapping.mappedObjectsWrite();
        for (size_t i = maps.size(); i-- > 0;) {
            if (!maps[i]->ssVarName.equal(map.ssVarName, false)) continue;
            removed = removed || map.kind == VnMapNone;
            maps.erase(maps.begin() + static_cast<long>(i));
        }
        if (map.kind != VnMapNone) mapping.appendMap(map);
    }
    return true;
}

// Every link names an entry of the macro's catalogue.
bool checkAgainstMacro(const std::string& file, const VnSSMapping& mapping, std::string& error) {
    Ktx_DbMacro macro;
    MacroData data;
    Ktx_String readError;
    if (!readMacroFile(windowsPathFromHost(file), macro, data, readError)) {
        error = readError.str();
        return false;
    }
    gSectionTables.loadLibrary();
    VnSSMapping catalogue;
    catalogue.initAllVarsFromMacro(&macro, nullptr);
    for (const auto& m : mapping.mappedObjects()) {
        int found = -1;
        if (catalogue.findCompatible(*m, found) == Acad::eOk) continue;
        error = "the macro has no " + m->objectName.str() + "." + m->varName.str() + "." +
                mapKindKeyword(m->kind) + " (for " + m->ssVarName.str() + ")";
        return false;
    }
    return true;
}

int link(const CliContext& context, const LinkRequest& request) {
    const Ktx_String path = VnSSMappingPageModel::standardPath(request.standard);
    const std::shared_ptr<const StdSheet> sheet = loadStdSheet(path);
    if (!sheet->loaded || sheet->first[0] < 0 || sheet->first[1] < 0)
        return cliFailure(context, "cannot read the variables of " + hostPath(path));
    VnSSMapping stored;
    if (!request.key.empty() && stored.getMappingFromFile(path, request.key) != Acad::eOk) {
        return cliFailure(context, "no line with the key '" + request.key + "' in " +
                                       hostPath(mappingFilePath(path)));
    }
    VnSSMapping links = stored;
    bool removed = false;
    std::string error;
    if (!applyLinks(request, *sheet, links, removed, error)) return cliUsageError(context, error);
    if (!request.macroFile.empty() && !checkAgainstMacro(request.macroFile, links, error))
        return cliFailure(context, error);
    Ktx_String key = request.key;
    bool written = false;
    if (VnSSMappingPageModel::storeChangedMapping(request.standard, links, stored, removed, key,
                                                  written) != Acad::eOk) {
        return cliFailure(context, "cannot write " + hostPath(mappingFilePath(path)));
    }
    std::fprintf(context.err, "%s\n", written ? "new mapping line written" : "mapping unchanged");
    std::fprintf(context.out, "%s\n", key.c_str());
    return 0;
}

}  // namespace

int runMappingLink(const CliContext& context, const std::vector<std::string>& args) {
    LinkRequest request;
    OptionParser parser("mapping link");
    parser.value("--key", request.key).value("--macro", request.macroFile);
    std::string error;
    if (!parser.parse(args, error)) return cliUsageError(context, error);
    if (parser.helpAsked()) return std::fputs(kMappingLinkUsage, context.out) < 0 ? 1 : 0;
    const std::vector<std::string>& positional = parser.positional();
    if (positional.size() < 2)
        return cliUsageError(context,
                             "usage: vnstd mapping link STANDARD VAR=OBJECT.PROPERTY.KIND ...");
    request.standard = positional[0];
    request.links.assign(positional.begin() + 1, positional.end());
    return link(context, request);
}
