#pragma once
// The look-up table file read by GETCELL and GETPROFCELL: lines read whole, "//" comments
// removed, empty lines dropped, each remaining line split at every tab into fields (empty
// fields kept). The first field of a row is its key.
#include <string>
#include <vector>

using LookupRow = std::vector<std::string>;

class LookupTableFile {
  public:
    // Parses the lines of a file; never fails (an empty result means no rows).
    static std::vector<LookupRow> parse(const std::vector<std::string>& lines);

    // The index of the first row whose key equals `key`, ignoring letter case; -1 when none.
    static int findRow(const std::vector<LookupRow>& rows, const std::string& key);
};
