#include "kept_cell_text.h"

#include <bit>
#include <cstring>

#include "cell_type_rules.h"
#include "sheet_model.h"

// The cell exists (both callers know it): its value is read from the engine straight away.
KeptCellText::Source KeptCellText::sourceOf(const SheetModel& sheet, int col, int row) {
    return {sheet.formatId(col, row), sheet.engine().valueView(col, row)};
}

bool KeptCellText::madeFrom(const Source& now) const {
    // Numbers compare bit for bit: 0 and -0, or two NaNs, may format differently.
    return now.formatId == formatId_ && now.value.kind == valueKind_ &&
           std::bit_cast<std::uint64_t>(now.value.number) == numberBits_ &&
           now.value.error == error_ &&
           (valueKind_ != FormulaValueKind::Text || now.value.text == text());
}

int KeptCellText::formatAndKeep(Kind kind, const SheetModel& sheet, int col, int row) {
    kind_ = Kind::None;
    // The data text of a formula cell is its value text; that of other cells is not kept.
    if (kind == Kind::Data && !sheet.hasFormula(col, row)) {
        return static_cast<int>(sheet.dataText(col, row).size());
    }
    const Source source = sourceOf(sheet, col, row);
    // As SheetModel::valueText, from the source read once; a number is written in the room.
    const std::string_view text = valueTextView(
        source.value, valueTextStyleOf(sheet.formats().get(source.formatId).cellType), room_);
    const int length = static_cast<int>(text.size());
    if (kind == Kind::None || text.empty()) return length;
    inRoom_ = text.size() <= sizeof room_;
    if (!inRoom_) {
        long_.assign(text);
    } else if (text.data() != room_) {
        std::memcpy(room_, text.data(), text.size());
    }
    length_ = text.size();
    kind_ = kind;
    sheet_ = &sheet;
    col_ = col;
    row_ = row;
    writeStamp_ = sheet.writeStamp();
    formatId_ = source.formatId;
    valueKind_ = source.value.kind;
    numberBits_ = std::bit_cast<std::uint64_t>(source.value.number);
    error_ = source.value.error;
    return length;
}

int KeptCellText::takeInto(Kind kind, const SheetModel& sheet, int col, int row, char* buffer) {
    if (kind_ == Kind::None) return -1;
    const bool sameCell = kind == kind_ && &sheet == sheet_ && col == col_ && row == row_;
    kind_ = Kind::None;
    if (!sameCell) return -1;
    // Nothing written since: the text holds. Otherwise what it was made from is compared.
    if (sheet.writeStamp() != writeStamp_ && ((kind == Kind::Data && !sheet.hasFormula(col, row)) ||
                                              !madeFrom(sourceOf(sheet, col, row)))) {
        return -1;
    }
    const std::string_view text = this->text();
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    return static_cast<int>(text.size());
}
