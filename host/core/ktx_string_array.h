#pragma once
// Ktx_StringArray: a Ktx_Array of Ktx_String with searches that take the comparison flag
// (true = case-sensitive, false = letter case folded).
#include "ktx_array.h"
#include "ktx_string.h"

class Ktx_StringArray : public Ktx_Array<Ktx_String> {
  public:
    using Ktx_Array<Ktx_String>::Ktx_Array;
    Ktx_StringArray(std::initializer_list<Ktx_String> values);

    // Index of the first element equal to text at or after start, or -1.
    int find(const Ktx_String& text, bool caseSensitive = true, int start = 0) const;
    // As above with the index as an out argument (-1 when not found); true when found.
    bool find(const Ktx_String& text, int& index, bool caseSensitive = true) const;
    bool contains(const Ktx_String& text, bool caseSensitive = true) const;
};
