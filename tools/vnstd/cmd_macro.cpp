// vnstd macro show FILE: the catalogue of a macro file (everything a standard can map to).
// vnstd mapping show FILE.map: the keys of a mapping file with their pairs in readable form.
#include <algorithm>
#include <string>
#include <vector>

#include "cmd_macro_edit.h"
#include "commands.h"
#include "ktx_macro.h"
#include "macro_data.h"
#include "macro_file.h"
#include "mapping_file.h"
#include "option_parser.h"
#include "path_translation.h"
#include "section_table_manager.h"
#include "string_helpers.h"
#include "text_file.h"
#include "text_table.h"
#include "vn_ss_mapping.h"

namespace {

using Row = TextTableRow;

std::string orDash(const Ktx_String& text) {
    return text.isEmpty() ? "-" : text.str();
}

// The separator bytes of mapping lines written by name, as the file format describes them.
std::string withByteNames(const Ktx_String& text) {
    std::string out;
    for (char c : text.str()) {
        if (c == kMappingPairSeparator)
            out += "[BF]";
        else if (c == kMappingVarSeparator)
            out += "[83]";
        else if (c == kVnObjectSeparator)
            out += "[95]";
        else
            out += c;
    }
    return out;
}

int showMacro(const CliContext& context, const std::string& file) {
    Ktx_DbMacro macro;
    MacroData data;
    Ktx_String error;
    if (!readMacroFile(windowsPathFromHost(file), macro, data, error))
        return cliFailure(context, error.str());
    gSectionTables.loadLibrary();
    VnSSMapping catalogue;
    catalogue.initAllVarsFromMacro(&macro, nullptr);
    std::vector<Row> rows = {{"OBJECT", "PROPERTY", "KIND", "VISIBILITY", "LABEL"}};
    for (int i = 0; i < catalogue.mapCount(); ++i) {
        const VnObjectMap& m = catalogue.map(i);
        rows.push_back({orDash(m.objectName), orDash(m.varName), mapKindKeyword(m.kind),
                        orDash(visibilityText(m.visibility)), orDash(m.label)});
    }
    printTextTable(context.out, rows);
    return 0;
}

// One pair of a mapping line in readable form.
std::string pairText(const Ktx_String& pair) {
    Ktx_String var, text;
    VnObjectMap map;
    if (!splitString(pair, Ktx_String(&kMappingVarSeparator, 1), var, text, false) ||
        map.getMappingFromStrs(var, text) != Acad::eOk)
        return "(skipped: " + withByteNames(pair) + ")";
    return var.str() + " -> " + orDash(map.objectName) + ", " + mapKindKeyword(map.kind) + ", " +
           orDash(map.varName);
}

int showMapping(const CliContext& context, const std::string& file) {
    Ktx_StringArray lines;
    const Ktx_String path = windowsPathFromHost(file);
    if (!ObjectExportReadFile(path, lines)) return cliFailure(context, "cannot read " + file);
    // The header line as the file has it, when it is taken for one.
    const bool header = lines.length() > 0 && isMappingHeaderLine(lines[0]);
    std::fprintf(context.out, "%s\n", header ? lines[0].c_str() : "(no header line)");
    readMappingLines(path, lines);
    for (int i = 0; i < lines.length(); ++i) {
        Ktx_String key, rest;
        if (!splitString(lines[i], "=", key, rest, false)) {
            std::fprintf(context.out, "(no key: %s)\n", withByteNames(lines[i]).c_str());
            continue;
        }
        std::fprintf(context.out, "%s\n", key.c_str());
        Ktx_StringArray pairs =
            splitStringAtSymbol(rest, Ktx_String(&kMappingPairSeparator, 1), true);
        for (int p = 0; p < pairs.length(); ++p)
            std::fprintf(context.out, "  %s\n", pairText(pairs[p]).c_str());
    }
    return 0;
}

const char* const kMacroUsage =
    "usage: vnstd macro show FILE\n"
    "       vnstd macro edit FILE [--write] [--steps FILE]   (vnstd macro edit --help)\n"
    "\n"
    "Prints the catalogue of a macro file: every object and property a standard's mapping may\n"
    "name, one per line (OBJECT, PROPERTY, KIND, VISIBILITY, LABEL). A mapping text is\n"
    "OBJECT, the byte 0x95, KIND, a blank and PROPERTY; docs/mapping-file.md tells which\n"
    "variable types each kind takes.\n";

const char* const kMappingUsage =
    "usage: vnstd mapping show FILE.map\n"
    "\n"
    "Prints a mapping file: its header line, then each key with its pairs in readable form\n"
    "(variable -> object, kind, property); pairs that do not parse are shown as skipped.\n";

int runShow(const CliContext& context, const std::vector<std::string>& args, const char* what,
            const char* usage, int (*show)(const CliContext&, const std::string&)) {
    OptionParser parser(what);
    std::string error;
    if (!parser.parse(args, error)) return cliUsageError(context, error);
    if (parser.helpAsked()) return std::fputs(usage, context.out) < 0 ? 1 : 0;
    const std::vector<std::string>& files = parser.positional();
    if (files.size() != 2 || files[0] != "show")
        return cliUsageError(context, std::string("usage: vnstd ") + what + " show FILE");
    return show(context, files[1]);
}

}  // namespace

std::string macroUsage(const std::vector<std::string>&) {
    return kMacroUsage;
}

std::string mappingUsage(const std::vector<std::string>&) {
    return kMappingUsage;
}

int runMacroCommand(const CliContext& context, const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "edit") return runMacroEdit(context, args);
    return runShow(context, args, "macro", kMacroUsage, showMacro);
}

int runMappingCommand(const CliContext& context, const std::vector<std::string>& args) {
    return runShow(context, args, "mapping", kMappingUsage, showMapping);
}
