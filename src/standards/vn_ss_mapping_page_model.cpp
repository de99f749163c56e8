// The list half of the mapping page's rules: the standards, their keys and what they map to.
#include "vn_ss_mapping_page_model.h"

#include <utility>

#include "file_ops.h"
#include "file_search.h"
#include "ktx_settings.h"

const char* const kVnEntireMacro = "<Entire macro>";

namespace {

const char* const kModulePrefix = "Module.";
const char* const kStandardsFolder = "Connection Standards\\";

Ktx_String emptyText;

}  // namespace

VnSSMappingPageModel::VnSSMappingPageModel(MacroSettingsData* settings) : settings_(settings) {
    if (settings_ == nullptr || settings_->macro == nullptr) return;
    // The catalogue is built on a copy: building it opens the macro.
    Ktx_DbMacro copy(*settings_->macro);
    catalogue_.initAllVarsFromMacro(&copy, nullptr);
}

int VnSSMappingPageModel::standardCount() const {
    return settings_ ? settings_->standards.length() : 0;
}

bool VnSSMappingPageModel::validIndex(int i) const {
    return settings_ != nullptr && i >= 0 && i < settings_->standards.length() &&
           i < settings_->mappingKeys.length();
}

const Ktx_String& VnSSMappingPageModel::standardName(int i) const {
    return validIndex(i) ? settings_->standards[i] : emptyText;
}

const Ktx_String& VnSSMappingPageModel::mappingKey(int i) const {
    return validIndex(i) ? settings_->mappingKeys[i] : emptyText;
}

Ktx_StringArray VnSSMappingPageModel::standardChoices() {
    const Ktx_String folder = gSettings.libDir + kStandardsFolder;
    Ktx_StringArray files, names;
    ObjectExportFindFilesRecursive(folder, "*.vns", files);
    for (const Ktx_String& file : files) {
        names.append(removeExtension(file.getSubStringAt(folder.length())));
    }
    return names;
}

Ktx_StringArray VnSSMappingPageModel::mapsToChoices() const {
    Ktx_StringArray choices{kVnEntireMacro};
    if (settings_) choices.append(settings_->moduleGroups);
    return choices;
}

bool VnSSMappingPageModel::isModuleGroup(int i) const {
    return mappingKey(i).startsWith(kModulePrefix);
}

Ktx_String VnSSMappingPageModel::mapsToText(int i) const {
    if (!isModuleGroup(i)) return kVnEntireMacro;
    return mappingKey(i).getSubStringAt(Ktx_String(kModulePrefix).length());
}

void VnSSMappingPageModel::takeList(const std::vector<ListRow>& rows) {
    if (!settings_) return;
    Ktx_StringArray names, keys;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const ListRow& row = rows[static_cast<size_t>(r)];
        names.append(row.name);
        const Ktx_String old = mappingKey(r);
        if (row.mapsTo.isEmpty() || row.mapsTo == kVnEntireMacro) {
            keys.append(old.startsWith(kModulePrefix) ? Ktx_String() : old);
        } else {
            keys.append(Ktx_String(kModulePrefix) + row.mapsTo);
        }
    }
    if (names == settings_->standards && keys == settings_->mappingKeys) return;
    settings_->standards = std::move(names);
    settings_->mappingKeys = std::move(keys);
    modified_ = true;
}

bool VnSSMappingPageModel::insertStandard(int i) {
    if (!settings_ || i < 0 || i > standardCount()) return false;
    settings_->standards.insertAt(i, Ktx_String());
    settings_->mappingKeys.insertAt(i, Ktx_String());
    modified_ = true;
    return true;
}

bool VnSSMappingPageModel::removeStandard(int i) {
    if (!validIndex(i)) return false;
    settings_->standards.removeAt(i);
    settings_->mappingKeys.removeAt(i);
    modified_ = true;
    return true;
}

bool VnSSMappingPageModel::swapStandards(int i, int j) {
    if (!validIndex(i) || !validIndex(j) || i == j) return false;
    std::swap(settings_->standards[i], settings_->standards[j]);
    std::swap(settings_->mappingKeys[i], settings_->mappingKeys[j]);
    modified_ = true;
    return true;
}

void VnSSMappingPageModel::forgetShown() {
    shown_ = -1;
    rows_.clear();
    stored_ = VnSSMapping();
}

Ktx_String VnSSMappingPageModel::standardPath(const Ktx_String& name) {
    return gSettings.libDir + kStandardsFolder + name + ".vns";
}
