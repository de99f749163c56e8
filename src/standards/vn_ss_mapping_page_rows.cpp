// The mapping half of the mapping page's rules: laying out the rows of one standard, choosing
// catalogue entries, and storing changed links under a fresh key.
#include "mapping_file.h"
#include "string_helpers.h"
#include "vn_ss_mapping_page_model.h"
#include "vn_var_cells.h"

namespace {

constexpr int kKeyLength = 24;
constexpr int kMaxKeyDraws = 9999;

}  // namespace

bool VnSSMappingPageModel::showMapping(int i, const VnVarCells* cells) {
    if (!validIndex(i)) return false;
    forgetShown();
    shown_ = i;
    if (isModuleGroup(i) || cells == nullptr) return true;
    // No line for the key (or no file) leaves the stored mapping empty: nothing is linked.
    if (stored_.getMappingFromFile(standardPath(standardName(i)), mappingKey(i)) != Acad::eOk)
        stored_ = VnSSMapping();
    addSectionRows(*cells, VnCellInput, "Input");
    addSectionRows(*cells, VnCellOutput, "Output");
    return true;
}

void VnSSMappingPageModel::addSectionRows(const VnVarCells& cells, VnCellType section,
                                          const char* title) {
    VnMappingRow head;
    head.title = true;
    head.section = section;
    head.name = title;
    rows_.push_back(head);
    for (int c = 0; c < cells.length(); ++c) {
        const VnVarCell& cell = cells[c];
        if (cell.cellType != section) continue;
        VnMappingRow row;
        row.section = section;
        row.type = cell.valueType;
        row.name = cell.name;
        AcArray<int> valid;
        catalogue_.getValidVars(true, cell.valueType, valid);
        row.choices.assign(valid.begin(), valid.end());
        // The variable's own stored links; the first offered entry compatible with one of
        // them is the current choice.
        VnSSMapping own;
        for (const auto& m : stored_.mappedObjects())
            if (m->ssVarName.equal(cell.name, false)) own.appendMap(*m);
        for (int k = 0; k < static_cast<int>(row.choices.size()) && row.chosen < 0; ++k) {
            int found = -1;
            if (own.findCompatible(catalogue_.map(row.choices[static_cast<size_t>(k)]), found) ==
                Acad::eOk)
                row.chosen = k;
        }
        row.shownChoice = row.chosen;
        rows_.push_back(row);
    }
}

Ktx_String VnSSMappingPageModel::choiceText(int catalogueIndex) const {
    if (catalogueIndex < 0 || catalogueIndex >= catalogue_.mapCount()) return Ktx_String();
    const VnObjectMap& m = catalogue_.map(catalogueIndex);
    Ktx_String text = m.objectName;
    if (!m.objectName.isEmpty() && !m.varName.isEmpty()) text += ".";
    text += m.varName;
    if (m.kind != VnMapDistance && m.kind != VnMapMemberSectionSize) {
        text += ".";
        text += mapKindKeyword(m.kind);
    }
    if (!m.label.isEmpty()) text += " " + m.label;
    return text;
}

Ktx_StringArray VnSSMappingPageModel::choiceTexts(const VnMappingRow& row) const {
    Ktx_StringArray texts;
    for (int c : row.choices) texts.append(choiceText(c));
    return texts;
}

bool VnSSMappingPageModel::choose(int r, const Ktx_String& text) {
    if (r < 0 || r >= static_cast<int>(rows_.size())) return false;
    VnMappingRow& row = rows_[static_cast<size_t>(r)];
    if (row.title) return false;
    row.chosen = text.isEmpty() ? -1 : choiceTexts(row).find(text);
    return true;
}

VnSSMapping VnSSMappingPageModel::builtMapping() const {
    VnSSMapping built;
    for (const VnMappingRow& row : rows_) {
        if (row.title || row.chosen < 0) continue;
        VnObjectMap m = catalogue_.map(row.choices[static_cast<size_t>(row.chosen)]);
        m.ssVarName = row.name;
        built.appendMap(m);
    }
    return built;
}

bool VnSSMappingPageModel::linkRemoved() const {
    for (const VnMappingRow& row : rows_)
        if (row.shownChoice >= 0 && row.chosen < 0) return true;
    return false;
}

Ktx_String VnSSMappingPageModel::freshKey(const Ktx_StringArray& used) {
    for (int draw = 0; draw < kMaxKeyDraws; ++draw) {
        Ktx_String key = generateRandomString(kKeyLength, true);
        if (key.isEmpty()) break;
        if (!used.contains(key, true)) return key;
    }
    return Ktx_String();
}

Acad::ErrorStatus VnSSMappingPageModel::storeChangedMapping(const Ktx_String& name,
                                                            const VnSSMapping& built,
                                                            const VnSSMapping& stored,
                                                            bool linkRemoved, Ktx_String& key,
                                                            bool& written) {
    written = false;
    // isEqual looks only at the links that are there: a link taken away is a change too.
    if (built.isEqual(stored) && !linkRemoved) return Acad::eOk;
    const Ktx_String path = standardPath(name);
    Ktx_StringArray lines;
    readMappingLines(mappingFilePath(path), lines);
    const Ktx_String fresh = freshKey(mappingLineKeys(lines));
    if (fresh.isEmpty()) return Acad::eInvalidInput;
    VnSSMapping toWrite = built;
    if (toWrite.setMappingToFile(path, fresh) != Acad::eOk) return Acad::eInvalidInput;
    key = fresh;
    written = true;
    return Acad::eOk;
}

Acad::ErrorStatus VnSSMappingPageModel::saveMapping() {
    if (!validIndex(shown_) || isModuleGroup(shown_)) return Acad::eOk;
    const VnSSMapping built = builtMapping();
    bool written = false;
    const Acad::ErrorStatus es =
        storeChangedMapping(standardName(shown_), built, stored_, linkRemoved(),
                            settings_->mappingKeys[shown_], written);
    // A failure comes only after a change was found.
    if (written || es != Acad::eOk) modified_ = true;
    if (!written) return es;
    stored_ = built;
    for (VnMappingRow& row : rows_) row.shownChoice = row.chosen;
    return Acad::eOk;
}
