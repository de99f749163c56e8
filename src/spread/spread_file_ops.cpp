#include "spread_file_ops.h"

#include "acad.h"
#include "grid.h"
#include "ktx_settings.h"
#include "ktx_spread.h"
#include "path_translation.h"
#include "spread_editor_registry.h"
#include "spread_settings.h"
#include "text_file.h"

bool writeSpreadSettingsFile(const SpreadSettings& settings, const Ktx_String& spreadName,
                             bool withVariables) {
    const Ktx_String file = spreadCompanionFileName(spreadName);
    if (file.isEmpty()) return false;
    SpreadSettings written = settings;
    if (!withVariables) written.setVariables(Ktx_StringArray(), Ktx_StringArray());
    Ktx_String text;
    return written.toText(text) && coreWriteFileAtomic(file, text.str());
}

bool spreadSaveWithSettings(Ktx_Spread& ss, const Ktx_String& fileName) {
    HWND grid = ss.gridWindow();
    if (!grid || !SSSaveToFile(grid, hostPath(fileName).c_str(), false)) return false;
    SSSetBool(grid, SSB_CHANGEMADE, true);
    SpreadSettings settings;
    settings.readFromGrid(ss);
    if (!writeSpreadSettingsFile(settings, fileName, true) &&
        !writeSpreadSettingsFile(settings, fileName, false))
        acutPrintf("Settings not saved\n");
    settings.writeToGrid(ss);
    return true;
}

bool spreadLoadTemplate(Ktx_Spread& ss, const Ktx_String& fileName) {
    HWND grid = ss.gridWindow();
    if (!grid || !SSLoadFromFile(grid, hostPath(fileName).c_str())) return false;
    SpreadSettings settings;
    settings.readFromGrid(ss);
    ss.setGridFont(settings.defaultFont, settings.defaultTextHeight);
    ss.applyFont(-1, -1, -1, -1);
    return true;
}

bool spreadExportCsv(Ktx_Spread& ss, const Ktx_String& fileName) {
    HWND grid = ss.gridWindow();
    return grid && SSExportToCsvFile(grid, hostPath(fileName).c_str(), true);
}
