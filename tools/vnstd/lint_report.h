#pragma once
// The findings of "vnstd lint": each names a file, a row and a column of it (the grid cell of
// a standard, or the line of a data or mapping file), its severity, a message and a short code
// naming the rule. Printed as "FILE:ROW:COL: error|warning: message [code]" lines or as JSON.
#include <cstdio>
#include <string>
#include <vector>

struct LintFinding {
    std::string file;  // as shown: a path on this machine
    int row = 0, col = 0;
    bool error = false;
    std::string message;
    std::string code;
};

class LintReport {
  public:
    void error(const std::string& file, int row, int col, const std::string& message,
               const std::string& code);
    void warning(const std::string& file, int row, int col, const std::string& message,
                 const std::string& code);

    const std::vector<LintFinding>& findings() const { return findings_; }
    int errors() const;
    int warnings() const;
    // Sorted by file, row, column; the same finding reported twice is kept once.
    void sort();

    // One line per finding.
    void printText(std::FILE* out) const;
    // {"standards": N, "errors": E, "warnings": W, "findings": [{"file", "row", "col",
    // "severity", "message", "code"}]}
    void printJson(std::FILE* out, int standards) const;

  private:
    std::vector<LintFinding> findings_;
};
