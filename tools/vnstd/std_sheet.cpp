#include "std_sheet.h"

#include "vn_ss_dlgs_mgr.h"
#include "vn_ss_functions_host.h"
#include "vn_standards_dlg.h"

namespace {

const char* const kHeaders[4] = {"Input", "Output", "Local", "Calc"};

bool isHeader(const Ktx_String& text) {
    for (const char* h : kHeaders)
        if (text == h) return true;
    return false;
}

// The section (0..2) whose rows hold `row`, -1 when none; a row shared by two sections (the
// next header's row) belongs to the one above, as in findVarCells.
int sectionOfRow(const StdSheet& s, int row) {
    for (int i = 0; i < 3; ++i)
        if (s.first[i] >= 0 && row >= s.first[i] && row <= s.last[i]) return i;
    return -1;
}

void collectStrayCells(VnStandardsSpread& grid, StdSheet& s) {
    const int maxCols = grid.getMaxCols();
    for (int section = 0; section < 3; ++section) {
        if (s.first[section] < 0) continue;
        for (int row = s.first[section]; row <= s.last[section]; ++row) {
            if (sectionOfRow(s, row) != section) continue;
            for (int col = 1; col <= maxCols; ++col) {
                Ktx_String text;
                if (!grid.getCellText(col, row, text, CellTextKind::Value) || text.isEmpty() ||
                    isHeader(text))
                    continue;
                VnVarCell probe;
                if (probe.initialize(grid, col, row, VnCellInput) == Acad::eOk) continue;
                s.strayCells.push_back({col, row, text.str()});
                s.strayCellSections.push_back(section);
            }
        }
    }
}

void collectCalcCells(VnStandardsSpread& grid, StdSheet& s) {
    if (s.first[3] < 0) return;
    const int maxCols = grid.getMaxCols();
    const int maxRows = grid.getMaxRows();
    for (int row = s.first[3]; row <= maxRows; ++row) {
        for (int col = 1; col <= maxCols; ++col) {
            Ktx_String text;
            if (grid.getCellText(col, row, text, CellTextKind::Value) && !text.isEmpty())
                s.calcCells.push_back({col, row, text.str()});
        }
    }
}

}  // namespace

std::string StdSheet::name() const {
    std::string n = path;
    const size_t cut = n.find_last_of("\\/");
    if (cut != std::string::npos) n = n.substr(cut + 1);
    const size_t dot = n.rfind('.');
    return dot == std::string::npos ? n : n.substr(0, dot);
}

std::shared_ptr<const StdSheet> loadStdSheet(const Ktx_String& path) {
    auto s = std::make_shared<StdSheet>();
    s->path = VnStandardsSpread::standardFilePath(path).str();
    s->hostPath = vnHostPath(Ktx_String(s->path));
    auto* host = static_cast<VnStandardsDlg*>(gSSDlgsMgr.getDlg());
    if (host == nullptr) return s;
    VnStandardsSpread& grid = host->spread;
    if (grid.loadStandard(path) == Acad::eOk) {
        s->loaded = true;
        for (int i = 0; i < 4; ++i) grid.sectionRows(i, s->first[i], s->last[i]);
        grid.findVarCells();
        s->variables = grid.varCells;
        for (int i = 0; i < s->variables.length(); ++i) {
            Ktx_String text;
            grid.getCellText(s->variables[i].col, s->variables[i].row, text, CellTextKind::Value);
            s->declarations.push_back(text.str());
        }
        collectStrayCells(grid, *s);
        collectCalcCells(grid, *s);
    }
    gSSDlgsMgr.releaseDlg(host);
    return s;
}

std::shared_ptr<const StdSheet> StdSheetCache::get(const Ktx_String& path) {
    const std::string key = vnHostPath(VnStandardsSpread::standardFilePath(path));
    for (const auto& [k, sheet] : sheets_)
        if (k == key) return sheet;
    auto sheet = loadStdSheet(path);
    sheets_.emplace_back(key, sheet);
    return sheet;
}
