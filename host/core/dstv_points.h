#pragma once
// The placement rules of the marking and weld points of DSTV plate output, kept in groups:
// one file per group in the points folder (libDir + "DSTV Points\\"), one group the standard.
//
// Ktx_DstvPointInfo is one point's rule: how the point is selected (by the geometry's extent,
// or at an intersection of the geometry), on which plate views, and how it is drilled.
// DlgDstvPoints lists, reads, writes and deletes the group files and keeps the standard group
// (the file "Standard.ini" of the points folder, a properties list whose key "standard" holds
// the group file's name, so the library folder may move).
// The layout of a group file is in docs/dstv-points.md.
#include "ktx_array.h"
#include "ktx_properties_list.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

class Ktx_DstvPointInfo {
  public:
    Ktx_DstvPointInfo() = default;
    explicit Ktx_DstvPointInfo(const Ktx_String& pointName) : name(pointName) {}

    void setName(const Ktx_String& text) { name = text; }
    void setSelectGeomExtent(bool on, int first, int second) {
        extentOn = on;
        extentFirst = first;
        extentSecond = second;
    }
    void setSelectIntersGeom(bool on, bool isCentred, int index) {
        intersectionOn = on;
        centred = isCentred;
        intersectionIndex = index;
    }
    void setPlateSelection(int first, int second, double edgeDistance) {
        viewFirst = first;
        viewSecond = second;
        minEdgeDistance = edgeDistance;
    }
    void setDrillFullHole(bool full, bool byThickness, double diameter) {
        fullHole = full;
        diameterByThickness = byThickness;
        holeDiameter = diameter;
    }

    friend bool operator==(const Ktx_DstvPointInfo&, const Ktx_DstvPointInfo&) = default;

    Ktx_String name;
    bool extentOn = true;
    int extentFirst = 0;
    int extentSecond = 2;
    bool intersectionOn = false;
    bool centred = true;
    int intersectionIndex = 0;
    int viewFirst = 0;
    int viewSecond = 0;
    double minEdgeDistance = 50.0;
    bool fullHole = false;
    bool diameterByThickness = false;
    double holeDiameter = 16.0;
};

using DstvPoints = Ktx_Array<Ktx_DstvPointInfo>;

class DlgDstvPoints {
  public:
    // The folder ends in a backslash.
    Ktx_String getDstvPointsFolder() const;
    Ktx_String groupFile(const Ktx_String& group) const;
    // The group names (file names without ".dat"), in name order.
    Ktx_StringArray getAllDstvPointsFiles() const;
    // False, points emptied, when the file is missing or is no group file.
    bool readFromFile(const Ktx_String& file, DstvPoints& points) const;
    // Writes the file whole; false when it could not be written (the old file kept).
    bool writeToFile(const Ktx_String& file, const DstvPoints& points) const;
    bool setStandardDstvPointsFile(const Ktx_String& file);
    // The standard group's file; empty when none is set.
    Ktx_String getStandardDstvPointsFile() const;
};

// The group file's contents as a properties list, and back. Reading takes at most
// kDstvMaxPoints points; a value that is no (finite) number keeps the point's default.
constexpr int kDstvMaxPoints = 1000;
Ktx_PropertiesList dstvPointsToList(const DstvPoints& points);
bool dstvPointsFromList(const Ktx_PropertiesList& list, DstvPoints& points);
