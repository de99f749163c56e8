// SS... cell-type builders and the calls that give cells a type.
#include "ss_access.h"
#include "ss_functions.h"
#include "win.h"

namespace {

SSCellType* fill(SSCellType* cellType, int type, long style) {
    if (!cellType) return nullptr;
    *cellType = SSCellType{};
    cellType->type = type;
    cellType->style = style;
    return cellType;
}

SSCellType* numeric(SSCellType* cellType, int type, long style, int decimals, double minValue,
                    double maxValue) {
    if (!fill(cellType, type, style)) return nullptr;
    cellType->decimals = decimals < 0 ? 0 : (decimals > 15 ? 15 : decimals);
    cellType->minValue = minValue;
    cellType->maxValue = maxValue;
    return cellType;
}

std::uintptr_t handleValue(HBITMAP picture) {
    return reinterpret_cast<std::uintptr_t>(picture);
}

}  // namespace

SSCellType* SSSetTypeGeneral(HWND, SSCellType* cellType) {
    return fill(cellType, SS_CELLTYPE_GENERAL, 0);
}

SSCellType* SSSetTypeEdit(HWND, SSCellType* cellType, long style, int maxLength) {
    if (!fill(cellType, SS_CELLTYPE_EDIT, style)) return nullptr;
    cellType->maxLength = maxLength < 0 ? 0 : maxLength;
    return cellType;
}

SSCellType* SSSetTypeStaticText(HWND, SSCellType* cellType, long style) {
    return fill(cellType, SS_CELLTYPE_STATICTEXT, style);
}

SSCellType* SSSetTypePicture(HWND hWnd, SSCellType* cellType, long style, const char* fileName) {
    if (!fill(cellType, SS_CELLTYPE_PICTURE, style)) return nullptr;
    cellType->text.assign(ssText(fileName));
    // The picture is read now, as the control does: the cell shows it even when the file
    // is gone later. A file that is missing or no bitmap leaves the cell without picture.
    GridWindow* grid = ssGrid(hWnd);
    if (grid && fileName && *fileName) {
        HANDLE picture = LoadImage(nullptr, fileName, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
        cellType->picture = handleValue(grid->keepPicture(static_cast<HBITMAP>(picture)));
    }
    return cellType;
}

SSCellType* SSSetTypePictureHandle(HWND, SSCellType* cellType, long style, HBITMAP picture) {
    if (!fill(cellType, SS_CELLTYPE_PICTURE, style)) return nullptr;
    cellType->picture = handleValue(picture);
    return cellType;
}

SSCellType* SSSetTypeComboBox(HWND, SSCellType* cellType, long style, const char* items) {
    if (!fill(cellType, SS_CELLTYPE_COMBOBOX, style)) return nullptr;
    cellType->text.assign(ssText(items));
    return cellType;
}

SSCellType* SSSetTypeButton(HWND, SSCellType* cellType, long style, const char* text) {
    if (!fill(cellType, SS_CELLTYPE_BUTTON, style)) return nullptr;
    cellType->text.assign(ssText(text));
    return cellType;
}

SSCellType* SSSetTypeCheckBox(HWND, SSCellType* cellType, long style, const char* text,
                              HBITMAP pictureUnchecked, HBITMAP pictureChecked) {
    if (!fill(cellType, SS_CELLTYPE_CHECKBOX, style)) return nullptr;
    cellType->text.assign(ssText(text));
    cellType->picture = handleValue(pictureUnchecked);
    cellType->picture2 = handleValue(pictureChecked);
    return cellType;
}

SSCellType* SSSetTypeInteger(HWND, SSCellType* cellType, long minValue, long maxValue) {
    return numeric(cellType, SS_CELLTYPE_INTEGER, 0, 0, double(minValue), double(maxValue));
}

SSCellType* SSSetTypeNumber(HWND, SSCellType* cellType, long style, int decimals, double minValue,
                            double maxValue) {
    return numeric(cellType, SS_CELLTYPE_NUMBER, style, decimals, minValue, maxValue);
}

SSCellType* SSSetTypeCurrency(HWND, SSCellType* cellType, long style, int decimals, double minValue,
                              double maxValue) {
    return numeric(cellType, SS_CELLTYPE_CURRENCY, style, decimals, minValue, maxValue);
}

SSCellType* SSSetTypePercent(HWND, SSCellType* cellType, long style, int decimals, double minValue,
                             double maxValue) {
    return numeric(cellType, SS_CELLTYPE_PERCENT, style, decimals, minValue, maxValue);
}

bool SSSetCellType(HWND hWnd, int col, int row, const SSCellType* cellType) {
    return SSSetCellTypeRange(hWnd, col, row, col, row, cellType);
}

bool SSSetCellTypeRange(HWND hWnd, int col, int row, int col2, int row2,
                        const SSCellType* cellType) {
    if (!cellType) return false;
    return ssForBlock(hWnd, col, row, col2, row2, [&](GridWindow& g, int c, int r) {
        return g.sheet().setCellType(c, r, *cellType);
    });
}

bool SSGetCellType(HWND hWnd, int col, int row, SSCellType* cellType) {
    GridWindow* grid = ssCell(hWnd, col, row);
    if (!grid || !cellType) return false;
    *cellType = grid->sheet().format(col, row).cellType;
    return true;
}
