#pragma once
// The Core library's text helpers. All are pure functions of their arguments except
// generateRandomString, which draws from the settable random source (core_random.h).
//
// FLAG TABLE. The Core library's boolean flags mean different things per function; this table
// is the contract, chosen so that every call of the module reads right.
//
//   function                              flag            true                  false
//   -----------------------------------   -------------   -------------------   ------------------
//   Ktx_String::equal/contains/           caseSensitive   bytes compared        letter case folded
//     hasSubString/startsWith/endsWith/                   exactly               (code page 1252)
//     findFirstFrom/findLastFrom,
//   Ktx_StringArray::find/contains,
//   getDuplicates
//   getSubstrBefore(text, sym, flag)      lastOccurrence  cut at the last sym   cut at the first
//   getSubstrAfter(text, sym, flag)       lastOccurrence  after the last sym    after the first
//   splitString(text, sym, l, r, flag)    lastOccurrence  split at the last     split at the first
//   splitStringAtSymbol(text, sym, flag)  keepEmpty       empty pieces kept     empty pieces
//   dropped stripSymbols(text, c, f1, f2)         f1 atStart      strip leading c's     leave the
//   start
//                                         f2 atEnd        strip trailing c's    leave the end
//   generateRandomString(n, flag)         withDigits      A-Z, a-z and 0-9      A-Z and a-z only
//   ObjectExportSort(values, ..., flag)   ascending       smallest first        largest first
//
// So: startsWith("Int", false) accepts "int"; getSubstrBefore("P1.cut.len", ".", true) is
// "P1.cut"; getSubstrAfter("Double  W", " ", false) is " W"; stripSymbols(t, ' ', true, false)
// removes leading blanks only.
#include "ktx_array.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

// Removes every leading (atStart) and/or trailing (atEnd) byte equal to symbol from text, in
// place; returns text.
Ktx_String& stripSymbols(Ktx_String& text, char symbol, bool atStart, bool atEnd);

// The text before the first (or last) occurrence of symbol; the whole text when symbol does
// not occur or is empty.
Ktx_String getSubstrBefore(const Ktx_String& text, const Ktx_String& symbol, bool lastOccurrence);
// The text after the first (or last) occurrence of symbol; empty when symbol does not occur or
// is empty.
Ktx_String getSubstrAfter(const Ktx_String& text, const Ktx_String& symbol, bool lastOccurrence);

// Splits text at the first (or last) occurrence of symbol into left and right (symbol in
// neither). Returns false when symbol does not occur: left is then the whole text, right empty.
bool splitString(const Ktx_String& text, const Ktx_String& symbol, Ktx_String& left,
                 Ktx_String& right, bool lastOccurrence);

// Splits text at every occurrence of symbol. With keepEmpty a text with n symbols gives n + 1
// pieces (the empty text gives one empty piece); without it, empty pieces are left out. An
// empty symbol gives the whole text as the only piece.
Ktx_StringArray splitStringAtSymbol(const Ktx_String& text, const Ktx_String& symbol,
                                    bool keepEmpty);

// A list stored in one text: the pieces between separators, empty pieces kept so positions
// stay; the empty text is the empty list. arrToStr joins with the separator:
// arrToStr(strToArr(t, s), s) == t for every t.
Ktx_StringArray strToArr(const Ktx_String& text, const Ktx_String& separator = ";");
Ktx_String arrToStr(const Ktx_StringArray& items, const Ktx_String& separator = ";");
// Lines of cells: each line split with strToArr; and back.
Ktx_Array<Ktx_StringArray> arrToArrArr(const Ktx_StringArray& lines, const Ktx_String& separator);
Ktx_StringArray arrArrToArr(const Ktx_Array<Ktx_StringArray>& rows, const Ktx_String& separator);

// True when text holds a byte that a Windows file name may not hold: \ / : * ? " < > | or a
// control byte (below 32).
bool hasInvalidFileNameChars(const Ktx_String& text);

// Ascending indices of the elements that equal an earlier element (so removing them from the
// highest index down keeps the first of each name).
Ktx_Array<int> getDuplicates(const Ktx_StringArray& items, bool caseSensitive = true);

// True when the whole text is a decimal number: optional sign, digits with at most one point
// (at least one digit), optional exponent ("e" or "E", optional sign, digits). No blanks.
bool isNumber(const Ktx_String& text);

// A text of length random letters (and digits when withDigits); empty when length < 1 or the
// random source fails.
Ktx_String generateRandomString(int length, bool withDigits);

// proposal itself when no element equals it (letter case folded); otherwise the proposal with
// a number at its end: a trailing number is counted up ("Table1" -> "Table2"), else one is
// appended ("Table" -> "Table1"), until the text is not in the array.
Ktx_String findNonExistingString(const Ktx_StringArray& existing, const Ktx_String& proposal);

// Column letters of a 1-based column number: 1 -> "A", 26 -> "Z", 27 -> "AA"; "" below 1.
Ktx_String getAlfabet(int column);
// Position of the first digit, or -1.
int findFirstNumbers(const Ktx_String& text);
// The text without its trailing digits.
Ktx_String stripNumbersAtEnd(const Ktx_String& text);
