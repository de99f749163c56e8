#include "vn_ss_functions_args.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

#include "ktx_module.h"

bool VnSSFunctionsArgs::readNumber(const SpreadValue& arg, double& value) {
    if (arg.status != SPREAD_STATUS_VALID) return false;
    if (arg.type == SPREAD_TYPE_LONG) {
        value = static_cast<double>(arg.lValue);
        return true;
    }
    if (arg.type == SPREAD_TYPE_DOUBLE) {
        value = arg.dfValue;
        return true;
    }
    return false;
}

bool VnSSFunctionsArgs::readText(const SpreadValue& arg, std::string& text) {
    if (arg.status != SPREAD_STATUS_VALID || arg.type != SPREAD_TYPE_STRING) return false;
    if (arg.hszValue == nullptr) {
        text.clear();
        return true;
    }
    const char* locked = static_cast<const char*>(GlobalLock(arg.hszValue));
    if (locked == nullptr) return false;
    std::string_view read(locked, strnlen(locked, GlobalSize(arg.hszValue)));
    if (!read.empty() && read.front() == '"') read.remove_prefix(1);
    if (!read.empty() && read.back() == '"') read.remove_suffix(1);
    text.assign(read);
    GlobalUnlock(arg.hszValue);
    return true;
}

bool VnSSFunctionsArgs::readCellRef(const SpreadValue& arg, long& col, long& row) {
    if (arg.status != SPREAD_STATUS_VALID || arg.type != SPREAD_TYPE_CELL) return false;
    col = arg.col;
    row = arg.row;
    return true;
}

void VnSSFunctionsArgs::resetResult(SpreadValue* result) {
    result->status = SPREAD_STATUS_NOVALUE;
    result->type = SPREAD_TYPE_LONG;
}

bool VnSSFunctionsArgs::writeNumber(SpreadValue* result, double value) {
    result->status = SPREAD_STATUS_VALID;
    result->type = SPREAD_TYPE_DOUBLE;
    result->dfValue = value;
    return true;
}

bool VnSSFunctionsArgs::writeText(SpreadValue* result, const std::string& text) {
    result->type = SPREAD_TYPE_STRING;
    if (text.empty()) {
        result->status = SPREAD_STATUS_NOVALUE;
        return true;
    }
    HGLOBAL block = GlobalAlloc(GHND, text.size() + 1);
    if (block == nullptr) return false;
    char* memory = static_cast<char*>(GlobalLock(block));
    if (memory == nullptr) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(memory, text.data(), text.size());
    GlobalUnlock(block);
    result->hszValue = block;
    result->status = SPREAD_STATUS_VALID;
    return true;
}

double VnSSFunctionsArgs::leadingNumber(const std::string& text) {
    double value = 0.0;
    if (macroParseNumber(text, value)) return value;
    return std::atof(text.c_str());
}
