#include "from_table_lookup.h"

#include <cstring>

#include "acad.h"
#include "cell_value.h"
#include "from_table.h"
#include "grid.h"
#include "ktx_spread.h"
#include "path_translation.h"
#include "spread_value.h"

namespace {

// Copies the text of a string record out of its global memory block. The block stays with
// the grid, which frees the argument blocks after the call.
Ktx_String takeArgumentText(const SpreadValue& arg) {
    Ktx_String text;
    if (!arg.hszValue) return text;
    if (const char* bytes = static_cast<const char*>(GlobalLock(arg.hszValue))) {
        text = Ktx_String(bytes, static_cast<int>(strnlen(bytes, GlobalSize(arg.hszValue))));
        GlobalUnlock(arg.hszValue);
    }
    return text;
}

bool argumentsValid(const FromTableCall& call) {
    if (call.count < 1 || !call.args || !call.result) return false;
    for (int i = 0; i < call.count; ++i) {
        if (call.args[i].status != SPREAD_STATUS_VALID) return false;
    }
    return call.args[0].type == SPREAD_TYPE_STRING;
}

// The cell to read: a cell argument (2 or 3 arguments), or found by keys (4 arguments).
bool findTargetCell(Ktx_Spread& grid, const FromTableCall& call, int& col, int& row) {
    const SpreadValue* args = call.args;
    if (call.count == 2 || call.count == 3) {
        if (args[1].type != SPREAD_TYPE_CELL) return false;
        col = static_cast<int>(args[1].col);
        row = static_cast<int>(args[1].row);
        return true;
    }
    if (call.count != 4) return false;
    Ktx_String keyColumn, resultColumn, keyValue;
    if (!fromTableKey(args[1], keyColumn) || !fromTableKey(args[2], resultColumn) ||
        !fromTableKey(args[3], keyValue))
        return false;
    const int keyCol = findKey(grid, keyColumn, KeyDirection::AlongRow, 0);
    col = findKey(grid, resultColumn, KeyDirection::AlongRow, 0);
    row = keyCol < 0 ? -1 : findKey(grid, keyValue, KeyDirection::AlongColumn, keyCol);
    return keyCol > 0 && col > 0 && row > 0;
}

void copyIntoCaller(Ktx_Spread& grid, const FromTableCall& call, int col, int row) {
    const SpreadValue& target = call.args[2];
    if (!call.caller || target.type != SPREAD_TYPE_CELL) return;
    Ktx_String data;
    grid.getCellText(col, row, data, CellTextKind::Data);
    call.caller->setCellText(static_cast<int>(target.col), static_cast<int>(target.row), data);
}

// A string result goes out in a new global memory block; false when that cannot be made.
bool putString(SpreadValue& result, const Ktx_String& text) {
    HGLOBAL block = GlobalAlloc(GHND, static_cast<SIZE_T>(text.length()) + 1);
    char* bytes = block ? static_cast<char*>(GlobalLock(block)) : nullptr;
    if (!bytes) {
        if (block) GlobalFree(block);
        acutPrintf("Reallocate failed\n");
        return false;
    }
    std::memcpy(bytes, text.c_str(), static_cast<size_t>(text.length()));
    GlobalUnlock(block);
    result.hszValue = block;
    return true;
}

void printResult(const SpreadValue& result) {
    if (result.status != SPREAD_STATUS_VALID) return;
    switch (result.type) {
        case SPREAD_TYPE_LONG:
            acutPrintf("Result is long: %i\n", static_cast<int>(result.lValue));
            break;
        case SPREAD_TYPE_DOUBLE:
            acutPrintf("Result is double: %f\n", result.dfValue);
            break;
        case SPREAD_TYPE_STRING: {
            Ktx_String text = takeArgumentText(result);
            acutPrintf("Result is string: %s\n", text.c_str());
            break;
        }
        case SPREAD_TYPE_CELL:
            acutPrintf("Result is cell\n");
            break;
        default:
            acutPrintf("Result is range\n");
            break;
    }
}

// Hands the found cell's typed value to the result; a read that fails leaves no value.
void giveResult(Ktx_Spread& grid, SpreadValue& result, int col, int row) {
    CellValue value;
    value.col = col;
    value.row = row;
    if (!getCellValue(grid, value)) return;
    if (value.type == CellValue::String && !putString(result, value.stringValue)) return;
    result.type = value.type;
    result.lValue = value.longValue;
    result.dfValue = value.doubleValue;
    result.status = SPREAD_STATUS_VALID;
    printResult(result);
}

}  // namespace

bool fromTableKey(const SpreadValue& arg, Ktx_String& key) {
    switch (arg.type) {
        case SPREAD_TYPE_LONG:
            key = longToText(arg.lValue);
            return true;
        case SPREAD_TYPE_DOUBLE:
            key = doubleToText(arg.dfValue, 0);
            return true;
        case SPREAD_TYPE_STRING:
            key = takeArgumentText(arg);
            return true;
        default:
            return false;
    }
}

void lookUpFromTable(Ktx_Spread& grid, const FromTableCall& call) {
    if (call.result) call.result->status = SPREAD_STATUS_NOVALUE;
    if (!argumentsValid(call)) return;
    const std::string path = hostPath(takeArgumentText(call.args[0]));
    if (!grid.isCreated() || !SSLoadFromFile(grid.gridWindow(), path.c_str())) return;
    registerFromTable(grid);
    int col = 0, row = 0;
    if (!findTargetCell(grid, call, col, row)) return;
    SSReCalcCell(grid.gridWindow(), col, row);
    if (call.count == 3)
        copyIntoCaller(grid, call, col, row);
    else
        giveResult(grid, *call.result, col, row);
}
