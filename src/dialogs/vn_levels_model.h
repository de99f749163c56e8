#pragma once
// VnLevelsDlgModel: the rules of the levels dialog without windows. It shows one level of the
// dialog's copy of VnLevelsDlgData at a time: its name, the reference level (chosen from all
// names but its own), its height as text with 3 decimals and its absolute height.
//
// The shown level is stored (height by atof; the reference only while it is the level just
// added) before another is shown, before adding, and on OK. Only a newly added level may
// change its reference; choosing another level ends that.
#include "levels_data.h"

class VnLevelsDlgModel {
  public:
    static constexpr int kMaxNameAttempts = 20;

    explicit VnLevelsDlgModel(VnLevelsDlgData& data) : data_(data) {}

    const VnLevelsDlgData& data() const { return data_; }
    int shown() const { return shown_; }
    bool newLevel() const { return newLevel_; }

    // Shows level `index`; false, nothing changed, when it does not exist.
    bool show(int index);
    void store();
    // Stores the shown level, then shows level `index`.
    void choose(int index);
    // The names a new level may not take: every level's and "wcs".
    bool nameInUse(const Ktx_String& name) const { return data_.nameInUse(name); }
    // Adds a level and shows it as the new level; false when the data refused the name.
    bool add(const Ktx_String& name);
    // Deletes the shown level and shows the one before it (the new first level when the first
    // was deleted; none when no level is left).
    bool deleteShown();

    Ktx_String name;
    Ktx_String reference;
    Ktx_String heightText;
    Ktx_String absoluteText;
    Ktx_StringArray referenceChoices;

  private:
    void clear();

    VnLevelsDlgData& data_;
    int shown_ = -1;
    bool newLevel_ = false;
};
