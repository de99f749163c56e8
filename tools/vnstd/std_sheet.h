#pragma once
// A standard as the engine reads it, for the authoring tools (lint, explain): the file loaded
// into a pooled evaluation host, its section headers, its declarations (findVarCells), the
// cells of the declaration sections that declare nothing, and the texts of its Calc cells.
// Nothing is calculated and nothing is written.
#include <memory>
#include <string>
#include <vector>

#include "ktx_string.h"
#include "vn_var_cells.h"

struct StdSheetCell {
    int col = 0, row = 0;
    std::string text;
};

struct StdSheet {
    std::string path;      // the standard's Windows path, as the engine names it
    std::string hostPath;  // the same on this machine
    bool loaded = false;   // false: the grid refused the file (nothing else is filled)
    // Rows covered by each section (0 Input, 1 Output, 2 Local, 3 Calc); first -1 when its
    // header is missing.
    int first[4] = {-1, -1, -1, -1};
    int last[4] = {-1, -1, -1, -1};
    VnVarCells variables;                   // as findVarCells collects them, duplicates included
    std::vector<std::string> declarations;  // the text of each variable's cell, in order
    // Non-empty cells of the Input, Output and Local sections that are no declaration (and no
    // section header), with the section they lie in.
    std::vector<StdSheetCell> strayCells;
    std::vector<int> strayCellSections;
    std::vector<StdSheetCell> calcCells;  // every non-empty cell below the "Calc" header

    // The standard's name (file name without folder and extension).
    std::string name() const;
};

// Loads the standard at `path` (a Windows path or a name in the library, as loadStandard
// takes it). Never fails: an unreadable file gives loaded = false.
std::shared_ptr<const StdSheet> loadStdSheet(const Ktx_String& path);

// Loaded standards by host path, each loaded once (a lint run reads children many times).
class StdSheetCache {
  public:
    std::shared_ptr<const StdSheet> get(const Ktx_String& path);

  private:
    std::vector<std::pair<std::string, std::shared_ptr<const StdSheet>>> sheets_;
};
