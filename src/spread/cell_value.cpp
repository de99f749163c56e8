#include "cell_value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "grid.h"
#include "ktx_spread.h"

namespace {

bool readsAsLong(int cellType) {
    return cellType == SS_CELLTYPE_INTEGER || cellType == SS_CELLTYPE_CHECKBOX;
}

bool readsAsDouble(int cellType) {
    return cellType == SS_CELLTYPE_NUMBER || cellType == SS_CELLTYPE_CURRENCY ||
           cellType == SS_CELLTYPE_PERCENT;
}

// A double truncated toward zero, held within the range of long (NaN gives 0).
long truncateToLong(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kLow = static_cast<double>(std::numeric_limits<long>::min());
    constexpr double kHigh = static_cast<double>(std::numeric_limits<long>::max());
    if (value <= kLow) return std::numeric_limits<long>::min();
    if (value >= kHigh) return std::numeric_limits<long>::max();
    return static_cast<long>(value);
}

bool readTyped(Ktx_Spread& ss, CellValue& value, int cellType) {
    HWND h = ss.gridWindow();
    if (readsAsDouble(cellType)) {
        value.type = CellValue::Double;
        return SSGetFloat(h, value.col, value.row, &value.doubleValue);
    }
    Ktx_String data;
    if (!ss.getCellText(value.col, value.row, data, CellTextKind::Data)) return false;
    if (readsAsLong(cellType)) {
        value.type = CellValue::Long;
        value.longValue = std::strtol(data.c_str(), nullptr, 10);
    } else {
        value.type = CellValue::String;
        value.stringValue = data;
    }
    return true;
}

}  // namespace

bool getCellValue(Ktx_Spread& ss, CellValue& value) {
    SSCellType cellType;
    const bool ok = ss.isCreated() &&
                    SSGetCellType(ss.gridWindow(), value.col, value.row, &cellType) &&
                    readTyped(ss, value, cellType.type);
    value.status = ok ? CellValue::Valid : CellValue::ReadFailed;
    return ok;
}

bool setCellValue(Ktx_Spread& ss, const CellValue& value) {
    if (value.status != CellValue::Valid) return false;
    switch (value.type) {
        case CellValue::Long:
            return ss.setCellText(value.col, value.row, longToText(value.longValue));
        case CellValue::Double:
            return ss.setCellText(value.col, value.row, doubleToText(value.doubleValue, 2));
        case CellValue::String:
            return ss.setCellText(value.col, value.row, value.stringValue);
        default:
            return false;
    }
}

Ktx_String longToText(long value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%ld", value);
    return Ktx_String(buffer);
}

Ktx_String doubleToText(double value, int decimals) {
    if (decimals <= 0) return longToText(truncateToLong(value));
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return Ktx_String(buffer);
}

int findKey(Ktx_Spread& ss, const Ktx_String& key, KeyDirection direction, int index) {
    if (!ss.isCreated()) return -1;
    const bool alongRow = direction == KeyDirection::AlongRow;
    const int last = alongRow ? ss.getMaxCols() : ss.getMaxRows();
    Ktx_String text;
    for (int i = 1; i <= last; ++i) {
        const int col = alongRow ? i : index;
        const int row = alongRow ? index : i;
        if (ss.getCellText(col, row, text, CellTextKind::Data) && text == key) return i;
    }
    return -1;
}
