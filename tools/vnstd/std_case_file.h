#pragma once
// A case file of "vnstd test": one regression case of a standard, as text lines.
//
//   # comment (a line whose first non-blank character is '#'), blank lines allowed
//   standard NAME-OR-PATH      the standard (a name in the library, or a .vns path relative
//                              to the case file)
//   macro PATH                 the macro file, relative to the case file
//   key KEY  |  module GROUP   how the macro is mapped (exactly one of them)
//   gen NAME = VALUE           a general variable (repeatable)
//   expect NAME = VALUE        an expected Input or Output value (repeatable, at least one),
//   expect NAME = VALUE +- TOL with an optional tolerance for numbers
//
// Keywords are followed by one blank or more; NAME ends at the first "=", blanks around it
// dropped. A value is compared as a number when both it and the actual value are numbers
// (within TOL, default 1e-9 of its size), else as text. Lines may end in CR LF or LF.
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct StdCaseExpect {
    std::string name;
    std::string value;
    std::optional<double> tolerance;
    int line = 0;           // 1-based
    size_t valueBegin = 0;  // byte offsets of the value in the file's text
    size_t valueEnd = 0;
};

struct StdCase {
    std::string standard;
    std::string macro;
    std::string key;
    std::string module;
    std::vector<std::pair<std::string, std::string>> genVars;
    std::vector<StdCaseExpect> expects;
};

// Parses a case file's text; false with "line N: message" (or a message about the whole
// file) in `error`.
bool parseStdCase(const std::string& text, StdCase& c, std::string& error);

// True when `actual` meets the expectation (numbers within the tolerance, else equal text).
bool stdCaseValueMatches(const StdCaseExpect& expect, const std::string& actual);

// True when a value can stand in a case file and read back the same (no line break, no
// "+-", no blanks at either end).
bool stdCaseValueWritable(const std::string& value);

// The text with the values of the given expectations replaced (in the order of the
// expectations; values must not overlap). Everything else stays byte for byte.
std::string stdCaseWithValues(const std::string& text, const std::vector<StdCaseExpect>& expects,
                              const std::vector<std::string>& values);
