#pragma once
// CellValue: a grid cell's address with a typed value, and the free functions that move such
// values, and plain keys, between a Ktx_Spread and the module.
#include "ktx_string.h"
#include "spread_forward.h"

struct CellValue {
    enum Status : unsigned char { Valid = 0, ReadFailed = 1 };
    enum Type : unsigned char { Long = 0, Double = 1, String = 2, Cell = 3, Range = 4 };

    int col = 0;
    int row = 0;
    unsigned char status = Valid;
    unsigned char type = Long;
    long longValue = 0;
    double doubleValue = 0.0;
    Ktx_String stringValue;
};

// Reads the cell at value.col, value.row. The grid's cell type decides the value's type:
// integer and check-box cells (10, 12) give a long (the data text as a decimal integer),
// number cells (14, 15, 16) a double, every other type a string (the data text). On a
// failed read status becomes ReadFailed and false is returned.
bool getCellValue(Ktx_Spread& ss, CellValue& value);

// Writes the value into its cell as data: a long in decimal, a double with two decimals, a
// string unchanged. False, writing nothing, when the status is not Valid, for cell and range
// values, and when the grid refuses.
bool setCellValue(Ktx_Spread& ss, const CellValue& value);

// A long in decimal.
Ktx_String longToText(long value);
// A double with a positive number of decimals as "%.2f" (always two decimals); with none
// (0 or less) truncated to a long and written in decimal.
Ktx_String doubleToText(double value, int decimals);

// Which line findKey walks.
enum class KeyDirection {
    AlongRow,     // columns 1 .. last of the row `index`
    AlongColumn,  // rows 1 .. last of the column `index`
};

// The first column (AlongRow) or row (AlongColumn) whose data text equals key; -1 when none
// or when the grid is not created.
int findKey(Ktx_Spread& ss, const Ktx_String& key, KeyDirection direction, int index);
