#include "dlg_edit_lib_data.h"

#include <utility>

#include "file_ops.h"
#include "file_search.h"
#include "ktx_settings.h"
#include "ui_languages.h"

const SectionGroup* SectionGroupArray::at(int index) const {
    return index >= 0 && index < length() ? &groups_[static_cast<size_t>(index)] : nullptr;
}

Ktx_String SectionGroupArray::getName(int index) const {
    const SectionGroup* g = at(index);
    if (g == nullptr || g->names.isEmpty()) return Ktx_String();
    const int lang = gMacroLangs.getCurLanguageIndex();
    return g->names.isValidIndex(lang) ? g->names[lang] : g->names[0];
}

bool SectionGroupArray::getEnabled(int index) const {
    const SectionGroup* g = at(index);
    return g != nullptr && g->enabled;
}

Ktx_String SectionGroupArray::getImage(int index) const {
    const SectionGroup* g = at(index);
    return g ? g->image : Ktx_String();
}

Ktx_StringArray SectionGroupArray::getLangs(int index) const {
    const SectionGroup* g = at(index);
    return g ? g->names : Ktx_StringArray();
}

bool SectionGroupArray::setEnabled(int index, bool enabled) {
    if (at(index) == nullptr) return false;
    groups_[static_cast<size_t>(index)].enabled = enabled;
    return true;
}

bool SectionGroupArray::setImage(int index, const Ktx_String& image) {
    if (at(index) == nullptr) return false;
    groups_[static_cast<size_t>(index)].image = image;
    return true;
}

bool SectionGroupArray::setLangs(int index, const Ktx_StringArray& names) {
    if (at(index) == nullptr) return false;
    groups_[static_cast<size_t>(index)].names = names;
    return true;
}

int SectionGroupArray::appendNewGrp(const Ktx_StringArray& names) {
    groups_.push_back(SectionGroup{names, true, Ktx_String()});
    return length() - 1;
}

bool SectionGroupArray::removeAt(int index) {
    if (at(index) == nullptr) return false;
    groups_.erase(groups_.begin() + index);
    return true;
}

bool SectionGroupArray::swap(int a, int b) {
    if (at(a) == nullptr || at(b) == nullptr) return false;
    std::swap(groups_[static_cast<size_t>(a)], groups_[static_cast<size_t>(b)]);
    return true;
}

Ktx_StringArray SectionGroupArray::namesOfAllGroups() const {
    Ktx_StringArray names;
    for (int i = 0; i < length(); ++i) names.append(getName(i));
    return names;
}

namespace {
Ktx_StringArray namesIn(const Ktx_String& folder, const Ktx_String& pattern, bool dropExtension) {
    Ktx_StringArray files, names;
    ObjectExportFindFiles(folder, pattern, files);
    for (const Ktx_String& file : files) {
        names.append(dropExtension ? removeExtension(getFileName(file)) : getFileName(file));
    }
    return names;
}
}  // namespace

void DlgEditLibData::GetAvailableFiles() {
    drawingFiles = namesIn(gSettings.libDir + "prof\\", "*.dwg", false);
    tableNames = namesIn(gSettings.libDir + "prof\\", "*.pr", true);
    imageNames = namesIn(gSettings.appDir + "icons\\", "*.bmp", false);
}
