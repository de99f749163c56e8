#pragma once
// The Core library's data of the section library editor: the section groups, the section
// types, and the lists of what the library offers (drawing files as shapes, table names,
// image names). Indices are checked: a bad one gives false, an empty text or -1 and changes
// nothing.
#include <vector>

#include "ktx_string.h"
#include "ktx_string_array.h"

struct SectionGroup {
    Ktx_StringArray names;  // one per language of gMacroLangs
    bool enabled = true;
    Ktx_String image;
    bool operator==(const SectionGroup&) const = default;
};

class SectionGroupArray {
  public:
    int length() const { return static_cast<int>(groups_.size()); }
    // The group's name in the current language (the first name when there is none).
    Ktx_String getName(int index) const;
    bool getEnabled(int index) const;
    Ktx_String getImage(int index) const;
    Ktx_StringArray getLangs(int index) const;
    bool setEnabled(int index, bool enabled);
    bool setImage(int index, const Ktx_String& image);
    bool setLangs(int index, const Ktx_StringArray& names);
    // Appends an enabled group with these names; returns its index.
    int appendNewGrp(const Ktx_StringArray& names);
    bool removeAt(int index);
    bool swap(int a, int b);
    Ktx_StringArray namesOfAllGroups() const;
    bool operator==(const SectionGroupArray&) const = default;

  private:
    const SectionGroup* at(int index) const;
    std::vector<SectionGroup> groups_;
};

struct SectionType {
    bool enabled = true;
    Ktx_String image;
    int group = -1;  // index into the groups, -1 for none
    Ktx_String table;
    Ktx_StringArray names;  // one per language
    bool operator==(const SectionType&) const = default;
};

class DlgEditLibData {
  public:
    SectionGroupArray groups;
    std::vector<SectionType> types;
    Ktx_StringArray drawingFiles;  // "*.dwg" of the library's "prof\\" folder
    Ktx_StringArray tableNames;    // the "*.pr" tables of "prof\\", without extension
    Ktx_StringArray imageNames;    // the "*.bmp" of the application's "icons\\" folder

    // Fills the three lists from the folders, in name order.
    void GetAvailableFiles();
    bool operator==(const DlgEditLibData&) const = default;
};
