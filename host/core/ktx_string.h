#pragma once
// Ktx_String: owned text of bytes with Windows code page 1252 meaning. Bytes are kept exactly
// (no conversion, embedded zero bytes allowed); case folding knows the accented letters of the
// code page. Positions are 0-based byte indices.
//
// Comparison flags: every operation with a `caseSensitive` flag compares bytes exactly when the
// flag is true and with letter case folded (code page 1252) when it is false.
//
// Failures never throw: a search that finds nothing gives -1; a position outside the text makes
// insertAt/removeAt return Acad::eInvalidInput and leave the text unchanged; getSubStringAt
// clips to the text.
#include <compare>
#include <iosfwd>
#include <string>
#include <string_view>

#include "acad_error_status.h"

class Ktx_String {
  public:
    Ktx_String() = default;
    Ktx_String(const char* text);  // NOLINT: implicit, as string literals are used everywhere
    Ktx_String(const std::string& text) : text_(text) {}        // NOLINT
    Ktx_String(std::string&& text) : text_(std::move(text)) {}  // NOLINT
    Ktx_String(const char* bytes, int length);
    // An int in decimal: 12 -> "12", -3 -> "-3".
    explicit Ktx_String(int value);
    // A double with a fixed number of decimals: (12, 6) -> "12.000000"; (2.345, 1) -> "2.3".
    // Negative decimals count as 0. Rounding is that of printf("%.*f").
    Ktx_String(double value, int decimals);
    // As above; with trimZeros, trailing zeros of the fraction are dropped, and the point too
    // when no fraction is left: (12.50, 3, true) -> "12.5", (12, 1, true) -> "12";
    // (12, 1, false) -> "12.0".
    Ktx_String(double value, int decimals, bool trimZeros);

    // printf-style formatting into a new text.
    static Ktx_String format(const char* format, ...) __attribute__((format(printf, 1, 2)));

    const char* c_str() const { return text_.c_str(); }
    const std::string& str() const { return text_; }
    std::string_view view() const { return text_; }
    int length() const { return static_cast<int>(text_.size()); }
    bool isEmpty() const { return text_.empty(); }
    // The byte at i, or 0 outside the text.
    char charAt(int i) const;
    char operator[](int i) const { return charAt(i); }

    Ktx_String& append(const Ktx_String& other);
    Ktx_String& append(char c);
    Ktx_String& appendView(std::string_view bytes);
    Ktx_String& operator+=(const Ktx_String& other) { return append(other); }
    Ktx_String& operator+=(char c) { return append(c); }
    void clear() { text_.clear(); }
    void reserve(std::size_t room) { text_.reserve(room); }

    bool equal(const Ktx_String& other, bool caseSensitive = true) const;
    bool contains(const Ktx_String& sub, bool caseSensitive = true) const;
    // Same as contains.
    bool hasSubString(const Ktx_String& sub, bool caseSensitive = true) const;
    bool startsWith(const Ktx_String& prefix, bool caseSensitive = true) const;
    bool endsWith(const Ktx_String& suffix, bool caseSensitive = true) const;

    // First occurrence of sub at or after position from (from < 0 counts as 0); -1 if none.
    // An empty sub is found at from when from <= length().
    int findFirstFrom(const Ktx_String& sub, int from = 0, bool caseSensitive = true) const;
    // Last occurrence of sub that starts at or before position from (from < 0 or beyond the
    // text means "from the end"); -1 if none.
    int findLastFrom(const Ktx_String& sub, int from = -1, bool caseSensitive = true) const;
    // count bytes from start (count < 0: to the end), clipped to the text; a start outside
    // 0..length() gives the empty text.
    Ktx_String getSubStringAt(int start, int count = -1) const;

    // Inserts text before position pos (0..length()).
    Acad::ErrorStatus insertAt(int pos, const Ktx_String& text);
    // Removes count bytes from pos (clipped at the end); pos must be in 0..length()-1 and count
    // at least 1.
    Acad::ErrorStatus removeAt(int pos, int count = 1);
    // Replaces occurrences of from by to, left to right without rescanning the inserted text;
    // only the first unless all. Returns the number of replacements (0 for an empty from).
    int replaceSubString(const Ktx_String& from, const Ktx_String& to, bool all = true,
                         bool caseSensitive = true);

    Ktx_String& makeUpper();
    Ktx_String& makeLower();
    Ktx_String toUpper() const { return Ktx_String(*this).makeUpper(); }
    Ktx_String toLower() const { return Ktx_String(*this).makeLower(); }

    // atoi / atof of the text (0 when it does not start with a number).
    int toInt() const;
    double toDouble() const;

    friend bool operator==(const Ktx_String& a, const Ktx_String& b) { return a.text_ == b.text_; }
    friend bool operator==(const Ktx_String& a, const char* b) { return a.text_ == (b ? b : ""); }
    friend std::strong_ordering operator<=>(const Ktx_String& a, const Ktx_String& b) {
        return a.text_ <=> b.text_;
    }

  private:
    std::string text_;
};

Ktx_String operator+(const Ktx_String& a, const Ktx_String& b);
Ktx_String operator+(const Ktx_String& a, const char* b);
Ktx_String operator+(const char* a, const Ktx_String& b);
// A temporary on the left is extended in place (chains such as a + "\\" + b copy nothing).
Ktx_String operator+(Ktx_String&& a, const Ktx_String& b);
Ktx_String operator+(Ktx_String&& a, const char* b);

// Writes the bytes as they are (for test output and logs).
std::ostream& operator<<(std::ostream& out, const Ktx_String& text);

// Code page 1252 case folding of one byte.
char ktxToUpper(char c);
char ktxToLower(char c);
// Byte-wise comparison of two texts with letter case folded: <0, 0, >0.
int ktxCompareNoCase(std::string_view a, std::string_view b);
