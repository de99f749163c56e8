// Turns compiled code back into formula text (without "="), in A1 or R1C1 style. The text
// reads as the formula was written, up to blanks and the letter case of names.
#pragma once

#include <string>

#include "formula_code.h"

std::string printFormula(const std::uint32_t* code, std::size_t length, bool r1c1, int hostCol,
                         int hostRow);
