// vnstd macro show FILE: the catalogue of a macro file (everything a standard can map to).
// vnstd mapping show FILE.map: the keys of a mapping file with their pairs in readable form.
#include <algorithm>
#include <string>
#include <vector>

#include "commands.h"
#include "ktx_macro.h"
#include "macro_data.h"
#include "macro_file.h"
#include "mapping_file.h"
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
    const bool header = lines.length() > 0 && lines[0] == kMappingHeader;
    std::fprintf(context.out, "%s\n", header ? kMappingHeader : "(no header line)");
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

int runShow(const CliContext& context, const std::vector<std::string>& args, const char* what,
            int (*show)(const CliContext&, const std::string&)) {
    if (args.size() != 2 || args[0] != "show")
        return cliUsageError(context, std::string("usage: vnstd ") + what + " show FILE");
    return show(context, args[1]);
}

}  // namespace

int runMacroCommand(const CliContext& context, const std::vector<std::string>& args) {
    return runShow(context, args, "macro", showMacro);
}

int runMappingCommand(const CliContext& context, const std::vector<std::string>& args) {
    return runShow(context, args, "mapping", showMapping);
}
