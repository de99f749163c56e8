#include "levels_data.h"

namespace {

bool sameName(const Ktx_String& a, const Ktx_String& b) {
    return ktxCompareNoCase(a.str(), b.str()) == 0;
}

}  // namespace

Ktx_StringArray VnLevelsDlgData::getNames() const {
    Ktx_StringArray names;
    for (const Level& level : levels_) names.append(level.name);
    return names;
}

int VnLevelsDlgData::indexOf(const Ktx_String& name) const {
    for (size_t i = 0; i < levels_.size(); ++i)
        if (sameName(levels_[i].name, name)) return static_cast<int>(i);
    return -1;
}

bool VnLevelsDlgData::nameInUse(const Ktx_String& name) const {
    return indexOf(name) >= 0 || sameName(name, kWorld);
}

// The sum of the heights along the references; a chain is never longer than the list, so a
// damaged chain cannot loop.
double VnLevelsDlgData::absoluteOf(int index) const {
    double sum = 0.0;
    for (size_t steps = 0; validIndex(index) && steps <= levels_.size(); ++steps) {
        sum += levels_[static_cast<size_t>(index)].height;
        index = indexOf(levels_[static_cast<size_t>(index)].reference);
    }
    return sum;
}

bool VnLevelsDlgData::getLevelData(int index, Ktx_String& name, Ktx_String& reference,
                                   double& height, double& absolute) const {
    if (!validIndex(index)) return false;
    const Level& level = levels_[static_cast<size_t>(index)];
    name = level.name;
    reference = level.reference;
    height = level.height;
    absolute = absoluteOf(index);
    return true;
}

bool VnLevelsDlgData::updateLevel(int index, double height) {
    if (!validIndex(index)) return false;
    levels_[static_cast<size_t>(index)].height = height;
    return true;
}

bool VnLevelsDlgData::updateLevel(int index, const Ktx_String& reference) {
    if (!validIndex(index)) return false;
    const bool world = sameName(reference, kWorld);
    int at = indexOf(reference);
    if (!world && at < 0) return false;
    for (size_t steps = 0; at >= 0 && steps <= levels_.size(); ++steps) {
        if (at == index) return false;  // the chain would come back to this level
        at = indexOf(levels_[static_cast<size_t>(at)].reference);
    }
    levels_[static_cast<size_t>(index)].reference = world ? Ktx_String(kWorld) : reference;
    return true;
}

int VnLevelsDlgData::addLevel(const Ktx_String& name) {
    if (name.isEmpty() || nameInUse(name)) return -1;
    const Ktx_String reference = levels_.empty() ? Ktx_String(kWorld) : levels_.back().name;
    levels_.push_back({name, reference, 0.0});
    return static_cast<int>(levels_.size()) - 1;
}

bool VnLevelsDlgData::deleteLevel(int index) {
    if (!validIndex(index)) return false;
    const Level gone = levels_[static_cast<size_t>(index)];
    for (Level& level : levels_) {
        if (!sameName(level.reference, gone.name)) continue;
        level.reference = gone.reference;
        level.height += gone.height;
    }
    levels_.erase(levels_.begin() + index);
    return true;
}
