#pragma once
// Why a file is no sheet file the grid can load, in words a user can act on: the file and its
// first bad line, or that it is empty, or (for a CSV file) that "vnstd sheet convert" makes a
// sheet file of it. Empty when the file loads.
#include <string>

std::string sheetFileProblem(const std::string& hostPath);
