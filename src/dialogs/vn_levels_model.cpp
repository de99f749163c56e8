#include "vn_levels_model.h"

#include <cstdlib>

namespace {

constexpr int kDecimals = 3;

}  // namespace

bool VnLevelsDlgModel::show(int index) {
    double height = 0.0, absolute = 0.0;
    Ktx_String levelName, levelReference;
    if (!data_.getLevelData(index, levelName, levelReference, height, absolute)) return false;
    referenceChoices = Ktx_StringArray();
    for (const Ktx_String& other : data_.getNames())
        if (other != levelName) referenceChoices.append(other);
    name = levelName;
    reference = levelReference;
    heightText = Ktx_String(height, kDecimals);
    absoluteText = Ktx_String(absolute, kDecimals);
    shown_ = index;
    newLevel_ = false;
    return true;
}

void VnLevelsDlgModel::clear() {
    name = reference = heightText = absoluteText = Ktx_String();
    referenceChoices = Ktx_StringArray();
    shown_ = -1;
    newLevel_ = false;
}

void VnLevelsDlgModel::store() {
    if (shown_ < 0) return;
    data_.updateLevel(shown_, std::atof(heightText.c_str()));
    if (newLevel_) data_.updateLevel(shown_, reference);
}

void VnLevelsDlgModel::choose(int index) {
    store();
    show(index);
}

bool VnLevelsDlgModel::add(const Ktx_String& levelName) {
    store();
    const int index = data_.addLevel(levelName);
    if (index < 0 || !show(index)) return false;
    newLevel_ = true;
    return true;
}

bool VnLevelsDlgModel::deleteShown() {
    if (shown_ < 0 || !data_.deleteLevel(shown_)) return false;
    const int before = shown_ - 1;
    // Before the first level there is none: the new first level is shown instead.
    if (!show(before < 0 ? 0 : before)) clear();
    return true;
}
