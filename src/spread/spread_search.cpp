#include "spread_search.h"

#include "grid.h"
#include "ktx_spread.h"

namespace {

void makeCurrent(Ktx_Spread& ss, int col, int row) {
    SSSetActiveCell(ss.gridWindow(), col, row);
    SSSetSelectBlock(ss.gridWindow(), col, row, col, row);
}

}  // namespace

SpreadFindResult spreadFindNext(Ktx_Spread& ss, const Ktx_String& text,
                                const std::function<bool()>& askWrap) {
    if (text.isEmpty() || !ss.isCreated()) return SpreadFindResult::NotFound;
    int col = 1;
    int row = 1;
    ss.getActiveCell(col, row);
    ++col;  // findText goes on with the next row when this lies beyond the last column
    if (!ss.findText(text, true, col, row)) {
        if (!askWrap || !askWrap()) return SpreadFindResult::Declined;
        col = 1;
        row = 1;
        if (!ss.findText(text, true, col, row)) return SpreadFindResult::NotFound;
    }
    makeCurrent(ss, col, row);
    return SpreadFindResult::Found;
}

bool spreadReplaceInCell(Ktx_Spread& ss, int col, int row, const Ktx_String& text,
                         const Ktx_String& replacement) {
    Ktx_String formula;
    if (!ss.getCellText(col, row, formula, CellTextKind::Formula) || !formula.isEmpty())
        return false;
    Ktx_String data;
    ss.getCellText(col, row, data, CellTextKind::Data);
    if (data.replaceSubString(text, replacement) == 0) return false;
    return ss.setCellText(col, row, data, false);
}

int spreadReplaceAll(Ktx_Spread& ss, const Ktx_String& text, const Ktx_String& replacement) {
    if (text.isEmpty()) return 0;
    int changed = 0;
    int col = 1;
    int row = 1;
    // Each cell is visited once: the search goes on after the cell just looked at, so a
    // replacement that holds the search text is not replaced again.
    while (ss.findText(text, true, col, row)) {
        if (spreadReplaceInCell(ss, col, row, text, replacement)) ++changed;
        ++col;
    }
    return changed;
}
