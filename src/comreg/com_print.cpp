#include "com_print.h"

#include "com_registration.h"
#include "command_line.h"
#include "string_helpers.h"
#include "text_file.h"

namespace {

// "0xAB,0xCD,..." for the first `count` byte pairs of digits.
Ktx_String byteList(const Ktx_String& digits, int count) {
    Ktx_String out;
    for (int i = 0; i < count; ++i) {
        if (i > 0) out += ",";
        out += "0x" + digits.getSubStringAt(2 * i, 2);
    }
    return out;
}

}  // namespace

Ktx_String clsidInitialiser(const Ktx_String& idText) {
    Ktx_String bare = idText;
    if (bare.startsWith("{")) bare = bare.getSubStringAt(1);
    if (bare.endsWith("}")) bare = bare.getSubStringAt(0, bare.length() - 1);
    const Ktx_StringArray groups = splitStringAtSymbol(bare, "-", true);
    if (groups.length() != 5 || groups[3].length() < 4 || groups[4].length() < 12)
        return Ktx_String();
    return "{0x" + groups[0] + ",0x" + groups[1] + ",0x" + groups[2] + ",{" +
           byteList(groups[3], 2) + "," + byteList(groups[4], 6) + "}};";
}

Ktx_StringArray registryIdLines(const VnComClassList& list) {
    Ktx_StringArray lines;
    lines.append("TypeLib_=" + comIdText(list.typeLibId));
    for (int i = 0; i < list.classIds.length(); ++i)
        lines.append("Class_" + list.classNames[i] + "=" + comIdText(list.classIds[i]));
    for (int i = 0; i < list.interfaceIds.length(); ++i)
        lines.append("Interface_" + list.interfaceNames[i] + "=" + comIdText(list.interfaceIds[i]));
    return lines;
}

Acad::ErrorStatus SSprintCLSIDs() {
    const VnComClassList list = buildComClassList();
    for (int i = 0; i < list.classIds.length(); ++i) {
        const Ktx_String initialiser = clsidInitialiser(comIdText(list.classIds[i]));
        if (initialiser.isEmpty()) continue;
        acutPrintf("\nconst cCLSID CLSID_%s = %s", list.classNames[i].c_str(), initialiser.c_str());
    }
    const Ktx_String file = moduleFolder() + "RegistryIDs.dat";
    if (!ObjectExportWriteFile(file, registryIdLines(list)))
        acutPrintf("\nCould not write %s\n", file.c_str());
    return Acad::eOk;
}
