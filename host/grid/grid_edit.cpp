#include "grid_edit.h"

#include "cell_type_rules.h"

bool gridPersonEntersText(SheetModel& sheet, int col, int row, std::string_view text) {
    if (!sheet.exists(col, row) || col < 1 || row < 1) return false;
    const CellFormat& format = sheet.format(col, row);
    const SSCellType& type = format.cellType;
    if (format.lock || !personCanType(type.type)) return false;
    if (type.type == SS_CELLTYPE_EDIT && type.maxLength > 0 &&
        text.size() > static_cast<std::size_t>(type.maxLength)) {
        return false;
    }
    if (!text.empty() && text.front() == '=') {
        return static_cast<bool>(sheet.setFormula(col, row, text, FormulaSetMode::Strict));
    }
    return sheet.setData(col, row, text);
}
