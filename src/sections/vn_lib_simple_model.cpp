#include "vn_lib_simple_model.h"

#include <algorithm>

#include "section_types.h"
#include "size_name_map.h"
#include "string_helpers.h"
#include "ui_languages.h"

namespace {
Ktx_StringArray valuesOf(const Ktx_StringArray& row, int first) {
    Ktx_StringArray values;
    for (int col = first; col < row.length(); ++col) values.append(row[col]);
    return values;
}
}  // namespace

VnLibSimpleModel::VnLibSimpleModel(const Ktx_String& templateSysName,
                                   const Ktx_ProfValuesTable& table)
    : table_(table), givenSysName_(templateSysName) {
    const int first = firstValueCol();
    fieldCount_ = std::clamp(table_.header.length() - first, 0, kSimpleMaxFields);
    const bool isType = !isDrawingShape(table_.shapeRef) && shapeTypeNumber(table_.shapeRef) > 0;
    const Ktx_StringArray typeNames =
        isType ? sectionTypeValueNames(shapeTypeNumber(table_.shapeRef)) : Ktx_StringArray();
    for (int k = 0; k < fieldCount_; ++k) {
        // Value columns beyond the type's own names keep their translated column names.
        labels_.append(k < typeNames.length()
                           ? typeNames[k]
                           : gMacroLangs.GetString(table_.header[first + k], "Prof"));
        fields_.append(Ktx_String());
    }
    for (int lang = 0; lang < table_.getNrLanguages(); ++lang) prefixes_.append(Ktx_String());
    if (table_.findSysName(givenSysName_, givenRow_)) findTemplate(givenRow_);
    recompose();
}

void VnLibSimpleModel::findTemplate(int startRow) {
    const int last = std::min(table_.rows.length(), startRow + kSimpleMaxTemplateRows);
    for (int r = startRow; r < last; ++r) {
        const Ktx_StringArray& row = table_.rows[r];
        std::vector<int> map = mapNameToValues(row[0], valuesOf(row, firstValueCol()));
        if (!isCompleteNameMap(map)) continue;
        templateRow_ = r;
        nameMap_ = std::move(map);
        for (int lang = 0; lang < prefixes_.length(); ++lang) {
            Ktx_String user = row.isValidIndex(2 + lang) ? row[2 + lang] : Ktx_String();
            const int digit = findFirstNumbers(user);
            prefixes_[lang] = digit >= 0 ? user.getSubStringAt(0, digit) : user;
        }
        for (int k = 0; k < fieldCount_; ++k) {
            const int col = firstValueCol() + k;
            fields_[k] = row.isValidIndex(col) ? row[col] : Ktx_String();
        }
        return;
    }
}

int VnLibSimpleModel::currentLanguage() const {
    const int col = table_.getColumnIdx(gMacroLangs.GetCurLanguage());
    return col >= 2 && col - 2 < prefixes_.length() ? col - 2 : 0;
}

Ktx_String VnLibSimpleModel::label(int field) const {
    return labels_.isValidIndex(field) ? labels_[field] : Ktx_String();
}

Ktx_String VnLibSimpleModel::fieldText(int field) const {
    return fields_.isValidIndex(field) ? fields_[field] : Ktx_String();
}

void VnLibSimpleModel::setFieldText(int field, const Ktx_String& text) {
    if (!fields_.isValidIndex(field)) return;
    fields_[field] = text;
    recompose();
}

void VnLibSimpleModel::setAutomaticName(bool automatic) {
    automatic_ = automatic;
    recompose();
}

void VnLibSimpleModel::setTypedName(const Ktx_String& text) {
    if (!automatic_) nameText_ = text;
}

Ktx_String VnLibSimpleModel::composedName() const {
    Ktx_String name;
    bool first = true;
    for (int column : nameMap_) {
        if (!fields_.isValidIndex(column)) continue;
        if (!first) name += "x";
        name += fields_[column];
        first = false;
    }
    return name;
}

void VnLibSimpleModel::recompose() {
    if (!automatic_) return;
    const Ktx_String prefix =
        prefixes_.isValidIndex(currentLanguage()) ? prefixes_[currentLanguage()] : Ktx_String();
    nameText_ = prefix + composedName();
}

Ktx_String VnLibSimpleModel::newSysName() const {
    return automatic_ ? composedName() : nameText_;
}
