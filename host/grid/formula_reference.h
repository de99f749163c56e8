// Cell references as written in formulas: A1 style ("B12", "$B$12", "AA$3") and R1C1 style
// ("R12C2", "R[-1]C", "RC[3]"), read and written. Coordinates are 1-based; a reference holds
// the absolute cell it points to and which parts were written absolute.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct CellReference {
    int col = 0;
    int row = 0;
    bool absCol = false;
    bool absRow = false;
};

// "A" = 1 ... "ZZZ" = 18278; empty for columns out of that range.
std::string columnLetters(int col);

// A whole word in A1 style; nullopt unless it is exactly a reference within the limits.
std::optional<CellReference> parseA1Reference(std::string_view word, int maxCol, int maxRow);
// A whole word in R1C1 style; relative parts count from (hostCol, hostRow).
std::optional<CellReference> parseR1C1Reference(std::string_view word, int hostCol, int hostRow,
                                                int maxCol, int maxRow);

std::string formatA1Reference(const CellReference& ref);
std::string formatR1C1Reference(const CellReference& ref, int hostCol, int hostRow);
