// The dialog designer's scenario: the designer opened on the example end-plate template.
#include "scenarios.h"
#include "vn_designer_dlg.h"

namespace {

ScenarioOutcome runDesigner(const ScenarioPlace&) {
    VnDesignerDlg dialog(getDesignerRootFolder() + "EndPlate\\Plate.txt");
    ScenarioOutcome outcome;
    outcome.ended = dialog.DoModal() == IDOK ? "OK" : "Cancel";
    const Ktx_DlgDesignerData& data = dialog.designer();
    nlohmann::json controls = nlohmann::json::array();
    for (int i = 0; i < data.getNrControls(); ++i) {
        const Ktx_DesignerControl& c = *data.getControl(i);
        const CRect r = data.pixelRect(c);
        controls.push_back({{"type", static_cast<int>(c.type)},
                            {"contents", c.contents.str()},
                            {"rect", {r.left, r.top, r.right, r.bottom}}});
    }
    outcome.data = {{"template", data.name.str()},
                    {"unsavedChanges", dialog.modified()},
                    {"controls", controls}};
    return outcome;
}

}  // namespace

Scenario designerScenario() {
    return {"designer", "Dialog designer",
            "The dialog designer on the example end-plate template: select, move, resize, align "
            "and save its controls.",
            runDesigner};
}
