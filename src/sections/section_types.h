#pragma once
// The 24 built-in section types of the section library and how a table's shape is written.
//
// A shape is the text in a table's shapeRef: a type number in decimal ("10"), or the name of a
// drawing file ending in ".dwg" (a user's own section). A shape is a drawing exactly when it
// ends in ".dwg"; any other text is read as a number with atoi. Numbers outside 1..24 have an
// empty image base name, display name and value-name list.
#include "ktx_string.h"
#include "ktx_string_array.h"

constexpr int kFirstSectionType = 1;
constexpr int kLastSectionType = 24;
// The rectangular tube, whose fourth value must be 0 or more than its third.
constexpr int kSectionTypeRectTube = 10;

// The picture base name of a type ("ProfSectionI"), "" for other numbers.
Ktx_String sectionTypeImageBase(int type);
// The display name of a type in the current language (dialString), "" for other numbers.
Ktx_String sectionTypeDisplayName(int type);
// "<" + display name + ">", as lists show a type.
Ktx_String sectionTypeDisplayEntry(int type);
// The type whose display entry equals the text (1..24, the first match), else -1.
int sectionTypeFromDisplayEntry(const Ktx_String& entry);
// The value-column names of a type in column order, in the current language.
Ktx_StringArray sectionTypeValueNames(int type);
// One value-column name of a type: the text of key, followed directly by digit when it is 0..9.
struct SectionValueKey {
    int key = 0;
    int digit = -1;
};
// The value-column names of a type as keys (count 0 for other numbers).
const SectionValueKey* sectionTypeValueKeys(int type, int& count);

// True when the shape names a drawing (ends in ".dwg").
bool isDrawingShape(const Ktx_String& shape);
// The type number of a shape (atoi of the text); 0 for a drawing or an empty shape.
int shapeTypeNumber(const Ktx_String& shape);
// The entry of a shape in the library editor's shape list: the display entry of a type, the
// drawing name otherwise.
Ktx_String shapeDisplayEntry(const Ktx_String& shape);
// The shape text of such an entry: the type number for a display entry, else the entry itself.
Ktx_String shapeFromDisplayEntry(const Ktx_String& entry);
