// Ktx_Spread: cell texts, arrays of texts, active cell, selection and cell types.
#include <vector>

#include "grid.h"
#include "ktx_spread.h"
#include "ktx_spread_fields.h"
#include "ktx_string_array.h"
#include "redraw_lock.h"

namespace {

constexpr long kNumberStyleSeparator = 0x10400000L;
constexpr long kNumberStylePlain = 0x10100000L;
constexpr double kNumberLimit = 99999999999999.0;

bool withinCount(int index, int count) {
    return index == SS_HEADER || (index >= 0 && index <= count);
}

// The length of the cell's text of `kind`, -1 when the grid refuses.
int textLength(HWND h, int col, int row, int kind) {
    switch (kind) {
        case CellTextKind::Data:
            return SSGetDataLen(h, col, row);
        case CellTextKind::Formula:
            return SSGetFormulaLen(h, col, row);
        case CellTextKind::Tag:
            return SSGetCellTag(h, col, row, nullptr);
        case CellTextKind::Value:
            return SSGetValueLen(h, col, row);
        default:
            return -1;
    }
}

int readText(HWND h, int col, int row, int kind, char* buffer) {
    switch (kind) {
        case CellTextKind::Data:
            return SSGetData(h, col, row, buffer);
        case CellTextKind::Formula:
            return SSGetFormula(h, col, row, buffer);
        case CellTextKind::Tag:
            return SSGetCellTag(h, col, row, buffer);
        case CellTextKind::Value:
            return SSGetValue(h, col, row, buffer);
        default:
            return -1;
    }
}

// A number type depends on its decimals and separator alone, so the usual ones are filled
// once: evaluations set a cell type for every variable and Calc cell. The module runs on one
// thread. The kept types live in one plain table (no guarded statics on the way to them).
struct KeptNumberTypes {
    static constexpr int kDecimals = 16;
    SSCellType types[kDecimals][2];
    bool filled[kDecimals][2] = {};
    SSCellType other;
};
KeptNumberTypes gNumberTypes;

// Fills the number type of `decimals` and `separator` (kept when usual). Out of line: the
// look-up of a kept type then saves no registers for it.
[[gnu::noinline]] const SSCellType& fillNumberType(HWND h, int decimals, bool separator) {
    const bool keep = decimals >= 0 && decimals < KeptNumberTypes::kDecimals;
    const int s = separator ? 1 : 0;
    SSCellType& type = keep ? gNumberTypes.types[decimals][s] : gNumberTypes.other;
    type = SSCellType();
    SSSetTypeNumber(h, &type, separator ? kNumberStyleSeparator : kNumberStylePlain, decimals,
                    -kNumberLimit, kNumberLimit);
    if (keep) gNumberTypes.filled[decimals][s] = true;
    return type;
}

inline const SSCellType& numberType(HWND h, int decimals, bool separator) {
    const unsigned d = static_cast<unsigned>(decimals);
    if (d < KeptNumberTypes::kDecimals && gNumberTypes.filled[d][separator])
        return gNumberTypes.types[d][separator];
    return fillNumberType(h, decimals, separator);
}

// The edit types of the last few styles and lengths asked for, each filled once: a sheet
// mostly alternates between two of them.
struct KeptEditTypes {
    struct Kept {
        SSCellType type;
        int style = 0, maxLength = 0;
        bool filled = false;
    };
    static constexpr std::size_t kKept = 4;
    Kept kept[kKept];
    std::size_t next = 0;  // the one a new style replaces
};
KeptEditTypes gEditTypes;

const SSCellType& editType(HWND h, int style, int maxLength) {
    for (const KeptEditTypes::Kept& k : gEditTypes.kept) {
        if (k.filled && k.style == style && k.maxLength == maxLength) return k.type;
    }
    KeptEditTypes::Kept& kept = gEditTypes.kept[gEditTypes.next];
    gEditTypes.next = (gEditTypes.next + 1) % KeptEditTypes::kKept;
    kept.type = SSCellType();
    SSSetTypeEdit(h, &kept.type, style, maxLength);
    kept.style = style;
    kept.maxLength = maxLength;
    kept.filled = true;
    return kept.type;
}

}  // namespace

bool Ktx_Spread::cellExists(int col, int row) {
    if (!created) return false;
    return withinCount(col, getMaxCols()) && withinCount(row, getMaxRows());
}

bool Ktx_Spread::getCellText(int col, int row, Ktx_String& text, const int& kind) {
    text.clear();
    if (!created) return false;
    HWND h = m_hWnd;
    // The grid checks the cell itself: a length says it exists, -1 that it does not (or that
    // the kind is unknown), which the sheet's extent then decides.
    const int length = textLength(h, col, row, kind);
    if (length < 0) return cellExists(col, row);
    if (length == 0) return true;
    // A short text goes through a buffer on the stack into the room the string has.
    constexpr int kShortText = 128;
    if (length < kShortText) {
        char shortText[kShortText];
        const int read = readText(h, col, row, kind, shortText);
        if (read >= 0 && read <= length) text.appendView(std::string_view(shortText, read));
        return true;
    }
    // One allocation: the grid writes the text and its terminating zero into the string.
    std::string buffer(static_cast<size_t>(length), '\0');
    const int read = readText(h, col, row, kind, buffer.data());
    if (read >= 0 && read <= length) {
        buffer.resize(static_cast<size_t>(read));
        text = Ktx_String(std::move(buffer));
    }
    return true;
}

