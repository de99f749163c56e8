#include "mapping_file.h"

#include "file_ops.h"
#include "ktx_settings.h"
#include "string_helpers.h"
#include "text_file.h"

const char* const kMappingHeader = "Mapping version 1.0";

Ktx_String mappingFilePath(const Ktx_String& ssName) {
    if (ssName.view().find_first_of("\\/") != std::string_view::npos)
        return changeExtension(ssName, "map");
    return changeExtension(gSettings.libDir + "Connection Standards\\" + ssName + ".vns", "map");
}

bool isMappingHeaderLine(const Ktx_String& line) {
    return line.hasSubString("Mapping", false) && line.hasSubString("version", false);
}

bool readMappingLines(const Ktx_String& path, Ktx_StringArray& lines) {
    Ktx_StringArray read;
    if (!ObjectExportReadFile(path, read)) return false;
    if (read.length() > 0 && isMappingHeaderLine(read[0])) read.removeAt(0);
    lines = read;
    return true;
}

bool writeMappingLines(const Ktx_String& path, const Ktx_StringArray& lines) {
    Ktx_StringArray all(1024, 512);
    all.append(Ktx_String(kMappingHeader));
    all.append(lines);
    return ObjectExportWriteFile(path, all);
}

Ktx_String mappingLineKey(const Ktx_String& line) {
    int eq = line.findFirstFrom("=");
    return eq < 0 ? Ktx_String() : line.getSubStringAt(0, eq);
}

Ktx_StringArray mappingLineKeys(const Ktx_StringArray& lines) {
    Ktx_StringArray keys;
    for (int i = 0; i < lines.length(); ++i) keys.append(mappingLineKey(lines[i]));
    return keys;
}
