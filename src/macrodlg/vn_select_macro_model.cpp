#include "vn_select_macro_model.h"

#include <algorithm>
#include <set>

#include "dial_string.h"
#include "file_ops.h"
#include "string_helpers.h"
#include "ui_languages.h"

namespace {

constexpr int kTextDefaultCaption = 1116;
constexpr int kTextFilterCaption = 1117;
constexpr int kTextOf = 1121;

bool hasDuplicates(const Ktx_StringArray& texts) {
    std::set<std::string> seen;
    for (const Ktx_String& text : texts) {
        if (!seen.insert(text.str()).second) return true;
    }
    return false;
}

}  // namespace

Ktx_StringArray selectMacroLabels(const Ktx_StringArray& files) {
    Ktx_StringArray full, shortened;
    for (const Ktx_String& file : files) {
        const Ktx_String name = removeExtension(getFileName(file));
        const Ktx_String label = gMacroLangs.GetString(name, "", name);
        const Ktx_String stripped = stripNumbersAtEnd(label);
        full.append(label);
        shortened.append(stripped.isEmpty() ? label : stripped);
    }
    return hasDuplicates(shortened) ? full : shortened;
}

VnSelectMacroModel::VnSelectMacroModel(const VnSelectMacroInput& input)
    : caption(input.caption),
      extraChoice(input.extraChoice ? 1 : 0),
      showHint(input.showHint ? 1 : 0) {
    filter.initialize(input.names, input.enabled, input.thumbWidth, input.thumbHeight);
}

Ktx_String VnSelectMacroModel::windowCaption() const {
    return caption.isEmpty() ? dialString(kTextDefaultCaption) : caption;
}

Ktx_String VnSelectMacroModel::frameCaption(int shown) const {
    Ktx_StringArray all;
    filter.getAllDwgFiles(all);
    return dialString(kTextFilterCaption) + " (" + Ktx_String(shown) + " " + dialString(kTextOf) +
           " " + Ktx_String(all.length()) + ")";
}

Ktx_StringArray VnSelectMacroModel::drawingsWithoutPreview() const {
    Ktx_StringArray all, missing;
    filter.getAllDwgFiles(all);
    for (const Ktx_String& file : all) {
        if (!ObjectExportFileExists(changeExtension(file, "bmp"))) missing.append(file);
    }
    return missing;
}

void VnSelectMacroModel::filteredThumbnails(Ktx_StringArray& files, Ktx_StringArray& labels) const {
    filter.getFilteredMacros(files);
    labels = selectMacroLabels(files);
}

void VnSelectMacroModel::loadFilterItems() {
    filter.getMergedProperties(itemNames, itemLabels, itemStates);
}

int VnSelectMacroModel::filterColumnCount() const {
    int items = 0;
    for (int r = 0; r < itemNames.length(); ++r) items = std::max(items, itemNames[r].length());
    return 2 * items;
}

bool VnSelectMacroModel::filterItemAt(int col, int row, int& itemRow, int& item) const {
    if (col < 1 || row < 1 || row > itemNames.length()) return false;
    itemRow = row - 1;
    item = (col - 1) / 2;
    return item < itemNames[itemRow].length();
}

bool VnSelectMacroModel::filterClicked(int col, int row, bool on) {
    int r = 0, item = 0;
    if (!filtersReady || !filterItemAt(col, row, r, item)) return false;
    const Ktx_String& module = itemNames[r][0];
    const Acad::ErrorStatus es = item == 0
                                     ? filter.setModuleStatus(module, on)
                                     : filter.setModulePropStatus(module, itemNames[r][item], on);
    if (es != Acad::eOk) return false;
    loadFilterItems();
    return true;
}

bool VnSelectMacroModel::choose(const Ktx_String& selection) {
    if (selection.isEmpty()) return false;
    chosen = changeExtension(selection, "dwg");
    extraChoice = 0;
    return true;
}

void VnSelectMacroModel::chooseOther() {
    extraChoice = 1;
    chosen = Ktx_String();
}
