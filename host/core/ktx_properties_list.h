#pragma once
// Ktx_PropertiesList: key/value pairs of text, kept in the order they were first set, stored
// as a text file of lines.
//
// Line syntax (one property per line, CRLF written, LF or CRLF read):
//     key=value
// - The key is everything before the first "="; the value everything after it, bytes kept
//   exactly (blanks included).
// - Bytes that would break the line are written as "%" and two upper-case hex digits: "%" as
//   %25, LF as %0A, CR as %0D, the zero byte as %00, and in keys also "=" as %3D and a "#" at
//   the key's start as %23. Every other byte (code page 1252 text, backslashes of paths) is
//   written as it is. Reading accepts upper- or lower-case hex digits.
// - Empty lines and lines starting with "#" are ignored.
// - A line without "=", with an empty key, or with a "%" not followed by two hex digits makes
//   the whole text damaged: reading then fails and the list is left unchanged. A key that
//   occurs twice keeps its last value.
//
// Keys are compared exactly (letter case counts).
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "acad_error_status.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

class Ktx_PropertiesList {
  public:
    // The value of key; false (value unchanged) when there is no such key or, for the number
    // forms, when the value is not a whole number / a number.
    bool getProperty(const Ktx_String& key, Ktx_String& value) const;
    bool getProperty(const Ktx_String& key, int& value) const;
    bool getProperty(const Ktx_String& key, double& value) const;

    // Sets key to value (replacing the value in place when the key exists, else appending).
    // eInvalidInput for an empty key. Numbers are written in decimal; doubles with the fewest
    // digits that read back as the same double.
    Acad::ErrorStatus setProperty(const Ktx_String& key, const Ktx_String& value);
    Acad::ErrorStatus setProperty(const Ktx_String& key, int value);
    Acad::ErrorStatus setProperty(const Ktx_String& key, double value);

    bool hasProperty(const Ktx_String& key) const { return indexOf(key) >= 0; }
    bool removeProperty(const Ktx_String& key);
    int count() const { return static_cast<int>(entries_.size()); }
    Ktx_StringArray keys() const;
    void clear() { entries_.clear(); }

    // eOk; eFileNotFound when the file cannot be read; eInvalidInput when it is damaged. On
    // failure the list is unchanged; on success it holds exactly the file's properties.
    Acad::ErrorStatus readFromFile(const Ktx_String& path);
    // eOk, or eFileAccessErr when the file could not be replaced (the old file is kept).
    Acad::ErrorStatus writeToFile(const Ktx_String& path) const;

    // The file's bytes, and parsing them (same rules as the file functions).
    std::string toText() const;
    Acad::ErrorStatus fromText(std::string_view text);

    friend bool operator==(const Ktx_PropertiesList&, const Ktx_PropertiesList&) = default;

  private:
    int indexOf(const Ktx_String& key) const;

    std::vector<std::pair<Ktx_String, Ktx_String>> entries_;
};