bool Ktx_Spread::setCellText(int col, int row, const Ktx_String& text, bool asValue) {
    return setCellBytes(col, row, text.str(), asValue);
}

// The grid refuses a cell outside it.
bool Ktx_Spread::setCellBytes(int col, int row, const std::string& text, bool asValue) {
    return setCellBytes(col, row, text.c_str(), asValue);
}

bool Ktx_Spread::setCellBytes(int col, int row, const char* text, bool asValue) {
    if (!created) return false;
    return asValue ? SSSetValue(m_hWnd, col, row, text) : SSSetData(m_hWnd, col, row, text);
}

bool Ktx_Spread::setCellFormula(int col, int row, const Ktx_String& formula) {
    if (!cellExists(col, row)) return false;
    return SSSetFormula(m_hWnd, col, row, formula.c_str(), true);
}

bool Ktx_Spread::setColumnTexts(const int& col, const Ktx_StringArray& texts, bool asValue) {
    if (!cellExists(col, 0)) return false;
    RedrawLock lock(this);
    const int rows = getMaxRows();
    for (int i = 0; i < texts.length() && i < rows; ++i) setCellText(col, i + 1, texts[i], asValue);
    return true;
}

bool Ktx_Spread::setRowTexts(const int& row, const Ktx_StringArray& texts, bool asValue) {
    if (!cellExists(0, row)) return false;
    RedrawLock lock(this);
    const int cols = getMaxCols();
    for (int i = 0; i < texts.length() && i < cols; ++i) setCellText(i + 1, row, texts[i], asValue);
    return true;
}

bool Ktx_Spread::setRowHeaders(const Ktx_StringArray& texts) {
    return setColumnTexts(SS_HEADER, texts, false);
}

bool Ktx_Spread::setColumnHeaders(const Ktx_StringArray& texts) {
    return setRowTexts(SS_HEADER, texts, false);
}

bool Ktx_Spread::getColumnTexts(const int& col, Ktx_StringArray& texts, const int& kind) {
    texts.removeAll();
    if (!cellExists(col, 0)) return false;
    const int rows = getMaxRows();
    Ktx_String text;
    for (int row = 1; row <= rows; ++row) {
        getCellText(col, row, text, kind);
        texts.append(text);
    }
    return true;
}

bool Ktx_Spread::getColumnTexts(const int& col, Ktx_StringArray& texts) {
    return getColumnTexts(col, texts, CellTextKind::Value);
}

bool Ktx_Spread::getRowTexts(const int& row, Ktx_StringArray& texts) {
    texts.removeAll();
    if (!cellExists(0, row)) return false;
    const int cols = getMaxCols();
    Ktx_String text;
    for (int col = 1; col <= cols; ++col) {
        getCellText(col, row, text, CellTextKind::Value);
        texts.append(text);
    }
    return true;
}

bool Ktx_Spread::getColumnHeaders(Ktx_StringArray& texts) {
    return getRowTexts(SS_HEADER, texts);
}

bool Ktx_Spread::getActiveCell(int& col, int& row) {
    if (!created) return false;
    if (SSGetActiveCell(m_hWnd, &col, &row)) return true;
    col = 1;
    row = 1;
    return SSSetActiveCell(m_hWnd, col, row);
}

int Ktx_Spread::getSelectionCol() {
    if (!created) return -1;
    int col = 0, row = 0, col2 = 0, row2 = 0;
    if (SSGetSelectBlock(m_hWnd, &col, &row, &col2, &row2)) return col == SS_ALLCOLS ? 1 : col;
    getActiveCell(col, row);
    return col;
}

int Ktx_Spread::getSelectionRow() {
    if (!created) return -1;
    int col = 0, row = 0, col2 = 0, row2 = 0;
    if (SSGetSelectBlock(m_hWnd, &col, &row, &col2, &row2)) return row == SS_ALLROWS ? 1 : row;
    getActiveCell(col, row);
    return row;
}

bool Ktx_Spread::setNumberType(int col1, int row1, int col2, int row2, int decimals,
                               bool separator) {
    if (!created) return false;
    return SSSetCellTypeRange(m_hWnd, col1, row1, col2, row2,
                              &numberType(m_hWnd, decimals, separator));
}

bool Ktx_Spread::setNumberTypeCell(int col, int row, int decimals, bool separator) {
    return setNumberType(col, row, col, row, decimals, separator);
}

bool Ktx_Spread::setEditType(int col1, int row1, int col2, int row2, int style, int maxLength) {
    if (!created) return false;
    return SSSetCellTypeRange(m_hWnd, col1, row1, col2, row2, &editType(m_hWnd, style, maxLength));
}

bool Ktx_Spread::setEditTypeCell(int col, int row) {
    return setEditType(col, row, col, row);
}
