// vnstd template list | show NAME | check NAME: the dialog templates of the library.
//
// A template's name is its path below "Dialog Templates\Dialog Design\" without ".txt".
// show prints each control with its type, pixel rectangle on the picture, contents and
// extension, and the tab order the macro dialog gives it; check reports controls outside the
// picture, overlapping editable controls, variable names used twice and list files that do
// not exist, and exits with 1 when it found any.
#include <string>
#include <vector>

#include "commands.h"
#include "designer_texts.h"
#include "file_ops.h"
#include "ktx_dlg_designer_data.h"
#include "text_table.h"

namespace {

const char* const kTemplateUsage = "usage: vnstd template list | show NAME | check NAME\n";

Ktx_String templateFile(const std::string& name) {
    Ktx_String windowsName(name);
    windowsName.replaceSubString("/", "\\");
    return getDesignerRootFolder() + windowsName + ".txt";
}

bool readTemplate(const CliContext& context, const std::string& name, Ktx_DlgDesignerData& data) {
    if (data.readFromFile(templateFile(name), true)) return true;
    cliFailure(context, "no dialog template '" + name + "'");
    return false;
}

std::string typeName(int type) {
    const Ktx_StringArray names = designerTypeNames();
    return type >= 0 && type < names.length() ? names[type].str() : "type " + std::to_string(type);
}

std::string pictureSize(const Ktx_DlgDesignerData& data) {
    if (data.imageWidth == 0) return "-";
    return std::to_string(data.imageWidth) + "x" + std::to_string(data.imageHeight);
}

int listTemplates(const CliContext& context) {
    Ktx_StringArray names;
    getModuleImages(names);
    std::vector<TextTableRow> rows = {{"NAME", "CONTROLS", "PICTURE"}};
    for (const Ktx_String& name : names) {
        Ktx_DlgDesignerData data;
        const bool read = data.readFromFile(getDesignerRootFolder() + name + ".txt", true);
        rows.push_back({name.str(), read ? std::to_string(data.getNrControls()) : "unreadable",
                        pictureSize(data)});
    }
    printTextTable(context.out, rows);
    return 0;
}

int showTemplate(const CliContext& context, const std::string& name) {
    Ktx_DlgDesignerData data;
    if (!readTemplate(context, name, data)) return 1;
    data.sortAllControls();
    std::fprintf(context.out, "Template: %s\nPicture: %s\n\n", data.name.c_str(),
                 pictureSize(data).c_str());
    std::vector<TextTableRow> rows = {
        {"#", "TYPE", "NAME", "LEFT", "TOP", "RIGHT", "BOTTOM", "TAB", "CONTENTS", "EXTENSION"}};
    for (int i = 0; i < data.getNrControls(); ++i) {
        const Ktx_DesignerControl& c = *data.getControl(i);
        const CRect r = data.pixelRect(c);
        const bool inOrder = !c.readOnly && !isLabelType(c.type);
        rows.push_back({std::to_string(i), std::to_string(c.type), typeName(c.type),
                        std::to_string(r.left), std::to_string(r.top), std::to_string(r.right),
                        std::to_string(r.bottom), inOrder ? std::to_string(c.tabOrder) : "-",
                        c.contents.str(), c.getMergedExtComboList().str()});
    }
    printTextTable(context.out, rows);
    return 0;
}

std::string label(int i, const Ktx_DesignerControl& c) {
    return "control " + std::to_string(i) + " (" + c.contents.str() + ")";
}

bool overlaps(const CRect& a, const CRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Whether the macro dialog reads a list file for the combo (27 names a folder, 28 is fixed).
bool readsListFile(const Ktx_DesignerControl& c) {
    return isComboType(c.type) && c.type != kCtrlBlockList && c.type != kCtrlCutList &&
           !c.comboList.isEmpty();
}

std::vector<std::string> findings(const Ktx_DlgDesignerData& data) {
    std::vector<std::string> out;
    const CRect picture(0, 0, data.imageWidth, data.imageHeight);
    if (data.imageWidth == 0) out.push_back("the template has no picture");
    for (int i = 0; i < data.getNrControls(); ++i) {
        const Ktx_DesignerControl& c = *data.getControl(i);
        const CRect r = data.pixelRect(c);
        if (data.imageWidth > 0 &&
            (r.left < 0 || r.top < 0 || r.right > picture.right || r.bottom > picture.bottom))
            out.push_back(label(i, c) + " lies outside the picture");
        if (readsListFile(c) && !ObjectExportFileExists(c.comboListPath()))
            out.push_back(label(i, c) + ": list file '" + c.comboList.str() + "' does not exist");
        for (int j = i + 1; j < data.getNrControls(); ++j) {
            const Ktx_DesignerControl& d = *data.getControl(j);
            if (!isLabelType(c.type) && !isLabelType(d.type) && overlaps(r, data.pixelRect(d)))
                out.push_back(label(i, c) + " overlaps " + label(j, d));
            const bool variables = (c.type == kCtrlVariableEdit || c.type == kCtrlVariableCombo) &&
                                   (d.type == kCtrlVariableEdit || d.type == kCtrlVariableCombo);
            if (variables && c.contents.equal(d.contents, false))
                out.push_back(label(i, c) + " and " + label(j, d) + " edit the same variable");
        }
    }
    return out;
}

int checkTemplate(const CliContext& context, const std::string& name) {
    Ktx_DlgDesignerData data;
    if (!readTemplate(context, name, data)) return 1;
    const std::vector<std::string> found = findings(data);
    for (const std::string& line : found)
        std::fprintf(context.out, "%s: %s\n", name.c_str(), line.c_str());
    if (found.empty()) std::fprintf(context.out, "%s: no findings\n", name.c_str());
    return found.empty() ? 0 : 1;
}

}  // namespace

std::string templateUsage(const std::vector<std::string>&) {
    return kTemplateUsage;
}

int runTemplateCommand(const CliContext& context, const std::vector<std::string>& args) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h"))
        return std::fputs(kTemplateUsage, context.out) < 0 ? 1 : 0;
    if (args.size() == 1 && args[0] == "list") return listTemplates(context);
    if (args.size() == 2 && args[0] == "show") return showTemplate(context, args[1]);
    if (args.size() == 2 && args[0] == "check") return checkTemplate(context, args[1]);
    return cliUsageError(context, "template: give list, show NAME or check NAME");
}
