#pragma once
// VnLevelsDlgData: the building levels of a model, as the levels dialog edits them. A level
// has a name, the name of the level it is measured from ("wcs" for the world's origin) and
// its height above that level; its absolute height follows from the chain of references.
//
// Names are unique and never "wcs" (letter case ignored): addLevel refuses a name in use. A
// reference must name another level (or "wcs") and may not lead back to the level itself.
// Deleting a level re-bases the levels measured from it onto its own reference, adding its
// height, so their absolute heights stay as they were.
#include <vector>

#include "ktx_string.h"
#include "ktx_string_array.h"

class VnLevelsDlgData {
  public:
    static constexpr const char* kWorld = "wcs";

    VnLevelsDlgData() = default;
    VnLevelsDlgData(const VnLevelsDlgData&) = default;
    VnLevelsDlgData& operator=(const VnLevelsDlgData&) = default;
    virtual ~VnLevelsDlgData() = default;

    Ktx_StringArray getNames() const;
    // False for a bad index.
    bool getLevelData(int index, Ktx_String& name, Ktx_String& reference, double& height,
                      double& absolute) const;
    bool updateLevel(int index, double height);
    // False, nothing changed, for an unknown name or one that would make a cycle.
    bool updateLevel(int index, const Ktx_String& reference);
    // Appends a level measured from the last level (from "wcs" when it is the first) at
    // height 0; its index, or -1 for an empty name or a name in use.
    int addLevel(const Ktx_String& name);
    bool deleteLevel(int index);
    bool nameInUse(const Ktx_String& name) const;

  private:
    struct Level {
        Ktx_String name;
        Ktx_String reference;
        double height = 0.0;
    };
    int indexOf(const Ktx_String& name) const;
    double absoluteOf(int index) const;
    bool validIndex(int index) const {
        return index >= 0 && index < static_cast<int>(levels_.size());
    }

    std::vector<Level> levels_;
};
