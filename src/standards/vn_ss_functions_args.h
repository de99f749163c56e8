#pragma once
// Reading the arguments of the standards functions and writing their results, on the grid's
// value records.
//
// Readers fail (false, output untouched) when the argument's status is not valid or its type
// does not fit. Writers set status valid and the type; a text result goes to the grid in a
// new global memory block, and an empty text leaves the result without a value.
#include <string>

#include "spread_value.h"

class VnSSFunctionsArgs {
  public:
    // A long (type 0) as a double, or a double (type 1).
    static bool readNumber(const SpreadValue& arg, double& value);
    // A text (type 2): the grid's string copied out, one leading and one trailing double
    // quote removed.
    static bool readText(const SpreadValue& arg, std::string& text);
    // A cell reference (type 3).
    static bool readCellRef(const SpreadValue& arg, long& col, long& row);
    // The number at the start of a text, as atof reads it (0 when there is none); a text that
    // is wholly a plain decimal is read without the C library's general conversion.
    static double leadingNumber(const std::string& text);
    // True when the argument has no value (status 2).
    static bool hasNoValue(const SpreadValue& arg) { return arg.status == SPREAD_STATUS_NOVALUE; }

    // Every function starts with this: no value, type long.
    static void resetResult(SpreadValue* result);
    // A number result (type 1); always succeeds.
    static bool writeNumber(SpreadValue* result, double value);
    // A text result (type 2). An empty text keeps status 2 and succeeds; false when the text
    // cannot be handed to the grid (no memory block).
    static bool writeText(SpreadValue* result, const std::string& text);
};
