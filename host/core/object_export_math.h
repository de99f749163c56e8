#pragma once
// Rounding to a step and comment stripping, as the Core library offers them to the standards
// engine. All functions are pure.
//
// Rounding conventions (the engine's tolerance search and ROUNDTO rely on them):
// - The step's sign is ignored: a step of -5 rounds like a step of 5.
// - A step of 0 (or a step or value that is not finite) leaves the value unchanged.
// - Before rounding, the quotient value/step is snapped to the nearest integer when it lies
//   within 1e-9 (relative) of it, so decimal steps behave as a person expects: 0.3 with
//   step 0.1 is exactly 3 steps, and 0.15 with step 0.1 is a tie, not 1.4999... steps.
// - Ties are rounded away from zero (12.5 with step 5 gives 15, -12.5 gives -15), as the
//   spreadsheet function ROUND does.
#include <string>
#include <string_view>

// The multiple of |step| nearest to value; ties away from zero.
double ObjectExportRoundTo(double value, double step);

// The smallest multiple of |step| at or above value. The third argument bounds the rise:
// when that multiple lies more than maxRise above value, value itself is returned unchanged
// (so a negative maxRise returns value unless value already is a multiple).
double ObjectExportRoundUp(double value, double step, double maxRise);

// The line without its block comments: every span from "/*" to the next "*/" (both included)
// is removed; a "/*" without its closing "*/" removes the rest of the line.
std::string removeComments(std::string_view line);

// The line without its line comment: everything from the first "//" on is removed.
std::string removeLineComment(std::string_view line);
