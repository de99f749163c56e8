// Scenarios of the small dialogs the Core library opens (src/dialogs).
#include <filesystem>

#include "file_ops.h"
#include "ktx_properties_list.h"
#include "ktx_settings.h"
#include "levels_data.h"
#include "scenarios.h"
#include "vn_cis2_dlg.h"
#include "vn_dstv_dlgs.h"
#include "vn_grid_dlg.h"
#include "vn_levels_dlg.h"
#include "vn_select_image_dlg.h"

namespace {

using json = nlohmann::json;

const char* ended(bool ok) {
    return ok ? "OK" : "Cancel";
}

ScenarioOutcome runGrid(const ScenarioPlace&) {
    VnGridDlgData data;
    ScenarioOutcome outcome;
    outcome.ended = ended(StartDlgGrid(data));
    outcome.data = {{"count1", data.count1},
                    {"distances1", data.distances1.str()},
                    {"label1", data.label1.str()},
                    {"count2", data.count2},
                    {"distances2", data.distances2.str()},
                    {"label2", data.label2.str()},
                    {"option", data.option}};
    return outcome;
}

ScenarioOutcome runCis2(const ScenarioPlace&) {
    VnDlgCis2Data data;
    ScenarioOutcome outcome;
    outcome.ended = ended(StartDlgCis2Info(data));
    outcome.data = {{"mode1", data.mode1},
                    {"option1", data.option1},
                    {"alternative2", data.alternative2},
                    {"option2", data.option2},
                    {"option3", data.option3}};
    return outcome;
}

// The example levels set: properties LevelN.name, LevelN.reference and LevelN.height for
// N = 1, 2, ... up to the first number without a name.
VnLevelsDlgData exampleLevels() {
    VnLevelsDlgData data;
    Ktx_PropertiesList list;
    list.readFromFile(gSettings.libDir + "Levels\\Office.lev");
    Ktx_String name, reference;
    for (int n = 1; list.getProperty("Level" + Ktx_String(n) + ".name", name); ++n) {
        const Ktx_String prefix = "Level" + Ktx_String(n) + ".";
        double height = 0.0;
        list.getProperty(prefix + "height", height);
        const int index = data.addLevel(name);
        data.updateLevel(index, height);
        if (list.getProperty(prefix + "reference", reference)) data.updateLevel(index, reference);
    }
    return data;
}

ScenarioOutcome runLevels(const ScenarioPlace&) {
    VnLevelsDlgData data = exampleLevels();
    ScenarioOutcome outcome;
    outcome.ended = ended(StartDlgLevels(data));
    json levels = json::array();
    const Ktx_StringArray names = data.getNames();
    for (int i = 0; i < names.length(); ++i) {
        Ktx_String name, reference;
        double height = 0.0, absolute = 0.0;
        data.getLevelData(i, name, reference, height, absolute);
        levels.push_back({{"name", name.str()},
                          {"reference", reference.str()},
                          {"height", height},
                          {"absolute", absolute}});
    }
    outcome.data = {{"levels", levels}};
    return outcome;
}

ScenarioOutcome runDstvPoints(const ScenarioPlace&) {
    StartDSTVPointsDlg();
    DlgDstvPoints groups;
    ScenarioOutcome outcome;
    outcome.ended = "closed";
    json names = json::array();
    for (const Ktx_String& name : groups.getAllDstvPointsFiles()) names.push_back(name.str());
    outcome.data = {{"groups", names},
                    {"standard", getFileName(groups.getStandardDstvPointsFile()).str()}};
    return outcome;
}

ScenarioOutcome runSelectImage(const ScenarioPlace&) {
    VnSelectImageDlgData data;
    data.title = "Choose a connection";
    for (const char* name : {"Base plate", "End plate", "Splice"})
        data.imageFiles.append(gSettings.libDir + "Images\\" + name + ".bmp");
    ScenarioOutcome outcome;
    outcome.ended = ended(StartDlgSelectImage(data));
    outcome.data = {{"selection", data.selection.str()}};
    return outcome;
}

}  // namespace

std::vector<Scenario> dialogScenarios() {
    return {
        {"grid", "Building grid",
         "The grid dialog on the default block: 4 and 3 grid lines 5000 apart, labels A and 1.",
         runGrid},
        {"cis2", "CIS/2 information",
         "The CIS/2 choices on the default block; the table button edits the library's "
         "CIS2ProfNames.dat.",
         runCis2},
        {"levels", "Levels",
         "The levels dialog on the example levels set (Levels\\Office.lev): choose, add and "
         "delete levels, change heights.",
         runLevels},
        {"dstv-points", "DSTV point groups",
         "The DSTV point groups of the library (DSTV Points: Kolommen, the standard, and "
         "Liggers): make standard, add, remove, and edit a group's points.",
         runDstvPoints},
        {"select-image", "Select an image",
         "The image selection dialog on the library's pictures (Images: base plate, end plate, "
         "splice): choose one with OK or a double click.",
         runSelectImage},
    };
}
