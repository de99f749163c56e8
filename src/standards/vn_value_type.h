#pragma once
// The value type of a spreadsheet variable and the section of the sheet it is declared in.
// Both are stored as 32-bit ints; the numbers are part of stored data and must not change.
#include <cstdint>

enum VnValueType : int32_t {
    VnValueInt = 0,     // "Int": number cell, 0 decimals
    VnValueDouble = 1,  // "Double": number cell, 7 decimals
    VnValueString = 2,  // "String": text cell, at most 9999 characters
};

enum VnCellType : int32_t {
    VnCellInput = 0,
    VnCellOutput = 1,
    VnCellLocal = 2,
};

// Int and Double are the numeric types.
inline bool isNumericValueType(VnValueType type) {
    return type == VnValueInt || type == VnValueDouble;
}
// Two types are of the same family when both are numeric or both are String.
inline bool isSameValueFamily(VnValueType a, VnValueType b) {
    return isNumericValueType(a) == isNumericValueType(b);
}
