#pragma once
// The rules of the two DSTV point dialogs, without windows.
//
// VnDstvGroupsModel: the groups of the points folder, the selected one and the standard one;
// make standard, add (refused for a name in use: letter case ignored, as file names are),
// remove.
//
// VnDstvPointsModel: the dialog's own copy of a group's points and the fields of the current
// point. The fields are stored into the point (numbers with atof) before another point is
// shown, before adding, and on OK. Which fields are enabled follows the choices: the extent's
// drop-downs with the extent selection, the intersection's with the intersection selection
// ("Midden" disables its drop-down), the thickness rule with full-hole drilling and the
// diameter while it does not follow the thickness.
#include "dstv_points.h"

class VnDstvGroupsModel {
  public:
    enum class AddResult { Added, Exists, Failed };

    explicit VnDstvGroupsModel(DlgDstvPoints& points) : points_(points) {}

    // Reads the groups again; the selection stays at its index when that still exists.
    void refill();
    const Ktx_StringArray& names() const { return names_; }
    // The index of the standard group; -1 when it is none of the groups.
    int standardIndex() const { return standard_; }
    int selected() const { return selected_; }
    void select(int index) { selected_ = index >= 0 && index < names_.length() ? index : -1; }
    Ktx_String selectedFile() const;

    bool makeStandard();
    AddResult add(const Ktx_String& name);
    bool remove();

  private:
    DlgDstvPoints& points_;
    Ktx_StringArray names_;
    int standard_ = -1;
    int selected_ = -1;
};

class VnDstvPointsModel {
  public:
    explicit VnDstvPointsModel(const DstvPoints& points) : points_(points) {}

    const DstvPoints& points() const { return points_; }
    int current() const { return current_; }
    // Shows point `index` (none for a bad index).
    void show(int index);
    void store();
    void choose(int index);
    void add(const Ktx_String& name);
    // Deletes the current point; shows the one now at its place, else the one before.
    bool removeCurrent();

    bool hasPoint() const { return current_ >= 0; }
    bool extentEnabled() const { return hasPoint() && extentOn; }
    bool intersectionEnabled() const { return hasPoint() && !extentOn; }
    bool intersectionIndexEnabled() const { return intersectionEnabled() && !centred; }
    bool byThicknessEnabled() const { return hasPoint() && fullHole; }
    bool diameterEnabled() const { return byThicknessEnabled() && !byThickness; }

    Ktx_String name;
    bool extentOn = true;
    int extentFirst = 0;
    int extentSecond = 0;
    bool centred = false;
    int intersectionIndex = 0;
    int viewFirst = 0;
    int viewSecond = 0;
    Ktx_String edgeDistanceText;
    bool fullHole = false;
    bool byThickness = false;
    Ktx_String diameterText;

  private:
    DstvPoints points_;
    int current_ = -1;
};
