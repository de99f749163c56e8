#pragma once
// The standard-size file read by the tolerance functions: a text file of lines, one size per
// line, "a x b" (a width or size a, a thickness b) or a single number a (b = 0: any
// thickness). "/*...*/" and "//" comments are removed and empty lines skipped. A "/*" comment
// ends at the next "*/", also on a later line; a "/*" never closed in the file, or one inside
// a "//" comment, ends at the end of its own line. The numbers
// are read like atof (leading number, rest ignored), so a damaged line gives 0, never a
// failure.
#include <string>
#include <vector>

struct StdSize {
    double a = 0.0;  // width or size
    double b = 0.0;  // thickness; 0 means any thickness
};

class StdSizeFile {
  public:
    // The lines with their comments removed (a line inside a comment becomes empty).
    static std::vector<std::string> withoutComments(const std::vector<std::string>& lines);
    // Parses the lines of a file; never fails.
    static std::vector<StdSize> parse(const std::vector<std::string>& lines);

    // One line (comments already removed): split at the first letter "x".
    static StdSize parseLine(const std::string& line);

    // The first numbers of all sizes, in file order.
    static std::vector<double> sizes(const std::vector<StdSize>& list);
    // The second numbers of all sizes, in file order.
    static std::vector<double> thicknesses(const std::vector<StdSize>& list);
    // The widths allowed for a thickness: a of every line whose b equals the thickness or is
    // 0, sorted ascending.
    static std::vector<double> widthsFor(const std::vector<StdSize>& list, double thickness);
};
