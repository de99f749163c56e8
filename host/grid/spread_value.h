// The value record that the grid control exchanges with custom functions, and the callback
// type of a custom function.
//
// A record is valid when `status` is 0; a result starts as "no value" (status 2). `type` says
// which member holds the value: a long, a double, a string in a global memory block (the
// receiver locks it, copies the NUL-terminated text, unlocks and may free it), a cell
// reference (col, row) or a range (col, row to col2, row2; all 1-based and inclusive).
#pragma once

#include "global_memory.h"

constexpr unsigned char SPREAD_STATUS_VALID = 0;
constexpr unsigned char SPREAD_STATUS_NOVALUE = 2;

constexpr unsigned char SPREAD_TYPE_LONG = 0;
constexpr unsigned char SPREAD_TYPE_DOUBLE = 1;
constexpr unsigned char SPREAD_TYPE_STRING = 2;
constexpr unsigned char SPREAD_TYPE_CELL = 3;
constexpr unsigned char SPREAD_TYPE_RANGE = 4;

// Custom-function flag: an argument written as a cell reference or range arrives as such
// (type 3 or 4) instead of as the value it holds.
constexpr long SPREAD_CUSTFUNC_WANTCELLREF = 1;

struct SpreadValue {
    unsigned char status = SPREAD_STATUS_NOVALUE;
    unsigned char type = SPREAD_TYPE_LONG;
    long lValue = 0;
    double dfValue = 0.0;
    HGLOBAL hszValue = nullptr;
    long col = 0;
    long row = 0;
    long col2 = 0;
    long row2 = 0;
};

// A custom function: writes its result into `result` and returns true when it produced one.
// The grid frees the argument string blocks the function left alone, and takes over the
// block of a string result.
using SpreadCustomFunction = bool (*)(SpreadValue* result, SpreadValue* args, short argCount);
