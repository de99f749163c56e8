#pragma once
// Plain-text tables for the program's output: rows printed as columns separated by two
// blanks, each column as wide as its widest cell (the last cell of a row is not padded).
#include <cstdio>
#include <string>
#include <vector>

using TextTableRow = std::vector<std::string>;

void printTextTable(std::FILE* out, const std::vector<TextTableRow>& rows);
