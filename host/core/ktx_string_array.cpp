#include "ktx_string_array.h"

Ktx_StringArray::Ktx_StringArray(std::initializer_list<Ktx_String> values)
    : Ktx_Array<Ktx_String>(static_cast<int>(values.size())) {
    for (const auto& v : values) append(v);
}

int Ktx_StringArray::find(const Ktx_String& text, bool caseSensitive, int start) const {
    for (int i = std::max(start, 0); i < length(); ++i) {
        if (at(i).equal(text, caseSensitive)) return i;
    }
    return -1;
}

bool Ktx_StringArray::find(const Ktx_String& text, int& index, bool caseSensitive) const {
    index = find(text, caseSensitive, 0);
    return index >= 0;
}

bool Ktx_StringArray::contains(const Ktx_String& text, bool caseSensitive) const {
    return find(text, caseSensitive, 0) >= 0;
}
